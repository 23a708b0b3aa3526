#pragma once

#include <array>

namespace fw {

// What the frame routine needs to know of each species, by species code 0..5.
struct SpeciesTraits
{
    float bandTop;      // top margin of the depth band, percent of the tank height
    float bandBottom;   // bottom margin, percent
    double tailShare;   // the share of the width that flicks
    int tailPeriodBase; // seconds between flicks of a fish standing still
};

inline constexpr int SpeciesCount = 6;

inline constexpr std::array<SpeciesTraits, SpeciesCount> speciesTraits{{
    {20, 20, 0.25, 4}, // angelfish
    {30, 20, 0.4, 2},  // glowlight tetra
    {20, 30, 0.4, 2},  // neon tetra
    {2, 85, 0.5, 3},   // silver hatchetfish
    {85, 5, 0.3, 4},   // Corydoras arcuatus
    {85, 5, 0.3, 4},   // albino Corydoras aeneus
}};

} // namespace fw
