#pragma once

#include "platform/SpriteSpans.h"
#include "platform/Surface.h"

#include <QImage>
#include <QRect>

#include <cstdint>

namespace fw {

// The surface's raster work on plain pixel rows, apart from what the surface
// keeps track of: clipping, copies with a raster operation, sprite runs and
// fills. Only the 24 colour bits take part; the alpha byte stays opaque.

// The first pixel of a writable image and its distance between rows.
struct PixelRows
{
    std::uint32_t *pixels;
    qint64 stride;
};

// A copy of pixels clipped at every edge of both images: destination (x, y),
// source (u, v), w x h of them; nothing to copy when w or h is not positive.
struct ClippedCopy
{
    qint64 x, y, u, v, w, h;

    bool isEmpty() const { return w <= 0 || h <= 0; }
    QRect target() const { return QRect(int(x), int(y), int(w), int(h)); }
};

ClippedCopy clipCopy(int dx, int dy, int w, int h, QSize dest, QSize source, int sx, int sy);
// The part of a rectangle inside an image of `size`; empty when none is.
QRect clipFill(int x, int y, int w, int h, QSize size);

bool isSurfaceFormat(const QImage &image);

// `source` in the surface's format; it may be the destination's own image,
// the copy then reads each pixel before it is overwritten.
void copyPixels(PixelRows dest, const QImage &source, const ClippedCopy &c, RasterOp op);
// Copies only the opaque runs `spans` gives for `image`.
void copyOpaqueRuns(PixelRows dest, const QImage &image, const SpriteSpans &spans,
                    const ClippedCopy &c);
void fillPixels(PixelRows dest, const QRect &rect, std::uint32_t pixel);
// Fills the part of `rect` that the runs of a sprite whose top-left corner
// lay at `origin` cover.
void fillRuns(PixelRows dest, const QRect &rect, const SpriteSpans &runs, QPoint origin,
              std::uint32_t pixel);

} // namespace fw
