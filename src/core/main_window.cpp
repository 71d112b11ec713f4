#include "core/main_window.h"

#include "life/pet_types.h"

namespace nupel {

void mainWindowLoad(PetState &state, MainView &view)
{
    view.showRoomPicture(1);
    view.showWindow();
    state.petLives = true;
    state.walkCount = 0;
    view.setCaption(MainLabel::Label1, state.petName);
    view.setCaption(MainLabel::Label3, state.petType);
    view.setCaption(MainLabel::Label7, state.petName);
    view.setCaption(MainLabel::Label5, state.generation.print());
    view.setCaption(MainLabel::Label14, moneyText(state.money));
    showTypeIcon(state, view);
    view.showRoomPicture(1);
}

void walkPet(PetState &state, RandomSource &random, MainView &view)
{
    state.walkCount = state.walkCount + 1;
    if (state.walkCount == 10) {
        state.walkCount = 0;
        state.walkDirection = drawBelow(random, 4);
    }

    static constexpr QPoint steps[] = {
        {walkStep, walkStep}, {walkStep, -walkStep}, {-walkStep, -walkStep}, {-walkStep, walkStep}};
    const int direction = static_cast<int>(state.walkDirection);
    if (direction < 0 || direction > 3)
        return;
    const QPoint next = view.petPosition() + steps[direction];
    if (next.x() < walkLeftMin || next.y() < walkTopMin || next.x() > walkLeftMax
        || next.y() > walkTopMax)
        return;
    view.movePet(next);
}

QString eggsText(const Cell &eggs)
{
    return eggs.print() + QStringLiteral("個");
}

QString moneyText(const Int32 &money)
{
    return money.print() + QStringLiteral("円");
}

QString ageText(const Cell &age)
{
    return age.print() + QStringLiteral("歳");
}

} // namespace nupel
