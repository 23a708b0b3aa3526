#pragma once

#include <cstdint>

namespace fw {

// The one source of uniform values in [0, 1) that every random choice of the
// program takes. Injected everywhere so tests can script exact draws.
class Random
{
public:
    virtual ~Random() = default;
    virtual double next() = 0;
};

// Production generator: xoshiro256** seeded once from the clock.
class SeededRandom final : public Random
{
public:
    explicit SeededRandom(std::uint64_t seed);
    static SeededRandom fromClock();
    double next() override;

private:
    std::uint64_t m_state[4];
};

} // namespace fw
