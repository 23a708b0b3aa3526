#include "platform/DirtyRegion.h"

namespace fw {

namespace {

qint64 area(const QRect &rect)
{
    return qint64(rect.width()) * qint64(rect.height());
}

} // namespace

void DirtyRegion::add(const QRect &rect)
{
    if (rect.isEmpty())
        return;
    for (int i = 0; i < m_count; ++i) {
        if (m_rects[i].contains(rect))
            return;
    }
    if (m_count < Slots) {
        m_rects[m_count++] = rect;
        return;
    }
    // Out of slots: grow the rectangle whose union with the new one adds the
    // least area. The region only ever gets larger, so no changed pixel is lost.
    int best = 0;
    qint64 bestGrowth = -1;
    for (int i = 0; i < m_count; ++i) {
        const qint64 growth = area(m_rects[i].united(rect)) - area(m_rects[i]);
        if (bestGrowth < 0 || growth < bestGrowth) {
            best = i;
            bestGrowth = growth;
        }
    }
    m_rects[best] = m_rects[best].united(rect);
}

QRect DirtyRegion::bounds() const
{
    QRect result;
    for (int i = 0; i < m_count; ++i)
        result = result.united(m_rects[i]);
    return result;
}

} // namespace fw
