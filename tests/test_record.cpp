// Record lines and code page 932: the byte form every game file shares.

#include "files/record.h"

#include <QtTest>

using namespace nupel;

class RecordTest : public QObject {
    Q_OBJECT
private slots:
    void writesFieldsWithCommasAndCrLf();
    void emptyCellWritesNothingBetweenCommas();
    void textBecomesCodePage932Bytes_data();
    void textBecomesCodePage932Bytes();
    void invalidBytesAreRefused();
};

void RecordTest::writesFieldsWithCommasAndCrLf()
{
    RecordWriter writer;
    writer.text(QStringLiteral("もも")).integer(3173).text(QStringLiteral("Normal")).integer(-26);
    writer.number(Cell(0.5)).number(Cell(static_cast<double>(2.7182817f)));
    QCOMPARE(writer.line(), QStringLiteral("\"もも\",3173,\"Normal\",-26,0.5,2.718282\r\n"));
    QByteArray bytes;
    QVERIFY(writer.bytes(bytes));
    QVERIFY(bytes.startsWith(QByteArray::fromHex("2282e082e022")));
    QVERIFY(bytes.endsWith("\r\n"));
}

void RecordTest::emptyCellWritesNothingBetweenCommas()
{
    RecordWriter writer;
    writer.integer(1).number(Cell()).integer(2);
    QCOMPARE(writer.line(), QStringLiteral("1,,2\r\n"));
}

void RecordTest::textBecomesCodePage932Bytes_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("fits");
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("ascii") << QStringLiteral("Nupel") << true << QByteArray("Nupel");
    QTest::newRow("hiragana") << QStringLiteral("もも") << true << QByteArray::fromHex("82e082e0");
    QTest::newRow("full-width tilde") << QStringLiteral("～") << true << QByteArray::fromHex("8160");
    QTest::newRow("circled one") << QStringLiteral("①") << true << QByteArray::fromHex("8740");
    QTest::newRow("emoji") << QStringLiteral("😀") << false << QByteArray();
    QTest::newRow("hangul") << QStringLiteral("한") << false << QByteArray();
}

void RecordTest::textBecomesCodePage932Bytes()
{
    QFETCH(QString, text);
    QFETCH(bool, fits);
    QFETCH(QByteArray, bytes);
    QByteArray out;
    QCOMPARE(encodeCodePage932(text, out), fits);
    QCOMPARE(fitsCodePage932(text), fits);
    QCOMPARE(out, bytes);
    if (fits) {
        QString back;
        QVERIFY(decodeCodePage932(out, back));
        QCOMPARE(back, text);
    }
}

void RecordTest::invalidBytesAreRefused()
{
    QString text = QStringLiteral("kept");
    QVERIFY(!decodeCodePage932(QByteArray::fromHex("82e0ff81"), text));
    QCOMPARE(text, QStringLiteral("kept"));
}

QTEST_APPLESS_MAIN(RecordTest)
#include "test_record.moc"
