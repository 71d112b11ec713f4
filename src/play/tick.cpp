#include "play/tick.h"

#include "core/figures.h"
#include "life/death.h"
#include "life/pet_types.h"
#include "life/type_change.h"
#include "life/walking.h"

#include <cmath>

namespace nupel {

namespace {

constexpr int tantrumSickness = 65;
constexpr int eggTantrum = 1;
constexpr int moneyTantrum = 2;
constexpr int changeThreshold = 100;
constexpr int ticksPerLaying = 10;

const QString angryTitle = QStringLiteral("怒!!");

void tantrumNotice(Platform &platform, const QString &text)
{
    platform.messageBox(text, angryTitle, NoticeButtons::Ok, NoticeIcon::Exclamation);
}

// One chance in two that a sick pet of the right kind throws its tantrum.
// The gate is drawn whatever the pet's state.
bool tantrumStarts(const PetState &state, RandomSource &random, int kind)
{
    const bool gate = drawBelow(random, 10) < 5;
    return gate && state.sickness > tantrumSickness && state.tantrumKind == kind;
}

// The pet eats 1 to 20 of its eggs; too few eggs and it eats none.
void eatEggs(PetState &state, RandomSource &random, MainView &view, Platform &platform)
{
    state.eggsEaten = drawBelow(random, 20) + 1;
    if (state.eggs < state.eggsEaten)
        return;
    tantrumNotice(platform, QStringLiteral("卵を食った!!"));
    state.eggs = state.eggs - state.eggsEaten;
    view.setCaption(MainLabel::Label12, eggsText(state.eggs));
    state.satiety = state.satiety + state.eggsEaten;
    if (state.satiety > eggMealLimit)
        state.satiety = eggMealLimit;
}

// The pet eats 1000 to 10000 yen; too little money and it eats none. After
// eating money it is at least at 250, however much that is.
void eatMoney(PetState &state, RandomSource &random, MainView &view, Platform &platform)
{
    const int amount = (drawBelow(random, 10) + 1) * 1000;
    if (state.money < amount)
        return;
    tantrumNotice(platform, QStringLiteral("金を食った!!"));
    state.money = state.money - amount;
    view.setCaption(MainLabel::Label14, moneyText(state.money));
    state.satiety = state.satiety + amount / 100;
    if (state.satiety < eggMealLimit)
        state.satiety = eggMealLimit;
}

void showFaces(const PetState &state, MainView &view)
{
    view.loadPicture(MainImage::Image2, foodFace(state.satiety));
    view.loadPicture(MainImage::Image3, levelFace(state.sickness));
    view.loadPicture(MainImage::Image4, levelFace(state.dirt));
}

void showFigures(const PetState &state, MainView &view)
{
    view.setCaption(MainLabel::Label1, state.petName);
    view.setCaption(MainLabel::Label3, state.petType);
    view.setCaption(MainLabel::Label7, state.petName);
    view.setCaption(MainLabel::Label5, state.generation.print());
    view.setCaption(MainLabel::Label14, moneyText(state.money));
    view.setCaption(MainLabel::Label17, ageText(state.age));
}

// Every tenth tick: a clutch of eggs at a new market price, and a birthday.
void layAndAge(PetState &state, RandomSource &random, MainView &view, Platform &platform)
{
    const Cell clutch = std::floor(random.next() * state.clutchMax) + 1;
    state.eggs = state.eggs + clutch;
    const QString eggLabel = eggsText(state.eggs);
    const QString notice = QStringLiteral("卵が") + clutch.print() + QStringLiteral("個産まれました");
    state.eggPrice = drawBelow(random, 10) * 10 + 10;
    platform.messageBox(notice, QStringLiteral("産卵!!"), NoticeButtons::Ok, NoticeIcon::Exclamation);
    view.setCaption(MainLabel::Label12, eggLabel);

    state.eggTimer = 0;
    state.age = state.age + 1;
    view.setCaption(MainLabel::Label17, ageText(state.age));
    switch (oldAgeTest(state, random)) {
    case OldAgeOutcome::Skipped:
        // The premium food's birthday keeps the pet's last words on screen.
        return;
    case OldAgeOutcome::Dies: handleDeath(state, view); break;
    case OldAgeOutcome::Lives: break;
    }
    view.setCaption(MainLabel::Label18, QString());
}

} // namespace

QString foodFace(int satiety)
{
    if (satiety >= 200 && satiety < 250)
        return QStringLiteral("muki1.ico");
    if (satiety >= 150 && satiety < 200)
        return QStringLiteral("muki3.ico");
    if (satiety >= 50 && satiety < 150)
        return QStringLiteral("muki2.ico");
    return QStringLiteral("muki4.ico");
}

QString levelFace(int level)
{
    if (level < 30)
        return QStringLiteral("muki1.ico");
    if (level < 60)
        return QStringLiteral("muki3.ico");
    if (level < 80)
        return QStringLiteral("muki2.ico");
    return QStringLiteral("muki4.ico");
}

void mainTimerEvent(PetState &state, RandomSource &random, MainView &view, Platform &platform)
{
    if (state.suspended == 1)
        return;
    walkPet(state, random, view);
    state.timerCount = state.timerCount + 1;
    if (state.timerCount != 10)
        return;
    state.timerCount = 0;
    simulationTick(state, random, view, platform);
}

void simulationTick(PetState &state, RandomSource &random, MainView &view, Platform &platform)
{
    view.setCaption(MainLabel::Label12, eggsText(state.eggs));

    state.satiety = state.satiety - state.hungerRate;
    state.dirt = state.dirt + state.dirtRate;
    state.sickness = state.sickness + state.sicknessRate;

    if (vitalTest(state)) {
        handleDeath(state, view);
        return;
    }

    state.changeProgress = state.changeProgress + drawBelow(random, 5);
    if (state.changeProgress > changeThreshold) {
        changeType(state, random, view, platform);
        view.setCaption(MainLabel::Label3, state.petType);
        state.changeProgress = 0;
    }

    // A tantrum ends the tick whether or not anything was eaten.
    if (tantrumStarts(state, random, eggTantrum)) {
        eatEggs(state, random, view, platform);
        return;
    }
    if (tantrumStarts(state, random, moneyTantrum)) {
        eatMoney(state, random, view, platform);
        return;
    }

    showFaces(state, view);
    showFigures(state, view);

    if (state.shownGeneration != state.generation)
        showTypeIcon(state, view);
    state.shownGeneration = state.generation;

    state.eggTimer = state.eggTimer + 1;
    view.setCaption(MainLabel::Label14, moneyText(state.money));
    if (state.eggTimer == ticksPerLaying)
        layAndAge(state, random, view, platform);
}

} // namespace nupel
