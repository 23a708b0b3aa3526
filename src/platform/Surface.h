#pragma once

#include "platform/DirtyRegion.h"
#include "platform/SpriteSpans.h"
#include "platform/TextBlend.h"

#include <QFont>
#include <QFontMetricsF>
#include <QImage>
#include <QSize>
#include <QStaticText>
#include <QString>
#include <QStringView>

#include <array>
#include <cstdint>
#include <memory>
#include <optional>

class QPainter;

namespace fw {

class PixelStorage;

// The raster operations of the drawing surface, done by our own code on
// 32-bit pixels (only the 24 colour bits take part).
enum class RasterOp
{
    SrcCopy,  // destination = source
    SrcAnd,   // destination = destination AND source
    SrcPaint, // destination = destination OR source
};

// A drawing surface with a persistent off-screen image: everything a frame
// draws goes here, and the window shows the finished image afterwards. Colours
// are 24-bit values with red in the low byte, as the settings store them.
// Every operation records the rectangle it touched, so the window can repaint
// only what changed.
class Surface
{
public:
    Surface();
    explicit Surface(QSize size);
    ~Surface();
    // The surface keeps a painter on its own image; it stays where it is made.
    Surface(const Surface &) = delete;
    Surface &operator=(const Surface &) = delete;

    // A new size gives a new image filled with the background colour; the
    // same size keeps the image.
    void resize(QSize size);
    int width() const { return m_image.width(); }   // ScaleWidth
    int height() const { return m_image.height(); } // ScaleHeight
    QSize size() const { return m_image.size(); }

    const QImage &image() const { return m_image; }

    // Keeps the pixels in `storage` from the next new size on (null: the
    // heap). The storage must outlive the surface.
    void setStorage(PixelStorage *storage) { m_storage = storage; }

    // Copies w x h pixels of `source` from (sx, sy) to (dx, dy) with `op`,
    // clipped at every edge of the source and of the destination: nothing
    // outside either image is read or written.
    void bitBlt(int dx, int dy, int w, int h, const QImage &source, int sx, int sy, RasterOp op);
    // Draws a sprite as bitBlt() with SrcAnd from `mask` and then with SrcPaint
    // from `image` over the same rectangle would. Spans that describe the two
    // pictures let it copy only their opaque runs, in one pass.
    void maskedBlt(int dx, int dy, int w, int h, const QImage &image, const QImage &mask,
                   const SpriteSpans &spans, int sx, int sy);
    // Fills the whole surface with the background colour and moves the print
    // position to the top-left corner. Only what was drawn since the last
    // wipe in the same colour is filled (and marked changed): the rest
    // already has that colour.
    void cls();
    // Fills a rectangle with the background colour (clipped).
    void fill(int x, int y, int w, int h);

    std::uint32_t foreColor() const { return m_foreColor; }
    std::uint32_t backColor() const { return m_backColor; }
    void setForeColor(std::uint32_t bgr) { m_foreColor = bgr & 0xffffffu; }
    void setBackColor(std::uint32_t bgr) { m_backColor = bgr & 0xffffffu; }

    // The surface's font: "System" 13.5 pt bold italic, Japanese character set,
    // mapped to an installed Japanese face.
    const QFont &font() const { return m_font; }
    void setFont(const QFont &font);

    // The width of the widest line and the height of all lines (an empty text
    // is one line high, zero wide).
    double textWidth(QStringView text) const;
    double textHeight(QStringView text) const;
    double lineHeight() const { return m_metrics.lineSpacing(); }
    // How far italic glyphs reach out of their measured box on either side
    // (past the advance, and left of the pen): what prints mark as changed
    // and what restores of text take back.
    int italicLean() const;

    // The print position (CurrentX, CurrentY). print() draws the text at it in
    // the fore colour, on the nearest whole pixel; each line feed (LF, CR or
    // CR LF) starts a new line at the left edge, and after the text the
    // position moves to the start of the next line, as a picture box's Print
    // does. printInline() leaves the position just after the last character
    // instead.
    double currentX = 0;
    double currentY = 0;
    void print(QStringView text);
    void printInline(QStringView text);

    // What changed since the window last showed the surface.
    const DirtyRegion &dirty() const { return m_dirty; }
    void clearDirty() { m_dirty.clear(); }
    void markAllDirty();

    // A 24-bit settings colour as a QImage pixel, and back.
    static QRgb toPixel(std::uint32_t bgr);
    static std::uint32_t fromPixel(QRgb pixel);

    // How many distinct lines of text keep their layout between frames: room
    // for 99 name labels, the clock and the information lines, so a full tank
    // never lays out its labels anew on every frame.
    static constexpr int TextCacheSize = 128;

private:
    struct CachedLine
    {
        QString text;
        std::size_t hash = 0;
        QStaticText layout;
        double width = 0;
        std::uint64_t lastUse = 0;
        bool valid = false;
        // Measured at the line's first print.
        std::optional<TextCoverage> coverage;
    };

    // A sprite drawn by its runs changed only those: the wipe refills just
    // them, about half its rectangle.
    struct InkedArea
    {
        QRect rect;
        SpriteSpans runs; // not usable: the whole rectangle
        QPoint origin;    // where the sprite's top-left corner lay
    };

    CachedLine &cachedLine(QStringView line) const;
    void drawLine(CachedLine &line, QPoint at);
    PenBlend &penBlend();
    QPainter &painter();
    void endPainting();
    std::uint32_t *writablePixels();
    QImage newImage(QSize size) const;
    void markDirty(const QRect &rect);
    void markInked(const QRect &rect);
    void markInkedRuns(const QRect &rect, const SpriteSpans &spans, QPoint origin);
    void refill(const InkedArea &area);

    QImage m_image;
    PixelStorage *m_storage = nullptr;
    std::uint32_t m_foreColor = 0;
    std::uint32_t m_backColor = 0;
    QFont m_font;
    QFontMetricsF m_metrics;
    DirtyRegion m_dirty;
    // Where pixels may differ from m_inkedBack since the last wipe, so that
    // a wipe over a plain background refills (and repaints) only what was
    // drawn since, not the whole screen. A plain list, cheap to add to; when
    // it runs full (over a picture nothing wipes) it is given up and the next
    // wipe fills everything. Unknown after a resize.
    static constexpr int InkedSlots = 2048;
    std::array<InkedArea, InkedSlots> m_inked{};
    int m_inkedCount = 0;
    std::uint32_t m_inkedBack = 0;
    bool m_inkedKnown = false;
    // Kept across calls: making a painter or laying out a text costs heap
    // allocations, and the aquarium prints on every frame.
    std::unique_ptr<QPainter> m_painter;
    std::uint32_t m_painterColor = 0;
    // Made at the first text drawn: its tables take 128 to 256 kilobytes.
    std::unique_ptr<PenBlend> m_penBlend;
    mutable std::array<CachedLine, TextCacheSize> m_lines;
    mutable std::uint64_t m_useCounter = 0;
};

// Converts any picture to the surfaces' pixel format (32-bit RGB) once, so the
// raster operations need not care where it came from.
QImage toSurfaceFormat(const QImage &picture);

} // namespace fw
