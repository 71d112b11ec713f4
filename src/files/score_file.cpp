#include "files/score_file.h"

#include "files/record.h"

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

WriteOutcome appendScoreRecord(const PetState &state, RandomSource &random)
{
    const int key = drawScoreKey(random);
    return writeWholeFile(scoreFileName(state.petName), formatScoreRecord(state, key), WriteMode::Append);
}

} // namespace nupel
