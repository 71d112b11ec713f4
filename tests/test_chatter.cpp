// What the pet says when clicked: the babble or one sentence of the three word lists.

#include "life/chatter.h"
#include "support/scripted_random.h"

#include <QSet>
#include <QtTest>

using namespace nupel;
using namespace nupel::test;

class ChatterTest : public QObject {
    Q_OBJECT
private slots:
    void lineFollowsTheDraws_data();
    void lineFollowsTheDraws();
    void everyWordStandsAtItsIndex_data();
    void everyWordStandsAtItsIndex();
    void wordListsHaveTheirSizes();
    void everySentenceIsDistinct();
    void manyClicksShowEveryWordAndSomeBabble();
};

void ChatterTest::lineFollowsTheDraws_data()
{
    QTest::addColumn<QList<double>>("draws");
    QTest::addColumn<QString>("line");
    // b = 0 ends the draws: the babble takes one fraction, a sentence four.
    QTest::newRow("babble at b = 0") << QList<double>{fractionFor(0, 10)}
                                     << QStringLiteral("もへ、もへ、もへ、もへ、もへ、もへ！");
    QTest::newRow("babble at the top of b = 0")
        << QList<double>{0.0999999} << QStringLiteral("もへ、もへ、もへ、もへ、もへ、もへ！");
    QTest::newRow("4, 1, 6") << QList<double>{fractionFor(1, 10), fractionFor(4, 11), fractionFor(1, 10),
                                              fractionFor(6, 10)}
                             << QStringLiteral("日本人は遊園地が大好きだ");
    QTest::newRow("first words at b = 1")
        << QList<double>{0.1, 0.0, 0.0, 0.0} << QStringLiteral("あんたは幸せだったのさ");
    QTest::newRow("last words at b = 9") << QList<double>{0.99, 0.9999, 0.9999, 0.9999}
                                         << QStringLiteral("開発者Ａは祝福が一生の宝だ！");
    QTest::newRow("full-width D") << QList<double>{fractionFor(5, 10), fractionFor(6, 11), fractionFor(0, 10),
                                                   fractionFor(1, 10)}
                                  << QStringLiteral("Ｄは幸せじゃないのか？");
    QTest::newRow("full-width Vex") << QList<double>{fractionFor(2, 10), fractionFor(7, 11), fractionFor(5, 10),
                                                     fractionFor(5, 10)}
                                    << QStringLiteral("Ｖｅｘは眼鏡を壊すぞ！！");
    QTest::newRow("longest words") << QList<double>{fractionFor(3, 10), fractionFor(9, 11), fractionFor(2, 10),
                                                    fractionFor(3, 10)}
                                   << QStringLiteral("メフィスト・フェレスはメリーゴーラウンドをなげるのさ！");
    QTest::newRow("middle words") << QList<double>{fractionFor(8, 10), fractionFor(8, 11), fractionFor(7, 10),
                                                   fractionFor(7, 10)}
                                  << QStringLiteral("ベルゼブブは木漏れ日が好きかなぁ");
}

void ChatterTest::lineFollowsTheDraws()
{
    QFETCH(QList<double>, draws);
    QFETCH(QString, line);
    ScriptedRandom random(std::vector<double>(draws.begin(), draws.end()));
    QCOMPARE(chatterLine(random), line);
    QCOMPARE(random.remaining(), std::size_t{0});
}

void ChatterTest::everyWordStandsAtItsIndex_data()
{
    QTest::addColumn<int>("part"); // 0 subject, 1 object, 2 predicate
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("word");
    const QList<QStringList> lists{
        {QStringLiteral("あんたは"), QStringLiteral("僕は"), QStringLiteral("あんたの友達は"),
         QStringLiteral("僕の友達は"), QStringLiteral("日本人は"), QStringLiteral("アメリカ人は"),
         QStringLiteral("Ｄは"), QStringLiteral("Ｖｅｘは"), QStringLiteral("ベルゼブブは"),
         QStringLiteral("メフィスト・フェレスは"), QStringLiteral("開発者Ａは")},
        {QStringLiteral("幸せ"), QStringLiteral("遊園地"), QStringLiteral("メリーゴーラウンド"),
         QStringLiteral("アッパーカット"), QStringLiteral("御神酒"), QStringLiteral("眼鏡"), QStringLiteral("悪魔"),
         QStringLiteral("木漏れ日"), QStringLiteral("中間試験"), QStringLiteral("祝福")},
        {QStringLiteral("だったのさ"), QStringLiteral("じゃないのか？"), QStringLiteral("が嫌いだね"),
         QStringLiteral("をなげるのさ！"), QStringLiteral("をなくすぜ"), QStringLiteral("を壊すぞ！！"),
         QStringLiteral("が大好きだ"), QStringLiteral("が好きかなぁ"), QStringLiteral("を愛している"),
         QStringLiteral("が一生の宝だ！")}};
    const char *const parts[] = {"subject", "object", "predicate"};
    for (int part = 0; part < 3; ++part)
        for (int index = 0; index < lists[part].size(); ++index)
            QTest::addRow("%s %d", parts[part], index) << part << index << lists[part][index];
}

// Each word must come out for its own draw: a word misspelt, or two swapped,
// changes what the pet says for that draw.
void ChatterTest::everyWordStandsAtItsIndex()
{
    QFETCH(int, part);
    QFETCH(int, index);
    QFETCH(QString, word);
    // The other two parts are held at their first words, "あんたは", "幸せ"
    // and "だったのさ", so the line shows the word in its place.
    const QString first[] = {QStringLiteral("あんたは"), QStringLiteral("幸せ"), QStringLiteral("だったのさ")};
    const int sizes[] = {11, 10, 10};
    std::vector<double> draws{fractionFor(1, 10), 0.0, 0.0, 0.0};
    draws[1 + part] = fractionFor(index, sizes[part]);
    ScriptedRandom random(draws);
    QString expected;
    for (int p = 0; p < 3; ++p)
        expected += p == part ? word : first[p];
    QCOMPARE(chatterLine(random), expected);
    QCOMPARE(random.remaining(), std::size_t{0});
}

void ChatterTest::wordListsHaveTheirSizes()
{
    QCOMPARE(chatterSubjects().size(), 11);
    QCOMPARE(chatterObjects().size(), 10);
    QCOMPARE(chatterPredicates().size(), 10);
}

// A duplicated word would make some sentences twice as likely and leave others out.
void ChatterTest::everySentenceIsDistinct()
{
    QSet<QString> sentences;
    for (const QString &subject : chatterSubjects())
        for (const QString &object : chatterObjects())
            for (const QString &predicate : chatterPredicates())
                sentences.insert(subject + object + predicate);
    QCOMPARE(sentences.size(), 1100);
    QVERIFY(!sentences.contains(chatterBabble));
}

// The draw ranges must reach the last word of each list, and b = 0 only one time in ten.
void ChatterTest::manyClicksShowEveryWordAndSomeBabble()
{
    struct Words {
        int subject, object, predicate;
    };
    QHash<QString, Words> sentences;
    for (int s = 0; s < chatterSubjects().size(); ++s)
        for (int o = 0; o < chatterObjects().size(); ++o)
            for (int p = 0; p < chatterPredicates().size(); ++p)
                sentences.insert(chatterSubjects().at(s) + chatterObjects().at(o) + chatterPredicates().at(p),
                                 {s, o, p});

    ClockRandom random;
    random.seed(20240601);
    int babbles = 0;
    QSet<int> subjects, objects, predicates;
    for (int click = 0; click < 20000; ++click) {
        const QString line = chatterLine(random);
        if (line == chatterBabble) {
            ++babbles;
            continue;
        }
        QVERIFY2(sentences.contains(line), qPrintable(line));
        const Words words = sentences.value(line);
        subjects.insert(words.subject);
        objects.insert(words.object);
        predicates.insert(words.predicate);
    }
    QVERIFY2(babbles > 1700 && babbles < 2300, qPrintable(QString::number(babbles)));
    QCOMPARE(subjects.size(), 11);
    QCOMPARE(objects.size(), 10);
    QCOMPARE(predicates.size(), 10);
}

QTEST_APPLESS_MAIN(ChatterTest)
#include "test_chatter.moc"
