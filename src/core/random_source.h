#pragma once

#include <cstdint>
#include <random>

namespace nupel {

// The game's one source of chance. Every draw is a fraction r with 0 <= r < 1;
// the order of draws is part of the rules, so callers draw exactly as written.
class RandomSource {
public:
    virtual ~RandomSource() = default;
    virtual double next() = 0;
};

// Int(k × r): a whole number from 0 to k − 1.
int drawBelow(RandomSource &random, int k);

// The run's generator, seeded once from the clock when the game starts.
class ClockRandom final : public RandomSource {
public:
    void seed(std::uint64_t value) { m_engine.seed(value); }
    void seedFromClock();
    double next() override;

private:
    std::mt19937_64 m_engine{0};
};

} // namespace nupel
