// The pet's walk: direction draws every tenth step and a walking area it never leaves.

#include "life/walking.h"
#include "support/recording_view.h"
#include "support/scripted_random.h"

#include <QtTest>

using namespace nupel;
using namespace nupel::test;

class WalkTest : public QObject {
    Q_OBJECT
private slots:
    void stepFollowsDirectionOrStopsAtTheEdge_data();
    void stepFollowsDirectionOrStopsAtTheEdge();
    void emptyDirectionWalksDownRight();
    void newDirectionIsDrawnEveryTenthStep();
};

void WalkTest::stepFollowsDirectionOrStopsAtTheEdge_data()
{
    QTest::addColumn<int>("direction");
    QTest::addColumn<QPoint>("from");
    QTest::addColumn<QPoint>("to");
    QTest::newRow("0 down-right") << 0 << QPoint(600, 600) << QPoint(660, 660);
    QTest::newRow("1 up-right") << 1 << QPoint(600, 600) << QPoint(660, 540);
    QTest::newRow("2 up-left") << 2 << QPoint(600, 600) << QPoint(540, 540);
    QTest::newRow("3 down-left") << 3 << QPoint(600, 600) << QPoint(540, 660);
    QTest::newRow("right edge, 0 waits") << 0 << QPoint(3720, 1200) << QPoint(3720, 1200);
    QTest::newRow("right edge, 1 waits") << 1 << QPoint(3720, 1200) << QPoint(3720, 1200);
    QTest::newRow("right edge, 2 leaves") << 2 << QPoint(3720, 1200) << QPoint(3660, 1140);
    QTest::newRow("right edge, 3 leaves") << 3 << QPoint(3720, 1200) << QPoint(3660, 1260);
    QTest::newRow("start corner, 0 waits") << 0 << QPoint(120, 2760) << QPoint(120, 2760);
    QTest::newRow("start corner, 1 goes") << 1 << QPoint(120, 2760) << QPoint(180, 2700);
    QTest::newRow("top edge, 2 waits") << 2 << QPoint(600, 120) << QPoint(600, 120);
    QTest::newRow("left edge, 3 waits") << 3 << QPoint(120, 600) << QPoint(120, 600);
    QTest::newRow("exactly onto the bound") << 0 << QPoint(3660, 2700) << QPoint(3720, 2760);
}

void WalkTest::stepFollowsDirectionOrStopsAtTheEdge()
{
    QFETCH(int, direction);
    QFETCH(QPoint, from);
    QFETCH(QPoint, to);
    PetState state;
    state.walkCount = 0;
    state.walkDirection = direction;
    ScriptedRandom random;
    RecordingView view;
    view.position = from;
    walkPet(state, random, view);
    QCOMPARE(view.position, to);
    QCOMPARE(state.walkCount.value(), 1.0);
}

void WalkTest::emptyDirectionWalksDownRight()
{
    PetState state;
    state.walkCount = 0;
    ScriptedRandom random;
    RecordingView view;
    view.position = QPoint(600, 600);
    walkPet(state, random, view);
    QCOMPARE(view.position, QPoint(660, 660));
    QVERIFY(state.walkDirection.isEmpty());
}

void WalkTest::newDirectionIsDrawnEveryTenthStep()
{
    PetState state;
    state.walkCount = 0;
    ScriptedRandom random{fractionFor(2, 4)};
    RecordingView view;
    view.position = QPoint(1800, 1200);
    for (int step = 1; step <= 9; ++step)
        walkPet(state, random, view);
    QCOMPARE(random.drawn(), std::size_t(0));
    QCOMPARE(view.position, QPoint(1800 + 9 * 60, 1200 + 9 * 60));
    walkPet(state, random, view);
    QCOMPARE(random.drawn(), std::size_t(1));
    QCOMPARE(state.walkCount.value(), 0.0);
    QCOMPARE(state.walkDirection.value(), 2.0);
    // The tenth step already goes the new way.
    QCOMPARE(view.position, QPoint(1800 + 8 * 60, 1200 + 8 * 60));
}

QTEST_APPLESS_MAIN(WalkTest)
#include "test_walk.moc"
