#pragma once

#include "platform/Random.h"
#include "state/AppState.h"
#include "state/AquariumLink.h"
#include "state/SettingsFile.h"
#include "state/SettingsKeys.h"
#include "support/FixedClock.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace fw::test {

// A running aquarium as the dialog sees it.
class FakeAquarium final : public AquariumLink
{
public:
    int animationInterval() const override { return interval; }
    void setAnimationInterval(int milliseconds) override
    {
        interval = milliseconds;
        ++intervalCalls;
    }
    void applyColours(std::uint32_t fore, std::uint32_t back) override
    {
        foreColor = fore;
        backColor = back;
        ++colourCalls;
    }

    int interval = 0;
    int intervalCalls = 0;
    std::uint32_t foreColor = 0;
    std::uint32_t backColor = 0;
    int colourCalls = 0;
};

// State with every setting at its first-run value, saved into a temporary
// folder, and a generator that never runs out.
class SetupFixture : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(folder.isValid());
        state.settingsPath = folder.filePath(QStringLiteral("FINWICKS.INI"));
        for (const SettingKey &key : settingKeys())
            assignSetting(state.settings, key, firstRunValue(key, clock, {1024, 768}));
    }

    QString stored(const QString &section, const QString &key) const
    {
        return ReadSetting(state.settingsPath, section, key, QStringLiteral("<missing>"));
    }

    QTemporaryDir folder;
    FixedClock clock;
    SeededRandom random{12345};
    AppState state;
};

} // namespace fw::test
