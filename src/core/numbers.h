#pragma once

#include <QString>

#include <cmath>
#include <cstdint>
#include <limits>

namespace nupel {

// Converts a computed value to a whole number of type T: halves go to the even
// neighbour, values beyond T's range stop at its limit, NaN becomes 0.
template <typename T>
T storeWhole(double value)
{
    if (std::isnan(value))
        return 0;
    const double rounded = std::nearbyint(value);
    if (rounded <= static_cast<double>(std::numeric_limits<T>::min()))
        return std::numeric_limits<T>::min();
    if (rounded >= static_cast<double>(std::numeric_limits<T>::max()))
        return std::numeric_limits<T>::max();
    return static_cast<T>(rounded);
}

// A signed integer field of fixed width. Every assignment rounds and saturates,
// so arithmetic can be written on doubles and stored without care.
template <typename T>
class WholeStore {
public:
    constexpr WholeStore() = default;
    WholeStore(double value) : m_value(storeWhole<T>(value)) {}
    WholeStore &operator=(double value)
    {
        m_value = storeWhole<T>(value);
        return *this;
    }
    constexpr operator T() const { return m_value; }
    constexpr T value() const { return m_value; }
    QString print() const { return QString::number(m_value); }

private:
    T m_value = 0;
};

using Int16 = WholeStore<std::int16_t>;
using Int32 = WholeStore<std::int32_t>;

// A numeric value that starts out empty: an empty cell counts as 0 in
// arithmetic and comparisons and prints as empty text.
class Cell {
public:
    constexpr Cell() = default;
    Cell(double value) : m_value(value), m_empty(false) {}
    Cell &operator=(double value)
    {
        m_value = value;
        m_empty = false;
        return *this;
    }
    constexpr operator double() const { return m_value; }
    constexpr double value() const { return m_value; }
    constexpr bool isEmpty() const { return m_empty; }
    void clear() { *this = Cell(); }

    // Plain decimal digits: no grouping, no exponent, no decimals for whole
    // values; empty text for an empty cell.
    QString print() const;

private:
    double m_value = 0;
    bool m_empty = true;
};

// A number written in plain decimal with at most `significant` significant
// digits, trailing zeros dropped, "." as separator and never an exponent.
QString plainDecimal(double value, int significant);

} // namespace nupel
