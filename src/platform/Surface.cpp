#include "platform/Surface.h"

#include "platform/Fonts.h"
#include "platform/PixelStorage.h"
#include "platform/SpriteSpans.h"

#include <QColor>
#include <QHashFunctions>
#include <QPainter>

#include <algorithm>
#include <cmath>
#include <cstring>
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

// A copy of pixels clipped at every edge of both images: destination (x, y),
// source (u, v), w x h of them; nothing to copy when w or h is not positive.
struct ClippedCopy
{
    qint64 x, y, u, v, w, h;

    bool isEmpty() const { return w <= 0 || h <= 0; }
    QRect target() const { return QRect(int(x), int(y), int(w), int(h)); }
};

ClippedCopy clipCopy(int dx, int dy, int w, int h, QSize dest, QSize source, int sx, int sy)
{
    ClippedCopy c{dx, dy, sx, sy, w, h};
    clipAxis(c.x, c.u, c.w, dest.width(), source.width());
    clipAxis(c.y, c.v, c.h, dest.height(), source.height());
    return c;
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

bool isSurfaceFormat(const QImage &image)
{
    return image.format() == QImage::Format_RGB32 || image.format() == QImage::Format_ARGB32;
}

// Line breaks: CR LF counts once, a lone CR or LF each once.
template <typename Visit> void forEachLine(QStringView text, Visit visit)
{
    qsizetype start = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c != QLatin1Char('\n') && c != QLatin1Char('\r'))
            continue;
        visit(text.sliced(start, i - start), true);
        if (c == QLatin1Char('\r') && i + 1 < text.size() && text[i + 1] == QLatin1Char('\n'))
            ++i;
        start = i + 1;
    }
    visit(text.sliced(start), false);
}

} // namespace

Surface::Surface() : Surface(QSize()) {}

Surface::Surface(QSize size) : m_font(surfaceFont()), m_metrics(m_font)
{
    resize(size);
}

Surface::~Surface()
{
    endPainting();
}

void Surface::resize(QSize size)
{
    size = size.expandedTo(QSize(0, 0));
    if (!m_image.isNull() && size == m_image.size())
        return;
    endPainting();
    m_inkedKnown = false;
    m_inkedCount = 0;
    if (size.isEmpty()) {
        m_image = QImage();
        m_dirty.clear();
        return;
    }
    m_image = QImage(); // the old pixels go before the new ones are made
    m_image = newImage(size);
    writablePixels();
    m_image.fill(toPixel(m_backColor));
    markAllDirty();
}

void Surface::endPainting()
{
    if (m_painter) {
        m_painter->end();
        m_painter.reset();
    }
}

QImage Surface::newImage(QSize size) const
{
    if (m_storage) {
        QImage image = m_storage->allocate(size);
        if (!image.isNull())
            return image;
    }
    return QImage(size, QImage::Format_RGB32);
}

std::uint32_t *Surface::writablePixels()
{
    if (m_storage)
        m_storage->waitUntilRead();
    // A painter draws into the buffer it began on; if the image is shared, it
    // is about to get a buffer of its own, so the painter must start again.
    if (!m_image.isDetached())
        endPainting();
    return reinterpret_cast<std::uint32_t *>(m_image.bits());
}

QPainter &Surface::painter()
{
    if (m_storage)
        m_storage->waitUntilRead();
    if (m_painter && !m_image.isDetached())
        endPainting();
    if (!m_painter) {
        writablePixels();
        m_painter = std::make_unique<QPainter>(&m_image);
        m_painter->setFont(m_font);
        m_painterColor = m_foreColor;
        m_painter->setPen(QColor::fromRgb(toPixel(m_foreColor)));
    }
    if (m_painterColor != m_foreColor) {
        m_painterColor = m_foreColor;
        m_painter->setPen(QColor::fromRgb(toPixel(m_foreColor)));
    }
    return *m_painter;
}

void Surface::markDirty(const QRect &rect)
{
    m_dirty.add(rect.intersected(m_image.rect()));
    markInked(rect);
}

void Surface::markInked(const QRect &rect)
{
    if (!m_inkedKnown)
        return;
    const QRect inside = rect.intersected(m_image.rect());
    if (inside.isEmpty() || (m_inkedCount > 0 && m_inked[m_inkedCount - 1].rect == inside &&
                             !m_inked[m_inkedCount - 1].runs.usable()))
        return; // a mask and its image cover the same rectangle
    if (m_inkedCount == InkedSlots) {
        m_inkedKnown = false;
        return;
    }
    InkedArea &area = m_inked[m_inkedCount++];
    area.rect = inside;
    area.runs = SpriteSpans();
}

void Surface::markInkedRuns(const QRect &rect, const SpriteSpans &spans, QPoint origin)
{
    // `rect` lies inside the image already: it was clipped to draw.
    if (!m_inkedKnown)
        return;
    if (m_inkedCount == InkedSlots) {
        m_inkedKnown = false;
        return;
    }
    InkedArea &area = m_inked[m_inkedCount++];
    area.rect = rect;
    area.runs = spans;
    area.origin = origin;
}

void Surface::refill(const InkedArea &area)
{
    const QRect &rect = area.rect;
    if (!area.runs.usable()) {
        fill(rect.x(), rect.y(), rect.width(), rect.height());
        return;
    }
    std::uint32_t *pixels = writablePixels();
    const qint64 stride = m_image.bytesPerLine() / 4;
    const std::uint32_t pixel = toPixel(m_backColor);
    const int left = rect.left();
    const int end = rect.right() + 1;
    for (int y = rect.top(); y <= rect.bottom(); ++y) {
        std::uint32_t *row = pixels + y * stride;
        for (const SpriteSpans::Run &run : area.runs.row(y - area.origin.y())) {
            const int from = std::max(run.begin + area.origin.x(), left);
            const int to = std::min(run.end + area.origin.x(), end);
            if (from < to)
                std::fill(row + from, row + to, pixel);
        }
    }
    m_dirty.add(rect);
}

void Surface::markAllDirty()
{
    m_dirty.clear();
    m_dirty.add(m_image.rect());
}

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
    const qint64 x = c.x, y = c.y, u = c.u, v = c.v, cw = c.w, ch = c.h;

    std::uint32_t *dest = writablePixels();
    const qint64 destStride = m_image.bytesPerLine() / 4;
    const auto *src = reinterpret_cast<const std::uint32_t *>(source.constBits());
    const qint64 srcStride = source.bytesPerLine() / 4;

    if (src == dest) {
        // Copying within the surface itself: rows in an order that reads each
        // source row before it is overwritten.
        const bool upward = y > v;
        for (qint64 r = 0; r < ch; ++r) {
            const qint64 row = upward ? ch - 1 - r : r;
            overlappingRow(dest + (y + row) * destStride + x, src + (v + row) * srcStride + u, cw,
                           op);
        }
    } else {
        for (qint64 row = 0; row < ch; ++row) {
            std::uint32_t *d = dest + (y + row) * destStride + x;
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
    if (w <= 0 || h <= 0 || m_image.isNull())
        return;
    const ClippedCopy c = clipCopy(dx, dy, w, h, m_image.size(), image.size(), sx, sy);
    if (c.isEmpty())
        return;
    const qint64 x = c.x, y = c.y, u = c.u, v = c.v, cw = c.w, ch = c.h;

    std::uint32_t *dest = writablePixels();
    const qint64 destStride = m_image.bytesPerLine() / 4;
    const auto *src = reinterpret_cast<const std::uint32_t *>(image.constBits());
    const qint64 srcStride = image.bytesPerLine() / 4;
    const qint64 end = u + cw;
    for (qint64 row = 0; row < ch; ++row) {
        std::uint32_t *d = dest + (y + row) * destStride + x;
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
    // Both raster operations would mark this same rectangle as changed;
    // marking it again changes nothing. Only the runs were inked.
    const QRect drawn = c.target();
    m_dirty.add(drawn);
    markInkedRuns(drawn, spans, QPoint(int(x - u), int(y - v)));
}

void Surface::cls()
{
    currentX = 0;
    currentY = 0;
    if (m_image.isNull())
        return;
    if (m_inkedKnown && m_inkedBack == m_backColor) {
        m_inkedKnown = false; // the refills below add nothing to the list
        for (int k = 0; k < m_inkedCount; ++k)
            refill(m_inked[k]);
    } else {
        m_inkedKnown = false;
        fill(0, 0, m_image.width(), m_image.height());
    }
    m_inkedCount = 0;
    m_inkedBack = m_backColor;
    m_inkedKnown = true;
}

void Surface::fill(int x, int y, int w, int h)
{
    if (w <= 0 || h <= 0 || m_image.isNull())
        return;
    qint64 left = x, top = y, cw = w, ch = h;
    qint64 unusedU = 0, unusedV = 0;
    clipAxis(left, unusedU, cw, m_image.width(), std::numeric_limits<int>::max());
    clipAxis(top, unusedV, ch, m_image.height(), std::numeric_limits<int>::max());
    if (cw <= 0 || ch <= 0)
        return;
    std::uint32_t *pixels = writablePixels();
    const qint64 stride = m_image.bytesPerLine() / 4;
    const std::uint32_t pixel = toPixel(m_backColor);
    for (qint64 row = top; row < top + ch; ++row)
        std::fill_n(pixels + row * stride + left, cw, pixel);
    markDirty(QRect(int(left), int(top), int(cw), int(ch)));
}

void Surface::setFont(const QFont &font)
{
    m_font = font;
    m_metrics = QFontMetricsF(m_font);
    for (CachedLine &line : m_lines)
        line.valid = false;
    if (m_painter)
        m_painter->setFont(m_font);
}

const Surface::CachedLine &Surface::cachedLine(QStringView line) const
{
    // The hash spares comparing the text with every entry: a full tank
    // looks up a hundred labels a frame.
    const std::size_t hash = qHash(line);
    CachedLine *oldest = &m_lines[0];
    for (CachedLine &entry : m_lines) {
        if (entry.valid && entry.hash == hash && entry.text == line) {
            entry.lastUse = ++m_useCounter;
            return entry;
        }
        if (!entry.valid || (oldest->valid && entry.lastUse < oldest->lastUse))
            oldest = &entry;
    }
    CachedLine &entry = *oldest;
    entry.text = line.toString();
    entry.layout.setTextFormat(Qt::PlainText);
    entry.layout.setText(entry.text);
    entry.layout.prepare(QTransform(), m_font);
    entry.width = m_metrics.horizontalAdvance(entry.text);
    entry.hash = hash;
    entry.lastUse = ++m_useCounter;
    entry.valid = true;
    return entry;
}

double Surface::textWidth(QStringView text) const
{
    double widest = 0;
    forEachLine(text, [&](QStringView line, bool) {
        if (!line.isEmpty())
            widest = std::max(widest, cachedLine(line).width);
    });
    return widest;
}

double Surface::textHeight(QStringView text) const
{
    int lines = 0;
    forEachLine(text, [&](QStringView, bool) { ++lines; });
    return lines * lineHeight();
}

int Surface::italicLean() const
{
    return static_cast<int>(std::ceil(m_metrics.height() * 0.25)) + 2;
}

void Surface::printInline(QStringView text)
{
    const int lean = italicLean();
    forEachLine(text, [&](QStringView line, bool lineBreak) {
        if (!line.isEmpty() && !m_image.isNull()) {
            const CachedLine &entry = cachedLine(line);
            painter().drawStaticText(QPointF(currentX, currentY), entry.layout);
            const QRectF area(currentX - lean, currentY, entry.width + 2 * lean, lineHeight());
            markDirty(area.toAlignedRect());
            currentX += entry.width;
        } else if (!line.isEmpty()) {
            currentX += cachedLine(line).width;
        }
        if (lineBreak) {
            currentX = 0;
            currentY += lineHeight();
        }
    });
}

void Surface::print(QStringView text)
{
    printInline(text);
    currentX = 0;
    currentY += lineHeight();
}

QRgb Surface::toPixel(std::uint32_t bgr)
{
    return qRgb(int(bgr & 0xffu), int((bgr >> 8) & 0xffu), int((bgr >> 16) & 0xffu));
}

std::uint32_t Surface::fromPixel(QRgb pixel)
{
    return std::uint32_t(qRed(pixel)) | (std::uint32_t(qGreen(pixel)) << 8) |
           (std::uint32_t(qBlue(pixel)) << 16);
}

QImage toSurfaceFormat(const QImage &picture)
{
    if (picture.isNull() || picture.format() == QImage::Format_RGB32)
        return picture;
    return picture.convertToFormat(QImage::Format_RGB32);
}

} // namespace fw
