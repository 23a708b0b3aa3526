#pragma once

#include "platform/Sound.h"
#include "state/FishTable.h"
#include "state/FishValues.h"
#include "state/NamePool.h"
#include "state/SettingsRecord.h"

#include <QString>

#include <array>

namespace fw {

// Texts a window sets just before it shows the colour or file chooser: the
// caller's identifying text and the name of the control that gets the result.
struct ChooserHandOff
{
    QString colorCaller;
    QString colorTarget;
    QString fileCaller;
    QString fileTarget;
};

// All process-wide state in one visible place. main() owns the one instance
// and hands it by reference to every window and routine that needs it.
struct AppState
{
    QString settingsPath;
    SettingsRecord settings;
    FishTable fish;        // the tank the aquarium shows and SaveAll writes
    FishTable workingFish; // the configuration dialog's copy
    NamePool namePool;

    // One set per position 1..99 beside each table; index 0 is unused. The
    // dialog's copy stays apart from the tank's until OK, so that buying or
    // releasing fish there moves nothing in the running tank.
    std::array<FishValues, FishTable::Capacity + 1> values{};
    std::array<FishValues, FishTable::Capacity + 1> workingValues{};

    // The animation interval the aquarium stores before it opens the dialog.
    int savedInterval = 0;

    ChooserHandOff handOff;

    // Where the tank's sound effects go; silent unless start-up sets more.
    SoundEffects *sound = &silence();

    // Set by requestSave(); the running aquarium saves and clears it.
    bool saveWanted = false;

    // Asks the running aquarium to save the tank as soon as the step under
    // way is done, after a change that should outlive a crash (a fish
    // dropped, a water change, fry hatching). Outside a running aquarium
    // nothing acts on it.
    void requestSave() { saveWanted = true; }

    FishTable &table(bool working) { return working ? workingFish : fish; }
    const FishTable &table(bool working) const { return working ? workingFish : fish; }
    auto &valuesOf(bool working) { return working ? workingValues : values; }
};

} // namespace fw
