#pragma once

#include <QString>

namespace fw {

class Clock;
struct AppState;

// A fish's condition in a word, as the register and the fish information
// show it.
enum class FishCondition
{
    Fry,   // under 30 days
    Young, // under 100 days: drawn small
    Adult,
    WithEggs, // laid eggs that have not hatched yet
};

// Fish drawn young are younger than this many days.
inline constexpr int YoungFishDays = 100;
inline constexpr int FryDays = 30;

// The condition of the fish at `position` of the fish table or, when
// `working`, the dialog's copy of it.
FishCondition fishCondition(const AppState &state, const Clock &clock, int position, bool working);

QString fishConditionText(FishCondition condition);

} // namespace fw
