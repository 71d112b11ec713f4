// The whole-file writer under the save and the score file: a record that
// could not be put into bytes.

#include "files/file_write.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

using namespace nupel;

Q_DECLARE_METATYPE(nupel::WriteMode)

class FileWriteTest : public QObject {
    Q_OBJECT
private slots:
    void missingBytesKeepTheOlderFileAndBlameTheName_data();
    void missingBytesKeepTheOlderFileAndBlameTheName();
};

void FileWriteTest::missingBytesKeepTheOlderFileAndBlameTheName_data()
{
    QTest::addColumn<WriteMode>("mode");
    QTest::newRow("replacing") << WriteMode::Replace;
    QTest::newRow("appending") << WriteMode::Append;
}

void FileWriteTest::missingBytesKeepTheOlderFileAndBlameTheName()
{
    // A name that code page 932 cannot hold must neither empty nor cut an
    // older file, and the player must still read why in Japanese.
    QFETCH(WriteMode, mode);
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString fileName = dir.filePath(QStringLiteral("もも.npw"));
    const QByteArray older = "an older record\r\n";
    QFile file(fileName);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(older), older.size());
    file.close();

    const WriteOutcome outcome = writeWholeFile(fileName, std::nullopt, mode);
    QVERIFY(!outcome.written);
    QCOMPARE(outcome.fileName, fileName);
    QCOMPARE(outcome.reason, QStringLiteral("名前にシフトJISで書けない文字があります"));
    QCOMPARE(QDir(dir.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
             QStringList{QStringLiteral("もも.npw")});
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), older);
}

QTEST_MAIN(FileWriteTest)
#include "test_file_write.moc"
