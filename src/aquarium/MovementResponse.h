#pragma once

namespace fw {

class Clock;
struct AquariumModel;
struct SettingsRecord;

enum class MovementOutcome
{
    Nothing,     // recorded only
    ShowButtons, // a counting move under which the program goes on
    End,         // a counting move under which the end rule ends the program
};

// The response to the pointer at (x, y): the first event only records; a move
// counts when it is more than two pixels from the recorded position in x or
// y. Unless the outcome is End, the position is recorded and, in air
// placement mode, becomes the bubble source.
MovementOutcome movementResponse(AquariumModel &model, SettingsRecord &settings, const Clock &clock,
                                 int x, int y);

} // namespace fw
