#pragma once

#include <cstdint>

namespace fw {

// The per-fish runtime values kept beside each position of the fish tables.
struct FishValues
{
    std::int16_t left = 0;
    std::int16_t top = 0;
    std::int16_t movex = 0;
    std::int16_t movey = 0;
    std::int16_t width = 0; // of the current sprite; 0 until drawn once
    std::int16_t height = 0;
    std::int16_t facing = 0; // -1 left, +1 right, 0 not yet set
    std::int16_t topspeed = 10;

    friend bool operator==(const FishValues &, const FishValues &) = default;
};

} // namespace fw
