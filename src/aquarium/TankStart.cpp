#include "aquarium/TankStart.h"

#include "aquarium/AquariumModel.h"
#include "platform/Conversions.h"
#include "platform/Surface.h"
#include "state/SettingsRecord.h"

#include <optional>

namespace fw {

std::uint32_t colourSetting(const QString &text, std::uint32_t fallback)
{
    const std::optional<double> value = textToNumber(text);
    if (!value || *value < 0 || *value > 0xffffff)
        return fallback;
    return static_cast<std::uint32_t>(nearestInt(*value));
}

void startTank(AquariumModel &model, Surface &surface, const SettingsRecord &settings)
{
    model.mouseClick = MouseClickState{};
    surface.setForeColor(colourSetting(settings.forecolor, 0xffffff));
    surface.setBackColor(colourSetting(settings.backcolor, 0x000000));
    surface.cls();
    model.bubbles.clear();
    model.airPlacement = false;
    model.firstFocusPending = true;
}

} // namespace fw
