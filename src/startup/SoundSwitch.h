#pragma once

#include "platform/Sound.h"
#include "startup/HostCommandLine.h"

#include <QSize>
#include <QString>

#include <functional>
#include <memory>

namespace fw {

struct SettingsRecord;

// The sounds the settings ask for: the effects ("sound1" = "1") and the
// music file ("sound2" = "1"; empty when no music is wanted).
struct SoundWish
{
    bool effects = false;
    QString music;

    bool any() const { return effects || !music.isEmpty(); }
};
SoundWish soundWish(const SettingsRecord &settings);

// Whether this process may be heard. Of the processes a host starts, one per
// monitor, only the one that owns the settings file plays, so the music
// never sounds twice; a host's settings preview (started with --window-id,
// or in a window far smaller than the screen) stays silent.
bool mayPlaySound(bool ownsSettings, const HostRequest &host, QSize hostWindow, QSize screen);

// The program's sound as the settings have it: passes the tank's sounds on
// to the real output while they are wanted and drops them otherwise. The
// output (and with it the audio stack) is opened only when a sound is first
// wanted, and only once: when that fails the run stays silent.
class SoundSwitch final : public SoundEffects
{
public:
    using Opener = std::function<std::unique_ptr<Sound>()>;
    SoundSwitch(bool allowed, Opener open);
    ~SoundSwitch() override;

    // Takes the settings as they are now: at the start and after each OK.
    void follow(const SettingsRecord &settings);
    // Music plays only while the tank runs.
    void setTankRunning(bool running);

    void bubble(int size, double pan) override;
    void splash(double pan) override;
    void chime() override;
    void foodFalls(double pan) override;
    void waterChange() override;
    void setEffectsLevel(double level) override;

private:
    Sound *output();
    // The output while the effects are wanted, else null.
    Sound *effects();
    void update();

    bool m_allowed;
    Opener m_open;
    bool m_opened = false;
    std::unique_ptr<Sound> m_output;
    SoundWish m_wish;
    bool m_tankRunning = false;
    double m_effectsLevel = 1;
};

} // namespace fw
