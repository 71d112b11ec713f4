#include "files/record.h"

#include <QStringDecoder>
#include <QStringEncoder>

namespace nupel {

namespace {
constexpr const char *codePage932 = "windows-31j";
}

bool encodeCodePage932(const QString &text, QByteArray &bytes)
{
    QStringEncoder encoder(codePage932);
    QByteArray encoded = encoder.encode(text);
    if (encoder.hasError() || !encoder.isValid())
        return false;
    bytes = std::move(encoded);
    return true;
}

bool fitsCodePage932(const QString &text)
{
    QByteArray ignored;
    return encodeCodePage932(text, ignored);
}

bool decodeCodePage932(const QByteArray &bytes, QString &text)
{
    // Stateless: bytes that end half-way through a character are an error,
    // not a start kept for a next call that never comes.
    QStringDecoder decoder(codePage932, QStringConverter::Flag::Stateless);
    QString decoded = decoder.decode(bytes);
    if (decoder.hasError() || !decoder.isValid())
        return false;
    text = std::move(decoded);
    return true;
}

bool writeWhole(QIODevice &device, const QByteArray &bytes)
{
    qint64 done = 0;
    while (done < bytes.size()) {
        const qint64 written = device.write(bytes.constData() + done, bytes.size() - done);
        if (written <= 0)
            return false;
        done += written;
    }
    return true;
}

RecordWriter &RecordWriter::text(const QString &value)
{
    m_fields.append(QLatin1Char('"') + value + QLatin1Char('"'));
    return *this;
}

RecordWriter &RecordWriter::integer(qint64 value)
{
    m_fields.append(QString::number(value));
    return *this;
}

RecordWriter &RecordWriter::number(const Cell &value)
{
    m_fields.append(value.isEmpty() ? QString() : plainDecimal(value.value(), 7));
    return *this;
}

QString RecordWriter::line() const
{
    return m_fields.join(QLatin1Char(',')) + QStringLiteral("\r\n");
}

bool RecordWriter::bytes(QByteArray &out) const
{
    return encodeCodePage932(line(), out);
}

} // namespace nupel
