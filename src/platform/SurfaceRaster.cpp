// The surface's raster operations: clip, copy or fill, then note what changed.
#include "platform/RasterCopies.h"
#include "platform/Surface.h"

namespace fw {

void Surface::bitBlt(int dx, int dy, int w, int h, const QImage &source, int sx, int sy,
                     RasterOp op)
{
    if (w <= 0 || h <= 0 || m_image.isNull() || source.isNull())
        return;
    if (!isSurfaceFormat(source)) {
        // Pictures should come through toSurfaceFormat() once; this is the slow,
        // allocating path for one that did not.
        bitBlt(dx, dy, w, h, toSurfaceFormat(source), sx, sy, op);
        return;
    }
    const ClippedCopy c = clipCopy(dx, dy, w, h, m_image.size(), source.size(), sx, sy);
    if (c.isEmpty())
        return;
    std::uint32_t *dest = writablePixels();
    copyPixels({dest, m_image.bytesPerLine() / 4}, source, c, op);
    markDirty(c.target());
}

void Surface::maskedBlt(int dx, int dy, int w, int h, const QImage &image, const QImage &mask,
                        const SpriteSpans &spans, int sx, int sy)
{
    // Drawing from the surface's own pixels needs bitBlt()'s care for overlaps.
    const uchar *own = m_image.constBits();
    if (!spans.describes(image, mask) || image.constBits() == own || mask.constBits() == own) {
        bitBlt(dx, dy, w, h, mask, sx, sy, RasterOp::SrcAnd);
        bitBlt(dx, dy, w, h, image, sx, sy, RasterOp::SrcPaint);
        return;
    }
    // Nothing is left of an empty rectangle or on an empty surface.
    const ClippedCopy c = clipCopy(dx, dy, w, h, m_image.size(), image.size(), sx, sy);
    if (c.isEmpty())
        return;
    copyOpaqueRuns({writablePixels(), m_image.bytesPerLine() / 4}, image, spans, c);
    // Both raster operations would mark this same rectangle as changed;
    // marking it again changes nothing. Only the runs were inked.
    const QRect drawn = c.target();
    m_dirty.add(drawn);
    markInkedRuns(drawn, spans, QPoint(int(c.x - c.u), int(c.y - c.v)));
}

void Surface::fill(int x, int y, int w, int h)
{
    if (w <= 0 || h <= 0 || m_image.isNull())
        return;
    const QRect rect = clipFill(x, y, w, h, m_image.size());
    if (rect.isEmpty())
        return;
    std::uint32_t *pixels = writablePixels();
    fillPixels({pixels, m_image.bytesPerLine() / 4}, rect, toPixel(m_backColor));
    markDirty(rect);
}

} // namespace fw
