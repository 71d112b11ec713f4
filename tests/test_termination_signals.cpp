// The desktop's termination signals must reach the game on its event loop,
// also while a modal window runs a loop of its own, or a pet is lost at
// logout; and a signal must never run game code inside its handler.

#include "files/save_file.h"
#include "files/session_end.h"
#include "support/main_window_fixture.h"
#include "support/modal.h"
#include "ui/look.h"
#include "ui/termination_requests.h"

#include <QTemporaryDir>
#include <QtTest>

#include <csignal>

using namespace nupel;
using namespace nupel::test;

namespace {

QStringList folderEntries()
{
    return QDir().entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
}

// The disposition a signal has now.
void (*handlerOf(int number))(int)
{
    struct sigaction action = {};
    ::sigaction(number, nullptr, &action);
    return action.sa_handler;
}

constexpr int requestKey = 4321;

} // namespace

class TerminationSignalsTest : public QObject, protected MainWindowFixture {
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();

    void signalsComeAsOneRequestOnTheEventLoop_data();
    void signalsComeAsOneRequestOnTheEventLoop();
    void requestSavesThePetWhileAModalWindowIsOpen_data();
    void requestSavesThePetWhileAModalWindowIsOpen();
    void sessionManagersOrderToQuitIsARequest();
    void signalDuringAnAnswerDoesNotInterruptIt();
    void signalsGetTheirDefaultHandlingBack();

private:
    // Lets the event loop run until the game has answered a request.
    void waitForTheEnd();

    std::unique_ptr<QTemporaryDir> m_folder;
    QString m_previousFolder;
};

void TerminationSignalsTest::initTestCase()
{
    installGameLook();
}

void TerminationSignalsTest::init()
{
    openMainWindow();
    // The pictures are read by now; the files the game writes go elsewhere.
    m_folder = std::make_unique<QTemporaryDir>();
    QVERIFY(m_folder->isValid());
    m_previousFolder = QDir::currentPath();
    QDir::setCurrent(m_folder->path());
}

void TerminationSignalsTest::cleanup()
{
    closeMainWindow();
    QDir::setCurrent(m_previousFolder);
    m_folder.reset();
    verifyCleanEnd(&m_random);
}

void TerminationSignalsTest::waitForTheEnd()
{
    QTRY_COMPARE(m_platform.ended, 1);
}

void TerminationSignalsTest::signalsComeAsOneRequestOnTheEventLoop_data()
{
    QTest::addColumn<int>("number");
    QTest::newRow("SIGTERM") << SIGTERM;
    QTest::newRow("SIGHUP") << SIGHUP;
    QTest::newRow("SIGINT") << SIGINT;
}

// A handler that answered at once would run the save inside the signal; a
// request per signal would save twice.
void TerminationSignalsTest::signalsComeAsOneRequestOnTheEventLoop()
{
    QFETCH(int, number);
    TerminationRequests requests;
    int answered = 0;
    connect(&requests, &TerminationRequests::requested, this, [&] { ++answered; });

    QCOMPARE(std::raise(number), 0);
    QCOMPARE(std::raise(number), 0);
    QCOMPARE(answered, 0);
    QTRY_COMPARE(answered, 1);
    for (int turn = 0; turn < 10; ++turn)
        QCoreApplication::processEvents();
    QCOMPARE(answered, 1);
}

void TerminationSignalsTest::requestSavesThePetWhileAModalWindowIsOpen_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("modal");
    QTest::newRow("feeding dialog") << "Command1"
                                    << "frmGiveEsa";
    QTest::newRow("doctor dialog") << "Command2"
                                   << "frmMedical";
    QTest::newRow("cleaning dialog") << "Command3"
                                     << "frmClean";
    QTest::newRow("egg market") << "Command4"
                                << "frmBuyEgg";
    QTest::newRow("quit dialog") << "Command6"
                                 << "frmEnding";
    QTest::newRow("paused, nothing open") << "Command5"
                                          << "";
}

// The modal windows run loops of their own: the request must be answered
// from inside them, with the pet as it stands.
void TerminationSignalsTest::requestSavesThePetWhileAModalWindowIsOpen()
{
    QFETCH(QString, button);
    QFETCH(QString, modal);
    TerminationRequests requests;
    connect(&requests, &TerminationRequests::requested, this,
            [&] { answerTerminationRequest(m_state, m_random, m_platform); });
    m_state.satiety = 150;
    m_state.eggs = 7;
    m_random.script({fractionFor(requestKey, 10000)});
    const QByteArray expected = formatSaveRecord(m_state, requestKey).value_or("<not writable>");

    QString seen;
    if (!modal.isEmpty()) {
        whenModalOpens([&](QWidget *dialog) {
            seen = dialog->objectName();
            std::raise(SIGTERM);
            waitForTheEnd();
            // The fake platform returns where the program would have ended.
            dialog->close();
        });
    }
    control<QPushButton>(qPrintable(button))->click();
    if (modal.isEmpty()) {
        QCOMPARE(m_state.suspended.value(), 1.0);
        std::raise(SIGTERM);
        waitForTheEnd();
    }
    QCOMPARE(seen, modal);
    QCOMPARE(m_platform.ended, 1);
    QCOMPARE(m_platform.failures, QStringList());

    const QString fileName = QStringLiteral("もも.npw");
    QCOMPARE(folderEntries(), QStringList{fileName});
    QFile file(fileName);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), expected);
}

// The session manager's last word is an order to quit: left to the
// application, it would end the run without a save.
void TerminationSignalsTest::sessionManagersOrderToQuitIsARequest()
{
    TerminationRequests requests;
    connect(&requests, &TerminationRequests::requested, this,
            [&] { answerTerminationRequest(m_state, m_random, m_platform); });
    m_random.script({fractionFor(requestKey, 10000)});
    QEvent quit(QEvent::Quit);
    QCoreApplication::sendEvent(QCoreApplication::instance(), &quit);
    QCOMPARE(m_platform.ended, 1);
    QCOMPARE(folderEntries(), QStringList{QStringLiteral("もも.npw")});

    // A window's events are not taken for one.
    QEvent windowQuit(QEvent::Quit);
    QCoreApplication::sendEvent(m_window.get(), &windowQuit);
    QCOMPARE(m_platform.ended, 1);
}

// Answering takes a while; a second signal meanwhile must not start a
// second answer inside the first.
void TerminationSignalsTest::signalDuringAnAnswerDoesNotInterruptIt()
{
    TerminationRequests requests;
    int answering = 0;
    int deepest = 0;
    connect(&requests, &TerminationRequests::requested, this, [&] {
        ++answering;
        deepest = std::max(deepest, answering);
        if (answering == 1) {
            std::raise(SIGHUP);
            for (int turn = 0; turn < 20; ++turn)
                QCoreApplication::processEvents();
            m_random.script({fractionFor(requestKey, 10000)});
            answerTerminationRequest(m_state, m_random, m_platform);
        }
        --answering;
    });
    std::raise(SIGTERM);
    waitForTheEnd();
    QCOMPARE(deepest, 1);
    QCOMPARE(folderEntries(), QStringList{QStringLiteral("もも.npw")});
}

// Left installed, the handler would keep a process that no longer reads the
// pipe from ending when told to.
void TerminationSignalsTest::signalsGetTheirDefaultHandlingBack()
{
    {
        TerminationRequests requests;
        for (const int number : {SIGTERM, SIGHUP, SIGINT})
            QVERIFY(handlerOf(number) != SIG_DFL);
    }
    for (const int number : {SIGTERM, SIGHUP, SIGINT})
        QVERIFY(handlerOf(number) == SIG_DFL);
}

QTEST_MAIN(TerminationSignalsTest)
#include "test_termination_signals.moc"
