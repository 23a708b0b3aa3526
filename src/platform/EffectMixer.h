#pragma once

#include "platform/BubbleVoices.h"

#include <cstdint>
#include <span>
#include <vector>

namespace fw {

class Random;

// Music that the mixer pulls as it plays.
class MusicSource
{
public:
    virtual ~MusicSource() = default;
    // Writes up to `stereo.size() / 2` interleaved stereo frames at the
    // mixer's rate (full scale 1) and returns how many it wrote; fewer only
    // when the music has nothing more to give.
    virtual std::size_t read(std::span<float> stereo) = 0;
};

// Mixes all the tank's sounds into one stereo stream: the bubbles' plinks,
// one-shot clips each at its own pan, and the music, which fades in over a
// second. Clips are mono 16-bit samples at ClipRate. Pans follow the
// equal-power law, so a sound keeps its loudness as it moves.
class EffectMixer
{
public:
    using Clip = std::vector<std::int16_t>;
    static constexpr int Rate = 44100;
    static constexpr int ClipRate = 22050;
    // Gains ramp over this many frames, so no change clicks.
    static constexpr int RampFrames = 441;
    // The music stays below full scale, as the effects do: the tank is calm.
    static constexpr double MusicVolume = 0.7;
    static constexpr int MusicFadeFrames = Rate;

    // `random` varies the bubbles; it is used on the mixing thread only.
    explicit EffectMixer(Random &random);

    void bubble(int size, double pan) { m_bubbles.start(size, pan); }
    // Starts `clip` (which must outlive its playing) at `pan`.
    void play(const Clip &clip, double pan);
    // The effects' level, 1 by day; the change is ramped.
    void setEffectsLevel(double level) { m_levelTarget = level; }
    // Plays `music` (not owned; null for none) from silence, or stops it.
    void setMusic(MusicSource *music);

    // Writes `stereo.size() / 2` interleaved stereo frames of the mix.
    void mix(std::span<std::int16_t> stereo);

    int playingShots() const { return int(m_shots.size()); }
    int playingBubbles() const { return m_bubbles.playing(); }

private:
    struct Shot
    {
        const Clip *clip;
        std::size_t position; // in frames of the mix
        double left;
        double right;
    };
    void addShots(int frames);
    void addMusic(int frames);

    BubbleVoices m_bubbles;
    std::vector<Shot> m_shots;
    double m_level = 1;
    double m_levelTarget = 1;
    MusicSource *m_music = nullptr;
    int m_musicFrames = 0; // played since it started, for the fade
    std::vector<float> m_mix;
    std::vector<float> m_musicBuffer;
};

} // namespace fw
