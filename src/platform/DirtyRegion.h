#pragma once

#include <QRect>

#include <array>

namespace fw {

// The rectangles a frame touched, without heap allocation: a fixed number of
// slots; when they run out, the nearest rectangles are merged, so the region
// may grow but never misses a changed pixel.
class DirtyRegion
{
public:
    // Enough for the usual tank (28 fish with labels, 100 bubbles, the clock)
    // to stay unmerged; merging scattered rectangles would repaint far more
    // than changed. Bigger scenes merge their nearest neighbours.
    static constexpr int Slots = 256;

    void add(const QRect &rect);
    void clear() { m_count = 0; }
    bool isEmpty() const { return m_count == 0; }
    int count() const { return m_count; }
    const QRect &at(int i) const { return m_rects[i]; }
    QRect bounds() const;

private:
    void setSlot(int i, const QRect &rect);
    // The full slot whose union with the given edges adds the least area.
    int leastGrowth(int left, int top, int right, int bottom);

    std::array<QRect, Slots> m_rects{};
    // The edges again, one array each, so that the search for overlapping
    // slots runs as a few vector compares rather than one test per slot.
    std::array<int, Slots> m_left{};
    std::array<int, Slots> m_top{};
    std::array<int, Slots> m_right{};
    std::array<int, Slots> m_bottom{};
    // Scratch space for leastGrowth(), kept here so a frame allocates nothing.
    std::array<qint64, Slots> m_growth{};
    int m_count = 0;
};

} // namespace fw
