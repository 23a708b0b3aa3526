#include "platform/RasterCopies.h"

#include <algorithm>
#include <limits>

namespace fw {

namespace {

constexpr std::uint32_t OpaqueAlpha = 0xff000000u;

// Clips one axis of a copy to both images. `d` and `s` are the first
// destination and source index, `length` the count; all may be changed.
void clipAxis(qint64 &d, qint64 &s, qint64 &length, qint64 destLimit, qint64 sourceLimit)
{
    if (s < 0) {
        d -= s;
        length += s;
        s = 0;
    }
    if (d < 0) {
        s -= d;
        length += d;
        d = 0;
    }
    length = std::min(length, sourceLimit - s);
    length = std::min(length, destLimit - d);
}

// The row loops are written so the compiler can vectorise them; only the 24
// colour bits take part, the alpha byte of the surface stays opaque.
void rowCopy(std::uint32_t *__restrict d, const std::uint32_t *__restrict s, qint64 n)
{
    for (qint64 i = 0; i < n; ++i)
        d[i] = s[i] | OpaqueAlpha;
}

void rowAnd(std::uint32_t *__restrict d, const std::uint32_t *__restrict s, qint64 n)
{
    for (qint64 i = 0; i < n; ++i)
        d[i] = (d[i] & s[i]) | OpaqueAlpha;
}

void rowOr(std::uint32_t *__restrict d, const std::uint32_t *__restrict s, qint64 n)
{
    for (qint64 i = 0; i < n; ++i)
        d[i] = d[i] | s[i] | OpaqueAlpha;
}

std::uint32_t combine(std::uint32_t d, std::uint32_t s, RasterOp op)
{
    switch (op) {
    case RasterOp::SrcCopy:
        return s | OpaqueAlpha;
    case RasterOp::SrcAnd:
        return (d & s) | OpaqueAlpha;
    case RasterOp::SrcPaint:
        return d | s | OpaqueAlpha;
    }
    return d;
}

// A copy within the same image whose rectangles may overlap: walk so that no
// pixel is read after it has been written.
void overlappingRow(std::uint32_t *d, const std::uint32_t *s, qint64 n, RasterOp op)
{
    if (d <= s) {
        for (qint64 i = 0; i < n; ++i)
            d[i] = combine(d[i], s[i], op);
    } else {
        for (qint64 i = n - 1; i >= 0; --i)
            d[i] = combine(d[i], s[i], op);
    }
}

} // namespace

ClippedCopy clipCopy(int dx, int dy, int w, int h, QSize dest, QSize source, int sx, int sy)
{
    ClippedCopy c{dx, dy, sx, sy, w, h};
    clipAxis(c.x, c.u, c.w, dest.width(), source.width());
    clipAxis(c.y, c.v, c.h, dest.height(), source.height());
    return c;
}

QRect clipFill(int x, int y, int w, int h, QSize size)
{
    qint64 left = x, top = y, cw = w, ch = h;
    qint64 unusedU = 0, unusedV = 0;
    clipAxis(left, unusedU, cw, size.width(), std::numeric_limits<int>::max());
    clipAxis(top, unusedV, ch, size.height(), std::numeric_limits<int>::max());
    if (cw <= 0 || ch <= 0)
        return QRect();
    return QRect(int(left), int(top), int(cw), int(ch));
}

bool isSurfaceFormat(const QImage &image)
{
    return image.format() == QImage::Format_RGB32 || image.format() == QImage::Format_ARGB32;
}

void copyPixels(PixelRows dest, const QImage &source, const ClippedCopy &c, RasterOp op)
{
    const qint64 x = c.x, y = c.y, u = c.u, v = c.v, cw = c.w, ch = c.h;
    const auto *src = reinterpret_cast<const std::uint32_t *>(source.constBits());
    const qint64 srcStride = source.bytesPerLine() / 4;
    const qint64 destStride = dest.stride;

    if (src == dest.pixels) {
        // Copying within the surface itself: rows in an order that reads each
        // source row before it is overwritten.
        const bool upward = y > v;
        for (qint64 r = 0; r < ch; ++r) {
            const qint64 row = upward ? ch - 1 - r : r;
            overlappingRow(dest.pixels + (y + row) * destStride + x,
                           src + (v + row) * srcStride + u, cw, op);
        }
        return;
    }
    for (qint64 row = 0; row < ch; ++row) {
        std::uint32_t *d = dest.pixels + (y + row) * destStride + x;
        const std::uint32_t *s = src + (v + row) * srcStride + u;
        switch (op) {
        case RasterOp::SrcCopy:
            rowCopy(d, s, cw);
            break;
        case RasterOp::SrcAnd:
            rowAnd(d, s, cw);
            break;
        case RasterOp::SrcPaint:
            rowOr(d, s, cw);
            break;
        }
    }
}

void copyOpaqueRuns(PixelRows dest, const QImage &image, const SpriteSpans &spans,
                    const ClippedCopy &c)
{
    const qint64 x = c.x, y = c.y, u = c.u, v = c.v, cw = c.w, ch = c.h;
    const auto *src = reinterpret_cast<const std::uint32_t *>(image.constBits());
    const qint64 srcStride = image.bytesPerLine() / 4;
    const qint64 end = u + cw;
    for (qint64 row = 0; row < ch; ++row) {
        std::uint32_t *d = dest.pixels + (y + row) * dest.stride + x;
        const std::uint32_t *s = src + (v + row) * srcStride;
        for (const SpriteSpans::Run &run : spans.row(int(v + row))) {
            if (run.begin >= end)
                break;
            const qint64 from = std::max<qint64>(run.begin, u);
            const qint64 to = std::min<qint64>(run.end, end);
            if (from < to)
                rowCopy(d + (from - u), s + from, to - from);
        }
    }
}

void fillPixels(PixelRows dest, const QRect &rect, std::uint32_t pixel)
{
    for (qint64 row = rect.top(); row <= rect.bottom(); ++row)
        std::fill_n(dest.pixels + row * dest.stride + rect.left(), rect.width(), pixel);
}

void fillRuns(PixelRows dest, const QRect &rect, const SpriteSpans &runs, QPoint origin,
              std::uint32_t pixel)
{
    const int left = rect.left();
    const int end = rect.right() + 1;
    for (int y = rect.top(); y <= rect.bottom(); ++y) {
        std::uint32_t *row = dest.pixels + y * dest.stride;
        for (const SpriteSpans::Run &run : runs.row(y - origin.y())) {
            const int from = std::max(run.begin + origin.x(), left);
            const int to = std::min(run.end + origin.x(), end);
            if (from < to)
                std::fill(row + from, row + to, pixel);
        }
    }
}

} // namespace fw
