#include "setup/SetupCommit.h"

#include "platform/Clock.h"
#include "platform/Conversions.h"
#include "state/AquariumLink.h"
#include "state/Fish.h"
#include "state/SettingsFile.h"
#include "state/WaterCare.h"

namespace fw {

void takeWorkingFish(AppState &state)
{
    state.workingFish = state.fish;
    state.workingValues = state.values;
}

void giveIntervalBack(const AppState &state, AquariumLink *aquarium)
{
    if (aquarium)
        aquarium->setAnimationInterval(state.savedInterval);
}

void copyWorkingFishBack(AppState &state, Random &random)
{
    state.fish.count = state.workingFish.count;
    for (int position = 1; position <= state.workingFish.count; ++position) {
        const FishRecord &record = state.workingFish.at(position);
        if (trimmedSpaces(record.name()).isEmpty()) {
            const int sex = nearestInt(decimalPrefix(QString(record.sex())));
            const QString name = PickFishName(state, random, sex);
            SetFishField(state, position, u"name", name, true);
        }
        state.fish.at(position) = state.workingFish.at(position);
        state.values[position] = state.workingValues[position];
    }
}

bool commitSetup(AppState &state, Random &random, const Clock &clock, AquariumLink *aquarium,
                 SetupColours colours, const ControlReader &controls, bool waterChanged)
{
    if (aquarium) {
        aquarium->setAnimationInterval(state.savedInterval);
        aquarium->applyColours(colours.fore, colours.back);
    }
    // What the change clears depends on the haze before it and on the
    // quantity as now set.
    const double hazeBefore = waterHaze(state.settings, clock.dayNumber());
    commitSettings(state.settings, controls, waterChanged, clock);
    if (waterChanged)
        changeWater(state.settings, hazeBefore, clock);
    copyWorkingFishBack(state, random);
    return SaveAll(state, clock);
}

} // namespace fw
