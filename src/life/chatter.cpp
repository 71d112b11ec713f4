#include "life/chatter.h"

namespace nupel {

const QStringList &chatterSubjects()
{
    static const QStringList subjects{
        QStringLiteral("あんたは"),       QStringLiteral("僕は"),
        QStringLiteral("あんたの友達は"), QStringLiteral("僕の友達は"),
        QStringLiteral("日本人は"),       QStringLiteral("アメリカ人は"),
        QStringLiteral("Ｄは"),           QStringLiteral("Ｖｅｘは"),
        QStringLiteral("ベルゼブブは"),   QStringLiteral("メフィスト・フェレスは"),
        QStringLiteral("開発者Ａは"),
    };
    return subjects;
}

const QStringList &chatterObjects()
{
    static const QStringList objects{
        QStringLiteral("幸せ"),           QStringLiteral("遊園地"),   QStringLiteral("メリーゴーラウンド"),
        QStringLiteral("アッパーカット"), QStringLiteral("御神酒"),   QStringLiteral("眼鏡"),
        QStringLiteral("悪魔"),           QStringLiteral("木漏れ日"), QStringLiteral("中間試験"),
        QStringLiteral("祝福"),
    };
    return objects;
}

const QStringList &chatterPredicates()
{
    static const QStringList predicates{
        QStringLiteral("だったのさ"),     QStringLiteral("じゃないのか？"), QStringLiteral("が嫌いだね"),
        QStringLiteral("をなげるのさ！"), QStringLiteral("をなくすぜ"),     QStringLiteral("を壊すぞ！！"),
        QStringLiteral("が大好きだ"),     QStringLiteral("が好きかなぁ"),   QStringLiteral("を愛している"),
        QStringLiteral("が一生の宝だ！"),
    };
    return predicates;
}

QString chatterLine(RandomSource &random)
{
    if (drawBelow(random, 10) == 0)
        return chatterBabble;
    const int subject = drawBelow(random, static_cast<int>(chatterSubjects().size()));
    const int object = drawBelow(random, static_cast<int>(chatterObjects().size()));
    const int predicate = drawBelow(random, static_cast<int>(chatterPredicates().size()));
    return chatterSubjects().at(subject) + chatterObjects().at(object) + chatterPredicates().at(predicate);
}

} // namespace nupel
