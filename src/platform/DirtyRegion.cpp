#include "platform/DirtyRegion.h"

#include <algorithm>
#include <cstdint>
#include <cstring>

namespace fw {

namespace {

// QRect's own set operations are out of line; these run for every drawing
// operation of a frame against every slot, so they are kept inline here.
// Rectangles are handled by their inclusive edges, as QRect stores them.
struct Edges
{
    int left, top, right, bottom;

    explicit Edges(const QRect &r)
        : left(r.left()), top(r.top()), right(r.right()), bottom(r.bottom())
    {}
    bool contains(const Edges &o) const
    {
        return o.left >= left && o.right <= right && o.top >= top && o.bottom <= bottom;
    }
    bool intersects(const Edges &o) const
    {
        return o.left <= right && left <= o.right && o.top <= bottom && top <= o.bottom;
    }
    Edges united(const Edges &o) const
    {
        return Edges(std::min(left, o.left), std::min(top, o.top), std::max(right, o.right),
                     std::max(bottom, o.bottom));
    }
    Edges intersected(const Edges &o) const
    {
        return Edges(std::max(left, o.left), std::max(top, o.top), std::min(right, o.right),
                     std::min(bottom, o.bottom));
    }
    qint64 area() const { return qint64(right - left + 1) * qint64(bottom - top + 1); }
    QRect rect() const { return QRect(QPoint(left, top), QPoint(right, bottom)); }

private:
    Edges(int l, int t, int r, int b) : left(l), top(t), right(r), bottom(b) {}
};

} // namespace

void DirtyRegion::setSlot(int i, const QRect &rect)
{
    m_rects[i] = rect;
    m_left[i] = rect.left();
    m_top[i] = rect.top();
    m_right[i] = rect.right();
    m_bottom[i] = rect.bottom();
}

void DirtyRegion::add(const QRect &rect)
{
    if (rect.isEmpty())
        return;
    const Edges added(rect);
    // Overlap flags for a block of slots at a time, computed without branches
    // so the compiler can vectorise them; the few hits are then looked at.
    constexpr int Block = 32;
    static_assert(Slots % Block == 0);
    for (int base = 0; base < m_count; base += Block) {
        alignas(8) std::array<std::uint8_t, Block> hit;
        for (int j = 0; j < Block; ++j) {
            const int i = base + j;
            hit[j] = (i < m_count) & (m_left[i] <= added.right) & (added.left <= m_right[i]) &
                     (m_top[i] <= added.bottom) & (added.top <= m_bottom[i]);
        }
        for (int word = 0; word < Block; word += 8) {
            std::uint64_t any;
            std::memcpy(&any, hit.data() + word, sizeof any);
            if (any == 0)
                continue;
            for (int j = word; j < word + 8; ++j) {
                if (!hit[j])
                    continue;
                const int i = base + j;
                const Edges slot(m_rects[i]);
                if (slot.contains(added))
                    return;
                // A sprite's restore and its draw a few pixels on overlap
                // almost wholly: one rectangle for both saves work when the
                // frame is shown.
                const Edges merged = slot.united(added);
                const qint64 covered = slot.area() + added.area() - slot.intersected(added).area();
                if (2 * merged.area() <= 3 * covered) {
                    setSlot(i, merged.rect());
                    return;
                }
            }
        }
    }
    if (m_count < Slots) {
        setSlot(m_count++, rect);
        return;
    }
    // Out of slots: grow the rectangle whose union with the new one adds the
    // least area. The region only ever gets larger, so no changed pixel is lost.
    const int best = leastGrowth(added.left, added.top, added.right, added.bottom);
    setSlot(best, Edges(m_rects[best]).united(added).rect());
}

int DirtyRegion::leastGrowth(int left, int top, int right, int bottom)
{
    // Once the slots run out this runs for every rectangle of a busy frame:
    // the growths are worked out over the edge arrays in one branch-free pass
    // the compiler vectorises, and only then is the smallest one looked for.
    for (int i = 0; i < Slots; ++i) {
        const qint64 width = m_right[i] - m_left[i] + 1;
        const qint64 height = m_bottom[i] - m_top[i] + 1;
        const qint64 unitedWidth = std::max(m_right[i], right) - std::min(m_left[i], left) + 1;
        const qint64 unitedHeight = std::max(m_bottom[i], bottom) - std::min(m_top[i], top) + 1;
        m_growth[i] = unitedWidth * unitedHeight - width * height;
    }
    int best = 0;
    for (int i = 1; i < m_count; ++i) {
        if (m_growth[i] < m_growth[best])
            best = i;
    }
    return best;
}

QRect DirtyRegion::bounds() const
{
    if (m_count == 0)
        return QRect();
    Edges result(m_rects[0]);
    for (int i = 1; i < m_count; ++i)
        result = result.united(Edges(m_rects[i]));
    return result.rect();
}

} // namespace fw
