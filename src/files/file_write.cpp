#include "files/file_write.h"

#include "files/file_reasons.h"
#include "files/record.h"

#include <QFile>
#include <QSaveFile>

#include <cerrno>

namespace nupel {

namespace {

// Both writers clear errno once their file exists, so that the reason is read
// from the call that failed, not from one before it.

bool replaceWhole(const QString &fileName, const QByteArray &bytes, QString &reason)
{
    QSaveFile file(fileName);
    errno = 0;
    // Unbuffered, so that a write the disk cuts short fails here: a buffered
    // write fails only inside commit(), which then still puts the cut-off file
    // in place of the older one.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered) || !writeWhole(file, bytes) || !file.commit()) {
        reason = writeFailureReason(file, errno);
        return false;
    }
    return true;
}

bool appendWhole(const QString &fileName, const QByteArray &bytes, QString &reason)
{
    QFile file(fileName);
    errno = 0;
    if (!file.open(QIODevice::WriteOnly | QIODevice::Append | QIODevice::Unbuffered)) {
        reason = writeFailureReason(file, errno);
        return false;
    }
    // A line the disk cuts short is taken back, so the older lines stay as
    // they were and the file never ends in half a record.
    const qint64 sizeBefore = file.size();
    if (!writeWhole(file, bytes)) {
        reason = writeFailureReason(file, errno);
        file.resize(sizeBefore);
        return false;
    }
    file.close();
    return true;
}

} // namespace

WriteOutcome writeWholeFile(const QString &fileName, const std::optional<QByteArray> &bytes, WriteMode mode)
{
    WriteOutcome outcome;
    outcome.fileName = fileName;
    if (!bytes) {
        outcome.reason = nameNotWritableReason();
        return outcome;
    }
    outcome.written = mode == WriteMode::Replace ? replaceWhole(fileName, *bytes, outcome.reason)
                                                 : appendWhole(fileName, *bytes, outcome.reason);
    return outcome;
}

} // namespace nupel
