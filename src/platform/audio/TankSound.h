#pragma once

#include "MusicDecoder.h"
#include "PulseOutput.h"
#include "platform/EffectMixer.h"
#include "platform/Random.h"
#include "platform/Sound.h"

#include <QString>

#include <chrono>
#include <memory>
#include <mutex>
#include <optional>
#include <vector>

namespace fw {

// The tank's sounds: the effects and the music mixed into one stream to the
// sound server. The tank's calls only leave a note for the output's thread,
// which mixes, decodes and talks to the server; no call ever waits on it.
class TankSound final : public Sound
{
public:
    TankSound();
    ~TankSound() override;

    void bubble(int size, double pan) override;
    void splash(double pan) override;
    void chime() override;
    void foodFalls(double pan) override;
    void waterChange() override;
    void setEffectsLevel(double level) override;
    void setMusic(const QString &file) override;

private:
    using Time = std::chrono::steady_clock::time_point;
    // One sound to start: a bubble (size > 0) or a clip.
    struct Event
    {
        Time when;
        int size = 0;
        const EffectMixer::Clip *clip = nullptr;
        double pan = 0;
    };
    // What the tank asked for since the output's thread last looked.
    struct Notes
    {
        std::vector<Event> events;
        std::optional<double> level;
        std::optional<QString> music;
    };
    void note(Event event);
    void render(std::span<std::int16_t> stereo);
    void playMusic(const QString &file);
    void followMusic();

    EffectMixer::Clip m_splash;
    EffectMixer::Clip m_chime;
    EffectMixer::Clip m_patter;
    EffectMixer::Clip m_pour;
    QString m_musicFile; // as the tank last asked

    std::mutex m_lock;
    Notes m_notes;

    // The output's thread alone touches these.
    SeededRandom m_random;
    EffectMixer m_mixer;
    std::unique_ptr<MusicDecoder> m_music;
    QString m_playing; // the music file m_music plays

    std::unique_ptr<PulseOutput> m_output; // last: its thread uses all the above
};

} // namespace fw
