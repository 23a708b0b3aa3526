#pragma once

#include <QRect>

#include <cstdint>

namespace fw {

// Colours of the colour chooser: 24 bits, red + 256 * green + 65536 * blue.
struct ColourChannels
{
    int red = 0;
    int green = 0;
    int blue = 0;

    friend bool operator==(const ColourChannels &, const ColourChannels &) = default;
};

std::uint32_t mixColour(ColourChannels channels);

// The channels as the chooser's sliders take them apart: blue is the colour
// divided by 65536, green the rest divided by 256, red what remains.
ColourChannels splitColour(std::uint32_t colour);

// The 48 standard colours, boxes 1..48 in rows of eight.
inline constexpr int StandardColourCount = 48;
inline constexpr int StandardColourColumns = 8;
std::uint32_t standardColour(int box);
// Where box 1..48 lies in the chooser, in twips.
QRect standardColourTwips(int box);

} // namespace fw
