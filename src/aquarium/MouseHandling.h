#pragma once

#include <QPointF>
#include <QString>

#include <optional>

namespace fw {

class Clock;
class Surface;
struct AppState;
struct AquariumModel;

// What the mouse handlers work on; the window holds one.
struct MouseContext
{
    AppState &state;
    AquariumModel &model;
    Surface &surface;
    const Clock &clock;
};

// What the window must do after a handler.
struct MouseOutcome
{
    bool endProgram = false;              // call EndProgram
    bool airPlacementEnded = false;       // the pointer goes back to its default shape
    std::optional<int> animationInterval; // new interval of the animation timer
    std::optional<QPointF> dropFood;      // a portion of food falls here
};

// A press at (x, y) in surface units: any button but the left ends; the end
// rule; the click that drops food after the Food button, which does nothing
// more; the placing click of air placement mode; then, unless information is
// already shown since the last frame, the animation pauses and the fish under
// the pointer (or the tank) is described at the top left and picked up.
MouseOutcome mouseDown(MouseContext &mouse, bool leftButton, double x, double y);

// A release at (x, y): restores the picture under the information, drops the
// grabbed fish at the pointer wholly inside the surface (with a splash where it
// lands), restarts the animation.
MouseOutcome mouseUp(MouseContext &mouse, double x, double y);

// The information texts, each line ending in a line feed. A fish in water
// outside its comfort gets a line saying so; the tank's tells the water's
// clarity, the day since its last change and the light.
QString fishInformation(const AppState &state, const Clock &clock, int position);
QString tankInformation(const AppState &state, const Clock &clock);

} // namespace fw
