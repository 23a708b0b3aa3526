#include "support/TextDrawCheck.h"

#include "platform/Surface.h"
#include "platform/TextBlend.h"

#include <QPainter>
#include <QStaticText>

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace fw::test {

namespace {

int largestDifference(const QImage &a, const QImage &b)
{
    int largest = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y), q = b.pixel(x, y);
            largest = std::max({largest, std::abs(qRed(p) - qRed(q)),
                                std::abs(qGreen(p) - qGreen(q)), std::abs(qBlue(p) - qBlue(q))});
        }
    return largest;
}

} // namespace

QImage noise(QSize size, unsigned seed)
{
    QImage image(size, QImage::Format_RGB32);
    unsigned state = seed;
    for (int y = 0; y < size.height(); ++y)
        for (int x = 0; x < size.width(); ++x) {
            state = state * 1664525u + 1013904223u;
            image.setPixel(x, y, 0xff000000u | (state >> 8));
        }
    return image;
}

TextDrawComparison compareWithQt(const QString &text, QPoint at, std::uint32_t pen,
                                 const QImage &under)
{
    Surface surface(under.size());
    surface.bitBlt(0, 0, under.width(), under.height(), under, 0, 0, RasterOp::SrcCopy);
    surface.setForeColor(pen);
    // A position a little off the pixel lands on the nearest one.
    surface.currentX = at.x() + 0.3;
    surface.currentY = at.y() - 0.2;
    surface.printInline(text);

    QImage qt = under.copy();
    QStaticText layout(text);
    layout.setTextFormat(Qt::PlainText);
    layout.prepare(QTransform(), surface.font());
    QPainter painter(&qt);
    painter.setFont(surface.font());
    painter.setPen(QColor::fromRgb(Surface::toPixel(pen)));
    painter.drawStaticText(QPointF(at), layout);
    painter.end();

    PenBlend blend;
    blend.setPen(Surface::toPixel(pen));
    const int line = int(std::ceil(surface.lineHeight()));
    const QSize box(int(std::ceil(surface.textWidth(text))), line);
    return {TextCoverage::measure(layout, surface.font(), box, line, blend).usable(),
            largestDifference(surface.image(), qt)};
}

} // namespace fw::test
