// Where the game keeps its files and finds its pictures: beside a portable
// program, in the player's data folder when installed, and what happens when
// that folder cannot be used. A wrong choice loses saves or litters /usr/bin.

#include "files/game_folders.h"
#include "files/name_probe.h"
#include "files/save_file.h"
#include "support/read_only_folder.h"
#include "support/scripted_random.h"

#include <QDirIterator>
#include <QTemporaryDir>
#include <QtTest>

#include <optional>

using namespace nupel;
using namespace nupel::test;

enum class Layout { Portable, Installed };
enum class DataFault { None, ReadOnly, FileInTheWay };
Q_DECLARE_METATYPE(Layout)
Q_DECLARE_METATYPE(DataFault)

class GameFoldersTest : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void filesGoWhereThePlayerCanKeepThem_data();
    void filesGoWhereThePlayerCanKeepThem();
    void unusableDataFolderStillLetsThePetBeNamedButNotSaved();

private:
    // Lays out a program folder: with the pictures beside it (portable) or
    // in the installed picture folder (installed).
    QString layProgram(Layout layout);
    QStringList everything() const;

    std::optional<QTemporaryDir> m_root;
    QString m_previousFolder;
};

void GameFoldersTest::init()
{
    m_root.emplace();
    QVERIFY(m_root->isValid());
    // A root test reaches read-only folders as "nobody", who must get through.
    QVERIFY(QFile::setPermissions(m_root->path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner
                                                      | QFile::ReadOther | QFile::WriteOther | QFile::ExeOther));
    m_previousFolder = QDir::currentPath();
}

void GameFoldersTest::cleanup()
{
    QDir::setCurrent(m_previousFolder);
    m_root.reset();
}

QString GameFoldersTest::layProgram(Layout layout)
{
    const QString program = m_root->filePath(QStringLiteral("prefix/bin"));
    const QString pictures = layout == Layout::Portable ? program : installedPictureFolder(program);
    QDir().mkpath(program);
    QDir().mkpath(pictures);
    // The tests run in the build's program folder: its pictures are the game's.
    for (const QString &name : QDir().entryList({QStringLiteral("*.ico"), QStringLiteral("*.bmp")}, QDir::Files))
        QFile::copy(name, QDir(pictures).filePath(name));
    return program;
}

QStringList GameFoldersTest::everything() const
{
    QStringList found;
    QDirIterator walk(m_root->path(), QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot,
                      QDirIterator::Subdirectories);
    while (walk.hasNext())
        found << QDir(m_root->path()).relativeFilePath(walk.next());
    found.sort();
    return found;
}

void GameFoldersTest::filesGoWhereThePlayerCanKeepThem_data()
{
    QTest::addColumn<Layout>("layout");
    QTest::addColumn<bool>("programReadOnly");
    QTest::addColumn<DataFault>("dataFault");
    QTest::addColumn<bool>("inData");        // else beside the program
    QTest::addColumn<bool>("picturesApart"); // else beside the program
    QTest::addColumn<QString>("reason");     // empty: the folder is usable

    QTest::newRow("portable, writable program folder")
        << Layout::Portable << false << DataFault::None << false << false << QString();
    QTest::newRow("portable, read-only program folder")
        << Layout::Portable << true << DataFault::None << true << false << QString();
    QTest::newRow("installed, program folder writable as for root")
        << Layout::Installed << false << DataFault::None << true << true << QString();
    QTest::newRow("installed, read-only program folder")
        << Layout::Installed << true << DataFault::None << true << true << QString();
    QTest::newRow("installed, data folder read-only") << Layout::Installed << true << DataFault::ReadOnly << true
                                                      << true << QStringLiteral("書き込みが許可されていません");
    QTest::newRow("installed, a file where the data folder goes")
        << Layout::Installed << true << DataFault::FileInTheWay << true << true
        << QStringLiteral("同じ名前のファイルがあってフォルダを作れません");
}

void GameFoldersTest::filesGoWhereThePlayerCanKeepThem()
{
    QFETCH(Layout, layout);
    QFETCH(bool, programReadOnly);
    QFETCH(DataFault, dataFault);
    QFETCH(bool, inData);
    QFETCH(bool, picturesApart);
    QFETCH(QString, reason);

    const QString program = layProgram(layout);
    QString data = m_root->filePath(QStringLiteral("home/.local/share/nupel"));
    if (dataFault == DataFault::ReadOnly) {
        QVERIFY(QDir().mkpath(data));
    } else if (dataFault == DataFault::FileInTheWay) {
        QVERIFY(QDir().mkpath(m_root->filePath(QStringLiteral("home/.local"))));
        QFile share(m_root->filePath(QStringLiteral("home/.local/share")));
        QVERIFY(share.open(QIODevice::WriteOnly));
    }

    GameFolders folders;
    {
        std::optional<ReadOnlyFolder> readOnlyProgram;
        std::optional<ReadOnlyFolder> readOnlyData;
        if (programReadOnly) {
            readOnlyProgram.emplace(program);
            QVERIFY2(readOnlyProgram->holds(), "the program folder could still be written");
        }
        if (dataFault == DataFault::ReadOnly)
            readOnlyData.emplace(data);
        folders = chooseGameFolders(program, data);
    }

    QCOMPARE(folders.working, inData ? data : program);
    QCOMPARE(folders.pictures, picturesApart ? installedPictureFolder(program) : program);
    QVERIFY(QFileInfo::exists(QDir(folders.pictures).filePath(QStringLiteral("nupelwop.bmp"))));
    QCOMPARE(folders.usable, reason.isEmpty());
    if (reason.isEmpty()) {
        QVERIFY(folders.notice.isEmpty());
        // The data folder is made only when it is used.
        QCOMPARE(QFileInfo(data).isDir(), inData);
    } else {
        // One notice names the folder and the reason.
        QVERIFY2(folders.notice.contains(data), qPrintable(folders.notice));
        QVERIFY2(folders.notice.contains(reason), qPrintable(folders.notice));
    }
    // The choice itself leaves nothing behind in the program's folders.
    QCOMPARE(QDir(program).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot).size(),
             layout == Layout::Portable ? QDir().entryList({QStringLiteral("*.ico"), QStringLiteral("*.bmp")}).size()
                                        : 0);
}

void GameFoldersTest::unusableDataFolderStillLetsThePetBeNamedButNotSaved()
{
    // A file stands where the data folder's parent should be.
    const QString program = layProgram(Layout::Installed);
    QVERIFY(QDir().mkpath(m_root->filePath(QStringLiteral("home/.local"))));
    QFile share(m_root->filePath(QStringLiteral("home/.local/share")));
    QVERIFY(share.open(QIODevice::WriteOnly));
    share.close();
    const QStringList before = everything();

    const GameFolders folders = chooseGameFolders(program, m_root->filePath(QStringLiteral("home/.local/share/nupel")));
    QVERIFY(!folders.usable);
    QVERIFY(enterWorkingFolder(folders));

    // The name test cannot judge a name where no file can be made: the pet can
    // still be named and played.
    QVERIFY(nameIsUsable(QStringLiteral("もも")));
    QVERIFY(!nameIsUsable(QStringLiteral("a*b")));

    // Saving fails through the ordinary failure, which says why, and writes
    // nothing anywhere: not beside the program, not elsewhere under the root.
    PetState state;
    state.petName = QStringLiteral("もも");
    ScriptedRandom random{0.5};
    const WriteOutcome outcome = saveGame(state, random);
    QVERIFY(!outcome.written);
    QVERIFY(!outcome.reason.isEmpty());
    QCOMPARE(everything(), before);
}

QTEST_GUILESS_MAIN(GameFoldersTest)
#include "test_game_folders.moc"
