#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

namespace nupel {

// What came of writing one of the game's files, for the notice the player
// reads.
struct WriteOutcome {
    bool written = false;
    QString fileName;
    QString reason; // why the file could not be written, for the player
};

// How a file takes its new bytes: in place of all it held, or after it.
enum class WriteMode { Replace, Append };

// Writes `bytes` into `fileName` whole or not at all: a failed write leaves a
// replaced file as it was and an appended one with its older bytes only.
// Without bytes, because a text had no code in code page 932, nothing is
// written and the reason says the name cannot be written.
WriteOutcome writeWholeFile(const QString &fileName, const std::optional<QByteArray> &bytes, WriteMode mode);

} // namespace nupel
