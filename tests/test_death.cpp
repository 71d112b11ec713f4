// The death tests: vital limits and their order, the lifespan draw, the
// old-age test and the hand-off to the death screen.

#include "life/death.h"
#include "support/recording_view.h"
#include "support/scripted_random.h"

#include <QtTest>

#include <array>

using namespace nupel;
using namespace nupel::test;

namespace {

// Every combination of five draws of Int(10 × r), in counting order.
class AllDigits final : public RandomSource {
public:
    double next() override
    {
        const int digit = (m_combination / m_place) % 10;
        m_place *= 10;
        if (m_place == 100000) {
            m_place = 1;
            ++m_combination;
        }
        return fractionFor(digit, 10);
    }

private:
    int m_combination = 0;
    int m_place = 1;
};

// Remembers, at each thing the death hand-off shows or hides, whether the
// game was suspended and what the cause read by then.
class SuspendWatchingView final : public MainView {
public:
    explicit SuspendWatchingView(const PetState &state) : m_state(state) {}
    void setCaption(MainLabel, const QString &) override { note(QStringLiteral("caption")); }
    void loadPicture(MainImage, const QString &) override { note(QStringLiteral("picture")); }
    void showRoomPicture(int) override { note(QStringLiteral("room")); }
    QPoint petPosition() const override { return {}; }
    void movePet(QPoint) override { note(QStringLiteral("walk")); }
    void showWindow() override { note(QStringLiteral("show")); }
    void hideWindow() override { note(QStringLiteral("hide")); }
    void openDeathScreen() override { note(QStringLiteral("death screen")); }

    QStringList seen;

private:
    void note(const QString &what)
    {
        seen.append(QStringLiteral("%1: suspended %2, %3").arg(what, m_state.suspended.print(), m_state.deathCause));
    }
    const PetState &m_state;
};

ScriptedRandom digits(std::array<int, 5> values)
{
    ScriptedRandom random;
    for (int value : values)
        random.script({fractionFor(value, 10)});
    return random;
}

} // namespace

class DeathTest : public QObject {
    Q_OBJECT
private slots:
    void vitalTestFindsTheFirstCauseInOrder_data();
    void vitalTestFindsTheFirstCauseInOrder();
    void lifespanMultipliesTheFirstAndFifthDraw_data();
    void lifespanMultipliesTheFirstAndFifthDraw();
    void oldAgeKillsOnlyAboveTheLifespan_data();
    void oldAgeKillsOnlyAboveTheLifespan();
    void skippedOldAgeTestDrawsNothingAndClearsTheFlag();
    void oldAgeDeathChanceFollowsTheLifespanTable_data();
    void oldAgeDeathChanceFollowsTheLifespanTable();
    void handleDeathWritesTheLabel_data();
    void handleDeathWritesTheLabel();
    void handleDeathSuspendsHidesThenOpensTheDeathScreen();
    void handleDeathSuspendsBeforeAnythingIsShown();
};

void DeathTest::vitalTestFindsTheFirstCauseInOrder_data()
{
    QTest::addColumn<int>("dirt");
    QTest::addColumn<int>("satiety");
    QTest::addColumn<int>("sickness");
    QTest::addColumn<QString>("cause");
    const QString alive;
    QTest::newRow("all in range") << 50 << 150 << 50 << alive;
    QTest::newRow("dirt first of three") << 101 << -2 << 101 << dirtCode;
    QTest::newRow("hunger before illness") << 0 << -1 << 101 << hungerCode;
    QTest::newRow("illness before overeating") << 0 << 301 << 101 << illnessCode;
    QTest::newRow("dirt 100 lives") << 100 << 150 << 0 << alive;
    QTest::newRow("dirt 101 dies") << 101 << 150 << 0 << dirtCode;
    QTest::newRow("satiety 0 lives") << 0 << 0 << 0 << alive;
    QTest::newRow("satiety -1 dies") << 0 << -1 << 0 << hungerCode;
    QTest::newRow("sickness 100 lives") << 0 << 150 << 100 << alive;
    QTest::newRow("sickness 101 dies") << 0 << 150 << 101 << illnessCode;
    QTest::newRow("satiety 300 lives") << 0 << 300 << 0 << alive;
    QTest::newRow("satiety 301 dies") << 0 << 301 << 0 << overeatingCode;
    QTest::newRow("cleaned below 0 lives") << -40 << 150 << -40 << alive;
}

void DeathTest::vitalTestFindsTheFirstCauseInOrder()
{
    QFETCH(int, dirt);
    QFETCH(int, satiety);
    QFETCH(int, sickness);
    QFETCH(QString, cause);
    PetState state;
    state.dirt = dirt;
    state.satiety = satiety;
    state.sickness = sickness;
    QCOMPARE(vitalTest(state), !cause.isEmpty());
    QCOMPARE(state.deathCause, cause);
}

void DeathTest::lifespanMultipliesTheFirstAndFifthDraw_data()
{
    QTest::addColumn<QList<int>>("drawn");
    QTest::addColumn<int>("lifespan");
    QTest::newRow("all zero") << QList<int>{0, 0, 0, 0, 0} << 1;
    QTest::newRow("all nine") << QList<int>{9, 9, 9, 9, 9} << 109;
    // A product of the first two draws would give 10 here.
    QTest::newRow("first and second") << QList<int>{9, 1, 0, 0, 0} << 2;
    QTest::newRow("first and fifth") << QList<int>{9, 0, 0, 0, 1} << 10;
    QTest::newRow("mixed") << QList<int>{3, 1, 2, 4, 5} << 23;
}

void DeathTest::lifespanMultipliesTheFirstAndFifthDraw()
{
    QFETCH(QList<int>, drawn);
    QFETCH(int, lifespan);
    ScriptedRandom random = digits({drawn[0], drawn[1], drawn[2], drawn[3], drawn[4]});
    QCOMPARE(lifespanDraw(random), lifespan);
    QCOMPARE(random.remaining(), std::size_t(0));
}

void DeathTest::oldAgeKillsOnlyAboveTheLifespan_data()
{
    QTest::addColumn<int>("age");
    QTest::addColumn<bool>("dies");
    // The draws 3, 1, 2, 4, 5 give the lifespan 23.
    QTest::newRow("age equal to lifespan") << 23 << false;
    QTest::newRow("one year more") << 24 << true;
}

void DeathTest::oldAgeKillsOnlyAboveTheLifespan()
{
    QFETCH(int, age);
    QFETCH(bool, dies);
    PetState state;
    state.age = age;
    state.skipLifespanCheck = 0;
    ScriptedRandom random = digits({3, 1, 2, 4, 5});
    QCOMPARE(oldAgeTest(state, random), dies ? OldAgeOutcome::Dies : OldAgeOutcome::Lives);
    QCOMPARE(state.deathCause, dies ? oldAgeCode : QString());
}

void DeathTest::skippedOldAgeTestDrawsNothingAndClearsTheFlag()
{
    PetState state;
    state.age = 200;
    state.skipLifespanCheck = 1;
    ScriptedRandom random;
    QCOMPARE(oldAgeTest(state, random), OldAgeOutcome::Skipped);
    QCOMPARE(state.skipLifespanCheck.value(), 0.0);
    QVERIFY(state.deathCause.isEmpty());
}

void DeathTest::oldAgeDeathChanceFollowsTheLifespanTable_data()
{
    QTest::addColumn<int>("age");
    QTest::addColumn<double>("chance");
    QTest::addColumn<double>("tolerance");
    QTest::newRow("1") << 1 << 0.0 << 0.0;
    QTest::newRow("2") << 2 << 0.0002 << 0.00005;
    QTest::newRow("5") << 5 << 0.004 << 0.0005;
    QTest::newRow("10") << 10 << 0.037 << 0.0005;
    QTest::newRow("15") << 15 << 0.13 << 0.005;
    QTest::newRow("20") << 20 << 0.27 << 0.005;
    QTest::newRow("30") << 30 << 0.51 << 0.005;
    QTest::newRow("50") << 50 << 0.78 << 0.005;
    QTest::newRow("80") << 80 << 0.96 << 0.005;
    QTest::newRow("100") << 100 << 0.998 << 0.0005;
    QTest::newRow("110") << 110 << 1.0 << 0.0;
}

// Runs the test over every combination of the five draws, so the chance is
// exact rather than sampled.
void DeathTest::oldAgeDeathChanceFollowsTheLifespanTable()
{
    QFETCH(int, age);
    QFETCH(double, chance);
    QFETCH(double, tolerance);
    AllDigits random;
    int deaths = 0;
    constexpr int combinations = 100000;
    for (int i = 0; i < combinations; ++i) {
        PetState state;
        state.age = age;
        if (oldAgeTest(state, random) == OldAgeOutcome::Dies)
            ++deaths;
    }
    const double measured = double(deaths) / combinations;
    QVERIFY2(std::abs(measured - chance) <= tolerance, qPrintable(QString::number(measured)));
}

void DeathTest::handleDeathWritesTheLabel_data()
{
    QTest::addColumn<QString>("cause");
    QTest::addColumn<QString>("label");
    QTest::newRow("hunger") << hungerCode << QStringLiteral("空腹");
    QTest::newRow("illness") << illnessCode << QStringLiteral("病気");
    QTest::newRow("dirt") << dirtCode << QStringLiteral("汚れ");
    QTest::newRow("old age") << oldAgeCode << QStringLiteral("寿命");
    QTest::newRow("overeating") << overeatingCode << QStringLiteral("過食");
    QTest::newRow("unknown text stays") << QStringLiteral("Gomi") << QStringLiteral("Gomi");
}

void DeathTest::handleDeathWritesTheLabel()
{
    QFETCH(QString, cause);
    QFETCH(QString, label);
    PetState state;
    state.deathCause = cause;
    RecordingView view;
    handleDeath(state, view);
    QCOMPARE(state.deathCause, label);
}

void DeathTest::handleDeathSuspendsHidesThenOpensTheDeathScreen()
{
    PetState state;
    state.setNewGameValues();
    state.deathCause = oldAgeCode;
    RecordingView view;
    view.visible = true;
    handleDeath(state, view);
    QCOMPARE(state.suspended.value(), 1.0);
    QCOMPARE(view.log, QStringList({QStringLiteral("hide"), QStringLiteral("death screen")}));
    QVERIFY(!view.visible);
}

// Suspended before anything is shown: a timer event that slipped in while the
// window hides or the death screen comes up must find the game stopped.
void DeathTest::handleDeathSuspendsBeforeAnythingIsShown()
{
    PetState state;
    state.setNewGameValues();
    state.deathCause = hungerCode;
    SuspendWatchingView view(state);
    handleDeath(state, view);
    QCOMPARE(view.seen, QStringList({QStringLiteral("hide: suspended 1, 空腹"),
                                     QStringLiteral("death screen: suspended 1, 空腹")}));
}

QTEST_MAIN(DeathTest)
#include "test_death.moc"
