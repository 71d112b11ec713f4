#include "core/random_source.h"

#include <chrono>
#include <cmath>

namespace nupel {

int drawBelow(RandomSource &random, int k)
{
    return static_cast<int>(std::floor(k * random.next()));
}

void ClockRandom::seedFromClock()
{
    seed(static_cast<std::uint64_t>(std::chrono::system_clock::now().time_since_epoch().count()));
}

double ClockRandom::next()
{
    // 53 random bits make a fraction that is exactly representable and below 1.
    return static_cast<double>(m_engine() >> 11) * 0x1.0p-53;
}

} // namespace nupel
