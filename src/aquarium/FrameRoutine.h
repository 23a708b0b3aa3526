#pragma once

namespace fw {

class Clock;
class Random;
class SpriteCatalogue;
class Surface;
class TankLife;
struct AppState;
struct AquariumModel;

// The parts one frame works on. The window and the benchmark each hold one.
struct FrameContext
{
    AppState &state;
    AquariumModel &model;
    Surface &surface;
    const SpriteCatalogue &sprites;
    Random &random;
    const Clock &clock;
    // The light, the water and the temperature; none keeps the tank as in
    // full daylight, clear water and at 28 °C.
    TankLife *life = nullptr;
};

// Draws one frame: clear rule, wipe or restores, moving the fish inside the
// walls and their depth bands, bubbles, the fish with their tails, name labels
// and the clock. Allocates nothing once names and clock have been measured.
void runFrame(FrameContext &frame);

// One tick of the animation timer: nothing while paused (interval 0);
// otherwise the tank's slow state follows the clock, the behaviour step runs
// on about one tick in four, then a frame. True when the tick changed what
// should be saved at once (an automatic water change, eggs laid or hatched).
bool runAnimationTick(FrameContext &frame, int interval);

// Grades the tank's pictures for the light and the water as they stand, as
// a tick would; for a scene just prepared, before it is shown.
void followTankLook(FrameContext &frame);
// Tells the sound of a water change just made, and the effects' level for
// the light (half by night), as a tick would.
void followTankSound(FrameContext &frame, bool waterChanged);

} // namespace fw
