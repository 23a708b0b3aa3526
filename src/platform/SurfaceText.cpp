// Text on the surface: lines laid out once and kept, measured, and printed
// through the painter.
#include "platform/Surface.h"

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

} // namespace fw
