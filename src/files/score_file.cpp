#include "files/score_file.h"

#include "files/record.h"

#include <QFile>

#include <cstdint>

namespace nupel {

namespace {

qint32 scrambled(double value, int key)
{
    return storeWhole<std::int32_t>(value) ^ key;
}

} // namespace

int drawScoreKey(RandomSource &random)
{
    return drawBelow(random, 10000) + 1;
}

std::optional<QByteArray> formatScoreRecord(const PetState &state, int key)
{
    RecordWriter record;
    record.text(state.petName)
        .integer(state.money.value() ^ key)
        .text(state.petType)
        .text(state.deathCause)
        .integer(scrambled(state.generation, key))
        .integer(scrambled(state.age, key))
        .integer(key);
    QByteArray bytes;
    if (!record.bytes(bytes))
        return std::nullopt;
    return bytes;
}

QString scoreFileName(const QString &petName)
{
    return petName + QStringLiteral(".nps");
}

ScoreOutcome appendScoreRecord(const PetState &state, RandomSource &random)
{
    ScoreOutcome outcome;
    outcome.fileName = scoreFileName(state.petName);
    const int key = drawScoreKey(random);
    const std::optional<QByteArray> line = formatScoreRecord(state, key);
    if (!line) {
        outcome.reason = QStringLiteral("シフトJISで書けない文字があります。");
        return outcome;
    }
    QFile file(outcome.fileName);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Append)) {
        outcome.reason = file.errorString();
        return outcome;
    }
    if (file.write(*line) != line->size() || !file.flush()) {
        outcome.reason = file.errorString();
        return outcome;
    }
    file.close();
    outcome.written = true;
    return outcome;
}

} // namespace nupel
