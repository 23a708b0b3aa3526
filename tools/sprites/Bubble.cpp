#include "Bubble.h"

#include <QPainter>
#include <QRadialGradient>

#include <cmath>

namespace fw::sprites {
namespace {

constexpr int kFrame = 10;
constexpr int kFrames = 5;
constexpr int kScale = 8;

void paintFrame(QPainter &painter, int n)
{
    const QPointF centre(5, 5);
    // The body of the bubble is almost clear: only a faint blue tint, since
    // the strip is OR-ed onto the water.
    QRadialGradient body(centre, 4.3);
    body.setColorAt(0, QColor(0, 0, 0));
    body.setColorAt(0.62, QColor(6, 14, 24));
    body.setColorAt(0.82, QColor(110, 156, 196));
    body.setColorAt(0.93, QColor(226, 242, 255));
    body.setColorAt(1, QColor(100, 130, 160));
    painter.setPen(Qt::NoPen);
    painter.setBrush(body);
    painter.drawEllipse(centre, 4.3, 4.3);

    // The highlight circles a little around the upper left.
    const double angle = -2.3 + 0.32 * std::sin(n * 2 * M_PI / kFrames);
    const double distance = 2.0 + 0.35 * std::cos(n * 2 * M_PI / kFrames);
    const QPointF spot = centre + QPointF(std::cos(angle), std::sin(angle)) * distance;
    QRadialGradient shine(spot, 1.7);
    shine.setColorAt(0, QColor(255, 255, 255));
    shine.setColorAt(0.5, QColor(235, 245, 255, 200));
    shine.setColorAt(1, QColor(235, 245, 255, 0));
    painter.setBrush(shine);
    painter.drawEllipse(spot, 1.7, 1.7);

    // A dim reflection on the opposite side.
    const QPointF back = centre - (spot - centre) * 0.9;
    QRadialGradient glow(back, 1.3);
    glow.setColorAt(0, QColor(120, 170, 210, 160));
    glow.setColorAt(1, QColor(120, 170, 210, 0));
    painter.setBrush(glow);
    painter.drawEllipse(back, 1.3, 1.3);
}

} // namespace

QImage paintBubbleStrip()
{
    QImage big(kFrame * kFrames * kScale, kFrame * kScale, QImage::Format_RGB32);
    big.fill(Qt::black);
    QPainter painter(&big);
    painter.setRenderHint(QPainter::Antialiasing);
    for (int n = 0; n < kFrames; ++n) {
        painter.save();
        painter.scale(kScale, kScale);
        painter.translate(n * kFrame, 0);
        paintFrame(painter, n);
        painter.restore();
    }
    painter.end();
    QImage strip =
        big.scaled(kFrame * kFrames, kFrame, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    // Smoothing leaves faint dust at the corners; the surround must stay pure
    // black so it adds nothing to the water.
    for (int y = 0; y < strip.height(); ++y) {
        for (int x = 0; x < strip.width(); ++x) {
            const double dx = x % kFrame + 0.5 - 5, dy = y + 0.5 - 5;
            const QRgb c = strip.pixel(x, y);
            if (dx * dx + dy * dy > 5.0 * 5.0 || qRed(c) + qGreen(c) + qBlue(c) < 12)
                strip.setPixel(x, y, qRgb(0, 0, 0));
        }
    }
    return strip;
}

} // namespace fw::sprites
