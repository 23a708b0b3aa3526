#include "startup/SoundSwitch.h"
#include "state/SettingsRecord.h"
#include "support/RecordingSound.h"

#include <gtest/gtest.h>

namespace fw {
namespace {

using test::RecordingSound;

SettingsRecord soundSettings(const char *effects, const char *music, const QString &file)
{
    SettingsRecord settings;
    settings.sound1 = QString::fromLatin1(effects);
    settings.sound2 = QString::fromLatin1(music);
    settings.soundfile = file;
    return settings;
}

// The switch with an output that the test can watch; `opened` counts how
// often the audio stack was asked for.
struct Rig
{
    explicit Rig(bool allowed = true, bool openFails = false)
        : sound(allowed, [this, openFails]() -> std::unique_ptr<Sound> {
              ++opened;
              if (openFails)
                  return nullptr;
              auto made = std::make_unique<RecordingSound>();
              output = made.get();
              return made;
          })
    {}
    int opened = 0;
    RecordingSound *output = nullptr;
    SoundSwitch sound;
};

TEST(SoundSwitch, TheKeysSayWhichSoundsAreWanted)
{
    EXPECT_FALSE(soundWish(soundSettings("0", "0", "/a.ogg")).any());
    EXPECT_TRUE(soundWish(soundSettings("1", "0", "/a.ogg")).effects);
    EXPECT_EQ(soundWish(soundSettings("1", "0", "/a.ogg")).music, QString());
    EXPECT_EQ(soundWish(soundSettings("0", "1", "/a.ogg")).music, QStringLiteral("/a.ogg"));
    // Only "1" turns a sound on; a grayed "2" or junk from a hand edit does not.
    EXPECT_FALSE(soundWish(soundSettings("2", " 1", "/a.ogg")).any());
    EXPECT_FALSE(soundWish(soundSettings("0", "1", QString())).any());
}

TEST(SoundSwitch, OnlyTheOwnerOfTheSettingsPlaysAndNeverInAPreview)
{
    const QSize screen(1920, 1080);
    const HostRequest none;
    const HostRequest root{HostMode::Root, 0x1234, {}};
    const HostRequest windowId{HostMode::WindowId, 0x1234, {}};
    EXPECT_TRUE(mayPlaySound(true, none, {}, screen));
    EXPECT_TRUE(mayPlaySound(true, root, screen, screen));
    // A further monitor's process shows the same tank and stays quiet.
    EXPECT_FALSE(mayPlaySound(false, root, screen, screen));
    // A smaller second monitor still counts as a screen.
    EXPECT_TRUE(mayPlaySound(true, root, {1024, 768}, screen));
    // The thumbnail of a host's settings window, however it was started.
    EXPECT_FALSE(mayPlaySound(true, root, {320, 240}, screen));
    EXPECT_FALSE(mayPlaySound(true, windowId, screen, screen));
}

TEST(SoundSwitch, NothingIsOpenedWhileBothKeysAreOff)
{
    Rig rig;
    rig.sound.follow(soundSettings("0", "0", "/a.ogg"));
    rig.sound.setTankRunning(true);
    rig.sound.bubble(8, 0.5);
    rig.sound.splash(-1);
    rig.sound.chime();
    rig.sound.foodFalls(0);
    rig.sound.waterChange();
    rig.sound.setEffectsLevel(0.5);
    EXPECT_EQ(rig.opened, 0);
}

TEST(SoundSwitch, EffectsPassWhileWantedAndTheNightLevelComesBackWithThem)
{
    Rig rig;
    rig.sound.follow(soundSettings("1", "0", {}));
    ASSERT_EQ(rig.opened, 1);
    rig.sound.bubble(7, -0.25);
    rig.sound.splash(0.75);
    rig.sound.chime();
    rig.sound.foodFalls(0.5);
    rig.sound.waterChange();
    EXPECT_EQ(rig.output->bubbles, (std::vector<std::pair<int, double>>{{7, -0.25}}));
    EXPECT_EQ(rig.output->splashes, std::vector<double>{0.75});
    EXPECT_EQ(rig.output->chimes, 1);
    EXPECT_EQ(rig.output->food, std::vector<double>{0.5});
    EXPECT_EQ(rig.output->waterChanges, 1);

    rig.sound.follow(soundSettings("0", "0", {})); // turned off in the dialog
    rig.sound.bubble(7, 0);
    rig.sound.splash(0);
    rig.sound.chime();
    rig.sound.foodFalls(0);
    rig.sound.waterChange();
    rig.sound.setEffectsLevel(0.5); // night fell meanwhile
    EXPECT_EQ(rig.output->bubbles.size(), 1u);
    EXPECT_EQ(rig.output->splashes.size(), 1u);
    EXPECT_EQ(rig.output->chimes, 1);
    EXPECT_EQ(rig.output->food.size(), 1u);
    EXPECT_EQ(rig.output->waterChanges, 1);

    rig.sound.follow(soundSettings("1", "0", {}));
    EXPECT_EQ(rig.output->levels.back(), 0.5);
    EXPECT_EQ(rig.opened, 1);
}

TEST(SoundSwitch, MusicPlaysOnlyWhileTheTankRuns)
{
    Rig rig;
    rig.sound.follow(soundSettings("0", "1", QStringLiteral("/m/sea.ogg")));
    ASSERT_NE(rig.output, nullptr);
    EXPECT_EQ(rig.output->music, QStringList{QString()}); // the dialog alone: no music
    rig.sound.setTankRunning(true);
    EXPECT_EQ(rig.output->music.back(), QStringLiteral("/m/sea.ogg"));
    rig.sound.follow(soundSettings("0", "1", QStringLiteral("/m/reef.flac")));
    EXPECT_EQ(rig.output->music.back(), QStringLiteral("/m/reef.flac"));
    rig.sound.follow(soundSettings("0", "0", QStringLiteral("/m/reef.flac")));
    EXPECT_EQ(rig.output->music.back(), QString());
    // Effects stay out of it.
    rig.sound.chime();
    EXPECT_EQ(rig.output->chimes, 0);
}

TEST(SoundSwitch, AProcessThatMayNotPlayNeverOpensTheOutput)
{
    Rig rig(false);
    rig.sound.follow(soundSettings("1", "1", QStringLiteral("/m/sea.ogg")));
    rig.sound.setTankRunning(true);
    rig.sound.chime();
    EXPECT_EQ(rig.opened, 0);
}

TEST(SoundSwitch, AnOutputThatCannotBeOpenedIsAskedForOnceAndTheRunStaysSilent)
{
    Rig rig(true, true);
    rig.sound.follow(soundSettings("1", "1", QStringLiteral("/m/sea.ogg")));
    rig.sound.setTankRunning(true);
    rig.sound.bubble(9, 0);
    rig.sound.chime();
    rig.sound.follow(soundSettings("1", "1", QStringLiteral("/m/sea.ogg")));
    EXPECT_EQ(rig.opened, 1);
}

} // namespace
} // namespace fw
