#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

namespace fw {

// Mixes the tank's effects into one stereo stream: a looping clip that can be
// placed left or right and faded in and out, and one-shot clips, each with its
// own pan. Clips are mono 16-bit samples at the stream's rate. Pans follow
// the equal-power law, so a sound keeps its loudness as it moves.
class EffectMixer
{
public:
    using Clip = std::vector<std::int16_t>;

    void setLoop(Clip clip) { m_loop = std::move(clip); }
    // Plays the loop at `pan`, or fades it out (empty).
    void setLoopPan(std::optional<double> pan);
    // Starts `clip` (which must outlive its playing) at `pan`.
    void play(const Clip &clip, double pan);

    // Writes `frames` interleaved stereo frames (left, right) of the mix.
    void mix(std::span<std::int16_t> stereo);

    int playingShots() const { return int(m_shots.size()); }

    // Gains ramp over this many frames, so no change clicks.
    static constexpr int RampFrames = 441;

private:
    struct Gains
    {
        double left = 0;
        double right = 0;
    };
    struct Shot
    {
        const Clip *clip;
        std::size_t position;
        Gains gains;
    };
    static Gains gainsFor(double pan);

    Clip m_loop;
    std::size_t m_loopPosition = 0;
    Gains m_loopGains;  // where the loop is now
    Gains m_loopTarget; // where it is heading
    std::vector<Shot> m_shots;
};

} // namespace fw
