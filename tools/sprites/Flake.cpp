#include "Flake.h"

#include <array>

namespace fw::sprites {
namespace {

constexpr int kFrame = 4;
constexpr int kFrames = 4;

// Crumbs of flake food: a few uneven pixels, lit on their upper side.
// 0 is water, 1 the flake's body, 2 its lit edge, 3 its shaded edge.
constexpr std::array<std::array<const char *, kFrame>, kFrames> kShapes{{
    {" 21 ", "2113", " 13 ", "    "},
    {"    ", " 22 ", "2113", "  3 "},
    {" 2  ", "213 ", " 1  ", "    "},
    {"    ", "221 ", " 113", "    "},
}};

// Reddish-brown, orange, tan and green-brown flakes, as a mixed food is.
constexpr std::array<std::array<QRgb, 3>, kFrames> kShades{{
    {qRgb(196, 92, 44), qRgb(236, 150, 92), qRgb(132, 56, 28)},
    {qRgb(222, 142, 48), qRgb(250, 196, 110), qRgb(160, 92, 30)},
    {qRgb(186, 150, 96), qRgb(228, 200, 146), qRgb(126, 96, 58)},
    {qRgb(132, 130, 58), qRgb(180, 178, 98), qRgb(86, 86, 36)},
}};

} // namespace

QImage paintFlakeStrip()
{
    QImage strip(kFrame * kFrames, kFrame, QImage::Format_RGB32);
    strip.fill(Qt::black);
    for (int n = 0; n < kFrames; ++n) {
        for (int y = 0; y < kFrame; ++y) {
            for (int x = 0; x < kFrame; ++x) {
                const char c = kShapes[n][y][x];
                if (c >= '1' && c <= '3')
                    strip.setPixel(n * kFrame + x, y, kShades[n][c - '1']);
            }
        }
    }
    return strip;
}

QImage flakeMask(const QImage &strip)
{
    QImage mask(strip.size(), QImage::Format_RGB32);
    for (int y = 0; y < strip.height(); ++y)
        for (int x = 0; x < strip.width(); ++x)
            mask.setPixel(
                x, y, (strip.pixel(x, y) & 0xffffff) != 0 ? qRgb(0, 0, 0) : qRgb(255, 255, 255));
    return mask;
}

} // namespace fw::sprites
