#include "platform/Random.h"

#include <chrono>

namespace fw {

namespace {

std::uint64_t splitMix(std::uint64_t &x)
{
    std::uint64_t z = (x += 0x9e3779b97f4a7c15ULL);
    z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9ULL;
    z = (z ^ (z >> 27)) * 0x94d049bb133111ebULL;
    return z ^ (z >> 31);
}

std::uint64_t rotl(std::uint64_t x, int k) { return (x << k) | (x >> (64 - k)); }

} // namespace

SeededRandom::SeededRandom(std::uint64_t seed)
{
    for (auto &word : m_state)
        word = splitMix(seed);
}

SeededRandom SeededRandom::fromClock()
{
    const auto now = std::chrono::system_clock::now().time_since_epoch();
    return SeededRandom(static_cast<std::uint64_t>(
        std::chrono::duration_cast<std::chrono::nanoseconds>(now).count()));
}

double SeededRandom::next()
{
    const std::uint64_t result = rotl(m_state[1] * 5, 7) * 9;
    const std::uint64_t t = m_state[1] << 17;
    m_state[2] ^= m_state[0];
    m_state[3] ^= m_state[1];
    m_state[1] ^= m_state[2];
    m_state[0] ^= m_state[3];
    m_state[2] ^= t;
    m_state[3] = rotl(m_state[3], 45);
    // 53 random bits give every double in [0, 1) on the 2^-53 grid.
    return static_cast<double>(result >> 11) * 0x1.0p-53;
}

} // namespace fw
