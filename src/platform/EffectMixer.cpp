#include "platform/EffectMixer.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace fw {

namespace {

// Steps `value` toward `target` by at most `step`.
double approach(double value, double target, double step)
{
    if (value < target)
        return std::min(value + step, target);
    return std::max(value - step, target);
}

std::int16_t clipped(double value)
{
    return std::int16_t(std::lround(std::clamp(value, -32768.0, 32767.0)));
}

} // namespace

EffectMixer::Gains EffectMixer::gainsFor(double pan)
{
    const double angle = (std::clamp(pan, -1.0, 1.0) + 1) * std::numbers::pi / 4;
    return {std::cos(angle), std::sin(angle)};
}

void EffectMixer::setLoopPan(std::optional<double> pan)
{
    m_loopTarget = pan ? gainsFor(*pan) : Gains{};
}

void EffectMixer::play(const Clip &clip, double pan)
{
    if (clip.empty())
        return;
    // A burst of clicks or purchases never piles up without end.
    constexpr std::size_t MostShots = 8;
    if (m_shots.size() >= MostShots)
        m_shots.erase(m_shots.begin());
    m_shots.push_back({&clip, 0, gainsFor(pan)});
}

void EffectMixer::mix(std::span<std::int16_t> stereo)
{
    const std::size_t frames = stereo.size() / 2;
    constexpr double Step = 1.0 / RampFrames;
    for (std::size_t f = 0; f < frames; ++f) {
        double left = 0;
        double right = 0;
        m_loopGains.left = approach(m_loopGains.left, m_loopTarget.left, Step);
        m_loopGains.right = approach(m_loopGains.right, m_loopTarget.right, Step);
        if (!m_loop.empty() && (m_loopGains.left > 0 || m_loopGains.right > 0)) {
            const double sample = m_loop[m_loopPosition];
            left += sample * m_loopGains.left;
            right += sample * m_loopGains.right;
            m_loopPosition = (m_loopPosition + 1) % m_loop.size();
        }
        for (Shot &shot : m_shots) {
            if (shot.position >= shot.clip->size())
                continue;
            const double sample = (*shot.clip)[shot.position++];
            left += sample * shot.gains.left;
            right += sample * shot.gains.right;
        }
        stereo[2 * f] = clipped(left);
        stereo[2 * f + 1] = clipped(right);
    }
    std::erase_if(m_shots, [](const Shot &shot) { return shot.position >= shot.clip->size(); });
}

} // namespace fw
