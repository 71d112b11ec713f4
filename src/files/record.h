#pragma once

#include "core/numbers.h"

#include <QByteArray>
#include <QIODevice>
#include <QString>
#include <QStringList>

namespace nupel {

// The game's text files are in code page 932 (Shift-JIS as Windows has it).
// Returns false, leaving `bytes` untouched, when a character has no code there.
bool encodeCodePage932(const QString &text, QByteArray &bytes);
bool fitsCodePage932(const QString &text);
// Returns false when the bytes are not valid code page 932.
bool decodeCodePage932(const QByteArray &bytes, QString &text);

// Writes every byte, looping over short writes; false when the device stops
// taking bytes (a full disk, a write error).
bool writeWhole(QIODevice &device, const QByteArray &bytes);

// Builds one record line: fields separated by single commas, ended by CR LF.
// Texts are quoted without escapes; numbers are plain decimals.
class RecordWriter {
public:
    RecordWriter &text(const QString &value);
    RecordWriter &integer(qint64 value);
    // Up to seven significant digits; nothing at all for an empty cell.
    RecordWriter &number(const Cell &value);

    // The line as text, with CR LF at the end.
    QString line() const;
    // The line in code page 932; false when a text cannot be written there.
    bool bytes(QByteArray &out) const;

private:
    QStringList m_fields;
};

} // namespace nupel
