// What changed on the surface: the rectangles the window repaints, and what
// was inked since the last wipe, which a wipe over a plain background refills
// alone.
#include "platform/RasterCopies.h"
#include "platform/Surface.h"

namespace fw {

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
    fillRuns({pixels, m_image.bytesPerLine() / 4}, rect, area.runs, area.origin,
             toPixel(m_backColor));
    m_dirty.add(rect);
}

void Surface::markAllDirty()
{
    m_dirty.clear();
    m_dirty.add(m_image.rect());
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

} // namespace fw
