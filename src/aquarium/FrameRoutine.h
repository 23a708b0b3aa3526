#pragma once

namespace fw {

class Clock;
class Random;
class SpriteCatalogue;
class Surface;
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
};

// Draws one frame: clear rule, wipe or restores, moving the fish inside the
// walls and their depth bands, bubbles, the fish with their tails, name labels
// and the clock. Allocates nothing once names and clock have been measured.
void runFrame(FrameContext &frame);

// One tick of the animation timer: nothing while paused (interval 0);
// otherwise the behaviour step on about one tick in four, then a frame.
void runAnimationTick(FrameContext &frame, int interval);

} // namespace fw
