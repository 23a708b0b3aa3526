#include "platform/BubbleVoices.h"

#include "platform/Random.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace fw {

namespace {

constexpr double TwoPi = 2 * std::numbers::pi;
// The tank's frames come every 50 ms or so, and all bubbles of a frame are
// born together; spread over that time they sound like a stream, not a clock.
constexpr double SpreadSeconds = 0.05;
// The stream of a tank with 100 bubbles (about eight a second) plays at the
// full level; denser streams a little softer per bubble.
constexpr double FullLevelRate = 8;
constexpr double RateSeconds = 2; // how quickly the density is followed
// The loudest plink: quiet, well below full scale.
constexpr double Amplitude = 9000;
constexpr double AttackSeconds = 0.0008;

// A bubble's radius in millimetres from its size on the screen: the tank's
// 7 to 10 pixel bubbles are 1.9 to 3.4 mm.
double radiusMm(int size)
{
    return std::clamp(0.5 * size - 1.6, 0.8, 6.0);
}

} // namespace

BubbleVoices::BubbleVoices(Random &random, int rate)
    : m_random(random), m_rate(rate), m_birthRate(FullLevelRate)
{}

double BubbleVoices::pitchOf(int size)
{
    // An air bubble in water rings at about 3.3 kHz·mm over its radius.
    return 3300.0 / radiusMm(size);
}

double BubbleVoices::between(double low, double high)
{
    return low + (high - low) * m_random.next();
}

double BubbleVoices::densityGain() const
{
    return std::min(1.0, std::pow(FullLevelRate / std::max(m_birthRate, 1e-3), 0.25));
}

void BubbleVoices::start(int size, double pan)
{
    ++m_births;
    if (int(m_voices.size()) >= MostVoices) {
        const auto oldest =
            std::max_element(m_voices.begin(), m_voices.end(), [](const Voice &a, const Voice &b) {
                return double(a.age) / a.length < double(b.age) / b.length;
            });
        m_voices.erase(oldest);
    }
    const double radius = radiusMm(size);
    // Larger bubbles ring a little longer; each a little longer or shorter.
    const double decay = (0.004 + 0.003 * radius) * between(0.75, 1.3);
    Voice voice;
    voice.delay = int(between(0, SpreadSeconds) * m_rate);
    voice.length = int(7 * decay * m_rate);
    voice.pitch = TwoPi * pitchOf(size) * between(0.93, 1.07) / m_rate;
    voice.rise = between(0.1, 0.2);
    voice.decayStep = std::exp(-1 / (decay * m_rate));
    voice.glideStep = std::exp(-1 / (2 * decay * m_rate));
    const double amplitude = Amplitude * between(0.35, 1.0) * densityGain();
    const double angle = (std::clamp(pan, -1.0, 1.0) + 1) * std::numbers::pi / 4;
    voice.left = amplitude * std::cos(angle);
    voice.right = amplitude * std::sin(angle);
    m_voices.push_back(voice);
}

void BubbleVoices::ring(Voice &voice, float *stereo, int frames) const
{
    const int skip = std::min(voice.delay, frames);
    voice.delay -= skip;
    const int attackFrames = std::max(1, int(AttackSeconds * m_rate));
    for (int f = skip; f < frames && voice.age < voice.length; ++f, ++voice.age) {
        const double attack = std::min(1.0, double(voice.age) / attackFrames);
        voice.phase += voice.pitch * (1 + voice.rise * (1 - voice.glide));
        const double sample = attack * voice.envelope * std::sin(voice.phase);
        stereo[2 * f] += float(sample * voice.left);
        stereo[2 * f + 1] += float(sample * voice.right);
        voice.envelope *= voice.decayStep;
        voice.glide *= voice.glideStep;
    }
}

void BubbleVoices::followDensity(int frames)
{
    const double seconds = double(frames) / m_rate;
    if (seconds <= 0)
        return;
    const double weight = 1 - std::exp(-seconds / RateSeconds);
    m_birthRate += weight * (m_births / seconds - m_birthRate);
    m_births = 0;
}

void BubbleVoices::mixInto(std::span<float> stereo)
{
    const int frames = int(stereo.size() / 2);
    for (Voice &voice : m_voices)
        ring(voice, stereo.data(), frames);
    std::erase_if(m_voices, [](const Voice &v) { return v.delay == 0 && v.age >= v.length; });
    followDensity(frames);
}

} // namespace fw
