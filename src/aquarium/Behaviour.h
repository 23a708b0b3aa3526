#pragma once

namespace fw {

struct AppState;
class Random;

// One behaviour step over the whole tank: changes every fish's steps (and, for
// the schooling tetras, sometimes its facing) by its species' rules. It never
// moves a fish; the frame routine does that. scaleLeft and scaleWidth are the
// drawing surface's horizontal extent, for the edge rules.
void runBehaviourStep(AppState &state, Random &random, int scaleLeft, int scaleWidth);

} // namespace fw
