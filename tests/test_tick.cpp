// The timer event and its tick: pause, sub-count, levels, the order in which
// death, type change and tantrums end a tick, faces, labels, the pet icon,
// the laying with its price and the birthday.

#include "life/death.h"
#include "play/tick.h"
#include "support/fake_platform.h"
#include "support/recording_view.h"
#include "support/scripted_random.h"

#include <QtTest>

using namespace nupel;
using namespace nupel::test;

namespace {

const double noChange = fractionFor(0, 5);
const double gateShut = fractionFor(5, 10);
const double gateOpen = fractionFor(4, 10);

// Draws of a tick without type change, tantrum or laying.
void scriptQuietTick(ScriptedRandom &random)
{
    random.script({noChange, gateShut, gateShut});
}

// The five old-age draws giving the lifespan 109, which no pet here reaches.
void scriptLongLife(ScriptedRandom &random)
{
    for (int i = 0; i < 5; ++i)
        random.script({fractionFor(9, 10)});
}

} // namespace

class TickTest : public QObject {
    Q_OBJECT
private slots:
    void init();

    void suspendedEventDoesNothing();
    void everyTenthEventIsATick();
    void levelsChangeByTheRatesRoundedHalfToEven_data();
    void levelsChangeByTheRatesRoundedHalfToEven();
    void deathEndsTheTickBeforeTypeChange();
    void typeChangesOnceProgressPasses100_data();
    void typeChangesOnceProgressPasses100();
    void tantrumEndsTheTickEatenOrNot_data();
    void tantrumEndsTheTickEatenOrNot();
    void tantrumStartsAtSickness66NoticeFirst_data();
    void tantrumStartsAtSickness66NoticeFirst();
    void tantrumNeedsGateSicknessAndKind_data();
    void tantrumNeedsGateSicknessAndKind();
    void faceIconsFollowTheLevels_data();
    void faceIconsFollowTheLevels();
    void tickShowsFacesAndFigures();
    void firstTickRefreshesThePetIcon();
    void layingAtTheTenthTickShowsTheNoticeBeforeTheCount();
    void clutchRunsFromOneToClutchMax_data();
    void clutchRunsFromOneToClutchMax();
    void skippedOldAgeTestClearsTheFlagAndKeepsTheChatter();
    void oldAgeDeathStillClearsTheChatter();

private:
    PetState m_state;
    ScriptedRandom m_random;
    RecordingView m_view;
    FakePlatform m_platform;
};

void TickTest::init()
{
    m_state = PetState();
    m_state.setNewGameValues();
    m_state.petName = QStringLiteral("もも");
    m_state.changeProgress = 0;
    m_state.shownGeneration = 1;
    m_random = ScriptedRandom();
    m_view = RecordingView();
    m_platform = FakePlatform();
}

void TickTest::suspendedEventDoesNothing()
{
    m_state.suspended = 1;
    m_state.timerCount = 9;
    m_state.walkCount = 3;
    m_view.position = QPoint(600, 600);
    mainTimerEvent(m_state, m_random, m_view, m_platform);
    QCOMPARE(m_view.position, QPoint(600, 600));
    QCOMPARE(m_state.timerCount.value(), 9.0);
    QCOMPARE(m_state.walkCount.value(), 3.0);
    QVERIFY(m_view.log.isEmpty());
}

void TickTest::everyTenthEventIsATick()
{
    m_state.timerCount = 0;
    m_state.walkCount = 0;
    m_view.position = QPoint(600, 600);
    for (int event = 1; event <= 9; ++event)
        mainTimerEvent(m_state, m_random, m_view, m_platform);
    QCOMPARE(m_view.position, QPoint(1140, 1140));
    QCOMPARE(m_state.timerCount.value(), 9.0);
    QCOMPARE(int(m_state.satiety), 200);

    // The tenth event draws the walk's new direction, then ticks.
    m_random.script({fractionFor(0, 4)});
    scriptQuietTick(m_random);
    mainTimerEvent(m_state, m_random, m_view, m_platform);
    QCOMPARE(m_state.timerCount.value(), 0.0);
    QCOMPARE(int(m_state.satiety), 198);
    QCOMPARE(m_state.eggTimer.value(), 1.0);
    QCOMPARE(m_random.remaining(), std::size_t(0));
}

void TickTest::levelsChangeByTheRatesRoundedHalfToEven_data()
{
    QTest::addColumn<double>("sicknessRate");
    QTest::addColumn<int>("sickness");
    QTest::addColumn<int>("after");
    QTest::newRow("whole rate") << 1.0 << 10 << 11;
    QTest::newRow("a tenth never adds") << 0.1 << 10 << 10;
    QTest::newRow("half up to even") << 1.5 << 10 << 12;
    QTest::newRow("half down to even") << 1.5 << 11 << 12;
}

void TickTest::levelsChangeByTheRatesRoundedHalfToEven()
{
    QFETCH(double, sicknessRate);
    QFETCH(int, sickness);
    QFETCH(int, after);
    m_state.sicknessRate = sicknessRate;
    m_state.sickness = sickness;
    m_state.hungerRate = 10;
    m_state.dirtRate = 3;
    scriptQuietTick(m_random);
    simulationTick(m_state, m_random, m_view, m_platform);
    QCOMPARE(int(m_state.sickness), after);
    QCOMPARE(int(m_state.satiety), 190);
    QCOMPARE(int(m_state.dirt), 3);
}

// Nothing after the vital test runs: no draw, no label but the egg count.
void TickTest::deathEndsTheTickBeforeTypeChange()
{
    m_state.satiety = 1;
    m_state.changeProgress = 100;
    m_state.eggTimer = 9;
    simulationTick(m_state, m_random, m_view, m_platform);
    QCOMPARE(int(m_state.satiety), -1);
    QCOMPARE(m_state.deathCause, QStringLiteral("空腹"));
    QCOMPARE(m_state.suspended.value(), 1.0);
    QCOMPARE(m_state.changeProgress.value(), 100.0);
    QCOMPARE(m_state.eggTimer.value(), 9.0);
    QCOMPARE(m_view.log, QStringList({QStringLiteral("caption %1 0個").arg(int(MainLabel::Label12)),
                                      QStringLiteral("hide"), QStringLiteral("death screen")}));
    QVERIFY(m_platform.notices.isEmpty());
}

void TickTest::typeChangesOnceProgressPasses100_data()
{
    QTest::addColumn<int>("progress");
    QTest::addColumn<int>("added");
    QTest::addColumn<bool>("changes");
    QTest::newRow("reaches 100") << 96 << 4 << false;
    QTest::newRow("passes to 101") << 97 << 4 << true;
    QTest::newRow("fed past 100 adds 0") << 130 << 0 << true;
}

void TickTest::typeChangesOnceProgressPasses100()
{
    QFETCH(int, progress);
    QFETCH(int, added);
    QFETCH(bool, changes);
    m_state.changeProgress = progress;
    m_state.eggs = 7;
    m_random.script({fractionFor(added, 5)});
    if (changes)
        m_random.script({fractionFor(6, 13)});
    m_random.script({gateShut, gateShut});
    simulationTick(m_state, m_random, m_view, m_platform);
    QCOMPARE(m_random.remaining(), std::size_t(0));
    QCOMPARE(m_state.changeProgress.value(), changes ? 0.0 : double(progress + added));
    QCOMPARE(m_state.petType, changes ? QStringLiteral("Tabezo") : QStringLiteral("Normal"));
    QCOMPARE(m_view.captions.value(MainLabel::Label3), m_state.petType);
    QCOMPARE(m_platform.notices.size(), changes ? 1 : 0);
    QCOMPARE(m_state.eggs.value(), changes ? 0.0 : 7.0);
}

void TickTest::tantrumEndsTheTickEatenOrNot_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<int>("satiety");
    QTest::addColumn<int>("eggs");
    QTest::addColumn<int>("money");
    QTest::addColumn<int>("amountDraw");
    QTest::addColumn<QString>("notice");
    QTest::addColumn<int>("satietyAfter");
    QTest::addColumn<int>("eggsAfter");
    QTest::addColumn<int>("moneyAfter");
    const QString none;
    const QString ateEggs = QStringLiteral("卵を食った!!");
    const QString ateMoney = QStringLiteral("金を食った!!");
    // Satiety falls by 2 before the tantrum; the amount draw gives k + 1 eggs
    // or (k + 1) × 1000 yen.
    QTest::newRow("eats 10 eggs") << 1 << 150 << 30 << 10000 << 9 << ateEggs << 158 << 20 << 10000;
    QTest::newRow("eggs stop at 250") << 1 << 245 << 30 << 10000 << 19 << ateEggs << 250 << 10 << 10000;
    QTest::newRow("all its eggs") << 1 << 150 << 20 << 10000 << 19 << ateEggs << 168 << 0 << 10000;
    QTest::newRow("too few eggs") << 1 << 150 << 3 << 10000 << 3 << none << 148 << 3 << 10000;
    QTest::newRow("money lifts to 250") << 2 << 150 << 5 << 10000 << 4 << ateMoney << 250 << 5 << 5000;
    QTest::newRow("money lifts above 250") << 2 << 262 << 5 << 10000 << 9 << ateMoney << 360 << 5 << 0;
    QTest::newRow("too little money") << 2 << 150 << 5 << 999 << 0 << none << 148 << 5 << 999;
}

void TickTest::tantrumEndsTheTickEatenOrNot()
{
    QFETCH(int, kind);
    QFETCH(int, satiety);
    QFETCH(int, eggs);
    QFETCH(int, money);
    QFETCH(int, amountDraw);
    QFETCH(QString, notice);
    QFETCH(int, satietyAfter);
    QFETCH(int, eggsAfter);
    QFETCH(int, moneyAfter);
    m_state.tantrumKind = kind;
    m_state.sickness = 70;
    m_state.satiety = satiety;
    m_state.eggs = eggs;
    m_state.money = money;
    m_state.eggTimer = 9;
    m_state.shownGeneration.clear();
    m_random.script({noChange, gateOpen});
    if (kind == 2)
        m_random.script({gateOpen, fractionFor(amountDraw, 10)});
    else
        m_random.script({fractionFor(amountDraw, 20)});
    simulationTick(m_state, m_random, m_view, m_platform);

    QCOMPARE(m_random.remaining(), std::size_t(0));
    QCOMPARE(int(m_state.satiety), satietyAfter);
    QCOMPARE(m_state.eggs.value(), double(eggsAfter));
    QCOMPARE(int(m_state.money), moneyAfter);
    QCOMPARE(m_platform.notices.size(), notice.isEmpty() ? 0 : 1);
    if (!notice.isEmpty()) {
        QCOMPARE(m_platform.notices.first().text, notice);
        QCOMPARE(m_platform.notices.first().title, QStringLiteral("怒!!"));
        QCOMPARE(m_platform.notices.first().icon, NoticeIcon::Exclamation);
        if (kind == 1)
            QCOMPARE(m_view.captions.value(MainLabel::Label12), QStringLiteral("%1個").arg(eggsAfter));
        else
            QCOMPARE(m_view.captions.value(MainLabel::Label14), QStringLiteral("%1円").arg(moneyAfter));
    }
    // The rest of the tick is skipped: no laying, faces, figures or pet icon.
    QCOMPARE(m_state.eggTimer.value(), 9.0);
    QVERIFY(m_view.pictures.isEmpty());
    QVERIFY(!m_view.captions.contains(MainLabel::Label17));
    QVERIFY(m_state.shownGeneration.isEmpty());
}

void TickTest::tantrumStartsAtSickness66NoticeFirst_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<int>("sickness"); // after the tick's rise of 1
    QTest::addColumn<bool>("tantrum");
    QTest::newRow("eggs at 66") << 1 << 66 << true;
    QTest::newRow("eggs at 65") << 1 << 65 << false;
    QTest::newRow("money at 66") << 2 << 66 << true;
    QTest::newRow("money at 65") << 2 << 65 << false;
}

// The limit is the first value over 65; and the player reads the notice
// while the eggs or the money are still there.
void TickTest::tantrumStartsAtSickness66NoticeFirst()
{
    QFETCH(int, kind);
    QFETCH(int, sickness);
    QFETCH(bool, tantrum);
    m_state.tantrumKind = kind;
    m_state.sickness = sickness - 1;
    m_state.eggs = 30;
    m_state.money = 10000;
    QString whileOpen;
    m_platform.onNotice = [&](const Notice &) {
        whileOpen = QStringLiteral("%1 eggs %2 yen").arg(m_state.eggs.value()).arg(int(m_state.money));
    };
    // Both gates open for a pet of the kind; the money gate is drawn only
    // when no egg tantrum came.
    m_random.script({noChange, gateOpen});
    if (kind == 2)
        m_random.script({gateOpen});
    if (tantrum)
        m_random.script({fractionFor(4, kind == 1 ? 20 : 10)}); // 5 eggs or 5000 yen
    else if (kind == 1)
        m_random.script({gateShut});
    simulationTick(m_state, m_random, m_view, m_platform);

    QCOMPARE(m_random.remaining(), std::size_t(0));
    QCOMPARE(int(m_state.sickness), sickness);
    QCOMPARE(m_platform.notices.size(), tantrum ? 1 : 0);
    QCOMPARE(whileOpen, tantrum ? QStringLiteral("30 eggs 10000 yen") : QString());
    QCOMPARE(m_state.eggs.value(), tantrum && kind == 1 ? 25.0 : 30.0);
    QCOMPARE(int(m_state.money), tantrum && kind == 2 ? 5000 : 10000);
}

void TickTest::tantrumNeedsGateSicknessAndKind_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<int>("sickness");
    QTest::addColumn<double>("gate");
    QTest::newRow("sickness reaches only 65") << 1 << 64 << gateOpen;
    QTest::newRow("gate shut") << 1 << 80 << gateShut;
    QTest::newRow("kind that has no tantrum") << 3 << 80 << gateOpen;
    QTest::newRow("money gate shut") << 2 << 80 << gateShut;
}

// A failed tantrum draws nothing more than its gate and the tick goes on.
void TickTest::tantrumNeedsGateSicknessAndKind()
{
    QFETCH(int, kind);
    QFETCH(int, sickness);
    QFETCH(double, gate);
    m_state.tantrumKind = kind;
    m_state.sickness = sickness;
    m_state.eggs = 50;
    m_random.script({noChange, gate, gate});
    simulationTick(m_state, m_random, m_view, m_platform);
    QCOMPARE(m_random.remaining(), std::size_t(0));
    QVERIFY(m_platform.notices.isEmpty());
    QCOMPARE(m_state.eggs.value(), 50.0);
    QCOMPARE(m_state.eggTimer.value(), 1.0);
}

void TickTest::faceIconsFollowTheLevels_data()
{
    QTest::addColumn<bool>("food");
    QTest::addColumn<int>("level");
    QTest::addColumn<QString>("icon");
    const QString best = QStringLiteral("muki1.ico"), good = QStringLiteral("muki3.ico");
    const QString poor = QStringLiteral("muki2.ico"), worst = QStringLiteral("muki4.ico");
    QTest::newRow("food 250") << true << 250 << worst;
    QTest::newRow("food 249") << true << 249 << best;
    QTest::newRow("food 200") << true << 200 << best;
    QTest::newRow("food 199") << true << 199 << good;
    QTest::newRow("food 150") << true << 150 << good;
    QTest::newRow("food 149") << true << 149 << poor;
    QTest::newRow("food 50") << true << 50 << poor;
    QTest::newRow("food 49") << true << 49 << worst;
    QTest::newRow("food 0") << true << 0 << worst;
    QTest::newRow("level -20") << false << -20 << best;
    QTest::newRow("level 29") << false << 29 << best;
    QTest::newRow("level 30") << false << 30 << good;
    QTest::newRow("level 59") << false << 59 << good;
    QTest::newRow("level 60") << false << 60 << poor;
    QTest::newRow("level 79") << false << 79 << poor;
    QTest::newRow("level 80") << false << 80 << worst;
}

void TickTest::faceIconsFollowTheLevels()
{
    QFETCH(bool, food);
    QFETCH(int, level);
    QFETCH(QString, icon);
    QCOMPARE(food ? foodFace(level) : levelFace(level), icon);
}

void TickTest::tickShowsFacesAndFigures()
{
    m_state.satiety = 152;
    m_state.sickness = 59;
    m_state.dirt = 79;
    m_state.generation = 3;
    m_state.shownGeneration = 3;
    m_state.age = 12;
    m_state.money = 4321;
    m_state.petType = QStringLiteral("Kattin");
    scriptQuietTick(m_random);
    simulationTick(m_state, m_random, m_view, m_platform);
    QCOMPARE(m_view.pictures.value(MainImage::Image2), QStringLiteral("muki3.ico"));
    QCOMPARE(m_view.pictures.value(MainImage::Image3), QStringLiteral("muki2.ico"));
    QCOMPARE(m_view.pictures.value(MainImage::Image4), QStringLiteral("muki4.ico"));
    QCOMPARE(m_view.captions.value(MainLabel::Label1), QStringLiteral("もも"));
    QCOMPARE(m_view.captions.value(MainLabel::Label3), QStringLiteral("Kattin"));
    QCOMPARE(m_view.captions.value(MainLabel::Label7), QStringLiteral("もも"));
    QCOMPARE(m_view.captions.value(MainLabel::Label5), QStringLiteral("3"));
    QCOMPARE(m_view.captions.value(MainLabel::Label14), QStringLiteral("4321円"));
    QCOMPARE(m_view.captions.value(MainLabel::Label17), QStringLiteral("12歳"));
    QVERIFY(!m_view.pictures.contains(MainImage::Image1));
}

void TickTest::firstTickRefreshesThePetIcon()
{
    m_state.shownGeneration.clear();
    m_state.petType = QStringLiteral("KaneQueen");
    scriptQuietTick(m_random);
    simulationTick(m_state, m_random, m_view, m_platform);
    QCOMPARE(m_view.pictures.value(MainImage::Image1), QStringLiteral("nupkan.ico"));
    QCOMPARE(m_state.shownGeneration.value(), 1.0);

    m_view.pictures.clear();
    scriptQuietTick(m_random);
    simulationTick(m_state, m_random, m_view, m_platform);
    QVERIFY(!m_view.pictures.contains(MainImage::Image1));

    // A new generation (a hatching) brings the refresh back.
    m_state.generation = 2;
    m_state.petType = QStringLiteral("Normal");
    scriptQuietTick(m_random);
    simulationTick(m_state, m_random, m_view, m_platform);
    QCOMPARE(m_view.pictures.value(MainImage::Image1), QStringLiteral("nupnor.ico"));
}

void TickTest::layingAtTheTenthTickShowsTheNoticeBeforeTheCount()
{
    m_state.eggTimer = 9;
    m_state.eggs = 5;
    m_state.age = 3;
    m_view.setCaption(MainLabel::Label18, QStringLiteral("ぷにぷに"));
    scriptQuietTick(m_random);
    m_random.script({fractionFor(2, 10), fractionFor(7, 10)});
    scriptLongLife(m_random);
    QString eggLabelWhileOpen;
    double priceWhileOpen = 0;
    m_platform.onNotice = [&](const Notice &) {
        eggLabelWhileOpen = m_view.captions.value(MainLabel::Label12);
        priceWhileOpen = m_state.eggPrice;
    };
    simulationTick(m_state, m_random, m_view, m_platform);

    QCOMPARE(m_random.remaining(), std::size_t(0));
    QCOMPARE(m_platform.notices.size(), 1);
    const Notice &notice = m_platform.notices.first();
    QCOMPARE(notice.text, QStringLiteral("卵が3個産まれました"));
    QCOMPARE(notice.title, QStringLiteral("産卵!!"));
    QCOMPARE(notice.icon, NoticeIcon::Exclamation);
    QCOMPARE(notice.buttons, NoticeButtons::Ok);
    QCOMPARE(eggLabelWhileOpen, QStringLiteral("5個"));
    QCOMPARE(priceWhileOpen, 80.0);
    QCOMPARE(m_view.captions.value(MainLabel::Label12), QStringLiteral("8個"));
    QCOMPARE(m_state.eggs.value(), 8.0);
    QCOMPARE(m_state.eggPrice.value(), 80.0);
    QCOMPARE(m_state.eggTimer.value(), 0.0);
    QCOMPARE(m_state.age.value(), 4.0);
    QCOMPARE(m_view.captions.value(MainLabel::Label17), QStringLiteral("4歳"));
    QCOMPARE(m_view.captions.value(MainLabel::Label18), QString());
    QVERIFY(m_state.deathCause.isEmpty());
}

void TickTest::clutchRunsFromOneToClutchMax_data()
{
    QTest::addColumn<double>("clutchMax");
    QTest::addColumn<double>("fraction");
    QTest::addColumn<int>("clutch");
    QTest::addColumn<int>("price");
    QTest::newRow("smallest clutch, cheapest egg") << 10.0 << 0.0 << 1 << 10;
    QTest::newRow("largest clutch, dearest egg") << 10.0 << 0.9999 << 10 << 100;
    QTest::newRow("Tamagoro") << 110.0 << 0.9999 << 110 << 100;
    QTest::newRow("Randoman laying one") << 1.0 << 0.9999 << 1 << 100;
}

void TickTest::clutchRunsFromOneToClutchMax()
{
    QFETCH(double, clutchMax);
    QFETCH(double, fraction);
    QFETCH(int, clutch);
    QFETCH(int, price);
    m_state.eggTimer = 9;
    m_state.clutchMax = clutchMax;
    scriptQuietTick(m_random);
    m_random.script({fraction, fraction});
    scriptLongLife(m_random);
    simulationTick(m_state, m_random, m_view, m_platform);
    QCOMPARE(m_state.eggs.value(), double(clutch));
    QCOMPARE(m_state.eggPrice.value(), double(price));
}

void TickTest::skippedOldAgeTestClearsTheFlagAndKeepsTheChatter()
{
    m_state.eggTimer = 9;
    m_state.age = 200;
    m_state.skipLifespanCheck = 1;
    scriptQuietTick(m_random);
    m_random.script({0.0, 0.0});
    simulationTick(m_state, m_random, m_view, m_platform);
    QCOMPARE(m_random.remaining(), std::size_t(0));
    QCOMPARE(m_state.skipLifespanCheck.value(), 0.0);
    QCOMPARE(m_state.age.value(), 201.0);
    QVERIFY(m_state.deathCause.isEmpty());
    QVERIFY(!m_view.captions.contains(MainLabel::Label18));
}

void TickTest::oldAgeDeathStillClearsTheChatter()
{
    m_state.eggTimer = 9;
    m_state.age = 1;
    scriptQuietTick(m_random);
    m_random.script({0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0});
    simulationTick(m_state, m_random, m_view, m_platform);
    QCOMPARE(m_state.deathCause, oldAgeLabel);
    QCOMPARE(m_state.suspended.value(), 1.0);
    QCOMPARE(m_view.log.mid(m_view.log.size() - 3),
             QStringList({QStringLiteral("hide"), QStringLiteral("death screen"),
                          QStringLiteral("caption %1 ").arg(int(MainLabel::Label18))}));
}

QTEST_MAIN(TickTest)
#include "test_tick.moc"
