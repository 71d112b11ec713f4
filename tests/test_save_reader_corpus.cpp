// The fuzzer's seed corpus replayed in every build: each record keeps the
// reader's promises, and the corpus holds both records that load and records
// that must not, named accordingly.

#include "files/save_file.h"
#include "support/save_record_checks.h"

#include <QDir>
#include <QFile>
#include <QtTest>

using namespace nupel;
using namespace nupel::test;

class SaveReaderCorpusTest : public QObject {
    Q_OBJECT
private slots:
    void everyCorpusRecordKeepsTheReadersPromises_data();
    void everyCorpusRecordKeepsTheReadersPromises();
};

void SaveReaderCorpusTest::everyCorpusRecordKeepsTheReadersPromises_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<bool>("loads");

    const QDir corpus(QStringLiteral(NUPEL_SAVE_CORPUS));
    const QStringList names = corpus.entryList(QDir::Files, QDir::Name);
    QVERIFY2(names.size() >= 10, qPrintable(corpus.path()));
    int valid = 0;
    int broken = 0;
    for (const QString &name : names) {
        QFile file(corpus.filePath(name));
        QVERIFY(file.open(QIODevice::ReadOnly));
        const bool loads = name.startsWith(QStringLiteral("valid-"));
        QVERIFY2(loads || name.startsWith(QStringLiteral("broken-")), qPrintable(name));
        (loads ? valid : broken) += 1;
        QTest::newRow(qPrintable(name)) << file.readAll() << loads;
    }
    QVERIFY(valid > 0 && broken > 0);
}

void SaveReaderCorpusTest::everyCorpusRecordKeepsTheReadersPromises()
{
    QFETCH(QByteArray, bytes);
    QFETCH(bool, loads);
    QCOMPARE(parseSaveRecord(bytes).has_value(), loads);
    const QString fault = saveRecordFault(bytes);
    QVERIFY2(fault.isEmpty(), qPrintable(fault));
}

QTEST_GUILESS_MAIN(SaveReaderCorpusTest)
#include "test_save_reader_corpus.moc"
