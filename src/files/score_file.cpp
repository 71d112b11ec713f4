#include "files/score_file.h"

#include "files/file_reasons.h"
#include "files/record.h"

#include <QFile>

#include <cerrno>
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
        outcome.reason = nameNotWritableReason();
        return outcome;
    }
    QFile file(outcome.fileName);
    // The reason is read from the call that failed, not from one before it.
    errno = 0;
    if (!file.open(QIODevice::WriteOnly | QIODevice::Append | QIODevice::Unbuffered)) {
        outcome.reason = writeFailureReason(file, errno);
        return outcome;
    }
    // A line the disk cuts short is taken back, so the older lines stay as
    // they were and the file never ends in half a record.
    const qint64 sizeBefore = file.size();
    if (!writeWhole(file, *line)) {
        outcome.reason = writeFailureReason(file, errno);
        file.resize(sizeBefore);
        return outcome;
    }
    file.close();
    outcome.written = true;
    return outcome;
}

} // namespace nupel
