#include "ContactSheet.h"

#include <QPainter>

#include <algorithm>
#include <cmath>

namespace fw::sprites {
namespace {

constexpr int kZoom = 4;
constexpr int kGap = 8;
const QRgb kWater = qRgb(40, 90, 160);

// Mask with AND, then the image with OR, as the aquarium draws a fish.
QImage overWater(const QImage &image, const QImage &mask, QRgb water, int shiftRear = -1)
{
    QImage out(image.width() + 1, image.height(), QImage::Format_RGB32);
    out.fill(water);
    auto drawColumns = [&](int from, int to, int at) {
        for (int y = 0; y < image.height(); ++y) {
            for (int x = from; x < to; ++x) {
                const QRgb below = out.pixel(at + x - from, y);
                out.setPixel(at + x - from, y, (below & mask.pixel(x, y)) | image.pixel(x, y));
            }
        }
    };
    if (shiftRear < 0) {
        drawColumns(0, image.width(), 0);
    } else {
        // A right-facing fish in the first instant of a tail flick.
        drawColumns(0, shiftRear, 1);
        drawColumns(shiftRear, image.width(), shiftRear);
    }
    return out;
}

QImage zoomed(const QImage &image, int zoom)
{
    return image.scaled(image.size() * zoom, Qt::IgnoreAspectRatio, Qt::FastTransformation);
}

std::vector<QImage> rowCells(const SpritePair &pair)
{
    const int flick = int(std::lround(pair.rightImage.width() * pair.tailShare));
    const QImage rightBlack = overWater(pair.rightImage, pair.rightMaskImage, qRgb(0, 0, 0));
    const QImage rightBlue = overWater(pair.rightImage, pair.rightMaskImage, kWater);
    const QImage leftBlack = overWater(pair.leftImage, pair.leftMaskImage, qRgb(0, 0, 0));
    const QImage leftBlue = overWater(pair.leftImage, pair.leftMaskImage, kWater);
    return {zoomed(rightBlack, kZoom),
            zoomed(rightBlue, kZoom),
            zoomed(pair.rightMaskImage.convertToFormat(QImage::Format_RGB32), kZoom),
            zoomed(leftBlue, kZoom),
            zoomed(leftBlack, kZoom),
            zoomed(overWater(pair.rightImage, pair.rightMaskImage, kWater, flick), kZoom),
            rightBlack,
            rightBlue,
            leftBlue,
            leftBlack};
}

} // namespace

QImage contactSheet(const std::vector<SpritePair> &pairs, const QImage &bubbleStrip)
{
    std::vector<std::vector<QImage>> rows;
    for (const SpritePair &pair : pairs)
        rows.push_back(rowCells(pair));
    rows.push_back({zoomed(bubbleStrip, 8), bubbleStrip});

    int width = 0, height = kGap;
    for (const auto &row : rows) {
        int rowWidth = kGap, rowHeight = 0;
        for (const QImage &cell : row) {
            rowWidth += cell.width() + kGap;
            rowHeight = std::max(rowHeight, cell.height());
        }
        width = std::max(width, rowWidth);
        height += rowHeight + kGap;
    }
    QImage sheet(width, height, QImage::Format_RGB32);
    sheet.fill(qRgb(96, 96, 96));
    QPainter painter(&sheet);
    int y = kGap;
    for (const auto &row : rows) {
        int x = kGap, rowHeight = 0;
        for (const QImage &cell : row) {
            painter.drawImage(x, y, cell);
            x += cell.width() + kGap;
            rowHeight = std::max(rowHeight, cell.height());
        }
        y += rowHeight + kGap;
    }
    return sheet;
}

} // namespace fw::sprites
