#pragma once

#include "platform/DirtyRegion.h"

#include <QFont>
#include <QImage>
#include <QSize>
#include <QStringView>

#include <cstdint>

namespace fw {

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

    void resize(QSize size);
    int width() const { return m_image.width(); }   // ScaleWidth
    int height() const { return m_image.height(); } // ScaleHeight
    QSize size() const { return m_image.size(); }

    const QImage &image() const { return m_image; }

    // Copies w x h pixels of `source` from (sx, sy) to (dx, dy) with `op`,
    // clipped at every edge of the source and of the destination: nothing
    // outside either image is read or written.
    void bitBlt(int dx, int dy, int w, int h, const QImage &source, int sx, int sy, RasterOp op);
    // Fills the whole surface with the background colour.
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

    double textWidth(QStringView text) const;
    double textHeight(QStringView text) const;

    // The print position (CurrentX, CurrentY); print() draws at it in the fore
    // colour and leaves it after the text; a line feed starts a new line at
    // the left edge.
    double currentX = 0;
    double currentY = 0;
    void print(QStringView text);

    // What changed since the window last showed the surface.
    const DirtyRegion &dirty() const { return m_dirty; }
    void clearDirty() { m_dirty.clear(); }
    void markAllDirty();

    // A 24-bit settings colour as a QImage pixel, and back.
    static QRgb toPixel(std::uint32_t bgr);
    static std::uint32_t fromPixel(QRgb pixel);

private:
    QImage m_image;
    std::uint32_t m_foreColor = 0;
    std::uint32_t m_backColor = 0;
    QFont m_font;
    DirtyRegion m_dirty;
};

// Converts any picture to the surfaces' pixel format (32-bit RGB) once, so the
// raster operations need not care where it came from.
QImage toSurfaceFormat(const QImage &picture);

} // namespace fw
