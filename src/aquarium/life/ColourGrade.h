#pragma once

#include <QImage>
#include <QRgb>

#include <array>
#include <cstdint>

namespace fw {

// What the light and the water do to a colour: each channel scaled by the
// light (dimmer and bluer by night) and mixed toward the colour of the haze.
// Held as one table per channel, so grading a screenful of pixels is three
// look-ups each.
class ColourGrade
{
public:
    ColourGrade(); // leaves every colour as it is

    // The water and everything behind it.
    static ColourGrade scene(double light, double haze);
    // The fish, a little brighter than the water at night and less hazed,
    // being nearer the glass, so that every fish stays visible.
    static ColourGrade fish(double light, double haze);
    // The bubbles, drawn by lightening what lies beneath: dimmed, never
    // tinted, so their black stays black and adds nothing.
    static ColourGrade bubbles(double light, double haze);

    bool isIdentity() const { return m_identity; }

    QRgb apply(QRgb pixel) const
    {
        return qRgb(m_red[qRed(pixel)], m_green[qGreen(pixel)], m_blue[qBlue(pixel)]);
    }

    // A 24-bit settings colour (red in the low byte), graded.
    std::uint32_t applyToSetting(std::uint32_t bgr) const;

    // A graded copy of a whole picture in the surfaces' format.
    QImage applied(const QImage &picture) const;

    // A graded copy of a sprite: only where its mask is black (the fish) is
    // it changed, so the black around it stays black. `greying` (0..1)
    // first takes that share of the colour out, toward its grey.
    QImage appliedToSprite(const QImage &image, const QImage &mask, double greying) const;

private:
    struct Channel
    {
        double gain;
        double haze; // the haze colour's value for this channel, 0..255
    };
    static ColourGrade make(const std::array<Channel, 3> &channels, double hazeShare);
    void gradeRow(const QRgb *from, QRgb *to, int width) const;

    // Per channel (red, green, blue): level = ((v * gain) >> 8) + bias.
    std::array<int, 3> m_gain{};
    std::array<int, 3> m_bias{};
    std::array<std::uint8_t, 256> m_red{};
    std::array<std::uint8_t, 256> m_green{};
    std::array<std::uint8_t, 256> m_blue{};
    bool m_identity = true;
};

} // namespace fw
