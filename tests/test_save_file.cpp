// The save file: its bytes, every rule of its reader, and the file handling
// of saving and loading.

#include "files/record.h"
#include "files/save_file.h"
#include "support/fake_platform.h"
#include "support/refused_deletes.h"
#include "support/scripted_random.h"

#include <QTemporaryDir>
#include <QtTest>

#include <cmath>
#include <functional>

using namespace nupel;
using namespace nupel::test;

using Tweak = std::function<void(PetState &)>;
Q_DECLARE_METATYPE(Tweak)

namespace {

// A pet early in a game: no laying yet, so the market price is still empty.
PetState examplePet()
{
    PetState state;
    state.setNewGameValues();
    state.petName = QStringLiteral("もも");
    state.satiety = 192;
    state.sickness = 4;
    state.dirt = 4;
    state.changeProgress = 7;
    return state;
}

QByteArray cp932(const QString &text)
{
    QByteArray bytes;
    if (!encodeCodePage932(text, bytes))
        qFatal("not code page 932");
    return bytes;
}

// The fields of the example's record, the name already in code page 932.
QList<QByteArray> exampleFields()
{
    QList<QByteArray> fields = QByteArray("1042,1238,1238,7,9154,\"Normal\",1,1234,10,1,1,1,2,,1234,0,1234").split(',');
    fields.prepend('"' + cp932(QStringLiteral("もも")) + '"');
    return fields;
}

// A record of the pet もも: the quoted name, then `rest` as written, CR LF.
QByteArray record(const QByteArray &rest)
{
    return '"' + cp932(QStringLiteral("もも")) + '"' + rest + "\r\n";
}

QByteArray exampleLine()
{
    return exampleFields().join(',') + "\r\n";
}

// The example's record with field `number` (1 to 18) replaced.
QByteArray withField(int number, const QByteArray &text)
{
    QList<QByteArray> fields = exampleFields();
    fields[number - 1] = text;
    return fields.join(',') + "\r\n";
}

QString cellText(const Cell &cell)
{
    return cell.isEmpty() ? QStringLiteral("empty") : cell.print();
}

// The seventeen saved fields in file order, empty cells marked.
QString savedFields(const PetState &state)
{
    return QStringList{state.petName,
                       state.satiety.print(),
                       state.sickness.print(),
                       state.dirt.print(),
                       cellText(state.changeProgress),
                       state.money.print(),
                       state.petType,
                       cellText(state.generation),
                       cellText(state.eggs),
                       cellText(state.clutchMax),
                       cellText(state.eggValueFactor),
                       cellText(state.sicknessRate),
                       cellText(state.dirtRate),
                       cellText(state.hungerRate),
                       cellText(state.eggPrice),
                       cellText(state.age),
                       cellText(state.tantrumKind)}
        .join(QLatin1Char('|'));
}

const QString exampleFieldsRead = QStringLiteral("もも|192|4|4|7|10000|Normal|1|0|10|1|1|1|2|empty|0|0");

// What a run that has just started holds before it loads a save.
PetState startedRun()
{
    PetState state;
    state.setNewGameValues();
    return state;
}

} // namespace

class SaveFileTest : public QObject {
    Q_OBJECT
private slots:
    void writerWritesTheRecord_data();
    void writerWritesTheRecord();
    void writerRefusesTextOutsideCodePage932();
    void readerFollowsEveryRule_data();
    void readerFollowsEveryRule();
    void savedFieldsSurviveARoundTrip_data();
    void savedFieldsSurviveARoundTrip();
    void randomanRateComesBackAsSevenDigits();
    void restoringLeavesUnsavedFieldsAlone();

    void init();
    void cleanup();
    void saveReplacesTheOlderSaveLeavingOneFile();
    void failedSaveNamesTheFileAndWhy();
    void loadRestoresFromAnyFolderAndDeletesTheFile();
    void failedLoadKeepsFileAndState_data();
    void failedLoadKeepsFileAndState();
    void loadWhoseFileCannotBeDeletedIsRefused();
    void saveKeyReachesItsTopDraw();
    void cancelledDialogLoadsNothing();

private:
    std::unique_ptr<QTemporaryDir> m_folder;
    QString m_previousFolder;
};

void SaveFileTest::writerWritesTheRecord_data()
{
    QTest::addColumn<Tweak>("tweak");
    QTest::addColumn<int>("key");
    QTest::addColumn<QByteArray>("line");

    const Tweak none = [](PetState &) {};
    QTest::newRow("worked example") << none << 1234 << exampleLine();
    QTest::newRow("key 0 leaves every field plain")
        << none << 0 << record(",192,4,4,7,10000,\"Normal\",1,0,10,1,1,1,2,,0,0,0");
    QTest::newRow("early save leaves fields 5 and 15 empty")
        << Tweak([](PetState &s) { s.changeProgress.clear(); }) << 1234 << withField(5, "");
    QTest::newRow("fractions with a leading zero") << Tweak([](PetState &s) {
        s.eggValueFactor = 0.5;
        s.sicknessRate = 0.1;
    }) << 1234 << record(",1042,1238,1238,7,9154,\"Normal\",1,1234,10,0.5,0.1,1,2,,1234,0,1234");
    QTest::newRow("single-precision rate to seven digits")
        << Tweak([](PetState &s) { s.sicknessRate = static_cast<double>(2.7182817f); }) << 1234
        << withField(12, "2.718282");
    QTest::newRow("money beyond 16 bits scrambled over 32")
        << Tweak([](PetState &s) { s.money = 60000; }) << 1234 << withField(6, "61106");
    QTest::newRow("negative levels keep their sign") << Tweak([](PetState &s) {
        s.sickness = -5;
        s.dirt = -100;
    }) << 1234 << record(",1042,-1239,-1202,7,9154,\"Normal\",1,1234,10,1,1,1,2,,1234,0,1234");
    QTest::newRow("eggs and age as 32-bit integers") << Tweak([](PetState &s) {
        s.eggs = 100000;
        s.age = 35;
    }) << 1234 << record(",1042,1238,1238,7,9154,\"Normal\",1,98930,10,1,1,1,2,,1265,0,1234");
    QTest::newRow("ten full-width characters take twenty bytes")
        << Tweak([](PetState &s) { s.petName = QStringLiteral("ああああああああああ"); }) << 1234
        << withField(1, '"' + QByteArray::fromHex("82a0").repeated(10) + '"');
}

void SaveFileTest::writerWritesTheRecord()
{
    QFETCH(Tweak, tweak);
    QFETCH(int, key);
    QFETCH(QByteArray, line);
    PetState state = examplePet();
    tweak(state);
    const std::optional<QByteArray> bytes = formatSaveRecord(state, key);
    QVERIFY(bytes);
    QCOMPARE(*bytes, line);
}

void SaveFileTest::writerRefusesTextOutsideCodePage932()
{
    PetState state = examplePet();
    state.petName = QStringLiteral("한");
    QVERIFY(!formatSaveRecord(state, 1234));
}

void SaveFileTest::readerFollowsEveryRule_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("fields"); // empty: the read fails

    const QString failure;
    auto example = [](const QString &from, const QString &to) { return QString(exampleFieldsRead).replace(from, to); };
    QTest::newRow("worked example") << exampleLine() << exampleFieldsRead;
    QTest::newRow("key 0") << QByteArray("\"a\",200,0,0,,10000,\"Normal\",1,0,10,1,1,1,2,,0,0,0\r\n")
                           << QStringLiteral("a|200|0|0|empty|10000|Normal|1|0|10|1|1|1|2|empty|0|0");
    QTest::newRow(".5 and 0.5 read alike")
        << record(",1042,1238,1238,7,9154,\"Normal\",1,1234,10,.5,0.5,1,2,,1234,0,1234")
        << example(QStringLiteral("|10|1|1|1|2|"), QStringLiteral("|10|0.5|0.5|1|2|"));
    QTest::newRow("seven-digit rate") << withField(12, "2.718282")
                                      << example(QStringLiteral("|1|1|1|2|"), QStringLiteral("|1|2.718282|1|2|"));
    QTest::newRow("spaces and tabs before fields")
        << " \t" + record(", 1042,\t1238,1238,7,9154,  \"Normal\",1,1234,10,1,1,1,2,,1234,0,1234") << exampleFieldsRead;
    QTest::newRow("text after a closing quote is ignored")
        << withField(1, '"' + cp932(QStringLiteral("もも")) + "\" junk") << exampleFieldsRead;
    QTest::newRow("comma inside quotes is text")
        << withField(1, "\"a,b\"") << example(QStringLiteral("もも|"), QStringLiteral("a,b|"));
    QTest::newRow("quoted number") << withField(2, "\"1042\"") << exampleFieldsRead;
    QTest::newRow("extra fields are ignored") << withField(18, "1234,99,\"x\"") << exampleFieldsRead;
    QTest::newRow("later lines are not read") << exampleLine() + "1,2,3\r\n" << exampleFieldsRead;
    QTest::newRow("line end may be missing") << exampleLine().chopped(2) << exampleFieldsRead;
    QTest::newRow("line ended by LF alone") << exampleLine().chopped(2) + "\n1,2,3\n" << exampleFieldsRead;
    QTest::newRow("line ended by CR alone") << exampleLine().chopped(2) + "\r" + exampleLine() << exampleFieldsRead;
    QTest::newRow("unquoted text field") << withField(1, cp932(QStringLiteral("もも"))) << exampleFieldsRead;
    QTest::newRow("unquoted type") << withField(7, "Kattin")
                                   << example(QStringLiteral("|Normal|"), QStringLiteral("|Kattin|"));
    QTest::newRow("leading plus sign") << withField(8, "+3")
                                       << example(QStringLiteral("|Normal|1|"), QStringLiteral("|Normal|3|"));
    QTest::newRow("leading plus in an integer field") << withField(6, "+9154") << exampleFieldsRead;
    QTest::newRow("trailing comma") << exampleLine().chopped(2) + ",\r\n" << exampleFieldsRead;
    QTest::newRow("empty integer field is 0")
        << withField(2, "") << example(QStringLiteral("もも|192|"), QStringLiteral("もも|1234|"));
    QTest::newRow("non-numeric integer field is 0")
        << withField(2, "abc") << example(QStringLiteral("もも|192|"), QStringLiteral("もも|1234|"));
    QTest::newRow("non-numeric number cell is 0")
        << withField(8, "one") << example(QStringLiteral("|Normal|1|"), QStringLiteral("|Normal|0|"));
    QTest::newRow("empty number cell stays empty")
        << withField(8, "") << example(QStringLiteral("|Normal|1|"), QStringLiteral("|Normal|empty|"));
    QTest::newRow("fraction in an integer field rounds to even") << withField(2, "1042.5") << exampleFieldsRead;
    QTest::newRow("satiety at the 16-bit limit")
        << withField(2, "32767") << example(QStringLiteral("もも|192|"), QStringLiteral("もも|31533|"));
    QTest::newRow("negative key sign-extends")
        << QByteArray("\"a\",-193,-5,-1,,-10001,\"Normal\",1,-1,10,1,1,1,2,,-1,0,-1\r\n")
        << QStringLiteral("a|192|4|0|empty|10000|Normal|1|0|10|1|1|1|2|empty|0|0");
    QTest::newRow("ten full-width characters")
        << withField(1, '"' + QByteArray::fromHex("82a0").repeated(10) + '"')
        << example(QStringLiteral("もも|"), QStringLiteral("ああああああああああ|"));

    QTest::newRow("cut after the 10th field") << exampleFields().mid(0, 10).join(',') + "\r\n" << failure;
    QTest::newRow("seventeen fields") << exampleFields().mid(0, 17).join(',') + "\r\n" << failure;
    QTest::newRow("record split over two lines")
        << exampleFields().mid(0, 10).join(',') + "\r\n" + exampleFields().mid(10).join(',') + "\r\n"
        << failure;
    QTest::newRow("empty file") << QByteArray() << failure;
    QTest::newRow("unclosed quote swallows the record") << withField(1, '"' + cp932(QStringLiteral("もも"))) << failure;
    QTest::newRow("satiety beyond 16 bits") << withField(2, "32768") << failure;
    QTest::newRow("sickness below 16 bits") << withField(3, "-32769") << failure;
    QTest::newRow("dirt rounding beyond 16 bits") << withField(4, "32767.5") << failure;
    QTest::newRow("money beyond 32 bits") << withField(6, "2147483648") << failure;
    QTest::newRow("eggs beyond 32 bits") << withField(9, "4294967296") << failure;
    QTest::newRow("age beyond 32 bits") << withField(16, "-2147483649") << failure;
    QTest::newRow("key beyond 16 bits") << withField(18, "40000") << failure;
    QTest::newRow("name leading into another folder") << withField(1, "\"../x\"") << failure;
    QTest::newRow("name with a control character") << withField(1, "\"a\tb\"") << failure;
    QTest::newRow("bytes outside code page 932") << withField(1, "\"\x82\xff\"") << failure;
    // Found by the fuzzer and the fault matrix: records that once loaded into
    // a state that could not be saved back, or should not have loaded at all.
    QTest::newRow("type holding a double quote") << withField(7, "Nor\"mal") << failure;
    QTest::newRow("number too large for a double") << withField(8, QByteArray(400, '9')) << failure;
    QTest::newRow("integer too large for a double") << withField(2, QByteArray(400, '9')) << failure;
    QTest::newRow("record ending in half a character") << exampleLine().chopped(2) + "\x82" << failure;
}

void SaveFileTest::readerFollowsEveryRule()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, fields);
    const std::optional<SaveRecord> record = parseSaveRecord(bytes);
    QCOMPARE(record.has_value(), !fields.isEmpty());
    if (!record)
        return;
    PetState state = startedRun();
    restoreSavedFields(*record, state);
    QCOMPARE(savedFields(state), fields);
}

void SaveFileTest::savedFieldsSurviveARoundTrip_data()
{
    QTest::addColumn<Tweak>("tweak");
    QTest::addColumn<int>("key");

    QTest::newRow("early save, largest key") << Tweak([](PetState &s) { s.changeProgress.clear(); }) << 9999;
    QTest::newRow("fractional factor and rate") << Tweak([](PetState &s) {
        s.eggValueFactor = 0.5;
        s.sicknessRate = 0.1;
    }) << 4321;
    QTest::newRow("money 60000") << Tweak([](PetState &s) { s.money = 60000; }) << 1234;
    QTest::newRow("negative levels and money") << Tweak([](PetState &s) {
        s.sickness = -40;
        s.dirt = -3;
        s.money = -500;
    }) << 8191;
    QTest::newRow("levels at the 16-bit limits") << Tweak([](PetState &s) {
        s.satiety = 32767;
        s.sickness = -32768;
    }) << 9999;
    QTest::newRow("a later generation") << Tweak([](PetState &s) {
        s.petType = QStringLiteral("Tamagon");
        s.generation = 3;
        s.eggs = 1234567;
        s.age = 57;
        s.eggPrice = 90;
        s.clutchMax = 20;
        s.tantrumKind = 2;
        s.money = 2147483647;
    }) << 1;
}

void SaveFileTest::savedFieldsSurviveARoundTrip()
{
    QFETCH(Tweak, tweak);
    QFETCH(int, key);
    PetState saved = examplePet();
    tweak(saved);
    const std::optional<SaveRecord> record = parseSaveRecord(*formatSaveRecord(saved, key));
    QVERIFY(record);
    QCOMPARE(record->scrambleKey, key);
    PetState loaded = startedRun();
    restoreSavedFields(*record, loaded);
    QCOMPARE(savedFields(loaded), savedFields(saved));
}

void SaveFileTest::randomanRateComesBackAsSevenDigits()
{
    PetState saved = examplePet();
    saved.sicknessRate = static_cast<double>(3.14159274f);
    PetState loaded = startedRun();
    restoreSavedFields(*parseSaveRecord(*formatSaveRecord(saved, 77)), loaded);
    QCOMPARE(loaded.sicknessRate.value(), 3.141593);
}

void SaveFileTest::restoringLeavesUnsavedFieldsAlone()
{
    PetState state = startedRun();
    state.eggTimer = 7;
    state.roomPicture = 3;
    state.suspended = 1;
    state.walkDirection = 2;
    state.deathCause = QStringLiteral("gomi");
    restoreSavedFields(*parseSaveRecord(exampleLine()), state);
    QCOMPARE(state.eggTimer.value(), 7.0);
    QCOMPARE(state.roomPicture.value(), 3.0);
    QCOMPARE(state.suspended.value(), 1.0);
    QCOMPARE(state.walkDirection.value(), 2.0);
    QCOMPARE(state.deathCause, QStringLiteral("gomi"));
    QVERIFY(state.eggsToSell.isEmpty());
}

void SaveFileTest::init()
{
    // Each file test works in a folder of its own, as the game's folder.
    m_folder = std::make_unique<QTemporaryDir>();
    QVERIFY(m_folder->isValid());
    m_previousFolder = QDir::currentPath();
    QDir::setCurrent(m_folder->path());
}

void SaveFileTest::cleanup()
{
    QDir::setCurrent(m_previousFolder);
    m_folder.reset();
}

void SaveFileTest::saveReplacesTheOlderSaveLeavingOneFile()
{
    QFile older(QStringLiteral("もも.npw"));
    QVERIFY(older.open(QIODevice::WriteOnly));
    older.write("an older save of the same name, longer than the new one\r\n");
    older.close();

    ScriptedRandom random{fractionFor(1234, 10000)};
    const WriteOutcome outcome = saveGame(examplePet(), random);
    QVERIFY(outcome.written);
    QCOMPARE(outcome.fileName, QStringLiteral("もも.npw"));
    QCOMPARE(random.drawn(), 1u);
    QCOMPARE(QDir().entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
             QStringList{QStringLiteral("もも.npw")});
    QVERIFY(older.open(QIODevice::ReadOnly));
    QCOMPARE(older.readAll(), exampleLine());
}

void SaveFileTest::failedSaveNamesTheFileAndWhy()
{
    // A folder standing where the save should go cannot be replaced by it.
    QVERIFY(QDir().mkdir(QStringLiteral("もも.npw")));
    ScriptedRandom random{0.5};
    const WriteOutcome outcome = saveGame(examplePet(), random);
    QVERIFY(!outcome.written);
    QCOMPARE(outcome.fileName, QStringLiteral("もも.npw"));
    QCOMPARE(outcome.reason, QStringLiteral("同じ名前のフォルダがあります"));
    QCOMPARE(QDir().entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
             QStringList{QStringLiteral("もも.npw")});
    QVERIFY(QFileInfo(QStringLiteral("もも.npw")).isDir());
}

void SaveFileTest::loadRestoresFromAnyFolderAndDeletesTheFile()
{
    // A save the player renamed and moved still holds its own pet.
    QVERIFY(QDir().mkdir(QStringLiteral("elsewhere")));
    const QString path = QDir().absoluteFilePath(QStringLiteral("elsewhere/a.npw"));
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(exampleLine());
    file.close();

    const QString folderBefore = QDir::currentPath();
    FakePlatform platform;
    platform.chosenFiles = QStringList{path};
    PetState state = startedRun();
    QVERIFY(loadGame(state, platform));
    QCOMPARE(platform.fileDialogs, QStringList{QStringLiteral("セーブデータを開く|NupelW Save Data|*.npw")});
    QCOMPARE(savedFields(state), exampleFieldsRead);
    QVERIFY(!QFile::exists(path));
    QCOMPARE(QDir::currentPath(), folderBefore);

    ScriptedRandom random{0.0};
    QVERIFY(saveGame(state, random).written);
    QVERIFY(QFile::exists(QStringLiteral("もも.npw")));
}

void SaveFileTest::failedLoadKeepsFileAndState_data()
{
    QTest::addColumn<QString>("fileName");
    QTest::addColumn<QByteArray>("bytes"); // null: nothing is written there

    QTest::newRow("record cut after the 10th field")
        << QStringLiteral("cut.npw") << exampleFields().mid(0, 10).join(',') + "\r\n";
    QTest::newRow("satiety out of range") << QStringLiteral("range.npw") << withField(2, "99999");
    QTest::newRow("missing file") << QStringLiteral("gone.npw") << QByteArray();
}

void SaveFileTest::failedLoadKeepsFileAndState()
{
    QFETCH(QString, fileName);
    QFETCH(QByteArray, bytes);
    if (!bytes.isNull()) {
        QFile file(fileName);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }
    PetState state = startedRun();
    const QString before = savedFields(state);
    QVERIFY(!loadSaveFile(fileName, state));
    QCOMPARE(savedFields(state), before);
    QCOMPARE(QFile::exists(fileName), !bytes.isNull());
}

// A save that stayed after loading could be resumed a second time.
void SaveFileTest::loadWhoseFileCannotBeDeletedIsRefused()
{
    QFile file(QStringLiteral("kept.npw"));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(exampleLine());
    file.close();
    refusedDeletes = {QByteArrayLiteral("kept.npw")};
    PetState state = startedRun();
    const QString before = savedFields(state);
    const bool loaded = loadSaveFile(QStringLiteral("kept.npw"), state);
    refusedDeletes.clear();
    QVERIFY(!loaded);
    QCOMPARE(savedFields(state), before);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), exampleLine());
    // The same file loads once it can go.
    file.close();
    QVERIFY(loadSaveFile(QStringLiteral("kept.npw"), state));
    QCOMPARE(savedFields(state), exampleFieldsRead);
}

// The key is Int(10000 × r): the highest fraction gives 9999, never 10000.
void SaveFileTest::saveKeyReachesItsTopDraw()
{
    ScriptedRandom random{std::nextafter(1.0, 0.0)};
    QVERIFY(saveGame(examplePet(), random).written);
    QFile file(QStringLiteral("もも.npw"));
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QList<QByteArray> fields = file.readAll().chopped(2).split(',');
    QCOMPARE(fields.size(), 18);
    QCOMPARE(fields.last(), QByteArray("9999"));
    QCOMPARE(fields[1], QByteArray::number(192 ^ 9999));
}

void SaveFileTest::cancelledDialogLoadsNothing()
{
    FakePlatform platform;
    PetState state = startedRun();
    QVERIFY(!loadGame(state, platform));
    QCOMPARE(platform.fileDialogs.size(), 1);
    QCOMPARE(savedFields(state), savedFields(startedRun()));
}

QTEST_GUILESS_MAIN(SaveFileTest)
#include "test_save_file.moc"
