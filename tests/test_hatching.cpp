// The hatching: the burial's draws and what raising the hatchling resets and
// keeps.

#include "life/hatching.h"
#include "play/tick.h"
#include "support/fake_platform.h"
#include "support/recording_view.h"
#include "support/scripted_random.h"

#include <QtTest>

using namespace nupel;
using namespace nupel::test;

namespace {

std::vector<double> fractions(const QList<int> &digits)
{
    std::vector<double> out;
    for (int digit : digits)
        out.push_back(fractionFor(digit, 10));
    return out;
}

} // namespace

class HatchingTest : public QObject {
    Q_OBJECT
private slots:
    void hatchingDrawsOnlyAfterOldAge_data();
    void hatchingDrawsOnlyAfterOldAge();
    void earlierHatchingDoesNotCarryOver();
    void hatchlingStartsAfreshAndKeepsTheRest();
    void nextTickShowsTheNormalIcon();
};

void HatchingTest::hatchingDrawsOnlyAfterOldAge_data()
{
    QTest::addColumn<QString>("cause");
    QTest::addColumn<int>("eggs");
    QTest::addColumn<QList<int>>("digits");
    QTest::addColumn<bool>("hatches");
    QTest::newRow("hunger with eggs") << "空腹" << 30 << QList<int>{} << false;
    QTest::newRow("illness with eggs") << "病気" << 30 << QList<int>{} << false;
    QTest::newRow("dirt with eggs") << "汚れ" << 30 << QList<int>{} << false;
    QTest::newRow("overeating with eggs") << "過食" << 30 << QList<int>{} << false;
    QTest::newRow("old age, no eggs") << "寿命" << 0 << QList<int>{} << false;
    QTest::newRow("old age, one egg hits") << "寿命" << 1 << QList<int>{5} << true;
    QTest::newRow("old age, every egg misses") << "寿命" << 3 << QList<int>{0, 4, 6} << false;
    QTest::newRow("old age, third egg hits") << "寿命" << 20 << QList<int>{9, 0, 5} << true;
}

// Every scripted draw must be taken and no more: the first hit ends them.
void HatchingTest::hatchingDrawsOnlyAfterOldAge()
{
    QFETCH(QString, cause);
    QFETCH(int, eggs);
    QFETCH(QList<int>, digits);
    QFETCH(bool, hatches);
    PetState state;
    state.deathCause = cause;
    state.eggs = eggs;
    ScriptedRandom random(fractions(digits));
    QCOMPARE(hatchingDraw(state, random), hatches);
    QCOMPARE(random.remaining(), std::size_t(0));
    QCOMPARE(state.hatchPending.value(), hatches ? 1.0 : 0.0);
    QCOMPARE(state.eggs.value(), double(eggs));
}

void HatchingTest::earlierHatchingDoesNotCarryOver()
{
    PetState state;
    state.hatchPending = 1;
    state.deathCause = QStringLiteral("空腹");
    state.eggs = 5;
    ScriptedRandom random;
    QVERIFY(!hatchingDraw(state, random));
    QCOMPARE(state.hatchPending.value(), 0.0);
}

void HatchingTest::hatchlingStartsAfreshAndKeepsTheRest()
{
    PetState state;
    state.setNewGameValues();
    state.petName = QStringLiteral("もも");
    state.petType = QStringLiteral("Ikarin");
    state.satiety = 120;
    state.sickness = 90;
    state.dirt = 40;
    state.dirtRate = 1;
    state.hungerRate = 5;
    state.sicknessRate = 4;
    state.eggs = 17;
    state.age = 33;
    state.clutchMax = 110;
    state.eggValueFactor = 0.5;
    state.eggTimer = 7;
    state.suspended = 1;
    state.generation = 2;
    state.money = 7300;
    state.tantrumKind = 1;
    state.changeProgress = 64;
    state.eggPrice = 90;
    state.skipLifespanCheck = 1;
    state.deathCause = QStringLiteral("寿命");

    raiseHatchling(state);

    QCOMPARE(int(state.satiety), 200);
    QCOMPARE(int(state.sickness), 0);
    QCOMPARE(int(state.dirt), 0);
    QCOMPARE(state.dirtRate.value(), 3.0);
    QCOMPARE(state.hungerRate.value(), 2.0);
    QCOMPARE(state.sicknessRate.value(), 1.0);
    QCOMPARE(state.eggs.value(), 0.0);
    QCOMPARE(state.age.value(), 0.0);
    QCOMPARE(state.clutchMax.value(), 10.0);
    QCOMPARE(state.eggValueFactor.value(), 1.0);
    QCOMPARE(state.petType, QStringLiteral("Normal"));
    QCOMPARE(state.eggTimer.value(), 0.0);
    QCOMPARE(state.suspended.value(), 0.0);
    QCOMPARE(state.generation.value(), 3.0);
    // What the dead pet leaves to its hatchling.
    QCOMPARE(state.petName, QStringLiteral("もも"));
    QCOMPARE(int(state.money), 7300);
    QCOMPARE(state.tantrumKind.value(), 1.0);
    QCOMPARE(state.changeProgress.value(), 64.0);
    QCOMPARE(state.eggPrice.value(), 90.0);
    QCOMPARE(state.skipLifespanCheck.value(), 1.0);
}

void HatchingTest::nextTickShowsTheNormalIcon()
{
    PetState state;
    state.setNewGameValues();
    state.petType = QStringLiteral("KaneQueen");
    state.shownGeneration = 1;
    state.changeProgress = 0;
    raiseHatchling(state);
    ScriptedRandom random{0.0, 0.9, 0.9};
    RecordingView view;
    FakePlatform platform;
    simulationTick(state, random, view, platform);
    QCOMPARE(view.pictures.value(MainImage::Image1), QStringLiteral("nupnor.ico"));
    QCOMPARE(view.captions.value(MainLabel::Label5), QStringLiteral("2"));
}

QTEST_MAIN(HatchingTest)
#include "test_hatching.moc"
