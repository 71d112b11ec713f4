// The name rules: which names the name box can hold, and which names the name
// test accepts, with its probe file in the game's folder.

#include "files/name_probe.h"
#include "support/refused_deletes.h"

#include <QTemporaryDir>
#include <QtTest>

using namespace nupel;
using namespace nupel::test;

class NameProbeTest : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void nameBoxHoldsTwentyBytes_data();
    void nameBoxHoldsTwentyBytes();
    void nameTestAcceptsOnlySafeFileNames_data();
    void nameTestAcceptsOnlySafeFileNames();
    void nameTooLongForTheFileSystemFailsTheProbe();
    void probeLeavesAFileItDidNotCreate();
    void probeThatCannotBeDeletedRefusesTheName();

private:
    std::unique_ptr<QTemporaryDir> m_folder;
    QString m_previousFolder;
};

namespace {
QStringList folderEntries()
{
    return QDir().entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
}
} // namespace

void NameProbeTest::init()
{
    m_folder = std::make_unique<QTemporaryDir>();
    QVERIFY(m_folder->isValid());
    m_previousFolder = QDir::currentPath();
    QDir::setCurrent(m_folder->path());
}

void NameProbeTest::cleanup()
{
    refusedDeletes.clear();
    QDir::setCurrent(m_previousFolder);
    m_folder.reset();
}

void NameProbeTest::nameBoxHoldsTwentyBytes_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("fits");
    QTest::newRow("empty") << QString() << true;
    QTest::newRow("ten full-width") << QStringLiteral("ああああああああああ") << true;
    QTest::newRow("eleven full-width") << QStringLiteral("あああああああああああ") << false;
    QTest::newRow("twenty half-width") << QStringLiteral("abcdefghijabcdefghij") << true;
    QTest::newRow("twenty-one half-width") << QStringLiteral("abcdefghijabcdefghijk") << false;
    QTest::newRow("twenty half-width katakana") << QStringLiteral("ｱｲｳｴｵｱｲｳｴｵｱｲｳｴｵｱｲｳｴｵ") << true;
    QTest::newRow("nine full-width and two half") << QStringLiteral("あああああああああab") << true;
    QTest::newRow("nine full-width and three half") << QStringLiteral("あああああああああabc") << false;
    QTest::newRow("emoji") << QStringLiteral("😀") << false;
    QTest::newRow("hangul") << QStringLiteral("한") << false;
}

void NameProbeTest::nameBoxHoldsTwentyBytes()
{
    QFETCH(QString, text);
    QFETCH(bool, fits);
    QCOMPARE(fitsNameBox(text), fits);
}

void NameProbeTest::nameTestAcceptsOnlySafeFileNames_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("usable");
    QTest::newRow("hiragana") << QStringLiteral("もも") << true;
    QTest::newRow("ascii") << QStringLiteral("Nupel") << true;
    QTest::newRow("empty name") << QString() << true;
    QTest::newRow("inner and outer spaces") << QStringLiteral(" a b ") << true;
    QTest::newRow("comma") << QStringLiteral("a,b") << true;
    QTest::newRow("dots") << QStringLiteral("..") << true;
    QTest::newRow("full-width solidus") << QStringLiteral("ａ／ｂ") << true;
    QTest::newRow("double quote") << QStringLiteral("a\"b") << false;
    QTest::newRow("asterisk") << QStringLiteral("a*") << false;
    QTest::newRow("question mark") << QStringLiteral("?") << false;
    QTest::newRow("less than") << QStringLiteral("<a") << false;
    QTest::newRow("greater than") << QStringLiteral("a>") << false;
    QTest::newRow("bar") << QStringLiteral("a|b") << false;
    QTest::newRow("slash into a folder") << QStringLiteral("../x") << false;
    QTest::newRow("backslash") << QStringLiteral("a\\b") << false;
    QTest::newRow("colon") << QStringLiteral("C:x") << false;
    QTest::newRow("tab") << QStringLiteral("a\tb") << false;
    QTest::newRow("line feed") << QStringLiteral("a\nb") << false;
    QTest::newRow("delete character") << QStringLiteral("a\x7f") << false;
    QTest::newRow("outside code page 932") << QStringLiteral("😀") << false;
}

void NameProbeTest::nameTestAcceptsOnlySafeFileNames()
{
    QFETCH(QString, name);
    QFETCH(bool, usable);
    QCOMPARE(nameCharactersAllowed(name), usable);
    QCOMPARE(nameIsUsable(name), usable);
    // Only a name that passes becomes the pet's.
    PetState state;
    state.petName = QStringLiteral("before");
    QCOMPARE(namePet(state, name), usable);
    QCOMPARE(state.petName, usable ? name : QStringLiteral("before"));
    // Nothing is left behind, and nothing is made for a refused name.
    QCOMPARE(folderEntries(), QStringList());
}

void NameProbeTest::nameTooLongForTheFileSystemFailsTheProbe()
{
    const QString name(300, QLatin1Char('a'));
    QVERIFY(nameCharactersAllowed(name));
    QVERIFY(!nameIsUsable(name));
    QCOMPARE(folderEntries(), QStringList());
}

void NameProbeTest::probeLeavesAFileItDidNotCreate()
{
    QFile standing(QStringLiteral("もも.npd"));
    QVERIFY(standing.open(QIODevice::WriteOnly));
    standing.write("someone else's");
    standing.close();

    QVERIFY(nameIsUsable(QStringLiteral("もも")));
    QVERIFY(standing.open(QIODevice::ReadOnly));
    QCOMPARE(standing.readAll(), QByteArray("someone else's"));
    QCOMPARE(folderEntries(), QStringList{QStringLiteral("もも.npd")});
}

// A folder that lets the probe be made but not removed would otherwise fill
// with probe files, one per name tried.
void NameProbeTest::probeThatCannotBeDeletedRefusesTheName()
{
    refusedDeletes = {QByteArrayLiteral(".npd")};
    QVERIFY(!nameIsUsable(QStringLiteral("もも")));
    QCOMPARE(folderEntries(), QStringList{QStringLiteral("もも.npd")});
    refusedDeletes.clear();
    QVERIFY(QFile::remove(QStringLiteral("もも.npd")));
    QVERIFY(nameIsUsable(QStringLiteral("もも")));
    QCOMPARE(folderEntries(), QStringList());
}

QTEST_GUILESS_MAIN(NameProbeTest)
#include "test_name_probe.moc"
