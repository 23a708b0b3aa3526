#include "platform/EffectMixer.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace fw {

namespace {

constexpr int Upsampling = EffectMixer::Rate / EffectMixer::ClipRate;

std::int16_t clipped(double value)
{
    return std::int16_t(std::lround(std::clamp(value, -32768.0, 32767.0)));
}

// A clip's sample at `position` frames of the mix, halfway samples between.
double clipSample(const EffectMixer::Clip &clip, std::size_t position)
{
    const std::size_t at = position / Upsampling;
    const double next = at + 1 < clip.size() ? clip[at + 1] : 0.0;
    const double part = double(position % Upsampling) / Upsampling;
    return clip[at] + (next - clip[at]) * part;
}

} // namespace

EffectMixer::EffectMixer(Random &random) : m_bubbles(random, Rate) {}

void EffectMixer::play(const Clip &clip, double pan)
{
    if (clip.empty())
        return;
    // A burst of clicks or purchases never piles up without end.
    constexpr std::size_t MostShots = 8;
    if (m_shots.size() >= MostShots)
        m_shots.erase(m_shots.begin());
    const double angle = (std::clamp(pan, -1.0, 1.0) + 1) * std::numbers::pi / 4;
    m_shots.push_back({&clip, 0, std::cos(angle), std::sin(angle)});
}

void EffectMixer::setMusic(MusicSource *music)
{
    m_music = music;
    m_musicFrames = 0;
}

void EffectMixer::addShots(int frames)
{
    for (Shot &shot : m_shots) {
        const std::size_t end = shot.clip->size() * Upsampling;
        for (int f = 0; f < frames && shot.position < end; ++f, ++shot.position) {
            const double sample = clipSample(*shot.clip, shot.position);
            m_mix[2 * f] += float(sample * shot.left);
            m_mix[2 * f + 1] += float(sample * shot.right);
        }
    }
    std::erase_if(m_shots,
                  [](const Shot &shot) { return shot.position >= shot.clip->size() * Upsampling; });
}

void EffectMixer::addMusic(int frames)
{
    if (!m_music)
        return;
    m_musicBuffer.assign(std::size_t(frames) * 2, 0.0f);
    const std::size_t got = m_music->read(m_musicBuffer);
    for (std::size_t f = 0; f < got; ++f, ++m_musicFrames) {
        const double done = std::min(1.0, double(m_musicFrames) / MusicFadeFrames);
        const double gain = 32767 * MusicVolume * done * done;
        m_mix[2 * f] += float(m_musicBuffer[2 * f] * gain);
        m_mix[2 * f + 1] += float(m_musicBuffer[2 * f + 1] * gain);
    }
}

void EffectMixer::mix(std::span<std::int16_t> stereo)
{
    const int frames = int(stereo.size() / 2);
    m_mix.assign(std::size_t(frames) * 2, 0.0f);
    addShots(frames);
    m_bubbles.mixInto(m_mix);
    // The effects' level follows its target in a ramp; the music keeps its own.
    const double step = 1.0 / RampFrames;
    for (int f = 0; f < frames; ++f) {
        m_level = m_level < m_levelTarget ? std::min(m_level + step, m_levelTarget)
                                          : std::max(m_level - step, m_levelTarget);
        m_mix[2 * f] *= float(m_level);
        m_mix[2 * f + 1] *= float(m_level);
    }
    addMusic(frames);
    for (std::size_t i = 0; i < stereo.size(); ++i)
        stereo[i] = clipped(m_mix[i]);
}

} // namespace fw
