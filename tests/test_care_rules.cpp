// The rules of the care dialogs without windows: who can pay, what each food,
// treatment and cleaning does, and what eggs fetch at the market.

#include "care/care_visits.h"
#include "care/egg_market.h"
#include "care/feeding.h"
#include "care/level_care.h"
#include "support/scripted_random.h"

#include <QtTest>

using namespace nupel;
using namespace nupel::test;

Q_DECLARE_METATYPE(nupel::CareOutcome)

namespace {

// An invalid variant stands for an empty cell.
Cell cellOf(const QVariant &value)
{
    return value.isValid() ? Cell(value.toDouble()) : Cell();
}

QVariant variantOf(const Cell &cell)
{
    return cell.isEmpty() ? QVariant() : QVariant(cell.value());
}

const QVariant empty;

} // namespace

class CareRulesTest : public QObject {
    Q_OBJECT
private slots:
    void cashEqualToThePricePays_data();
    void cashEqualToThePricePays();
    void careDialogPausesAndResumesTheGame();
    void eachFoodFeedsPaysAndHurries_data();
    void eachFoodFeedsPaysAndHurries();
    void twoPremiumMealsStillSpareOneTest();
    void treatmentsAndCleaningsLowerTheirLevelWithoutFloor_data();
    void treatmentsAndCleaningsLowerTheirLevelWithoutFloor();
    void saleAmountMultipliesInOrder_data();
    void saleAmountMultipliesInOrder();
    void sellingAddsProceedsRoundedHalfToEven_data();
    void sellingAddsProceedsRoundedHalfToEven();
    void selectingAllEggsSellsNothing();
    void priceLinePrintsThePrice_data();
    void priceLinePrintsThePrice();
    void selectionReachesEveryEgg_data();
    void selectionReachesEveryEgg();
};

void CareRulesTest::cashEqualToThePricePays_data()
{
    QTest::addColumn<int>("money");
    QTest::addColumn<int>("cost");
    QTest::addColumn<bool>("affordable");
    QTest::newRow("999 for 1000") << 999 << 1000 << false;
    QTest::newRow("1000 for 1000") << 1000 << 1000 << true;
    QTest::newRow("1199 for 1200") << 1199 << 1200 << false;
    QTest::newRow("1499 for 1500") << 1499 << 1500 << false;
    QTest::newRow("2499 for 2500") << 2499 << 2500 << false;
    QTest::newRow("2500 for 2500") << 2500 << 2500 << true;
    QTest::newRow("10000 for 2000") << 10000 << 2000 << true;
    // The accident of the main window can leave the cash negative.
    QTest::newRow("debt for 500") << -300 << 500 << false;
}

void CareRulesTest::cashEqualToThePricePays()
{
    QFETCH(int, money);
    QFETCH(int, cost);
    QFETCH(bool, affordable);
    PetState state;
    state.money = money;
    QCOMPARE(canAfford(state, cost), affordable);
}

void CareRulesTest::careDialogPausesAndResumesTheGame()
{
    PetState state;
    suspendForCare(state);
    QCOMPARE(state.suspended.value(), 1.0);
    resumeAfterCare(state);
    QCOMPARE(state.suspended.value(), 0.0);
    QVERIFY(!state.suspended.isEmpty());
}

void CareRulesTest::eachFoodFeedsPaysAndHurries_data()
{
    QTest::addColumn<Food>("food");
    QTest::addColumn<int>("satiety");
    QTest::addColumn<QVariant>("progress");
    QTest::addColumn<QList<double>>("draws");
    QTest::addColumn<int>("money");
    QTest::addColumn<int>("satietyAfter");
    QTest::addColumn<QVariant>("progressAfter");
    QTest::addColumn<QVariant>("skipAfter");
    QTest::addColumn<int>("moneyAfter");

    // Nothing caps satiety: the next tick judges the overfed pet.
    QTest::newRow("わらわらＸ past 300") << Food::WarawaraX << 270 << empty << QList<double>{} << 1000 << 320 << empty
                                         << empty << 0;
    QTest::newRow("メルト＃＃ lowest draw on empty progress")
        << Food::Melt << 200 << empty << QList<double>{0.0} << 1500 << 240 << QVariant(3.0) << empty << 0;
    QTest::newRow("メルト＃＃ highest draw on empty progress")
        << Food::Melt << 200 << empty << QList<double>{0.999999} << 10000 << 240 << QVariant(12.0) << empty << 8500;
    QTest::newRow("メルト＃＃ adds to progress")
        << Food::Melt << 100 << QVariant(50.0) << QList<double>{fractionFor(4, 10)} << 2000 << 140 << QVariant(57.0)
        << empty << 500;
    QTest::newRow("ＤＮＡ９９") << Food::Dna99 << 200 << empty << QList<double>{} << 2500 << 220 << QVariant(3.0)
                                << QVariant(1.0) << 0;
}

void CareRulesTest::eachFoodFeedsPaysAndHurries()
{
    QFETCH(Food, food);
    QFETCH(int, satiety);
    QFETCH(QVariant, progress);
    QFETCH(QList<double>, draws);
    QFETCH(int, money);
    PetState state;
    state.satiety = satiety;
    state.changeProgress = cellOf(progress);
    state.money = money;
    ScriptedRandom random(std::vector<double>(draws.begin(), draws.end()));

    giveFood(state, random, food);

    QTEST(int(state.satiety), "satietyAfter");
    QTEST(variantOf(state.changeProgress), "progressAfter");
    QTEST(variantOf(state.skipLifespanCheck), "skipAfter");
    QTEST(int(state.money), "moneyAfter");
    QCOMPARE(random.remaining(), std::size_t(0));
}

void CareRulesTest::twoPremiumMealsStillSpareOneTest()
{
    PetState state;
    state.money = 5000;
    ScriptedRandom random;
    giveFood(state, random, Food::Dna99);
    giveFood(state, random, Food::Dna99);
    QCOMPARE(state.skipLifespanCheck.value(), 1.0);
    QCOMPARE(state.changeProgress.value(), 6.0);
    QCOMPARE(int(state.money), 0);
}

void CareRulesTest::treatmentsAndCleaningsLowerTheirLevelWithoutFloor_data()
{
    QTest::addColumn<bool>("doctor");
    QTest::addColumn<int>("service"); // 0 to 2, cheapest first
    QTest::addColumn<int>("level");
    QTest::addColumn<int>("money");
    QTest::addColumn<CareOutcome>("outcome");
    QTest::addColumn<int>("levelAfter");
    QTest::addColumn<int>("moneyAfter");

    const auto applied = CareOutcome::Applied;
    const auto short_ = CareOutcome::ShortOfMoney;
    QTest::newRow("養生所 with exactly 500") << true << 0 << 40 << 500 << applied << 30 << 0;
    QTest::newRow("養生所 below zero") << true << 0 << 3 << 800 << applied << -7 << 300;
    QTest::newRow("病院 below zero") << true << 1 << 4 << 1200 << applied << -26 << 0;
    QTest::newRow("救急車 cures") << true << 2 << 80 << 3000 << applied << 0 << 500;
    QTest::newRow("救急車 cures a negative level") << true << 2 << -12 << 2500 << applied << 0 << 0;
    QTest::newRow("養生所 short by one") << true << 0 << 40 << 499 << short_ << 40 << 499;
    QTest::newRow("病院 short by one") << true << 1 << 40 << 1199 << short_ << 40 << 1199;
    QTest::newRow("救急車 short by one") << true << 2 << 40 << 2499 << short_ << 40 << 2499;
    QTest::newRow("パチ物") << false << 0 << 50 << 999 << applied << 40 << 499;
    QTest::newRow("専用 below zero") << false << 1 << 20 << 1000 << applied << -5 << 0;
    QTest::newRow("専門家 with exactly 2000") << false << 2 << 70 << 2000 << applied << 0 << 0;
    QTest::newRow("パチ物 short by one") << false << 0 << 50 << 499 << short_ << 50 << 499;
    QTest::newRow("専用 short by one") << false << 1 << 50 << 999 << short_ << 50 << 999;
    QTest::newRow("専門家 short by one") << false << 2 << 50 << 1999 << short_ << 50 << 1999;
}

void CareRulesTest::treatmentsAndCleaningsLowerTheirLevelWithoutFloor()
{
    QFETCH(bool, doctor);
    QFETCH(int, service);
    QFETCH(int, level);
    QFETCH(int, money);
    PetState state;
    state.sickness = doctor ? level : 0;
    state.dirt = doctor ? 0 : level;
    state.money = money;

    const CareOutcome outcome =
        doctor ? treat(state, static_cast<Treatment>(service)) : clean(state, static_cast<Cleaning>(service));

    QTEST(outcome, "outcome");
    QTEST(int(doctor ? state.sickness : state.dirt), "levelAfter");
    QCOMPARE(int(doctor ? state.dirt : state.sickness), 0);
    QTEST(int(state.money), "moneyAfter");
}

void CareRulesTest::saleAmountMultipliesInOrder_data()
{
    QTest::addColumn<double>("count");
    QTest::addColumn<QVariant>("price");
    QTest::addColumn<double>("factor");
    QTest::addColumn<QString>("amountText");
    QTest::newRow("4 eggs at 30") << 4.0 << QVariant(30.0) << 1.0 << QStringLiteral("600円");
    QTest::newRow("3 eggs at 70, value 0.1") << 3.0 << QVariant(70.0) << 0.1 << QStringLiteral("105円");
    QTest::newRow("7 eggs at 90, value 0.5") << 7.0 << QVariant(90.0) << 0.5 << QStringLiteral("1575円");
    QTest::newRow("5 eggs at 100, value 0.5") << 5.0 << QVariant(100.0) << 0.5 << QStringLiteral("1250円");
    QTest::newRow("no eggs") << 0.0 << QVariant(50.0) << 1.0 << QStringLiteral("0円");
    QTest::newRow("before the first laying") << 10.0 << empty << 1.0 << QStringLiteral("0円");
}

void CareRulesTest::saleAmountMultipliesInOrder()
{
    QFETCH(double, count);
    QFETCH(QVariant, price);
    QFETCH(double, factor);
    PetState state;
    state.eggPrice = cellOf(price);
    state.eggValueFactor = factor;
    QTEST(eggAmountText(state, count), "amountText");
}

void CareRulesTest::sellingAddsProceedsRoundedHalfToEven_data()
{
    QTest::addColumn<double>("eggs");
    QTest::addColumn<double>("price");
    QTest::addColumn<double>("factor");
    QTest::addColumn<int>("money");
    QTest::addColumn<int>("count");
    QTest::addColumn<int>("moneyAfter");
    QTest::addColumn<double>("eggsAfter");
    QTest::newRow("4 of 12 at 30") << 12.0 << 30.0 << 1.0 << 1000 << 4 << 1600 << 8.0;
    QTest::newRow("3 at 70, value 0.1") << 3.0 << 70.0 << 0.1 << 0 << 3 << 105 << 0.0;
    QTest::newRow("none") << 5.0 << 30.0 << 1.0 << 1000 << 0 << 1000 << 5.0;
    QTest::newRow("2.5 yen goes down to even") << 1.0 << 10.0 << 0.05 << 1000 << 1 << 1002 << 0.0;
    QTest::newRow("7.5 yen goes up to even") << 3.0 << 10.0 << 0.05 << 1000 << 3 << 1008 << 0.0;
    QTest::newRow("more than 32767 eggs") << 40000.0 << 30.0 << 1.0 << 0 << 40000 << 6000000 << 0.0;
}

void CareRulesTest::sellingAddsProceedsRoundedHalfToEven()
{
    QFETCH(double, eggs);
    QFETCH(double, price);
    QFETCH(double, factor);
    QFETCH(int, money);
    QFETCH(int, count);
    PetState state;
    state.eggs = eggs;
    state.eggPrice = price;
    state.eggValueFactor = factor;
    state.money = money;

    sellEggs(state, count);

    QTEST(int(state.money), "moneyAfter");
    QTEST(state.eggs.value(), "eggsAfter");
    QCOMPARE(state.eggsToSell.value(), double(count));
}

void CareRulesTest::selectingAllEggsSellsNothing()
{
    PetState state;
    state.eggs = 12;
    state.eggPrice = 30;
    state.eggValueFactor = 1;
    state.money = 1000;
    selectAllEggs(state);
    QCOMPARE(state.eggsToSell.value(), 12.0);
    QCOMPARE(state.eggs.value(), 12.0);
    QCOMPARE(int(state.money), 1000);
}

void CareRulesTest::priceLinePrintsThePrice_data()
{
    QTest::addColumn<QVariant>("price");
    QTest::addColumn<QString>("line");
    QTest::newRow("before the first laying") << empty << QStringLiteral("ただいまの卵相場 →");
    QTest::newRow("30 yen") << QVariant(30.0) << QStringLiteral("ただいまの卵相場 →30");
    QTest::newRow("100 yen") << QVariant(100.0) << QStringLiteral("ただいまの卵相場 →100");
}

void CareRulesTest::priceLinePrintsThePrice()
{
    QFETCH(QVariant, price);
    PetState state;
    state.eggPrice = cellOf(price);
    QTEST(eggPriceLine(state), "line");
}

void CareRulesTest::selectionReachesEveryEgg_data()
{
    QTest::addColumn<QVariant>("eggs");
    QTest::addColumn<int>("maximum");
    QTest::newRow("none") << QVariant(0.0) << 0;
    QTest::newRow("empty") << empty << 0;
    QTest::newRow("12") << QVariant(12.0) << 12;
    QTest::newRow("32767") << QVariant(32767.0) << 32767;
    QTest::newRow("beyond 16 bits") << QVariant(40000.0) << 40000;
}

void CareRulesTest::selectionReachesEveryEgg()
{
    QFETCH(QVariant, eggs);
    PetState state;
    state.eggs = cellOf(eggs);
    QTEST(eggSelectionMaximum(state), "maximum");
}

QTEST_MAIN(CareRulesTest)
#include "test_care_rules.moc"
