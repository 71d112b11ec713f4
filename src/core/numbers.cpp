#include "core/numbers.h"

namespace nupel {

QString plainDecimal(double value, int significant)
{
    if (!std::isfinite(value))
        return QStringLiteral("0");
    if (value == std::nearbyint(value) && std::fabs(value) < 1e15)
        return QString::number(static_cast<long long>(value));

    // Round to the significant digits first, then write without an exponent.
    const QString rounded = QString::number(value, 'g', significant);
    const double back = rounded.toDouble();
    if (back == std::nearbyint(back) && std::fabs(back) < 1e15)
        return QString::number(static_cast<long long>(back));
    const int magnitude = static_cast<int>(std::floor(std::log10(std::fabs(back))));
    const int decimals = std::max(0, significant - 1 - magnitude);
    QString text = QString::number(back, 'f', decimals);
    if (text.contains(QLatin1Char('.'))) {
        while (text.endsWith(QLatin1Char('0')))
            text.chop(1);
        if (text.endsWith(QLatin1Char('.')))
            text.chop(1);
    }
    return text;
}

QString Cell::print() const
{
    if (m_empty)
        return QString();
    return plainDecimal(m_value, 15);
}

} // namespace nupel
