#include "aquarium/life/TankStatus.h"

#include "aquarium/life/WaterTemperature.h"
#include "state/WaterCare.h"

#include <QCoreApplication>

#include <algorithm>

namespace fw {

namespace {

// Five characters in all: "999日目".
constexpr int MostDaysShown = 999;

} // namespace

QString waterClarityWord(double haze)
{
    if (haze < ClearWaterLimit)
        return QCoreApplication::translate("TankStatus", "澄んでいる");
    if (haze < CloudyWaterLimit)
        return QCoreApplication::translate("TankStatus", "やや濁り");
    return QCoreApplication::translate("TankStatus", "濁っている");
}

QString waterDayText(std::optional<int> days)
{
    if (!days)
        return {};
    return QCoreApplication::translate("TankStatus", "%1日目").arg(std::min(*days, MostDaysShown));
}

QString lightPhaseWord(LightPhase phase)
{
    switch (phase) {
    case LightPhase::Day:
        return QCoreApplication::translate("TankStatus", "昼");
    case LightPhase::Dusk:
        return QCoreApplication::translate("TankStatus", "夕暮れ");
    case LightPhase::Night:
        return QCoreApplication::translate("TankStatus", "夜");
    case LightPhase::Dawn:
        return QCoreApplication::translate("TankStatus", "夜明け");
    }
    return {};
}

QString temperatureWarning(int species, double celsius)
{
    switch (temperatureFeel(species, celsius)) {
    case TemperatureFeel::TooWarm:
        return QCoreApplication::translate("TankStatus", "水温が高すぎます");
    case TemperatureFeel::TooCold:
        return QCoreApplication::translate("TankStatus", "水温が低すぎます");
    case TemperatureFeel::Comfortable:
        break;
    }
    return {};
}

} // namespace fw
