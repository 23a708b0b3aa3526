#include "aquarium/life/ColourGrade.h"

#include "platform/Surface.h"

#include <algorithm>
#include <cmath>

namespace fw {

namespace {

// Moonlight: about a third of the day's brightness, with a cool blue cast.
constexpr double NightRed = 0.24, NightGreen = 0.31, NightBlue = 0.52;
// The fish by night: brighter than the water around them.
constexpr double FishNightRed = 0.38, FishNightGreen = 0.45, FishNightBlue = 0.62;
// A faint green-brown, as old aquarium water takes on.
constexpr double HazeRed = 118, HazeGreen = 124, HazeBlue = 84;
// How much of the picture the murkiest water hides.
constexpr double SceneHaze = 0.5;
constexpr double FishHaze = 0.35;
constexpr double BubbleHaze = 0.5;

double mix(double night, double light)
{
    return night + (1 - night) * light;
}

std::uint8_t channelValue(double value)
{
    return static_cast<std::uint8_t>(std::clamp(std::lround(value), 0L, 255L));
}

} // namespace

ColourGrade::ColourGrade()
{
    for (int v = 0; v < 256; ++v)
        m_red[v] = m_green[v] = m_blue[v] = static_cast<std::uint8_t>(v);
}

ColourGrade ColourGrade::make(const std::array<Channel, 3> &channels, double hazeShare)
{
    ColourGrade grade;
    std::array<std::array<std::uint8_t, 256> *, 3> tables{&grade.m_red, &grade.m_green,
                                                          &grade.m_blue};
    for (int c = 0; c < 3; ++c) {
        const Channel &channel = channels[c];
        for (int v = 0; v < 256; ++v) {
            const double lit = v * channel.gain;
            (*tables[c])[v] =
                channelValue(lit * (1 - hazeShare) + channel.haze * channel.gain * hazeShare);
        }
    }
    grade.m_identity = grade.m_red == ColourGrade().m_red &&
                       grade.m_green == ColourGrade().m_green &&
                       grade.m_blue == ColourGrade().m_blue;
    return grade;
}

ColourGrade ColourGrade::scene(double light, double haze)
{
    return make({{{mix(NightRed, light), HazeRed},
                  {mix(NightGreen, light), HazeGreen},
                  {mix(NightBlue, light), HazeBlue}}},
                SceneHaze * haze);
}

ColourGrade ColourGrade::fish(double light, double haze)
{
    return make({{{mix(FishNightRed, light), HazeRed},
                  {mix(FishNightGreen, light), HazeGreen},
                  {mix(FishNightBlue, light), HazeBlue}}},
                FishHaze * haze);
}

ColourGrade ColourGrade::bubbles(double light, double haze)
{
    const double dim = 1 - BubbleHaze * haze;
    return make({{{mix(NightRed, light) * dim, 0},
                  {mix(NightGreen, light) * dim, 0},
                  {mix(NightBlue, light) * dim, 0}}},
                0);
}

std::uint32_t ColourGrade::applyToSetting(std::uint32_t bgr) const
{
    return Surface::fromPixel(apply(Surface::toPixel(bgr)));
}

QImage ColourGrade::applied(const QImage &picture) const
{
    if (m_identity || picture.isNull())
        return picture;
    QImage out(picture.size(), picture.format());
    for (int y = 0; y < picture.height(); ++y) {
        const auto *from = reinterpret_cast<const QRgb *>(picture.constScanLine(y));
        auto *to = reinterpret_cast<QRgb *>(out.scanLine(y));
        for (int x = 0; x < picture.width(); ++x)
            to[x] = apply(from[x]);
    }
    return out;
}

QImage ColourGrade::appliedToSprite(const QImage &image, const QImage &mask, double greying) const
{
    if ((m_identity && greying <= 0) || image.isNull() || mask.size() != image.size())
        return image;
    QImage out = image.copy();
    for (int y = 0; y < image.height(); ++y) {
        const auto *cover = reinterpret_cast<const QRgb *>(mask.constScanLine(y));
        auto *pixels = reinterpret_cast<QRgb *>(out.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            if ((cover[x] & 0xffffffu) != 0)
                continue; // outside the fish
            QRgb pixel = pixels[x];
            if (greying > 0) {
                const double grey =
                    0.299 * qRed(pixel) + 0.587 * qGreen(pixel) + 0.114 * qBlue(pixel);
                auto toward = [&](int v) { return channelValue(v + (grey - v) * greying); };
                pixel = qRgb(toward(qRed(pixel)), toward(qGreen(pixel)), toward(qBlue(pixel)));
            }
            pixels[x] = apply(pixel);
        }
    }
    return out;
}

} // namespace fw
