#pragma once

#include <span>
#include <vector>

namespace fw {

class Random;

// The plinks of bubbles leaving their source, synthesised as they are born:
// each rings at the resonance of its size (small bubbles higher), rises a
// little as it fades, and varies a little at random in level and length, so
// a stream of them never repeats. A dense stream is played a little softer
// per bubble, so four times the bubbles sound about 3 dB louder, not 6.
class BubbleVoices
{
public:
    // The sample rate of the mix the voices are added to.
    explicit BubbleVoices(Random &random, int rate);

    // A bubble `size` pixels across, heard at `pan` (-1 left to 1 right).
    void start(int size, double pan);
    // Adds `stereo.size() / 2` frames of the ringing bubbles to `stereo`
    // (interleaved left, right; full scale 32767).
    void mixInto(std::span<float> stereo);

    int playing() const { return int(m_voices.size()); }

    // Never more bubbles ring at once: the oldest, nearly faded, gives way.
    static constexpr int MostVoices = 24;
    // The resonance of a bubble `size` pixels across, in Hz.
    static double pitchOf(int size);

private:
    struct Voice
    {
        int delay = 0;  // frames before it starts
        int length = 0; // frames it rings
        int age = 0;
        double phase = 0;
        double pitch = 0;     // radians per frame at the start
        double rise = 0;      // how far the pitch rises, as a fraction
        double envelope = 1;  // exp(-t / decay)
        double decayStep = 1; // per frame
        double glide = 1;     // exp(-t / (2 decay)), the rise still to come
        double glideStep = 1; // per frame
        double left = 0;      // gains
        double right = 0;
    };
    void ring(Voice &voice, float *stereo, int frames) const;
    double between(double low, double high);
    double densityGain() const;
    void followDensity(int frames);

    Random &m_random;
    int m_rate;
    std::vector<Voice> m_voices;
    double m_birthRate; // bubbles a second, smoothed over a few seconds
    int m_births = 0;   // since the last mix
};

} // namespace fw
