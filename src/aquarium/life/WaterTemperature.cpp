#include "aquarium/life/WaterTemperature.h"

#include "platform/Conversions.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace fw {

namespace {

// Beyond what the dialog offers the fish feel no further difference.
constexpr double Coldest = 18;
constexpr double Warmest = 36;

constexpr std::array<ComfortRange, 6> ranges{{
    {24, 30}, // angelfish
    {22, 28}, // glowlight tetra
    {20, 28}, // neon tetra
    {22, 28}, // silver hatchetfish
    {20, 28}, // Corydoras arcuatus
    {20, 28}, // albino Corydoras aeneus
}};

} // namespace

double waterTemperature(QStringView text)
{
    const std::optional<double> value = textToNumber(text);
    if (!value || !std::isfinite(*value))
        return NeutralTemperature;
    return *value;
}

double temperatureActivity(double celsius)
{
    const double t = std::clamp(celsius, Coldest, Warmest);
    if (t <= NeutralTemperature)
        return std::pow(2.0, (t - NeutralTemperature) / 10);
    return std::pow(1.5, (t - NeutralTemperature) / (Warmest - NeutralTemperature));
}

ComfortRange comfortRange(int species)
{
    return ranges[std::clamp(species, 0, int(ranges.size()) - 1)];
}

TemperatureFeel temperatureFeel(int species, double celsius)
{
    const ComfortRange range = comfortRange(species);
    if (celsius < range.lowest)
        return TemperatureFeel::TooCold;
    if (celsius > range.highest)
        return TemperatureFeel::TooWarm;
    return TemperatureFeel::Comfortable;
}

} // namespace fw
