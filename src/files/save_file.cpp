#include "files/save_file.h"

#include "files/name_probe.h"
#include "files/record.h"

#include <QFile>
#include <QRegularExpression>

#include <cmath>
#include <limits>

namespace nupel {

namespace {

// A save record is a few hundred bytes; reading more of a wrong file is
// pointless.
constexpr qint64 longestLineRead = 1 << 16;

// The text of each field of one record line, left to right.
class FieldReader {
public:
    explicit FieldReader(const QString &line) : m_line(line) {}

    // The next field's text; nothing once the line has no field left.
    std::optional<QString> next()
    {
        if (m_pos > m_line.size())
            return std::nullopt;
        while (m_pos < m_line.size() && isBlank(m_line[m_pos]))
            ++m_pos;
        QString field;
        if (m_pos < m_line.size() && m_line[m_pos] == QLatin1Char('"')) {
            const qsizetype close = m_line.indexOf(QLatin1Char('"'), m_pos + 1);
            const qsizetype end = close < 0 ? m_line.size() : close;
            field = m_line.mid(m_pos + 1, end - m_pos - 1);
            // Whatever follows the closing quote up to the comma is not part
            // of the field.
            m_pos = close < 0 ? m_line.size() : close + 1;
            skipToComma();
        } else {
            const qsizetype start = m_pos;
            skipToComma();
            field = m_line.mid(start, m_pos - start);
        }
        ++m_pos; // past the comma, or past the end when the line is done
        return field;
    }

private:
    static bool isBlank(QChar c) { return c == QLatin1Char(' ') || c == QLatin1Char('\t'); }

    void skipToComma()
    {
        const qsizetype comma = m_line.indexOf(QLatin1Char(','), m_pos);
        m_pos = comma < 0 ? m_line.size() : comma;
    }

    QString m_line;
    qsizetype m_pos = 0;
};

enum class Reading { Empty, Number, TooLarge, Other };

// Classifies a numeric field: empty, a plain decimal number (sign, digits, an
// optional "." with digits, ".5" as well as "0.5"), a number of so many digits
// that no double holds it, or anything else.
Reading readNumber(const QString &field, double &value)
{
    static const QRegularExpression plainNumber(QStringLiteral("^[+-]?([0-9]+(\\.[0-9]*)?|\\.[0-9]+)[ \\t]*$"));
    if (field.isEmpty())
        return Reading::Empty;
    if (!plainNumber.match(field).hasMatch())
        return Reading::Other;
    value = field.trimmed().toDouble();
    // Some three hundred digits read as infinity, which no later arithmetic
    // of the game can use.
    if (!std::isfinite(value))
        return Reading::TooLarge;
    return Reading::Number;
}

// An integer field: empty or non-numeric text is 0; a value outside T after
// rounding is a failure.
template <typename T>
bool readInteger(const QString &field, T &out)
{
    double value = 0;
    const Reading reading = readNumber(field, value);
    if (reading == Reading::TooLarge)
        return false;
    if (reading != Reading::Number) {
        out = 0;
        return true;
    }
    const double rounded = std::nearbyint(value);
    if (rounded < std::numeric_limits<T>::min() || rounded > std::numeric_limits<T>::max())
        return false;
    out = static_cast<T>(rounded);
    return true;
}

// A number cell: empty stays empty; non-numeric text counts as 0 so that later
// arithmetic has a number to work with. A number too large for any double
// fails, as an out-of-range integer does.
bool readCell(const QString &field, Cell &out)
{
    double value = 0;
    switch (readNumber(field, value)) {
    case Reading::Empty: out = Cell(); return true;
    case Reading::Number: out = Cell(value); return true;
    case Reading::Other: out = Cell(0); return true;
    case Reading::TooLarge: return false;
    }
    return false;
}

// A number cell that is scrambled over 32 bits: it must fit a 32-bit integer.
bool readScrambledCell(const QString &field, qint32 &out)
{
    Cell cell;
    if (!readCell(field, cell))
        return false;
    const double rounded = std::nearbyint(cell.value());
    if (rounded < std::numeric_limits<qint32>::min() || rounded > std::numeric_limits<qint32>::max())
        return false;
    out = static_cast<qint32>(rounded);
    return true;
}

qint32 wholeOf(const Cell &cell)
{
    return storeWhole<qint32>(cell.value());
}

} // namespace

int drawScrambleKey(RandomSource &random)
{
    return drawBelow(random, 10000);
}

std::optional<QByteArray> formatSaveRecord(const PetState &state, int key)
{
    RecordWriter record;
    record.text(state.petName)
        .integer(state.satiety.value() ^ key)
        .integer(state.sickness.value() ^ key)
        .integer(state.dirt.value() ^ key)
        .number(state.changeProgress)
        .integer(state.money.value() ^ key)
        .text(state.petType)
        .number(state.generation)
        .integer(wholeOf(state.eggs) ^ key)
        .number(state.clutchMax)
        .number(state.eggValueFactor)
        .number(state.sicknessRate)
        .number(state.dirtRate)
        .number(state.hungerRate)
        .number(state.eggPrice)
        .integer(wholeOf(state.age) ^ key)
        .number(state.tantrumKind)
        .integer(key);
    QByteArray bytes;
    if (!record.bytes(bytes))
        return std::nullopt;
    return bytes;
}

std::optional<SaveRecord> parseSaveRecord(const QByteArray &bytes)
{
    // Only the first line holds the record.
    qsizetype lineEnd = bytes.size();
    for (const char end : {'\r', '\n'}) {
        const qsizetype found = bytes.indexOf(end);
        if (found >= 0 && found < lineEnd)
            lineEnd = found;
    }
    QString line;
    if (!decodeCodePage932(bytes.left(lineEnd), line))
        return std::nullopt;

    FieldReader reader(line);
    std::optional<QString> fields[18];
    for (auto &field : fields) {
        field = reader.next();
        if (!field)
            return std::nullopt;
    }

    SaveRecord record;
    record.petName = *fields[0];
    // A name that could not have passed the name test would lead the next
    // save astray.
    if (!nameCharactersAllowed(record.petName))
        return std::nullopt;
    record.petType = *fields[6];
    // The type is written back in quotes at the next save: a quote inside it
    // would cut it short there.
    if (record.petType.contains(QLatin1Char('"')))
        return std::nullopt;
    const bool read = readInteger(*fields[1], record.satiety) && readInteger(*fields[2], record.sickness)
                      && readInteger(*fields[3], record.dirt) && readCell(*fields[4], record.changeProgress)
                      && readInteger(*fields[5], record.money) && readCell(*fields[7], record.generation)
                      && readScrambledCell(*fields[8], record.eggs) && readCell(*fields[9], record.clutchMax)
                      && readCell(*fields[10], record.eggValueFactor) && readCell(*fields[11], record.sicknessRate)
                      && readCell(*fields[12], record.dirtRate) && readCell(*fields[13], record.hungerRate)
                      && readCell(*fields[14], record.eggPrice) && readScrambledCell(*fields[15], record.age)
                      && readCell(*fields[16], record.tantrumKind) && readInteger(*fields[17], record.scrambleKey);
    if (!read)
        return std::nullopt;
    return record;
}

void restoreSavedFields(const SaveRecord &record, PetState &state)
{
    // The key is sign-extended like the fields, so a 16-bit value stays
    // within 16 bits.
    const qint32 key = record.scrambleKey;
    state.petName = record.petName;
    state.satiety = record.satiety ^ key;
    state.sickness = record.sickness ^ key;
    state.dirt = record.dirt ^ key;
    state.changeProgress = record.changeProgress;
    state.money = record.money ^ key;
    state.petType = record.petType;
    state.generation = record.generation;
    state.eggs = record.eggs ^ key;
    state.clutchMax = record.clutchMax;
    state.eggValueFactor = record.eggValueFactor;
    state.sicknessRate = record.sicknessRate;
    state.dirtRate = record.dirtRate;
    state.hungerRate = record.hungerRate;
    state.eggPrice = record.eggPrice;
    state.age = record.age ^ key;
    state.tantrumKind = record.tantrumKind;
}

QString saveFileName(const QString &petName)
{
    return petName + QStringLiteral(".npw");
}

WriteOutcome saveGame(const PetState &state, RandomSource &random)
{
    const int key = drawScrambleKey(random);
    return writeWholeFile(saveFileName(state.petName), formatSaveRecord(state, key), WriteMode::Replace);
}

bool loadSaveFile(const QString &path, PetState &state)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    const QByteArray bytes = file.readLine(longestLineRead);
    file.close();
    const std::optional<SaveRecord> record = parseSaveRecord(bytes);
    if (!record)
        return false;
    // A save resumes once: no file, no game.
    if (!file.remove())
        return false;
    restoreSavedFields(*record, state);
    return true;
}

bool loadGame(PetState &state, Platform &platform)
{
    const QString path = platform.openFileDialog(QStringLiteral("セーブデータを開く"),
                                                 QStringLiteral("NupelW Save Data"), QStringLiteral("*.npw"));
    if (path.isEmpty())
        return false;
    return loadSaveFile(path, state);
}

} // namespace nupel
