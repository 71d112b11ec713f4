// The score file: its record byte for byte, the key's range, and lines that
// accumulate in one file per pet name.

#include "files/score_file.h"
#include "support/scripted_random.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

using namespace nupel;
using namespace nupel::test;

namespace {

PetState deadPet()
{
    PetState state;
    state.setNewGameValues();
    state.petName = QStringLiteral("もも");
    state.money = 7300;
    state.deathCause = QStringLiteral("寿命");
    state.generation = 2;
    state.age = 6;
    return state;
}

double keyDraw(int key)
{
    return fractionFor(key - 1, 10000);
}

QByteArray readAll(const QString &fileName)
{
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

} // namespace

class ScoreFileTest : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void workedExampleByteForByte();
    void scrambledFieldsAreSigned32BitXor_data();
    void scrambledFieldsAreSigned32BitXor();
    void keyRunsFromOneTo10000_data();
    void keyRunsFromOneTo10000();
    void gamesOfOneNameAppendInOrder();
    void unwritableFileGivesTheReason();

private:
    std::unique_ptr<QTemporaryDir> m_dir;
    QString m_previousDir;
};

void ScoreFileTest::init()
{
    m_previousDir = QDir::currentPath();
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
    QDir::setCurrent(m_dir->path());
}

void ScoreFileTest::cleanup()
{
    QDir::setCurrent(m_previousDir);
    m_dir.reset();
}

void ScoreFileTest::workedExampleByteForByte()
{
    ScriptedRandom random{keyDraw(4321)};
    const WriteOutcome outcome = appendScoreRecord(deadPet(), random);
    QVERIFY2(outcome.written, qPrintable(outcome.reason));
    QCOMPARE(outcome.fileName, QStringLiteral("もも.nps"));
    const QByteArray expected = QByteArray("\"\x82\xe0\x82\xe0\",3173,\"Normal\",\"") + QByteArray("\x8e\xf5\x96\xbd")
                                + QByteArray("\",4323,4327,4321\r\n");
    QCOMPARE(readAll(QStringLiteral("もも.nps")), expected);
}

void ScoreFileTest::scrambledFieldsAreSigned32BitXor_data()
{
    QTest::addColumn<int>("money");
    QTest::addColumn<double>("generation");
    QTest::addColumn<double>("age");
    QTest::addColumn<int>("key");
    QTest::addColumn<QByteArray>("fields");
    QTest::newRow("key 1") << 10000 << 1.0 << 0.0 << 1 << QByteArray("10001,0,1,1");
    QTest::newRow("debt keeps its sign") << -5000 << 3.0 << 17.0 << 4999 << QByteArray("-1,4996,5014,4999");
    QTest::newRow("beyond 16 bits") << 2147483647 << 40000.0 << 120.0 << 10000
                                    << QByteArray("2147473647,47952,10088,10000");
}

void ScoreFileTest::scrambledFieldsAreSigned32BitXor()
{
    QFETCH(int, money);
    QFETCH(double, generation);
    QFETCH(double, age);
    QFETCH(int, key);
    QFETCH(QByteArray, fields);
    PetState state = deadPet();
    state.money = money;
    state.generation = generation;
    state.age = age;
    const std::optional<QByteArray> line = formatScoreRecord(state, key);
    QVERIFY(line);
    const QList<QByteArray> parts = line->chopped(2).split(',');
    QCOMPARE(parts.size(), 7);
    QCOMPARE(parts[1] + ',' + parts[4] + ',' + parts[5] + ',' + parts[6], fields);
}

void ScoreFileTest::keyRunsFromOneTo10000_data()
{
    QTest::addColumn<double>("fraction");
    QTest::addColumn<int>("key");
    QTest::newRow("lowest") << 0.0 << 1;
    QTest::newRow("highest") << 0.99999999 << 10000;
    QTest::newRow("middle") << 0.5 << 5001;
}

void ScoreFileTest::keyRunsFromOneTo10000()
{
    QFETCH(double, fraction);
    QFETCH(int, key);
    ScriptedRandom random{fraction};
    QCOMPARE(drawScoreKey(random), key);
}

void ScoreFileTest::gamesOfOneNameAppendInOrder()
{
    ScriptedRandom random{keyDraw(4321), keyDraw(1)};
    QVERIFY(appendScoreRecord(deadPet(), random).written);
    PetState second = deadPet();
    second.petType = QStringLiteral("KaneQueen");
    second.deathCause = QStringLiteral("過食");
    second.money = 0;
    second.generation = 1;
    second.age = 0;
    QVERIFY(appendScoreRecord(second, random).written);
    const QList<QByteArray> lines = readAll(QStringLiteral("もも.nps")).split('\n');
    QCOMPARE(lines.size(), 3);
    QVERIFY(lines[0].endsWith(",3173,\"Normal\",\"\x8e\xf5\x96\xbd\",4323,4327,4321\r"));
    QVERIFY(lines[1].endsWith(",1,\"KaneQueen\",\"\x89\xdf\x90\x48\",0,1,1\r"));
    QVERIFY(lines[2].isEmpty());
}

void ScoreFileTest::unwritableFileGivesTheReason()
{
    QVERIFY(QDir().mkdir(QStringLiteral("もも.nps")));
    ScriptedRandom random{keyDraw(4321)};
    const WriteOutcome outcome = appendScoreRecord(deadPet(), random);
    QVERIFY(!outcome.written);
    QCOMPARE(outcome.fileName, QStringLiteral("もも.nps"));
    QCOMPARE(outcome.reason, QStringLiteral("同じ名前のフォルダがあります"));
}

QTEST_MAIN(ScoreFileTest)
#include "test_score_file.moc"
