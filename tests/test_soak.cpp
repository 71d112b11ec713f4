// A long soak through the rules: many whole lives played by a scripted player
// whose every choice comes from a fixed seed, with the game's invariants
// checked after every event. The windows are left out (RecordingView and
// FakePlatform stand in), so hundreds of lives take seconds.

#include "care/care_visits.h"
#include "care/egg_market.h"
#include "care/feeding.h"
#include "care/level_care.h"
#include "files/save_file.h"
#include "files/score_file.h"
#include "life/chatter.h"
#include "life/death.h"
#include "life/gestures.h"
#include "life/hatching.h"
#include "life/pet_types.h"
#include "play/running.h"
#include "play/tick.h"
#include "support/fake_platform.h"
#include "support/recording_view.h"
#include "support/save_record_checks.h"

#include <QTemporaryDir>
#include <QtTest>

#include <random>

using namespace nupel;
using namespace nupel::test;

namespace {

constexpr quint32 soakSeed = 20240611;
constexpr int livesToPlay = 1000;
// A run of events without a death that is longer than any pet can live means
// the player or the game is stuck.
constexpr int longestLifeInEvents = 60000;

const QStringList deathLabels{QStringLiteral("空腹"), QStringLiteral("病気"), QStringLiteral("汚れ"),
                              QStringLiteral("寿命"), QStringLiteral("過食")};

bool isWhole(const Cell &cell)
{
    return std::isfinite(cell.value()) && cell.value() == std::nearbyint(cell.value());
}

// Everything of the state, for "nothing changed" checks.
QString wholeState(const PetState &s)
{
    QStringList parts{s.petName,          s.petType,      s.deathCause,   s.satiety.print(),
                      s.sickness.print(), s.dirt.print(), s.money.print()};
    for (const auto &[name, cell] : allCells(s))
        parts.append(QString::fromLatin1(name) + QLatin1Char('=')
                     + (cell->isEmpty() ? QStringLiteral("empty") : QString::number(cell->value(), 'g', 17)));
    return parts.join(QLatin1Char('|'));
}

// How a player looks after a pet for a whole life.
enum class Temper { Careful, Careless, Glutton };

class Soak {
public:
    explicit Soak(quint32 seed) : m_player(seed) { m_game.seed(seed); }

    // Plays until `lives` pets have died; empty text, or the first broken
    // invariant with the event that broke it.
    QString play(int lives);

    QMap<QString, int> seen; // how often each kind of event happened

private:
    int below(int n) { return std::uniform_int_distribution<int>(0, n - 1)(m_player); }
    bool chance(double p) { return std::uniform_real_distribution<double>(0, 1)(m_player) < p; }

    void startGame();
    QString act();
    QString timerEvents(int count);
    QString care();
    QString sell();
    QString gesture();
    QString pause();
    QString saveAndReload();
    QString bury();
    QString invariantBroken() const;
    // The care a level calls for: 0 food, 1 doctor, 2 cleaning; -1 for none.
    int urgentNeed() const;
    QString check(const QString &event);
    void note(const QString &event) { ++seen[event]; }

    std::mt19937 m_player;
    ClockRandom m_game;
    PetState m_state;
    RecordingView m_view;
    FakePlatform m_platform;
    Temper m_temper = Temper::Careful;
    int m_speedToggle = 0;
    int m_deathScreens = 0;
    bool m_laid = false; // a laying happened in this game
    int m_names = 0;
    QString m_lastType;
};

void Soak::startGame()
{
    // A new run of the program: start-up values, then a name.
    m_state = PetState();
    m_state.setNewGameValues();
    m_state.petName = QStringLiteral("soak%1").arg(++m_names % 7);
    m_temper = static_cast<Temper>(below(3));
    m_laid = false;
    m_lastType = m_state.petType;
    startPlay(m_state, m_view);
    note(QStringLiteral("new game"));
}

QString Soak::play(int lives)
{
    startGame();
    int eventsThisLife = 0;
    while (seen.value(QStringLiteral("death")) < lives) {
        if (const QString broken = act(); !broken.isEmpty())
            return broken;
        m_view.log.clear();
        m_platform.notices.clear();
        if (++eventsThisLife > longestLifeInEvents)
            return QStringLiteral("a life lasted more than %1 events").arg(longestLifeInEvents);
        if (m_view.deathScreens != m_deathScreens) {
            m_deathScreens = m_view.deathScreens;
            eventsThisLife = 0;
            if (const QString broken = bury(); !broken.isEmpty())
                return broken;
        }
    }
    return QString();
}

QString Soak::act()
{
    if (m_temper == Temper::Careful && urgentNeed() >= 0 && chance(0.7))
        return care();
    const int roll = below(100);
    if (roll < 55)
        return timerEvents(1 + below(40));
    if (roll < 75)
        return care();
    if (roll < 83)
        return sell();
    if (roll < 93)
        return gesture();
    if (roll < 97)
        return pause();
    if (roll < 98)
        return saveAndReload();
    return timerEvents(10 * (1 + below(10)));
}

QString Soak::timerEvents(int count)
{
    for (int i = 0; i < count; ++i) {
        const int deathsBefore = m_view.deathScreens;
        const QString typeBefore = m_state.petType;
        mainTimerEvent(m_state, m_game, m_view, m_platform);
        for (const Notice &notice : std::as_const(m_platform.notices)) {
            if (notice.title == QStringLiteral("産卵!!")) {
                m_laid = true;
                note(QStringLiteral("laying"));
            } else if (notice.title == QStringLiteral("怒!!")) {
                note(QStringLiteral("tantrum ") + notice.text);
            }
        }
        m_platform.notices.clear();
        if (m_state.petType != typeBefore) {
            note(QStringLiteral("type change"));
            note(QStringLiteral("type ") + m_state.petType);
        }
        if (const QString broken = check(QStringLiteral("timer event")); !broken.isEmpty())
            return broken;
        // After a tick that the pet survived the vital test held, and nothing
        // later in the tick lowers satiety or raises dirt or sickness.
        if (m_view.deathScreens == deathsBefore && m_state.timerCount == 0 && m_state.suspended != 1) {
            if (m_state.dirt > 100 || m_state.sickness > 100 || m_state.satiety < 0)
                return QStringLiteral("a living pet after a tick: ") + wholeState(m_state);
        }
        if (m_view.deathScreens != deathsBefore)
            return QString();
    }
    return QString();
}

QString Soak::care()
{
    // A careful player cares when a level calls for it; the others at random.
    const bool careful = m_temper == Temper::Careful;
    const int need = careful ? urgentNeed() : -1;
    const int kind = need >= 0 ? need : below(3);
    suspendForCare(m_state);
    QString event;
    if (kind == 0 && (!careful || m_state.satiety < 130 || chance(0.05))) {
        const Food food = m_temper == Temper::Glutton || !careful
                              ? static_cast<Food>(below(3))
                              : (chance(0.8) ? Food::WarawaraX : static_cast<Food>(below(3)));
        // The dialog offers only the foods the cash covers.
        if (canAfford(m_state, foodCost(food))) {
            const int times = m_temper == Temper::Glutton ? 1 + below(4) : 1;
            for (int i = 0; i < times && canAfford(m_state, foodCost(food)); ++i) {
                giveFood(m_state, m_game, food);
                // Each meal closes the dialog; the glutton's player opens it again.
                resumeAfterCare(m_state);
                suspendForCare(m_state);
            }
            event = QStringLiteral("food %1").arg(static_cast<int>(food));
        }
    } else if (kind == 1 && (!careful || m_state.sickness > 55 || chance(0.05))) {
        const auto treatment = static_cast<Treatment>(below(3));
        const QString before = wholeState(m_state);
        if (treat(m_state, treatment) == CareOutcome::ShortOfMoney) {
            if (wholeState(m_state) != before)
                return QStringLiteral("a treatment short of money changed the pet");
            event = QStringLiteral("treatment short of money");
        } else {
            event = QStringLiteral("treatment %1").arg(static_cast<int>(treatment));
        }
    } else if (kind == 2 && (!careful || m_state.dirt > 55 || chance(0.05))) {
        const auto cleaning = static_cast<Cleaning>(below(3));
        const QString before = wholeState(m_state);
        if (clean(m_state, cleaning) == CareOutcome::ShortOfMoney) {
            if (wholeState(m_state) != before)
                return QStringLiteral("a cleaning short of money changed the pet");
            event = QStringLiteral("cleaning short of money");
        } else {
            event = QStringLiteral("cleaning %1").arg(static_cast<int>(cleaning));
        }
    } else {
        event = QStringLiteral("care dialog cancelled");
    }
    resumeAfterCare(m_state);
    if (!event.isEmpty())
        note(event);
    return check(event);
}

int Soak::urgentNeed() const
{
    if (m_state.satiety < 130)
        return 0;
    if (m_state.sickness > 55)
        return 1;
    if (m_state.dirt > 55)
        return 2;
    return -1;
}

QString Soak::sell()
{
    suspendForCare(m_state);
    const int most = eggSelectionMaximum(m_state);
    // A careful player keeps a few eggs for a hatching.
    int count = m_temper == Temper::Careful ? std::max(0, most - 1 - below(4)) : below(most + 1);
    if (chance(0.2)) {
        selectAllEggs(m_state);
        count = most;
    }
    const double eggsBefore = m_state.eggs;
    const double moneyBefore = m_state.money;
    const double amount = eggSaleAmount(m_state, count);
    sellEggs(m_state, count);
    resumeAfterCare(m_state);
    if (m_state.eggs != eggsBefore - count)
        return QStringLiteral("selling %1 of %2 eggs left %3").arg(count).arg(eggsBefore).arg(m_state.eggs.value());
    if (m_state.money != storeWhole<qint32>(moneyBefore + amount))
        return QStringLiteral("selling for %1 yen took the money from %2 to %3")
            .arg(amount)
            .arg(moneyBefore)
            .arg(m_state.money.value());
    note(count > 0 ? QStringLiteral("sale") : QStringLiteral("sale of nothing"));
    return check(QStringLiteral("sale"));
}

QString Soak::gesture()
{
    QString event;
    switch (below(6)) {
    case 0:
        setBestEggPrice(m_state);
        event = QStringLiteral("best egg price");
        break;
    case 1:
        toggleTimerSpeed(m_speedToggle);
        event = QStringLiteral("fast-forward toggle");
        break;
    case 2:
        event = gambleMoney(m_state, m_game, 1 + below(2), below(8)) ? QStringLiteral("money gamble")
                                                                     : QStringLiteral("type heading released");
        break;
    case 3:
        if (!chance(0.1))
            return gesture();
        trafficAccident(m_state, m_platform);
        event = QStringLiteral("accident");
        break;
    case 4:
        m_view.showRoomPicture(nextRoomPicture(m_state));
        if (m_state.roomPicture < 1 || m_state.roomPicture > 3)
            return QStringLiteral("room picture %1").arg(m_state.roomPicture.value());
        event = QStringLiteral("room picture");
        break;
    default:
        if (chatterLine(m_game).isEmpty())
            return QStringLiteral("the pet said nothing");
        event = QStringLiteral("chatter");
        break;
    }
    note(event);
    return check(event);
}

QString Soak::pause()
{
    // Paused, the timer events change nothing at all.
    m_state.suspended = 1;
    const QString before = wholeState(m_state);
    const QPoint position = m_view.position;
    for (int i = below(30); i > 0; --i)
        mainTimerEvent(m_state, m_game, m_view, m_platform);
    if (wholeState(m_state) != before || m_view.position != position)
        return QStringLiteral("a paused game moved on");
    m_state.suspended = 0;
    note(QStringLiteral("pause"));
    return check(QStringLiteral("pause"));
}

QString Soak::saveAndReload()
{
    const WriteOutcome saved = saveGame(m_state, m_game);
    if (!saved.written)
        return QStringLiteral("saving failed: ") + saved.reason;
    // The next run of the program starts afresh and loads the file.
    PetState loaded;
    loaded.setNewGameValues();
    if (!loadSaveFile(saved.fileName, loaded))
        return QStringLiteral("the save did not load");
    if (QFile::exists(saved.fileName))
        return QStringLiteral("the loaded save is still there");
    // Equal in every saved field, at the precision the file holds them.
    constexpr int key = 777;
    if (formatSaveRecord(loaded, key) != formatSaveRecord(m_state, key))
        return QStringLiteral("the pet came back changed: %1 became %2")
            .arg(QString::fromUtf8(formatSaveRecord(m_state, key).value_or("?")),
                 QString::fromUtf8(formatSaveRecord(loaded, key).value_or("?")));
    if (loaded.satiety != m_state.satiety || loaded.sickness != m_state.sickness || loaded.dirt != m_state.dirt
        || loaded.money != m_state.money || loaded.eggs != m_state.eggs || loaded.age != m_state.age)
        return QStringLiteral("a scrambled field came back changed");
    m_state = loaded;
    m_lastType = m_state.petType;
    startPlay(m_state, m_view);
    note(QStringLiteral("save and reload"));
    return check(QStringLiteral("reload"));
}

QString Soak::bury()
{
    note(QStringLiteral("death"));
    note(QStringLiteral("death of ") + m_state.deathCause);
    if (!deathLabels.contains(m_state.deathCause))
        return QStringLiteral("died of \"%1\"").arg(m_state.deathCause);
    if (m_state.suspended != 1 || m_view.visible)
        return QStringLiteral("a dead pet's game is still running");
    // The death screen is up: time stands still for the dead pet.
    const QString atDeath = wholeState(m_state);
    for (int i = 0; i < 25; ++i)
        mainTimerEvent(m_state, m_game, m_view, m_platform);
    if (wholeState(m_state) != atDeath)
        return QStringLiteral("timer events changed a dead pet");

    if (hatchingDraw(m_state, m_game)) {
        if (m_state.deathCause != oldAgeLabel)
            return QStringLiteral("an egg hatched after a death of ") + m_state.deathCause;
        if (chance(0.85)) {
            const double generation = m_state.generation;
            const qint32 money = m_state.money;
            raiseHatchling(m_state);
            m_view.showWindow();
            if (m_state.generation != generation + 1 || m_state.money != money || m_state.eggs != 0 || m_state.age != 0
                || m_state.petType != QStringLiteral("Normal") || m_state.suspended != 0)
                return QStringLiteral("the hatchling started wrong: ") + wholeState(m_state);
            m_lastType = m_state.petType;
            note(QStringLiteral("hatching raised"));
            return check(QStringLiteral("hatching"));
        }
        note(QStringLiteral("hatching declined"));
    } else if (chance(0.5)) {
        // Game over, and the player keeps the score.
        QFile scores(scoreFileName(m_state.petName));
        const qint64 sizeBefore = scores.exists() ? scores.size() : 0;
        const WriteOutcome outcome = appendScoreRecord(m_state, m_game);
        if (!outcome.written)
            return QStringLiteral("the score file was not written: ") + outcome.reason;
        if (QFile(outcome.fileName).size() <= sizeBefore)
            return QStringLiteral("the score file did not grow");
        note(QStringLiteral("score file"));
    }
    startGame();
    return check(QStringLiteral("new game"));
}

QString Soak::check(const QString &event)
{
    const QString broken = invariantBroken();
    return broken.isEmpty() ? broken
                            : event + QStringLiteral(": ") + broken + QStringLiteral("\n  ") + wholeState(m_state);
}

QString Soak::invariantBroken() const
{
    const PetState &s = m_state;
    if (const QString bad = nonFiniteCell(s); !bad.isEmpty())
        return bad;
    // The 16-bit and 32-bit fields stop at their limits by construction; a
    // level at a limit would mean a result was cut off there. Money may reach
    // its limits through the gamble, which saturates it on purpose.
    for (const qint16 level : {s.satiety.value(), s.sickness.value(), s.dirt.value()}) {
        if (level == std::numeric_limits<qint16>::min() || level == std::numeric_limits<qint16>::max())
            return QStringLiteral("a level was cut off at the 16-bit limit");
    }
    if (!isWhole(s.eggs) || s.eggs < 0)
        return QStringLiteral("eggs %1").arg(s.eggs.value());
    if (!s.eggPrice.isEmpty()) {
        const double price = s.eggPrice;
        if (!isWhole(s.eggPrice) || price < 10 || price > 100 || std::fmod(price, 10) != 0)
            return QStringLiteral("egg price %1").arg(price);
    } else if (m_laid) {
        return QStringLiteral("no egg price after a laying");
    }
    if (!s.timerCount.isEmpty() && (!isWhole(s.timerCount) || s.timerCount < 0 || s.timerCount > 9))
        return QStringLiteral("timer count %1").arg(s.timerCount.value());
    if (!isWhole(s.eggTimer) || s.eggTimer < 0 || s.eggTimer > 10)
        return QStringLiteral("egg timer %1").arg(s.eggTimer.value());
    if (!isWhole(s.generation) || s.generation < 1)
        return QStringLiteral("generation %1").arg(s.generation.value());
    if (!isWhole(s.age) || s.age < 0)
        return QStringLiteral("age %1").arg(s.age.value());
    if (!s.suspended.isEmpty() && s.suspended != 0 && s.suspended != 1)
        return QStringLiteral("suspended %1").arg(s.suspended.value());
    if (!findPetType(s.petType))
        return QStringLiteral("unknown type ") + s.petType;
    if (!s.changeProgress.isEmpty() && (!isWhole(s.changeProgress) || s.changeProgress < 0))
        return QStringLiteral("change progress %1").arg(s.changeProgress.value());
    return QString();
}

} // namespace

class SoakTest : public QObject {
    Q_OBJECT
private slots:
    void manyLivesKeepEveryInvariant();
};

void SoakTest::manyLivesKeepEveryInvariant()
{
    // Save and score files go to a folder of their own, as the game's folder.
    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    const QString previous = QDir::currentPath();
    QDir::setCurrent(folder.path());

    Soak soak(soakSeed);
    const QString broken = soak.play(livesToPlay);
    QDir::setCurrent(previous);
    QVERIFY2(broken.isEmpty(), qPrintable(broken));

    // The soak is only worth its time if it went everywhere.
    QStringList expected{QStringLiteral("laying"),
                         QStringLiteral("type change"),
                         QStringLiteral("sale"),
                         QStringLiteral("pause"),
                         QStringLiteral("save and reload"),
                         QStringLiteral("hatching raised"),
                         QStringLiteral("hatching declined"),
                         QStringLiteral("score file"),
                         QStringLiteral("best egg price"),
                         QStringLiteral("fast-forward toggle"),
                         QStringLiteral("money gamble"),
                         QStringLiteral("accident"),
                         QStringLiteral("room picture"),
                         QStringLiteral("chatter"),
                         QStringLiteral("treatment short of money"),
                         QStringLiteral("cleaning short of money"),
                         QStringLiteral("tantrum 卵を食った!!"),
                         QStringLiteral("tantrum 金を食った!!")};
    for (int i = 0; i < 3; ++i) {
        expected << QStringLiteral("food %1").arg(i) << QStringLiteral("treatment %1").arg(i)
                 << QStringLiteral("cleaning %1").arg(i);
    }
    for (const QString &label : deathLabels)
        expected << QStringLiteral("death of ") + label;
    for (const PetTypeRow &row : petTypes())
        expected << QStringLiteral("type ") + row.name;
    QStringList missing;
    for (const QString &event : std::as_const(expected)) {
        if (soak.seen.value(event) == 0)
            missing << event;
    }
    QVERIFY2(missing.isEmpty(), qPrintable(QStringLiteral("never happened: ") + missing.join(QStringLiteral(", "))));
}

QTEST_GUILESS_MAIN(SoakTest)
#include "test_soak.moc"
