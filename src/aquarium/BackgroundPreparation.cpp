#include "aquarium/BackgroundPreparation.h"

#include "aquarium/AquariumModel.h"
#include "platform/Clock.h"
#include "platform/Conversions.h"
#include "platform/Surface.h"
#include "state/SettingsRecord.h"

#include <algorithm>

namespace fw {

void prepareBackground(AquariumModel &model, const SettingsRecord &settings, Surface &surface,
                       const Clock &clock, QSize screen,
                       const std::function<void(int)> &setAnimationInterval)
{
    model.pictureStartTime = clock.now();
    model.pictureCleared = false;
    model.clockDirection = 2;

    model.backgroundCopy = QImage();
    if (surface.size() != screen)
        surface.resize(screen);
    surface.cls();
    surface.markAllDirty();
    model.firstFocusPending = false;

    // The plain background is its own copy, so restores give back the
    // background colour should the picture setting be on.
    model.backgroundCopy = surface.image().copy();

    if (setAnimationInterval)
        setAnimationInterval(animationIntervalOf(settings));
}

int animationIntervalOf(const SettingsRecord &settings)
{
    return std::max(0, nearestInt(decimalPrefix(settings.fishmovespeed)));
}

} // namespace fw
