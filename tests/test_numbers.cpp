// Number cells and fixed-width stores: the arithmetic every rule relies on.

#include "core/numbers.h"
#include "core/pet_state.h"

#include <QtTest>

using namespace nupel;

class NumbersTest : public QObject {
    Q_OBJECT
private slots:
    void emptyCellCountsAsZeroAndPrintsNothing();
    void cellPrintsPlainDigits_data();
    void cellPrintsPlainDigits();
    void wholeStoresRoundHalfToEvenAndSaturate_data();
    void wholeStoresRoundHalfToEvenAndSaturate();
    void plainDecimalKeepsSevenSignificantDigits_data();
    void plainDecimalKeepsSevenSignificantDigits();
    void newGameValuesAreTheStartingPet();
};

void NumbersTest::emptyCellCountsAsZeroAndPrintsNothing()
{
    // An unassigned price must read as 0 in sums yet show nothing on screen.
    Cell price;
    QVERIFY(price.isEmpty());
    QCOMPARE(price.print(), QString());
    QCOMPARE(price + 3, 3.0);
    QVERIFY(price == 0);
    Cell sum;
    sum = sum + 5;
    QVERIFY(!sum.isEmpty());
    QCOMPARE(sum.print(), QStringLiteral("5"));
    sum.clear();
    QVERIFY(sum.isEmpty());
}

void NumbersTest::cellPrintsPlainDigits_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("printed");
    QTest::newRow("zero") << 0.0 << "0";
    QTest::newRow("whole held as double") << 35.0 << "35";
    QTest::newRow("negative") << -26.0 << "-26";
    QTest::newRow("large, no grouping") << 2147483647.0 << "2147483647";
    QTest::newRow("beyond 32 bits") << 1e12 << "1000000000000";
    QTest::newRow("tenth") << 0.1 << "0.1";
    QTest::newRow("half") << 0.5 << "0.5";
    QTest::newRow("single-precision rate") << static_cast<double>(2.7182817f) << "2.71828174591064";
}

void NumbersTest::cellPrintsPlainDigits()
{
    QFETCH(double, value);
    QFETCH(QString, printed);
    QCOMPARE(Cell(value).print(), printed);
}

void NumbersTest::wholeStoresRoundHalfToEvenAndSaturate_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<int>("as16");
    QTest::addColumn<qint64>("as32");
    QTest::newRow("11.5 to even") << 11.5 << 12 << qint64(12);
    QTest::newRow("12.5 to even") << 12.5 << 12 << qint64(12);
    QTest::newRow("-0.5 to even") << -0.5 << 0 << qint64(0);
    QTest::newRow("-1.5 to even") << -1.5 << -2 << qint64(-2);
    QTest::newRow("below half") << 4.4 << 4 << qint64(4);
    QTest::newRow("16-bit top") << 32767.0 << 32767 << qint64(32767);
    QTest::newRow("past 16-bit top") << 32768.0 << 32767 << qint64(32768);
    QTest::newRow("16-bit bottom") << -32768.0 << -32768 << qint64(-32768);
    QTest::newRow("past 16-bit bottom") << -40000.0 << -32768 << qint64(-40000);
    QTest::newRow("past 32-bit top") << 4e9 << 32767 << qint64(2147483647);
    QTest::newRow("past 32-bit bottom") << -4e9 << -32768 << qint64(-2147483647 - 1);
    QTest::newRow("not a number") << std::nan("") << 0 << qint64(0);
}

void NumbersTest::wholeStoresRoundHalfToEvenAndSaturate()
{
    QFETCH(double, value);
    QFETCH(int, as16);
    QFETCH(qint64, as32);
    Int16 small;
    small = value;
    Int32 wide;
    wide = value;
    QCOMPARE(int(small), as16);
    QCOMPARE(qint64(wide), as32);
}

void NumbersTest::plainDecimalKeepsSevenSignificantDigits_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("written");
    QTest::newRow("whole") << 35.0 << "35";
    QTest::newRow("tenth") << 0.1 << "0.1";
    QTest::newRow("single e") << static_cast<double>(2.7182817f) << "2.718282";
    QTest::newRow("trailing zeros dropped") << 1.25 << "1.25";
    QTest::newRow("rounds up to whole") << 3.99999999 << "4";
    QTest::newRow("small, no exponent") << 0.000012345678 << "0.00001234568";
    QTest::newRow("negative") << -1.5 << "-1.5";
}

void NumbersTest::plainDecimalKeepsSevenSignificantDigits()
{
    QFETCH(double, value);
    QFETCH(QString, written);
    QCOMPARE(plainDecimal(value, 7), written);
}

void NumbersTest::newGameValuesAreTheStartingPet()
{
    PetState state;
    state.setNewGameValues();
    QCOMPARE(int(state.satiety), 200);
    QCOMPARE(int(state.sickness), 0);
    QCOMPARE(int(state.dirt), 0);
    QCOMPARE(state.dirtRate.value(), 1.0);
    QCOMPARE(state.hungerRate.value(), 2.0);
    QCOMPARE(state.sicknessRate.value(), 1.0);
    QCOMPARE(state.clutchMax.value(), 10.0);
    QCOMPARE(state.eggValueFactor.value(), 1.0);
    QCOMPARE(int(state.money), 10000);
    QCOMPARE(state.generation.print(), QStringLiteral("1"));
    QCOMPARE(state.petType, QStringLiteral("Normal"));
    QCOMPARE(state.eggTimer.print(), QStringLiteral("0"));
    QCOMPARE(state.age.print(), QStringLiteral("0"));
    QCOMPARE(state.eggs.print(), QStringLiteral("0"));
    QCOMPARE(state.roomPicture.print(), QStringLiteral("1"));
    QCOMPARE(state.tantrumKind.print(), QStringLiteral("0"));
    // Everything else waits empty for its first write.
    for (const Cell *cell : {&state.eggPrice, &state.eggsToSell, &state.changeProgress, &state.timerCount,
                             &state.suspended, &state.skipLifespanCheck, &state.hatchPending, &state.walkCount,
                             &state.walkDirection, &state.shownGeneration, &state.eggsEaten})
        QVERIFY(cell->isEmpty());
    QVERIFY(state.deathCause.isEmpty());
    QVERIFY(state.petName.isEmpty());
}

QTEST_APPLESS_MAIN(NumbersTest)
#include "test_numbers.moc"
