// What the game does when its files let it down, each case played end to end
// through the real windows from the opening screen: a folder that refuses the
// save, a disk that fills part-way through a save (from the quit dialog and
// at a termination request from the desktop), every picture missing in
// turn, damaged save files, a score file that cannot be written, and names
// that no file may carry.
//
// Running as root, permission bits alone do not stop a write. The read-only
// folder therefore also switches the file-system user of this thread to
// "nobody" (setfsuid) while the fault lasts, so the kernel refuses the write
// as it would for a player. A full disk is the kernel's file-size limit
// (RLIMIT_FSIZE) set below the size of a save record: writes stop part-way,
// as they do when the disk fills.

#include "files/record.h"
#include "files/save_file.h"
#include "files/session_end.h"
#include "life/pet_types.h"
#include "support/fake_platform.h"
#include "support/modal.h"
#include "support/read_only_folder.h"
#include "ui/Form10.h"
#include "ui/frmDie.h"
#include "ui/frmEnding.h"
#include "ui/frmInputName.h"
#include "ui/frmMain.h"
#include "ui/frmOpening.h"
#include "ui/look.h"
#include "ui/termination_requests.h"

#include <QClipboard>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QtTest>

#include <csignal>
#include <cstdio>
#include <sys/resource.h>
#include <unistd.h>

using namespace nupel;
using namespace nupel::test;

namespace {

constexpr quint64 runSeed = 99;
const QString badName = QStringLiteral("ファイル名として不適当な名前をつけることはできません。");

// The game's pictures, as the build lays them beside the program.
QStringList pictureFiles(const QString &folder)
{
    return QDir(folder).entryList({QStringLiteral("*.ico"), QStringLiteral("*.bmp")}, QDir::Files, QDir::Name);
}

template <typename Window>
Window *shownWindow()
{
    for (QWidget *widget : QApplication::topLevelWidgets()) {
        if (auto *window = qobject_cast<Window *>(widget); window && window->isVisible())
            return window;
    }
    return nullptr;
}

QPushButton *buttonOf(QWidget *window, const char *name)
{
    return window->findChild<QPushButton *>(QLatin1String(name));
}

QString captionOf(QWidget *window, const char *name)
{
    return window->findChild<QLabel *>(QLatin1String(name))->text();
}

QByteArray fileBytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

void writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size())
        qFatal("cannot write %s", qPrintable(path));
}

// The saved fields of the state, as a save with a fixed key writes them.
QByteArray savedFields(const PetState &state)
{
    return formatSaveRecord(state, 1234).value_or("<not writable>");
}

// "Ｓａｖｅ" in the quit dialog. The program would end there; the fake
// platform returns, so the dialog is closed to let the test go on.
void saveAndQuit(QWidget *dialog)
{
    buttonOf(dialog, "Command1")->click();
    if (dialog->isVisible())
        dialog->close();
}

// Types text into a box one character at a time, as the keyboard would.
void type(QWidget *box, const QString &text)
{
    for (const QChar c : text) {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(c));
        QApplication::sendEvent(box, &press);
    }
}

// One run of the program in a folder of its own holding the pictures (all
// but `missing`), from the opening screen on. The folder is the working
// directory while the run lasts.
class GameRun {
public:
    explicit GameRun(const QString &missing = QString()) : m_previous(QDir::currentPath())
    {
        for (const QString &picture : pictureFiles(m_previous)) {
            if (picture != missing)
                QFile::copy(m_previous + QLatin1Char('/') + picture, m_folder.filePath(picture));
        }
        // Readable and searchable by others: the read-only fault looks at the
        // folder as another user.
        QFile::setPermissions(m_folder.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner | QFile::ReadGroup
                                                   | QFile::ExeGroup | QFile::ReadOther | QFile::ExeOther);
        QDir::setCurrent(m_folder.path());
    }

    ~GameRun()
    {
        for (QWidget *widget : QApplication::topLevelWidgets()) {
            if (qobject_cast<frmOpening *>(widget) || qobject_cast<frmInputName *>(widget)
                || qobject_cast<frmMain *>(widget) || qobject_cast<frmDie *>(widget) || qobject_cast<Form10 *>(widget))
                delete widget;
        }
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QDir::setCurrent(m_previous);
    }

    QString path() const { return m_folder.path(); }

    // Files in the folder other than the pictures.
    QStringList gameFiles() const
    {
        QStringList files = QDir().entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
        for (const QString &picture : pictureFiles(m_previous))
            files.removeAll(picture);
        return files;
    }

    // The opening screen, then "Push to start": the name entry is shown.
    frmInputName *openNameEntry()
    {
        auto *opening = new frmOpening(state, random, platform);
        opening->Form_Load();
        opening->show();
        // The same draws in every run of the test.
        random.seed(runSeed);
        for (int second = 0; second < 4; ++second)
            opening->Timer1_Timer();
        opening->command1_click();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        return shownWindow<frmInputName>();
    }

    // Names a new pet; the main window is shown when the name was taken.
    frmMain *startNewGame(const QString &name)
    {
        frmInputName *entry = openNameEntry();
        if (!entry)
            return nullptr;
        auto *box = entry->findChild<QLineEdit *>(QStringLiteral("Text1"));
        type(box, name);
        QTest::keyClick(box, Qt::Key_Return);
        return shownWindow<frmMain>();
    }

    // A new pet named pochi, played for three and a half seconds.
    frmMain *playPochi()
    {
        frmMain *window = startNewGame(QStringLiteral("pochi"));
        if (window)
            timerEvents(window, 35);
        return window;
    }

    // Timer events of the main window, as its timer would deliver them.
    static void timerEvents(frmMain *window, int count)
    {
        for (int i = 0; i < count; ++i)
            window->Timer1_Timer();
    }

    PetState state;
    ClockRandom random;
    FakePlatform platform;

private:
    QString m_previous;
    QTemporaryDir m_folder;
};

// While it lasts, no file of the process grows beyond `bytes`: a write that
// would take it further stops part-way and fails, as on a full disk.
class DiskFull {
public:
    explicit DiskFull(rlim_t bytes)
    {
        ::getrlimit(RLIMIT_FSIZE, &m_limit);
        m_handler = std::signal(SIGXFSZ, SIG_IGN);
        const rlimit full{bytes, m_limit.rlim_max};
        ::setrlimit(RLIMIT_FSIZE, &full);
    }
    ~DiskFull()
    {
        ::setrlimit(RLIMIT_FSIZE, &m_limit);
        std::signal(SIGXFSZ, m_handler);
    }

private:
    rlimit m_limit{};
    void (*m_handler)(int) = nullptr;
};

enum class Fault { ReadOnlyFolder, DiskFull };

// Room for a few bytes of a record, never a whole one.
constexpr rlim_t bytesBeforeTheDiskFills = 12;

// While it lasts, the run's folder refuses what is written to it: it is
// read-only, or the disk fills after `bytesLeft` more bytes of a file.
class FolderFault {
public:
    FolderFault(Fault fault, const QString &folder, rlim_t bytesLeft = bytesBeforeTheDiskFills)
    {
        if (fault == Fault::ReadOnlyFolder)
            m_readOnly.emplace(folder);
        else
            m_diskFull.emplace(bytesLeft);
    }

    // Whether the fault really holds.
    bool holds() const { return !m_readOnly || m_readOnly->holds(); }

private:
    std::optional<ReadOnlyFolder> m_readOnly;
    std::optional<DiskFull> m_diskFull;
};

// Writes an older save of a pet named like `state`'s, with other money, and
// returns its bytes.
QByteArray layOlderSave(const PetState &state)
{
    PetState older = state;
    older.money = 777;
    const QByteArray bytes = *formatSaveRecord(older, 42);
    writeFile(saveFileName(state.petName), bytes);
    return bytes;
}

// Captures what the program writes to its standard error while it lasts.
class StderrCapture {
public:
    StderrCapture()
    {
        std::fflush(stderr);
        m_saved = ::dup(STDERR_FILENO);
        m_file.open();
        ::dup2(m_file.handle(), STDERR_FILENO);
    }
    ~StderrCapture() { restore(); }

    QString text()
    {
        restore();
        QFile file(m_file.fileName());
        return file.open(QIODevice::ReadOnly) ? QString::fromLocal8Bit(file.readAll()) : QString();
    }

private:
    void restore()
    {
        if (m_saved < 0)
            return;
        std::fflush(stderr);
        ::dup2(m_saved, STDERR_FILENO);
        ::close(m_saved);
        m_saved = -1;
    }

    QTemporaryFile m_file;
    int m_saved = -1;
};

} // namespace

Q_DECLARE_METATYPE(Fault)

// Each fault as a row of a test.
static void addFaultRows()
{
    QTest::addColumn<Fault>("fault");
    QTest::addColumn<QString>("reason");
    // The disk is made to fill by a limit on the file's size, which the
    // system reports as a file grown too large.
    QTest::newRow("working folder read-only")
        << Fault::ReadOnlyFolder << QStringLiteral("書き込みが許可されていません");
    QTest::newRow("disk full part-way through") << Fault::DiskFull << QStringLiteral("ファイルが大きすぎて書けません");
}

class FaultMatrixTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanup();

    void failedSaveKeepsGameAndOlderSave_data();
    void failedSaveKeepsGameAndOlderSave();
    void failedSaveAtTerminationEndsWithFailureAndKeepsOlderSave_data();
    void failedSaveAtTerminationEndsWithFailureAndKeepsOlderSave();
    void gamePlaysWithAnyOnePictureMissing_data();
    void gamePlaysWithAnyOnePictureMissing();
    void damagedSaveFileIsRefusedAndLeftAlone_data();
    void damagedSaveFileIsRefusedAndLeftAlone();
    void unwritableScoreFileIsReportedAndOlderScoresKept_data();
    void unwritableScoreFileIsReportedAndOlderScoresKept();
    void namesNoFileMayCarryAreRefused_data();
    void namesNoFileMayCarryAreRefused();
    void charactersOutsideCodePage932NeverReachTheName_data();
    void charactersOutsideCodePage932NeverReachTheName();
};

void FaultMatrixTest::initTestCase()
{
    installGameLook();
    QVERIFY2(pictureFiles(QDir::currentPath()).size() >= 20, "the tests run beside the game's pictures");
}

void FaultMatrixTest::cleanup()
{
    verifyCleanEnd();
}

void FaultMatrixTest::failedSaveKeepsGameAndOlderSave_data()
{
    addFaultRows();
}

void FaultMatrixTest::failedSaveKeepsGameAndOlderSave()
{
    QFETCH(Fault, fault);
    QFETCH(QString, reason);
    GameRun run;
    frmMain *window = run.playPochi();
    QVERIFY(window);

    // An older save of a pet of the same name lies in the folder.
    const QByteArray olderSave = layOlderSave(run.state);
    const QByteArray before = savedFields(run.state);

    bool faultHeld = true;
    QString noticeWhileOpen;
    whenModalOpens([&](QWidget *dialog) {
        {
            const FolderFault folderFault(fault, run.path());
            faultHeld = folderFault.holds();
            buttonOf(dialog, "Command1")->click(); // "Ｓａｖｅ"
        }
        // The save failed: the dialog is still there to go back to the game.
        noticeWhileOpen = dialog->isVisible() ? QStringLiteral("open") : QStringLiteral("closed");
        buttonOf(dialog, "Command2")->click(); // "Ｃａｎｃｅｌ"
    });
    buttonOf(window, "Command6")->click(); // "Push to End"
    QVERIFY2(faultHeld, "the folder could still be written");

    QCOMPARE(noticeWhileOpen, QStringLiteral("open"));
    QCOMPARE(run.platform.notices.size(), 1);
    // The player is told which file failed and why, in Japanese.
    QVERIFY2(run.platform.notices[0].text.contains(QStringLiteral("pochi.npw"))
                 && run.platform.notices[0].text.contains(reason),
             qPrintable(run.platform.notices[0].text));
    QCOMPARE(run.platform.notices[0].title, programTitle);
    QCOMPARE(run.platform.ended, 0);
    QCOMPARE(run.platform.beeps, 1); // "Push to End" only: no save was made

    // The older save and the game are as they were; nothing else was left.
    QCOMPARE(fileBytes(QStringLiteral("pochi.npw")), olderSave);
    QCOMPARE(run.gameFiles(), QStringList{QStringLiteral("pochi.npw")});
    QCOMPARE(savedFields(run.state), before);
    QVERIFY(window->isVisible());
    QCOMPARE(run.state.suspended.value(), 0.0);
    const double age = run.state.age;
    GameRun::timerEvents(window, 100);
    QCOMPARE(run.state.age.value(), age + 1);

    // Once the fault is gone the same game saves as usual.
    const QByteArray playing = savedFields(run.state);
    whenModalOpens(saveAndQuit);
    buttonOf(window, "Command6")->click();
    QCOMPARE(run.platform.ended, 1);
    PetState loaded;
    loaded.setNewGameValues();
    QVERIFY(loadSaveFile(QStringLiteral("pochi.npw"), loaded));
    QCOMPARE(savedFields(loaded), playing);
}

void FaultMatrixTest::failedSaveAtTerminationEndsWithFailureAndKeepsOlderSave_data()
{
    addFaultRows();
}

// At logout nobody can be asked: a save that fails must say so on the way
// out, with a failure status, and must not cost the older save.
void FaultMatrixTest::failedSaveAtTerminationEndsWithFailureAndKeepsOlderSave()
{
    QFETCH(Fault, fault);
    QFETCH(QString, reason);
    GameRun run;
    frmMain *window = run.playPochi();
    QVERIFY(window);
    const QByteArray olderSave = layOlderSave(run.state);

    TerminationRequests requests;
    connect(&requests, &TerminationRequests::requested, this,
            [&] { answerTerminationRequest(run.state, run.random, run.platform); });
    bool faultHeld = true;
    {
        const FolderFault folderFault(fault, run.path());
        faultHeld = folderFault.holds();
        std::raise(SIGTERM);
        QTRY_COMPARE(run.platform.ended, 1);
    }
    QVERIFY2(faultHeld, "the folder could still be written");

    QCOMPARE(run.platform.failures.size(), 1);
    QVERIFY2(run.platform.failures[0].contains(QStringLiteral("pochi.npw"))
                 && run.platform.failures[0].contains(reason),
             qPrintable(run.platform.failures[0]));
    QCOMPARE(run.platform.notices.size(), 0);
    QCOMPARE(fileBytes(QStringLiteral("pochi.npw")), olderSave);
    QCOMPARE(run.gameFiles(), QStringList{QStringLiteral("pochi.npw")});
}

void FaultMatrixTest::gamePlaysWithAnyOnePictureMissing_data()
{
    QTest::addColumn<QString>("missing");
    for (const QString &picture : pictureFiles(QDir::currentPath()))
        QTest::newRow(qPrintable(picture)) << picture;
}

void FaultMatrixTest::gamePlaysWithAnyOnePictureMissing()
{
    QFETCH(QString, missing);
    StderrCapture warnings;
    {
        GameRun run(missing);
        frmMain *window = run.startNewGame(QStringLiteral("pochi"));
        QVERIFY(window);

        // Every picture of the game is called for: the rooms, each face, each
        // type's icon, and at last the grave.
        for (int click = 0; click < 3; ++click)
            window->Picture1_Click();
        for (const int satiety : {222, 172, 102, 32}) {
            run.state.satiety = satiety;
            for (const int level : {10, 40, 70, 90}) {
                run.state.sickness = level;
                run.state.dirt = level;
                GameRun::timerEvents(window, 10);
            }
        }
        for (const PetTypeRow &row : petTypes()) {
            run.state.petType = row.name;
            showTypeIcon(run.state, *window);
        }
        QVERIFY(run.state.age >= 1);
        QCOMPARE(captionOf(window, "Label1"), QStringLiteral("pochi"));

        run.state.satiety = 1;
        run.state.dirt = 0;
        run.state.sickness = 0;
        GameRun::timerEvents(window, 10);
        frmDie *grave = shownWindow<frmDie>();
        QVERIFY(grave);
        QVERIFY(!window->isVisible());
        run.platform.answers = {NoticeAnswer::No};
        buttonOf(grave, "Command1")->click(); // "埋葬"
        QCOMPARE(run.platform.ended, 1);
    }
    // The "@2x" and "@3x" companions of a bitmap are read only for screens
    // of those ratios: on this one their loss goes unnoticed.
    const bool readAtThisScale = !missing.contains(QLatin1Char('@'));
    const QStringList lines = warnings.text().split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    QCOMPARE(lines.filter(QStringLiteral("cannot read the picture")),
             readAtThisScale ? QStringList{QStringLiteral("nupel: cannot read the picture ") + missing}
                             : QStringList{});
}

void FaultMatrixTest::damagedSaveFileIsRefusedAndLeftAlone_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<bool>("loads");

    QByteArray name;
    encodeCodePage932(QStringLiteral("\"もも\""), name);
    const QByteArray rest = ",1042,1238,1238,7,9154,\"Normal\",1,1234,10,1,1,1,2,,1234,0,1234";
    const QList<QByteArray> fields = (name + rest).split(',');
    QTest::newRow("intact, for comparison") << name + rest + "\r\n" << true;
    QTest::newRow("empty") << QByteArray() << false;
    QTest::newRow("all zero bytes") << QByteArray(200, '\0') << false;
    QTest::newRow("truncated after the tenth field") << fields.mid(0, 10).join(',') << false;
    QTest::newRow("truncated before the key") << fields.mid(0, 17).join(',') + "\r\n" << false;
    QTest::newRow("satiety out of range") << name + QByteArray(rest).replace(",1042,", ",40000,") + "\r\n" << false;
    QTest::newRow("money out of range") << name + QByteArray(rest).replace(",9154,", ",9999999999,") + "\r\n" << false;
    QTest::newRow("not code page 932") << "\"\x82\xff\xfd\"" + rest + "\r\n" << false;
    QTest::newRow("cut in a double-byte character") << name + rest + "\x82" << false;
}

void FaultMatrixTest::damagedSaveFileIsRefusedAndLeftAlone()
{
    QFETCH(QByteArray, bytes);
    QFETCH(bool, loads);
    GameRun run;
    const QString path = run.path() + QStringLiteral("/damaged.npw");
    writeFile(path, bytes);
    frmInputName *entry = run.openNameEntry();
    QVERIFY(entry);
    const QByteArray startUp = savedFields(run.state);

    run.platform.chosenFiles = {path};
    buttonOf(entry, "Command2")->click(); // "Ｌｏａｄ"
    QCOMPARE(run.platform.notices.size(), 0);
    if (loads) {
        frmMain *window = shownWindow<frmMain>();
        QVERIFY(window);
        QVERIFY(!QFile::exists(path));
        QCOMPARE(captionOf(window, "Label1"), QStringLiteral("もも"));
        QCOMPARE(run.state.money.value(), 10000);
        return;
    }
    // Silently refused: the file stays as it was, and so does the game.
    QCOMPARE(fileBytes(path), bytes);
    QCOMPARE(savedFields(run.state), startUp);
    QVERIFY(!shownWindow<frmMain>());
    QCOMPARE(shownWindow<frmInputName>(), entry);

    // The player names a new pet instead.
    auto *box = entry->findChild<QLineEdit *>(QStringLiteral("Text1"));
    type(box, QStringLiteral("tama"));
    QTest::keyClick(box, Qt::Key_Return);
    frmMain *window = shownWindow<frmMain>();
    QVERIFY(window);
    QCOMPARE(captionOf(window, "Label1"), QStringLiteral("tama"));
    QCOMPARE(run.state.money.value(), 10000);
}

void FaultMatrixTest::unwritableScoreFileIsReportedAndOlderScoresKept_data()
{
    addFaultRows();
}

void FaultMatrixTest::unwritableScoreFileIsReportedAndOlderScoresKept()
{
    QFETCH(Fault, fault);
    QFETCH(QString, reason);
    GameRun run;
    frmMain *window = run.startNewGame(QStringLiteral("pochi"));
    QVERIFY(window);
    const QByteArray olderScores = "\"pochi\",3173,\"Normal\",\"\x8e\xf5\x96\xbd\",4323,4327,4321\r\n";
    writeFile(QStringLiteral("pochi.nps"), olderScores);

    // The pet starves at the next tick; the death screen comes up.
    run.state.satiety = 1;
    GameRun::timerEvents(window, 10);
    frmDie *grave = shownWindow<frmDie>();
    QVERIFY(grave);

    run.platform.answers = {NoticeAnswer::Yes};
    bool faultHeld = true;
    {
        // Appending to a file that exists makes no new file: the file itself
        // refuses to be written too.
        if (fault == Fault::ReadOnlyFolder)
            QFile::setPermissions(QStringLiteral("pochi.nps"), QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther);
        const FolderFault folderFault(fault, run.path(), olderScores.size() + bytesBeforeTheDiskFills);
        faultHeld = folderFault.holds();
        buttonOf(grave, "Command1")->click(); // "埋葬"
    }
    QVERIFY2(faultHeld, "the folder could still be written");

    QStringList texts;
    for (const Notice &notice : std::as_const(run.platform.notices))
        texts << notice.text;
    QCOMPARE(texts.size(), 3);
    QCOMPARE(texts[0], QStringLiteral("Ｇａｍｅ　Ｏｖｅｒ"));
    QCOMPARE(texts[1], QStringLiteral("スコアファイルを作成しますか？"));
    QVERIFY2(texts[2].contains(QStringLiteral("pochi.nps")) && texts[2].contains(reason)
                 && !texts[2].contains(QStringLiteral("を作成しました。")),
             qPrintable(texts[2]));
    QCOMPARE(run.platform.ended, 1);
    QCOMPARE(fileBytes(QStringLiteral("pochi.nps")), olderScores);
    QCOMPARE(run.gameFiles(), QStringList{QStringLiteral("pochi.nps")});
}

void FaultMatrixTest::namesNoFileMayCarryAreRefused_data()
{
    QTest::addColumn<QString>("name");
    for (const QChar c : QStringLiteral("\"*?<>|/\\:"))
        QTest::newRow(qPrintable(QStringLiteral("with ") + c)) << QStringLiteral("po") + c + QStringLiteral("chi");
    QTest::newRow("only a colon") << QStringLiteral(":");
    QTest::newRow("leading into the parent folder") << QStringLiteral("../pochi");
}

void FaultMatrixTest::namesNoFileMayCarryAreRefused()
{
    QFETCH(QString, name);
    GameRun run;
    frmInputName *entry = run.openNameEntry();
    QVERIFY(entry);
    auto *box = entry->findChild<QLineEdit *>(QStringLiteral("Text1"));
    type(box, name);
    QCOMPARE(box->text(), name);
    QTest::keyClick(box, Qt::Key_Return);

    QCOMPARE(run.platform.notices.size(), 1);
    QCOMPARE(run.platform.notices[0].text, badName);
    QCOMPARE(shownWindow<frmInputName>(), entry);
    QCOMPARE(box->text(), name);
    QVERIFY(!shownWindow<frmMain>());
    QVERIFY(run.state.petName.isEmpty());
    QCOMPARE(run.gameFiles(), QStringList());
    QCOMPARE(QDir(run.path() + QStringLiteral("/..")).entryList({QStringLiteral("*.npd")}), QStringList());
}

void FaultMatrixTest::charactersOutsideCodePage932NeverReachTheName_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("kept");
    QTest::newRow("Korean") << QStringLiteral("po한chi") << QStringLiteral("pochi");
    QTest::newRow("accented Latin") << QStringLiteral("poché") << QStringLiteral("poch");
    QTest::newRow("emoji") << QStringLiteral("po\U0001F600chi") << QStringLiteral("pochi");
    QTest::newRow("simplified Chinese") << QStringLiteral("po宠chi") << QStringLiteral("pochi");
}

void FaultMatrixTest::charactersOutsideCodePage932NeverReachTheName()
{
    QFETCH(QString, typed);
    QFETCH(QString, kept);
    GameRun run;
    frmInputName *entry = run.openNameEntry();
    QVERIFY(entry);
    auto *box = entry->findChild<QLineEdit *>(QStringLiteral("Text1"));

    // Neither typing nor pasting brings such a character into the box.
    type(box, typed);
    QCOMPARE(box->text(), kept);
    QGuiApplication::clipboard()->setText(typed);
    box->paste();
    QCOMPARE(box->text(), kept);

    QTest::keyClick(box, Qt::Key_Return);
    frmMain *window = shownWindow<frmMain>();
    QVERIFY(window);
    QCOMPARE(run.state.petName, kept);
    QVERIFY(fitsCodePage932(run.state.petName));

    // So the pet can always be saved.
    whenModalOpens(saveAndQuit);
    buttonOf(window, "Command6")->click();
    QCOMPARE(run.platform.ended, 1);
    QCOMPARE(run.gameFiles(), QStringList{saveFileName(kept)});
}

QTEST_MAIN(FaultMatrixTest)
#include "test_fault_matrix.moc"
