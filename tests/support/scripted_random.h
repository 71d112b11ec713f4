#pragma once

#include "core/random_source.h"

#include <QtTest/qtestcase.h>

#include <initializer_list>
#include <string>
#include <vector>

namespace nupel::test {

// Hands out exactly the fractions a case scripts. Drawing one more than
// scripted fails the test at once; `remaining()` shows draws not taken.
class ScriptedRandom final : public RandomSource {
public:
    ScriptedRandom() = default;
    ScriptedRandom(std::initializer_list<double> fractions) : m_fractions(fractions) {}
    explicit ScriptedRandom(std::vector<double> fractions) : m_fractions(std::move(fractions)) {}

    void script(std::initializer_list<double> fractions) { m_fractions.insert(m_fractions.end(), fractions); }

    double next() override
    {
        if (m_next >= m_fractions.size()) {
            // Recorded rather than thrown: the draw may come from an event
            // handler, through which no exception can pass. The game goes on
            // with 0, the test has failed.
            const std::string message = "drew more fractions than scripted (" + std::to_string(m_next + 1 + m_overdrawn)
                                        + " of " + std::to_string(m_fractions.size()) + ")";
            ++m_overdrawn;
            QTest::qFail(message.c_str(), __FILE__, __LINE__);
            return 0.0;
        }
        return m_fractions[m_next++];
    }

    std::size_t drawn() const { return m_next; }
    std::size_t remaining() const { return m_fractions.size() - m_next; }
    // Draws beyond the script; each has already failed the test.
    std::size_t overdrawn() const { return m_overdrawn; }

private:
    std::vector<double> m_fractions;
    std::size_t m_next = 0;
    std::size_t m_overdrawn = 0;
};

// The fraction whose Int(k × r) is `value`: the middle of its interval.
constexpr double fractionFor(int value, int k)
{
    return (value + 0.5) / k;
}

} // namespace nupel::test
