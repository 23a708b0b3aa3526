// Any bytes as the settings file: loaded, saved and loaded again, the second
// load must hold what the first did.
#include "FuzzSupport.h"

#include "platform/Random.h"
#include "state/Fish.h"
#include "state/IniFile.h"
#include "state/SettingsFile.h"
#include "state/StateLoading.h"

namespace {

constexpr fw::ScreenSize Screen{1920, 1080};

fw::AppState load(QByteArrayView bytes)
{
    fw::AppState state;
    fw::SeededRandom random(1);
    const fw::IniFile file = fw::parseSettingsFile(bytes);
    fw::loadSettings(state.settings, file, Screen);
    fw::loadFishTable(state, random, file);
    return state;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    fw::AppState first = load(fw::fuzz::bytesOf(data, size));
    // What SaveAll writes, without the disk: save order, then the bytes.
    fw::prepareFishForSave(first);
    const QByteArray saved = fw::settingsFileBytes(first);
    fw::AppState second = load(saved);
    if (second.fish.count != first.fish.count)
        fw::fuzz::fail("the second load has another number of fish");
    for (int p = 1; p <= first.fish.count; ++p) {
        const fw::FishValues &a = first.values[p];
        const fw::FishValues &b = second.values[p];
        if (a.left != b.left || a.top != b.top || a.movex != b.movex || a.movey != b.movey)
            fw::fuzz::fail("a fish came back at another place or step");
    }
    // Undecodable bytes read as U+FFFD and are saved as "?", so both loads
    // are compared as the file holds them.
    if (fw::settingsFileBytes(second) != saved)
        fw::fuzz::fail("the second load differs from the first");
    return 0;
}
