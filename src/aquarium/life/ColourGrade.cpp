#include "aquarium/life/ColourGrade.h"

#include "platform/Surface.h"

#include <algorithm>
#ifdef __SSE2__
#include <emmintrin.h>
#endif
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

// A channel's level: its value scaled by gain / 256, plus the haze's part.
int levelOf(int value, int gain, int bias)
{
    return std::min(255, ((value * gain) >> 8) + bias);
}

std::uint8_t channelValue(double value)
{
    return static_cast<std::uint8_t>(std::clamp(std::lround(value), 0L, 255L));
}

} // namespace

ColourGrade::ColourGrade()
{
    m_gain = {256, 256, 256};
    m_bias = {0, 0, 0};
    for (int v = 0; v < 256; ++v)
        m_red[v] = m_green[v] = m_blue[v] = static_cast<std::uint8_t>(v);
}

ColourGrade ColourGrade::make(const std::array<Channel, 3> &channels, double hazeShare)
{
    // Each channel is ((v * gain) >> 8) + bias, with the gain in 256ths, so
    // that a whole picture can be graded by 16-bit vector arithmetic, and the
    // tables give exactly the same values.
    ColourGrade grade;
    std::array<std::array<std::uint8_t, 256> *, 3> tables{&grade.m_red, &grade.m_green,
                                                          &grade.m_blue};
    for (int c = 0; c < 3; ++c) {
        const Channel &channel = channels[c];
        const int gain = int(std::lround(channel.gain * (1 - hazeShare) * 256));
        const int bias = int(std::lround(channel.haze * channel.gain * hazeShare));
        grade.m_gain[c] = std::clamp(gain, 0, 256);
        grade.m_bias[c] = std::clamp(bias, 0, 255);
        for (int v = 0; v < 256; ++v)
            (*tables[c])[v] = std::uint8_t(levelOf(v, grade.m_gain[c], grade.m_bias[c]));
    }
    grade.m_identity = grade.m_gain == std::array<int, 3>{256, 256, 256} &&
                       grade.m_bias == std::array<int, 3>{0, 0, 0};
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
    for (int y = 0; y < picture.height(); ++y)
        gradeRow(reinterpret_cast<const QRgb *>(picture.constScanLine(y)),
                 reinterpret_cast<QRgb *>(out.scanLine(y)), picture.width());
    return out;
}

void ColourGrade::gradeRow(const QRgb *from, QRgb *to, int width) const
{
    int x = 0;
#ifdef __SSE2__
    // A screenful at each step of the light: four pixels at a time, each
    // channel widened to 16 bits, scaled, shifted back, the haze added and
    // packed again with saturation (blue, green, red, unused in memory).
    const __m128i gain = _mm_setr_epi16(short(m_gain[2]), short(m_gain[1]), short(m_gain[0]), 0,
                                        short(m_gain[2]), short(m_gain[1]), short(m_gain[0]), 0);
    const __m128i bias = _mm_setr_epi16(short(m_bias[2]), short(m_bias[1]), short(m_bias[0]), 0,
                                        short(m_bias[2]), short(m_bias[1]), short(m_bias[0]), 0);
    const __m128i zero = _mm_setzero_si128();
    const __m128i opaque = _mm_set1_epi32(int(0xff000000u));
    for (; x + 4 <= width; x += 4) {
        const __m128i pixels = _mm_loadu_si128(reinterpret_cast<const __m128i *>(from + x));
        __m128i low = _mm_unpacklo_epi8(pixels, zero);
        __m128i high = _mm_unpackhi_epi8(pixels, zero);
        low = _mm_add_epi16(_mm_srli_epi16(_mm_mullo_epi16(low, gain), 8), bias);
        high = _mm_add_epi16(_mm_srli_epi16(_mm_mullo_epi16(high, gain), 8), bias);
        const __m128i graded = _mm_or_si128(_mm_packus_epi16(low, high), opaque);
        _mm_storeu_si128(reinterpret_cast<__m128i *>(to + x), graded);
    }
#endif
    for (; x < width; ++x)
        to[x] = apply(from[x]);
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
