// When the desktop asks the game to end (logout, shutdown, a polite kill), a
// living pet must be saved exactly as "Ｓａｖｅ" saves it, wherever the game
// stands, and nothing may be written while no pet lives.

#include "care/care_visits.h"
#include "files/save_file.h"
#include "files/session_end.h"
#include "life/death.h"
#include "life/hatching.h"
#include "play/running.h"
#include "play/tick.h"
#include "support/fake_platform.h"
#include "support/recording_view.h"
#include "support/scripted_random.h"

#include <QTemporaryDir>
#include <QtTest>

#include <memory>

using namespace nupel;
using namespace nupel::test;

namespace {

enum class Scene {
    OpeningScreen,
    NameEntry,
    MainWindowRunning,
    Paused,
    FeedingDialog,
    DoctorDialog,
    CleaningDialog,
    Market,
    QuitDialog,
    LayingNoticeOpen,
    DeathScreen,
    HatchingWindow,
    HatchlingPlaying,
};

const QString petName = QStringLiteral("もも");
constexpr int requestKey = 4321;

// Draws of one tick that neither changes the type nor throws a tantrum.
const std::initializer_list<double> quietTick = {fractionFor(2, 5), 0.9, 0.9};

QStringList folderEntries()
{
    return QDir().entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
}

QByteArray fileBytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

// The figures a player checks after loading, and the levels behind the faces.
QString figures(const PetState &state)
{
    return QStringList{state.petName,         state.petType,          state.generation.print(),
                       state.age.print(),     state.money.print(),    state.eggs.print(),
                       state.satiety.print(), state.sickness.print(), state.dirt.print()}
        .join(QLatin1Char('|'));
}

} // namespace

Q_DECLARE_METATYPE(Scene)

class TerminationRequestTest : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void livingPetIsSavedWhereverTheGameStands_data();
    void livingPetIsSavedWhereverTheGameStands();
    void failedSaveEndsWithFailureAndLeavesNothingBehind();

private:
    // Opens the main window on a new game.
    void startGame();
    // Ten timer events: one step with a direction draw, then a quiet tick.
    void playOneSecond();
    // Brings the game to `scene` and asks it to end there. Returns the state
    // as it stood at the request.
    PetState requestAt(Scene scene);
    void answer() { answerTerminationRequest(m_state, m_random, m_platform); }

    std::unique_ptr<QTemporaryDir> m_folder;
    QString m_previousFolder;
    PetState m_state;
    ScriptedRandom m_random;
    RecordingView m_view;
    FakePlatform m_platform;
};

void TerminationRequestTest::init()
{
    m_folder = std::make_unique<QTemporaryDir>();
    QVERIFY(m_folder->isValid());
    m_previousFolder = QDir::currentPath();
    QDir::setCurrent(m_folder->path());
    m_state = PetState();
    m_random = ScriptedRandom();
    m_view = RecordingView();
    m_platform = FakePlatform();
}

void TerminationRequestTest::cleanup()
{
    QDir::setCurrent(m_previousFolder);
    m_folder.reset();
}

void TerminationRequestTest::startGame()
{
    m_state.setNewGameValues();
    m_state.petName = petName;
    startPlay(m_state, m_view);
}

void TerminationRequestTest::playOneSecond()
{
    m_random.script({fractionFor(1, 4)});
    m_random.script(quietTick);
    for (int event = 0; event < 10; ++event)
        mainTimerEvent(m_state, m_random, m_view, m_platform);
}

PetState TerminationRequestTest::requestAt(Scene scene)
{
    m_state.setNewGameValues();
    if (scene == Scene::OpeningScreen || scene == Scene::NameEntry) {
        // A name in the state alone is no pet.
        if (scene == Scene::NameEntry)
            m_state.petName = petName;
        m_random.script({fractionFor(requestKey, 10000)});
        answer();
        return m_state;
    }

    startGame();
    playOneSecond();
    switch (scene) {
    case Scene::Paused: m_state.suspended = 1; break;
    case Scene::FeedingDialog:
    case Scene::DoctorDialog:
    case Scene::CleaningDialog: suspendForCare(m_state); break;
    case Scene::Market:
        suspendForCare(m_state);
        m_state.eggs = 12;
        m_state.eggsToSell = 5;
        break;
    case Scene::QuitDialog:
        m_state.suspended = 1;
        m_view.hideWindow();
        break;
    case Scene::LayingNoticeOpen: {
        // The request comes while the laying's notice is up: the eggs are
        // laid and priced, the birthday is still to come.
        m_state.eggTimer = 9;
        m_state.skipLifespanCheck = 1;
        m_random.script(quietTick);
        m_random.script({fractionFor(6, 10), fractionFor(3, 10)});
        PetState atRequest;
        m_platform.onNotice = [&](const Notice &) {
            atRequest = m_state;
            m_random.script({fractionFor(requestKey, 10000)});
            answer();
        };
        simulationTick(m_state, m_random, m_view, m_platform);
        return atRequest;
    }
    case Scene::DeathScreen:
        m_state.dirt = 101;
        m_random.script({fractionFor(1, 4)});
        for (int event = 0; event < 10; ++event)
            mainTimerEvent(m_state, m_random, m_view, m_platform);
        break;
    case Scene::HatchingWindow:
    case Scene::HatchlingPlaying:
        // Death of old age at the birthday, then the first egg hatches.
        m_state.age = 50;
        m_state.eggTimer = 9;
        m_random.script(quietTick);
        m_random.script({fractionFor(6, 10), fractionFor(3, 10), 0, 0, 0, 0, 0});
        simulationTick(m_state, m_random, m_view, m_platform);
        m_random.script({fractionFor(5, 10)});
        if (!hatchingDraw(m_state, m_random))
            qFatal("no egg hatched");
        if (scene == Scene::HatchlingPlaying) {
            raiseHatchling(m_state);
            m_view.showWindow();
            playOneSecond();
        }
        break;
    default: break;
    }
    m_random.script({fractionFor(requestKey, 10000)});
    const PetState atRequest = m_state;
    answer();
    return atRequest;
}

void TerminationRequestTest::livingPetIsSavedWhereverTheGameStands_data()
{
    QTest::addColumn<Scene>("scene");
    QTest::addColumn<bool>("saves");
    QTest::addColumn<int>("generation");
    QTest::newRow("opening screen") << Scene::OpeningScreen << false << 0;
    QTest::newRow("name entry") << Scene::NameEntry << false << 0;
    QTest::newRow("main window running") << Scene::MainWindowRunning << true << 1;
    QTest::newRow("paused") << Scene::Paused << true << 1;
    QTest::newRow("feeding dialog open") << Scene::FeedingDialog << true << 1;
    QTest::newRow("doctor dialog open") << Scene::DoctorDialog << true << 1;
    QTest::newRow("cleaning dialog open") << Scene::CleaningDialog << true << 1;
    QTest::newRow("egg market open") << Scene::Market << true << 1;
    QTest::newRow("quit dialog open") << Scene::QuitDialog << true << 1;
    QTest::newRow("laying notice open") << Scene::LayingNoticeOpen << true << 1;
    QTest::newRow("death screen") << Scene::DeathScreen << false << 0;
    QTest::newRow("hatching window") << Scene::HatchingWindow << false << 0;
    QTest::newRow("hatchling in the main window") << Scene::HatchlingPlaying << true << 2;
}

// A wrong decision loses a pet or writes a dead one; a wrong record loads a
// different pet or one that stays paused.
void TerminationRequestTest::livingPetIsSavedWhereverTheGameStands()
{
    QFETCH(Scene, scene);
    QFETCH(bool, saves);
    QFETCH(int, generation);
    const PetState atRequest = requestAt(scene);

    QCOMPARE(m_platform.ended, 1);
    QCOMPARE(m_platform.failures, QStringList());
    QCOMPARE(m_platform.beeps, 0);
    // The key is offered at every request; without a pet it is not drawn.
    QCOMPARE(m_random.remaining(), std::size_t(saves ? 0 : 1));
    if (!saves) {
        QCOMPARE(folderEntries(), QStringList());
        return;
    }

    // The bytes "Ｓａｖｅ" writes, with the key drawn at the request.
    const QString fileName = petName + QStringLiteral(".npw");
    QCOMPARE(folderEntries(), QStringList{fileName});
    const QByteArray bytes = fileBytes(fileName);
    QCOMPARE(bytes, formatSaveRecord(atRequest, requestKey).value_or("<not writable>"));

    const std::optional<SaveRecord> record = parseSaveRecord(bytes);
    QVERIFY(record);
    QCOMPARE(int(record->scrambleKey), requestKey);
    PetState loaded;
    loaded.setNewGameValues();
    restoreSavedFields(*record, loaded);
    QCOMPARE(figures(loaded), figures(atRequest));
    QCOMPARE(loaded.generation.value(), double(generation));
    QCOMPARE(loaded.eggPrice.print(), atRequest.eggPrice.print());
    QCOMPARE(loaded.changeProgress.print(), atRequest.changeProgress.print());

    // The pause is not in the file: the loaded pet lives on at once.
    RecordingView view;
    FakePlatform platform;
    ScriptedRandom random{fractionFor(1, 4)};
    random.script(quietTick);
    startPlay(loaded, view);
    for (int event = 0; event < 10; ++event)
        mainTimerEvent(loaded, random, view, platform);
    QCOMPARE(random.remaining(), std::size_t(0));
    QCOMPARE(int(loaded.satiety), int(atRequest.satiety) - int(atRequest.hungerRate.value()));
}

// A save that cannot be made must not pass for one: the program ends with a
// failure status and the reason, and no half-written file stays behind.
void TerminationRequestTest::failedSaveEndsWithFailureAndLeavesNothingBehind()
{
    startGame();
    playOneSecond();
    // Something that is not a save stands where the save would go.
    const QString fileName = petName + QStringLiteral(".npw");
    QVERIFY(QDir().mkdir(fileName));
    m_random.script({fractionFor(requestKey, 10000)});
    answer();

    QCOMPARE(m_platform.ended, 1);
    QCOMPARE(m_platform.failures.size(), 1);
    QVERIFY2(m_platform.failures[0].contains(fileName), qPrintable(m_platform.failures[0]));
    QCOMPARE(m_platform.notices.size(), 0);
    QCOMPARE(folderEntries(), QStringList{fileName});
    QVERIFY(QFileInfo(fileName).isDir());
}

QTEST_MAIN(TerminationRequestTest)
#include "test_termination_request.moc"
