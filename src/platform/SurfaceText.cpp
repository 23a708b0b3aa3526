// Text on the surface: lines laid out once and kept, measured, and printed
// by blending their coverage ourselves (or, where that cannot match Qt's
// drawing, through the painter).
#include "platform/Surface.h"

#include "platform/Conversions.h"

#include <QHashFunctions>
#include <QPainter>

#include <algorithm>
#include <cmath>

namespace fw {

namespace {

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

void Surface::setFont(const QFont &font)
{
    m_font = font;
    m_metrics = QFontMetricsF(m_font);
    for (CachedLine &line : m_lines)
        line.valid = false;
    if (m_painter)
        m_painter->setFont(m_font);
}

Surface::CachedLine &Surface::cachedLine(QStringView line) const
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
    entry.coverage.reset();
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
            CachedLine &entry = cachedLine(line);
            const QPoint at(nearestInt(currentX), nearestInt(currentY));
            drawLine(entry, at);
            const QRectF area(at.x() - lean, at.y(), entry.width + 2 * lean, lineHeight());
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

PenBlend &Surface::penBlend()
{
    if (!m_penBlend)
        m_penBlend = std::make_unique<PenBlend>();
    m_penBlend->setPen(toPixel(m_foreColor));
    return *m_penBlend;
}

void Surface::drawLine(CachedLine &line, QPoint at)
{
    // Text lands on whole pixels, as the sprites do: a label keeps its shape
    // as its fish moves, and its coverage, measured once, serves every frame.
    PenBlend &pen = penBlend();
    if (!line.coverage) {
        const QSize box(int(std::ceil(line.width)), int(std::ceil(lineHeight())));
        line.coverage = TextCoverage::measure(line.layout, m_font, box, box.height(), pen);
    }
    if (!line.coverage->usable()) {
        painter().drawStaticText(QPointF(at), line.layout);
        return;
    }
    line.coverage->blend(writablePixels(), m_image.bytesPerLine() / 4, m_image.size(), at, pen);
}

void Surface::print(QStringView text)
{
    printInline(text);
    currentX = 0;
    currentY += lineHeight();
}

} // namespace fw
