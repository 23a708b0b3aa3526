#include "Synthesis.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace fw::sounds {

namespace {

constexpr double Pi = std::numbers::pi;

// A fixed generator, so every run writes the same files.
class Noise
{
public:
    explicit Noise(std::uint32_t seed) : m_state(seed) {}
    // Uniform in [0, 1).
    double next()
    {
        m_state ^= m_state << 13;
        m_state ^= m_state >> 17;
        m_state ^= m_state << 5;
        return m_state / 4294967296.0;
    }
    double between(double low, double high) { return low + (high - low) * next(); }

private:
    std::uint32_t m_state;
};

int samplesOf(double seconds)
{
    return int(std::lround(seconds * SampleRate));
}

// Adds `sound` into `mix` at `start`; with `wrap` what runs past the end
// comes in again at the start, so a loop has no seam.
void addAt(std::vector<double> &mix, const std::vector<double> &sound, int start, double gain,
           bool wrap)
{
    const int length = int(mix.size());
    for (std::size_t i = 0; i < sound.size(); ++i) {
        int at = start + int(i);
        if (at >= length) {
            if (!wrap)
                break;
            at %= length;
        }
        mix[at] += gain * sound[i];
    }
}

// Scales to the given peak (a fraction of full scale) and rounds to 16 bits.
Samples toSamples(const std::vector<double> &mix, double peak)
{
    double highest = 0;
    for (double v : mix)
        highest = std::max(highest, std::abs(v));
    const double scale = highest > 0 ? peak * 32767.0 / highest : 0;
    Samples out(mix.size());
    std::transform(mix.begin(), mix.end(), out.begin(),
                   [scale](double v) { return std::int16_t(std::lround(v * scale)); });
    return out;
}

void putLittleEndian(std::string &out, std::uint32_t value, int bytes)
{
    for (int i = 0; i < bytes; ++i)
        out.push_back(char((value >> (8 * i)) & 0xff));
}

} // namespace

double bubblePitch(double radiusMm)
{
    return 3300.0 / radiusMm;
}

std::vector<double> bubble(double radiusMm)
{
    const double pitch = bubblePitch(radiusMm);
    // Larger bubbles ring a little longer.
    const double decay = 0.004 + 0.003 * radiusMm;
    std::vector<double> ring(samplesOf(decay * 7));
    double phase = 0;
    for (std::size_t i = 0; i < ring.size(); ++i) {
        const double t = double(i) / SampleRate;
        const double attack = std::min(1.0, t / 0.0008);
        // The pitch rises a little as the bubble leaves the nozzle and
        // rounds off.
        const double frequency = pitch * (1 + 0.15 * (1 - std::exp(-t / (2 * decay))));
        phase += 2 * Pi * frequency / SampleRate;
        ring[i] = attack * std::exp(-t / decay) * std::sin(phase);
    }
    return ring;
}

Samples splash()
{
    Noise noise(0x5b1a5);
    std::vector<double> mix(samplesOf(0.5));
    // Water noise, darker as it settles: a one-pole low pass whose corner
    // falls from about 3 kHz to 500 Hz.
    double low = 0;
    for (std::size_t i = 0; i < mix.size(); ++i) {
        const double t = double(i) / SampleRate;
        const double corner = 500 + 2500 * std::exp(-t / 0.05);
        const double alpha = 1 - std::exp(-2 * Pi * corner / SampleRate);
        low += alpha * (noise.between(-1, 1) - low);
        const double envelope = std::min(1.0, t / 0.004) * std::exp(-t / 0.07);
        mix[i] = low * envelope * 2.5;
    }
    for (int k = 0; k < 5; ++k)
        addAt(mix, bubble(noise.between(0.8, 2.2)), samplesOf(noise.between(0.02, 0.3)),
              noise.between(0.15, 0.4), false);
    return toSamples(mix, 0.3);
}

Samples patter()
{
    Noise noise(0xf1a4e);
    std::vector<double> mix(samplesOf(0.7));
    // Flakes touch the water one after another, most of them early: each a
    // tap of bright noise a few milliseconds long and, now and then, a tiny
    // bubble.
    double at = 0;
    while (true) {
        at += noise.between(0.01, 0.06) * (1 + 2 * at);
        if (at >= 0.6)
            break;
        std::vector<double> tap(samplesOf(noise.between(0.002, 0.006)));
        double low = 0;
        for (std::size_t i = 0; i < tap.size(); ++i) {
            low += 0.5 * (noise.between(-1, 1) - low);
            tap[i] = low * std::exp(-double(i) / tap.size() * 4);
        }
        const double level = noise.between(0.3, 1.0) * (1 - at / 0.7);
        addAt(mix, tap, samplesOf(at), level, false);
        if (noise.next() < 0.3)
            addAt(mix, bubble(noise.between(0.6, 1.2)), samplesOf(at), 0.3 * level, false);
    }
    return toSamples(mix, 0.15);
}

Samples pour()
{
    Noise noise(0x90e3d);
    std::vector<double> mix(samplesOf(1.6));
    // A stream of water into the tank: dark rushing noise that swells and
    // ebbs a little, and bubbles carried down by the stream.
    double low = 0;
    double lower = 0;
    double swell = 0;
    for (std::size_t i = 0; i < mix.size(); ++i) {
        const double t = double(i) / SampleRate;
        const double alpha = 1 - std::exp(-2 * Pi * 1400 / SampleRate);
        low += alpha * (noise.between(-1, 1) - low);
        lower += alpha * (low - lower);
        swell += 0.0005 * (noise.between(0.5, 1.0) - swell);
        const double envelope = std::min(1.0, t / 0.12) * std::min(1.0, (1.6 - t) / 0.5);
        mix[i] = lower * envelope * (0.6 + swell);
    }
    for (double at = 0.05; at < 1.2; at += noise.between(0.01, 0.05))
        addAt(mix, bubble(noise.between(1.0, 3.5)), samplesOf(at), noise.between(0.02, 0.08),
              false);
    return toSamples(mix, 0.2);
}

Samples chime()
{
    std::vector<double> mix(samplesOf(1.3));
    struct Note
    {
        double start;
        double pitch;
    };
    for (const Note note : {Note{0.0, 1046.5}, Note{0.11, 1568.0}}) {
        std::vector<double> tone(mix.size() - samplesOf(note.start));
        for (std::size_t i = 0; i < tone.size(); ++i) {
            const double t = double(i) / SampleRate;
            const double attack = std::min(1.0, t / 0.003);
            double v = 0;
            // A soft bell: the fundamental and two quieter, quicker partials.
            v += std::sin(2 * Pi * note.pitch * t) * std::exp(-t / 0.35);
            v += 0.3 * std::sin(2 * Pi * note.pitch * 2 * t) * std::exp(-t / 0.15);
            v += 0.1 * std::sin(2 * Pi * note.pitch * 3 * t) * std::exp(-t / 0.08);
            tone[i] = attack * v;
        }
        addAt(mix, tone, samplesOf(note.start), 1.0, false);
    }
    return toSamples(mix, 0.22);
}

std::string wavFile(const Samples &samples)
{
    const std::uint32_t dataBytes = std::uint32_t(samples.size() * 2);
    std::string out = "RIFF";
    putLittleEndian(out, 36 + dataBytes, 4);
    out += "WAVEfmt ";
    putLittleEndian(out, 16, 4);
    putLittleEndian(out, 1, 2); // PCM
    putLittleEndian(out, 1, 2); // mono
    putLittleEndian(out, SampleRate, 4);
    putLittleEndian(out, SampleRate * 2, 4);
    putLittleEndian(out, 2, 2);
    putLittleEndian(out, 16, 2);
    out += "data";
    putLittleEndian(out, dataBytes, 4);
    for (std::int16_t sample : samples)
        putLittleEndian(out, std::uint16_t(sample), 2);
    return out;
}

} // namespace fw::sounds
