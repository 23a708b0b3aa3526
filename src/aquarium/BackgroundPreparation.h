#pragma once

#include <QSize>

#include <functional>

namespace fw {

class Clock;
class Surface;
struct AquariumModel;
struct SettingsRecord;

// Lays out the drawing surface when it receives the focus: restarts the
// picture's display time and the moving clock, wipes the surface over the
// whole screen in the background colour, makes the background copy from
// which the frames restore, and starts the animation at `fishmovespeed`.
void prepareBackground(AquariumModel &model, const SettingsRecord &settings, Surface &surface,
                       const Clock &clock, QSize screen,
                       const std::function<void(int)> &setAnimationInterval);

// `fishmovespeed` as a timer interval in milliseconds; 0 (paused) when it
// does not read as a positive number.
int animationIntervalOf(const SettingsRecord &settings);

} // namespace fw
