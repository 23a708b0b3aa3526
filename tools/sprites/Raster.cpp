#include "Raster.h"

#include "Quantiser.h"

#include <algorithm>
#include <cmath>

namespace fw::sprites {
namespace {

constexpr int kSupersample = 8;

QTransform designToCanvas(const FishArt &art, QSize size)
{
    const QSizeF design = art.designSize();
    QTransform transform;
    transform.scale(kSupersample * size.width() / design.width(),
                    kSupersample * size.height() / design.height());
    return transform;
}

QImage paintLayer(const FishArt &art, const Pose &pose, QSize size, bool outlineOnly)
{
    QImage layer(size * kSupersample, QImage::Format_ARGB32_Premultiplied);
    layer.fill(outlineOnly ? Qt::transparent : Qt::black);
    QPainter painter(&layer);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setTransform(designToCanvas(art, size));
    if (outlineOnly)
        painter.fillPath(art.outline(pose), Qt::white);
    else
        art.paint(painter, pose);
    return layer;
}

struct Averaged
{
    double coverage = 0; // share of the pixel inside the outline, 0..1
    double red = 0, green = 0, blue = 0;
};

// Colour averaged over the part of the pixel that lies inside the outline,
// so edge pixels keep the fish's colour instead of fading to the surround.
Averaged averageBlock(const QImage &outline, const QImage &colour, int ox, int oy)
{
    Averaged sum;
    double weight = 0;
    for (int y = oy * kSupersample; y < (oy + 1) * kSupersample; ++y) {
        const auto *shape = reinterpret_cast<const QRgb *>(outline.constScanLine(y));
        const auto *paint = reinterpret_cast<const QRgb *>(colour.constScanLine(y));
        for (int x = ox * kSupersample; x < (ox + 1) * kSupersample; ++x) {
            const double w = qAlpha(shape[x]) / 255.0;
            weight += w;
            sum.red += w * qRed(paint[x]);
            sum.green += w * qGreen(paint[x]);
            sum.blue += w * qBlue(paint[x]);
        }
    }
    sum.coverage = weight / (kSupersample * kSupersample);
    if (weight > 0) {
        sum.red /= weight;
        sum.green /= weight;
        sum.blue /= weight;
    }
    return sum;
}

QRgb notBlack(const Averaged &a)
{
    auto channel = [](double v) { return std::clamp(int(std::lround(v)), 0, 255); };
    int r = channel(a.red), g = channel(a.green), b = channel(a.blue);
    if (std::max({r, g, b}) < kNearBlack)
        r = g = b = kNearBlack;
    return qRgb(r, g, b);
}

} // namespace

QImage renderFish(const FishArt &art, const Pose &pose, QSize size)
{
    const QImage outline = paintLayer(art, pose, size, true);
    const QImage colour = paintLayer(art, pose, size, false);
    QImage sprite(size, QImage::Format_RGB32);
    for (int y = 0; y < size.height(); ++y) {
        for (int x = 0; x < size.width(); ++x) {
            const Averaged a = averageBlock(outline, colour, x, y);
            sprite.setPixel(x, y, a.coverage >= 0.5 ? notBlack(a) : qRgb(0, 0, 0));
        }
    }
    return sprite;
}

QImage renderFishWithAlpha(const FishArt &art, const Pose &pose, QSize size)
{
    const QImage outline = paintLayer(art, pose, size, true);
    const QImage colour = paintLayer(art, pose, size, false);
    QImage picture(size, QImage::Format_ARGB32);
    for (int y = 0; y < size.height(); ++y) {
        for (int x = 0; x < size.width(); ++x) {
            const Averaged a = averageBlock(outline, colour, x, y);
            const QRgb rgb = notBlack(a);
            picture.setPixel(
                x, y,
                qRgba(qRed(rgb), qGreen(rgb), qBlue(rgb), int(std::lround(255 * a.coverage))));
        }
    }
    return picture;
}

QImage toSpritePalette(const QImage &sprite)
{
    std::vector<QRgb> fishPixels;
    for (int y = 0; y < sprite.height(); ++y)
        for (int x = 0; x < sprite.width(); ++x)
            if ((sprite.pixel(x, y) & 0xffffff) != 0)
                fishPixels.push_back(sprite.pixel(x, y));

    const std::vector<QRgb> palette = medianCutPalette(fishPixels, 255);
    QList<QRgb> table{qRgb(0, 0, 0)};
    for (QRgb c : palette)
        table.append(c);

    QImage indexed(sprite.size(), QImage::Format_Indexed8);
    indexed.setColorTable(table);
    for (int y = 0; y < sprite.height(); ++y) {
        for (int x = 0; x < sprite.width(); ++x) {
            const QRgb c = sprite.pixel(x, y);
            const int index = (c & 0xffffff) == 0 ? 0 : 1 + nearestIndex(palette, c);
            indexed.setPixel(x, y, uint(index));
        }
    }
    return indexed;
}

QImage maskOf(const QImage &indexedSprite)
{
    QImage mask(indexedSprite.size(), QImage::Format_Indexed8);
    mask.setColorTable({qRgb(0, 0, 0), qRgb(255, 255, 255)});
    for (int y = 0; y < mask.height(); ++y)
        for (int x = 0; x < mask.width(); ++x)
            mask.setPixel(x, y, indexedSprite.pixelIndex(x, y) == 0 ? 1u : 0u);
    return mask;
}

} // namespace fw::sprites
