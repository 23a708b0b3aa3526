#pragma once

namespace fw {

struct AppState;
class Random;

// One behaviour step over the whole tank: changes every fish's steps (and, for
// the schooling tetras, sometimes its facing) by its species' rules. It never
// moves a fish; the frame routine does that. scaleLeft and scaleWidth are the
// drawing surface's horizontal extent, for the edge rules. `cohesion` is the
// share of steps in which a tetra heeds its leader: 1 keeps the school as
// close as by day; below it, the school loosens, as it does at rest.
void runBehaviourStep(AppState &state, Random &random, int scaleLeft, int scaleWidth,
                      double cohesion = 1);

} // namespace fw
