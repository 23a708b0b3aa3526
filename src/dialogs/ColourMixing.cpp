#include "dialogs/ColourMixing.h"

#include <array>

namespace fw {

namespace {

constexpr std::array<ColourChannels, StandardColourCount> standard{{
    {255, 255, 255}, {255, 192, 192}, {255, 224, 192}, {255, 255, 224}, {192, 255, 192},
    {192, 255, 255}, {192, 192, 255}, {255, 192, 255}, {224, 224, 224}, {255, 128, 128},
    {255, 192, 128}, {255, 255, 128}, {128, 255, 128}, {128, 255, 255}, {128, 128, 255},
    {255, 128, 255}, {192, 192, 192}, {255, 0, 0},     {255, 128, 0},   {255, 255, 0},
    {0, 255, 0},     {0, 255, 255},   {0, 0, 255},     {255, 0, 255},   {128, 128, 128},
    {192, 0, 0},     {192, 64, 0},    {192, 192, 0},   {0, 192, 0},     {0, 192, 192},
    {0, 0, 192},     {192, 0, 192},   {64, 64, 64},    {128, 0, 0},     {128, 64, 0},
    {128, 128, 0},   {0, 128, 0},     {0, 128, 128},   {0, 0, 128},     {128, 0, 128},
    {0, 0, 0},       {64, 0, 0},      {128, 64, 64},   {64, 64, 0},     {0, 64, 0},
    {0, 64, 64},     {0, 0, 64},      {64, 0, 64},
}};

constexpr int BoxSize = 375;
constexpr int BoxPitch = 480;
constexpr int FirstLeft = 360;
constexpr int FirstTop = 480;

} // namespace

std::uint32_t mixColour(ColourChannels channels)
{
    return std::uint32_t(channels.red) + 256u * std::uint32_t(channels.green) +
           65536u * std::uint32_t(channels.blue);
}

ColourChannels splitColour(std::uint32_t colour)
{
    ColourChannels channels;
    channels.blue = int(colour / 65536);
    colour -= std::uint32_t(channels.blue) * 65536;
    channels.green = int(colour / 256);
    channels.red = int(colour - std::uint32_t(channels.green) * 256);
    return channels;
}

std::uint32_t standardColour(int box)
{
    if (box < 1 || box > StandardColourCount)
        return 0;
    return mixColour(standard[box - 1]);
}

QRect standardColourTwips(int box)
{
    const int row = (box - 1) / StandardColourColumns;
    const int column = (box - 1) % StandardColourColumns;
    return {FirstLeft + column * BoxPitch, FirstTop + row * BoxPitch, BoxSize, BoxSize};
}

} // namespace fw
