#include "aquarium/MovementResponse.h"

#include "aquarium/AquariumModel.h"
#include "aquarium/EndRule.h"
#include "platform/Conversions.h"
#include "state/SettingsRecord.h"

#include <cstdlib>

namespace fw {

namespace {

void record(MovementMemory &memory, int x, int y)
{
    if (auto x16 = toInt16(x))
        memory.x = *x16;
    if (auto y16 = toInt16(y))
        memory.y = *y16;
    memory.recorded = true;
}

} // namespace

MovementOutcome movementResponse(AquariumModel &model, SettingsRecord &settings, const Clock &clock,
                                 int x, int y)
{
    MovementMemory &memory = model.mouseMove;
    if (!memory.recorded) {
        record(memory, x, y);
        return MovementOutcome::Nothing;
    }
    const bool counts = std::abs(x - memory.x) > 2 || std::abs(y - memory.y) > 2;
    if (counts && endRuleSaysEnd(settings, clock))
        return MovementOutcome::End;

    record(memory, x, y);
    if (model.airPlacement) {
        if (auto x16 = toInt16(x))
            settings.bubble_initx = *x16;
        if (auto y16 = toInt16(y))
            settings.bubble_inity = *y16;
    }
    return counts ? MovementOutcome::ShowButtons : MovementOutcome::Nothing;
}

} // namespace fw
