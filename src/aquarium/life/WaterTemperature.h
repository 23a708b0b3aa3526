#pragma once

#include <QStringView>

namespace fw {

// The temperature at which every species swims exactly as it always has.
inline constexpr double NeutralTemperature = 28;

// The water temperature the settings give, in °C; an unreadable text reads as
// the neutral temperature, so a hand-edited file never upsets the fish.
double waterTemperature(QStringView text);

// How much faster than at 28 °C fish swim at this temperature: half at 18 °C,
// about one and a half times at 36 °C. Cold slows metabolism more steeply
// than warmth quickens it past the fishes' optimum.
double temperatureActivity(double celsius);

// Where a species (0..5) is comfortable, both ends included.
struct ComfortRange
{
    double lowest;
    double highest;
};
ComfortRange comfortRange(int species);

enum class TemperatureFeel
{
    Comfortable,
    TooCold,
    TooWarm,
};
TemperatureFeel temperatureFeel(int species, double celsius);

} // namespace fw
