// The hidden gestures of the main window: best egg price, fast-forward, the
// money gamble, the accident and the room pictures.

#include "life/gestures.h"
#include "support/fake_platform.h"
#include "support/scripted_random.h"

#include <QtTest>

#include <limits>

using namespace nupel;
using namespace nupel::test;

namespace {

constexpr int leftButton = 1;
constexpr int middleButton = 4;
constexpr qint32 most = std::numeric_limits<qint32>::max();
constexpr qint32 least = std::numeric_limits<qint32>::min();

} // namespace

class GesturesTest : public QObject {
    Q_OBJECT
private slots:
    void bestEggPriceIsHundred();
    void speedToggleAlternatesOneAndHundred();
    void gamble_data();
    void gamble();
    void accidentPaysAndRestartsTheLine_data();
    void accidentPaysAndRestartsTheLine();
    void accidentKeepsThePetsTypeAndEggs();
    void roomPicturesCycle_data();
    void roomPicturesCycle();
};

void GesturesTest::bestEggPriceIsHundred()
{
    PetState state;
    QVERIFY(state.eggPrice.isEmpty());
    setBestEggPrice(state);
    QCOMPARE(state.eggPrice.print(), QStringLiteral("100"));
}

void GesturesTest::speedToggleAlternatesOneAndHundred()
{
    int speedToggle = 0;
    QCOMPARE(toggleTimerSpeed(speedToggle), 1);
    QCOMPARE(speedToggle, 1);
    QCOMPARE(toggleTimerSpeed(speedToggle), 100);
    QCOMPARE(speedToggle, 0);
    QCOMPARE(toggleTimerSpeed(speedToggle), 1);
}

void GesturesTest::gamble_data()
{
    QTest::addColumn<int>("button");
    QTest::addColumn<int>("shift");
    QTest::addColumn<qint32>("before");
    QTest::addColumn<QList<double>>("draws");
    QTest::addColumn<qint32>("after");

    // r2 = 0.5 makes the factor 1.5.
    for (int shift = 0; shift <= 7; ++shift) {
        QTest::addRow("right, Shift %d, draw matches", shift)
            << rightButton << shift << 10000 << QList<double>{fractionFor(shift, 8), 0.5} << 15000;
        QTest::addRow("right, Shift %d, draw one above", shift)
            << rightButton << shift << 10000 << QList<double>{fractionFor((shift + 1) % 8, 8)} << 10000;
        QTest::addRow("left, Shift %d, draw matches", shift)
            << leftButton << shift << 10000 << QList<double>{fractionFor(shift, 8)} << 10000;
    }
    QTest::newRow("middle, draw matches") << middleButton << 0 << 10000 << QList<double>{fractionFor(0, 8)} << 10000;
    QTest::newRow("Ctrl+Alt needs draw 6")
        << rightButton << 6 << 10000 << QList<double>{fractionFor(6, 8), 0.8} << 30000;
    QTest::newRow("0 yen stays 0") << rightButton << 0 << 0 << QList<double>{fractionFor(0, 8), 0.99} << 0;
    QTest::newRow("factor -1 loses all into debt") << rightButton << 0 << 10000 << QList<double>{0.0, 0.0} << -10000;
    QTest::newRow("negative factor") << rightButton << 0 << 10000 << QList<double>{0.0, 0.1} << -5000;
    QTest::newRow("factor just below 4") << rightButton << 0 << 10000 << QList<double>{0.0, 0.9999} << 39995;
    QTest::newRow("debt grows with a positive factor") << rightButton << 0 << -2000 << QList<double>{0.0, 0.6} << -4000;
    // r2 = 0.375 makes the factor 0.875: 12 → 10.5 and 4 → 3.5.
    QTest::newRow("half rounds down to even") << rightButton << 0 << 12 << QList<double>{0.0, 0.375} << 10;
    QTest::newRow("half rounds up to even") << rightButton << 0 << 4 << QList<double>{0.0, 0.375} << 4;
    QTest::newRow("stops at the upper limit") << rightButton << 0 << 1000000000 << QList<double>{0.0, 0.75} << most;
    QTest::newRow("upper limit stays") << rightButton << 0 << most << QList<double>{0.0, 0.75} << most;
    QTest::newRow("lowest turned positive stops") << rightButton << 0 << least << QList<double>{0.0, 0.0} << most;
    QTest::newRow("stops at the lower limit") << rightButton << 0 << -1000000000 << QList<double>{0.0, 0.75} << least;
    QTest::newRow("highest turned negative fits") << rightButton << 0 << most << QList<double>{0.0, 0.0} << -most;
}

void GesturesTest::gamble()
{
    QFETCH(int, button);
    QFETCH(int, shift);
    QFETCH(qint32, before);
    QFETCH(QList<double>, draws);
    QFETCH(qint32, after);
    PetState state;
    state.money = before;
    ScriptedRandom random(std::vector<double>(draws.begin(), draws.end()));
    const bool gambled = gambleMoney(state, random, button, shift);
    QCOMPARE(state.money.value(), after);
    // The second draw is taken exactly when the gamble fires.
    QCOMPARE(gambled, draws.size() == 2);
    QCOMPARE(random.remaining(), std::size_t{0});
}

void GesturesTest::accidentPaysAndRestartsTheLine_data()
{
    QTest::addColumn<qint32>("before");
    QTest::addColumn<double>("generation");
    QTest::addColumn<double>("age");
    QTest::addColumn<qint32>("after");
    QTest::newRow("10000 becomes 60000") << 10000 << 1.0 << 0.0 << 60000;
    QTest::newRow("later generation, old pet") << 250 << 4.0 << 37.0 << 50250;
    QTest::newRow("debt is paid down") << -70000 << 2.0 << 5.0 << -20000;
    QTest::newRow("lands exactly on the limit") << 2147433647 << 1.0 << 3.0 << most;
    QTest::newRow("stops at the limit") << 2147483000 << 1.0 << 3.0 << most;
}

void GesturesTest::accidentPaysAndRestartsTheLine()
{
    QFETCH(qint32, before);
    QFETCH(double, generation);
    QFETCH(double, age);
    QFETCH(qint32, after);
    PetState state;
    state.money = before;
    state.generation = generation;
    state.age = age;
    FakePlatform platform;
    // The money is paid only after both notices have been read.
    QList<qint32> moneyWhileOpen;
    platform.onNotice = [&](const Notice &) { moneyWhileOpen.append(state.money.value()); };

    trafficAccident(state, platform);

    QCOMPARE(platform.notices.size(), 2);
    QCOMPARE(platform.notices[0].text, QStringLiteral("あなたのＮｕｐｅｌは交通事故にあい、死んでしまいました。"));
    QCOMPARE(platform.notices[1].text, QStringLiteral("Ｎｕｐｅｌを弁償してもらい、慰謝料を50000もらいました。"));
    for (const Notice &notice : platform.notices) {
        QCOMPARE(notice.title, QStringLiteral("NUPEL for Win95"));
        QCOMPARE(notice.buttons, NoticeButtons::Ok);
        QCOMPARE(notice.icon, NoticeIcon::None);
    }
    QCOMPARE(moneyWhileOpen, (QList<qint32>{before, before}));
    QCOMPARE(state.money.value(), after);
    QCOMPARE(state.generation.print(), QStringLiteral("1"));
    QCOMPARE(state.age.print(), QStringLiteral("1"));
}

// The accident keeps the pet and leaves the icon bookkeeping alone, so the
// next tick sees a changed generation and refreshes the icon.
void GesturesTest::accidentKeepsThePetsTypeAndEggs()
{
    PetState state;
    state.setNewGameValues();
    state.petName = QStringLiteral("もも");
    state.petType = QStringLiteral("Tamagoro");
    state.eggs = 23;
    state.satiety = 140;
    state.hungerRate = 3;
    state.generation = 3;
    state.shownGeneration = 3;
    FakePlatform platform;
    trafficAccident(state, platform);
    QCOMPARE(state.petName, QStringLiteral("もも"));
    QCOMPARE(state.petType, QStringLiteral("Tamagoro"));
    QCOMPARE(state.eggs.value(), 23.0);
    QCOMPARE(state.satiety.value(), qint16(140));
    QCOMPARE(state.hungerRate.value(), 3.0);
    QCOMPARE(state.shownGeneration.value(), 3.0);
    QVERIFY(state.shownGeneration != state.generation);
}

void GesturesTest::roomPicturesCycle_data()
{
    QTest::addColumn<QList<double>>("from");
    QTest::addColumn<QList<int>>("shown");
    QTest::newRow("new game") << QList<double>{1} << QList<int>{2, 3, 1, 2};
    QTest::newRow("second picture") << QList<double>{2} << QList<int>{3, 1, 2};
    QTest::newRow("never set") << QList<double>{} << QList<int>{1, 2, 3, 1};
}

void GesturesTest::roomPicturesCycle()
{
    QFETCH(QList<double>, from);
    QFETCH(QList<int>, shown);
    PetState state;
    if (!from.isEmpty())
        state.roomPicture = from.front();
    for (int picture : shown) {
        QCOMPARE(nextRoomPicture(state), picture);
        QCOMPARE(state.roomPicture.value(), double(picture));
    }
}

QTEST_APPLESS_MAIN(GesturesTest)
#include "test_gestures.moc"
