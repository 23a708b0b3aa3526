#include "platform/DirtyRegion.h"

#include <QRegion>

#include <gtest/gtest.h>

using fw::DirtyRegion;

namespace {

QRegion covered(const DirtyRegion &dirty)
{
    QRegion region;
    for (int i = 0; i < dirty.count(); ++i)
        region += dirty.at(i);
    return region;
}

} // namespace

TEST(DirtyRegion, KeepsRectanglesAndIgnoresEmptyAndContainedOnes)
{
    DirtyRegion dirty;
    EXPECT_TRUE(dirty.isEmpty());
    dirty.add(QRect(0, 0, 0, 5));
    dirty.add(QRect(3, 3, -2, 4));
    EXPECT_TRUE(dirty.isEmpty());
    dirty.add(QRect(10, 10, 20, 20));
    dirty.add(QRect(12, 12, 5, 5));
    dirty.add(QRect(100, 0, 1, 1));
    EXPECT_EQ(dirty.count(), 2);
    EXPECT_EQ(dirty.bounds(), QRect(10, 0, 91, 30));
    dirty.clear();
    EXPECT_TRUE(dirty.isEmpty());
    EXPECT_TRUE(dirty.bounds().isEmpty());
}

TEST(DirtyRegion, NeverLosesAPixelWhenTheSlotsRunOut)
{
    // Many more rectangles than slots, scattered like fish, bubbles and labels.
    DirtyRegion dirty;
    QRegion wanted;
    std::uint32_t seed = 12345;
    auto next = [&seed](int n) {
        seed = seed * 1103515245u + 12345u;
        return int((seed >> 8) % std::uint32_t(n));
    };
    for (int i = 0; i < 10 * DirtyRegion::Slots; ++i) {
        const QRect rect(next(1900), next(1060), 1 + next(90), 1 + next(100));
        dirty.add(rect);
        wanted += rect;
        ASSERT_LE(dirty.count(), DirtyRegion::Slots);
        ASSERT_TRUE((wanted - covered(dirty)).isEmpty()) << "after " << i;
    }
    EXPECT_EQ(dirty.count(), DirtyRegion::Slots);
}

TEST(DirtyRegion, MergesTheNearestRectangleSoTheRegionStaysSmall)
{
    DirtyRegion dirty;
    for (int i = 0; i < DirtyRegion::Slots; ++i)
        dirty.add(QRect(i * 100, 0, 10, 10));
    dirty.add(QRect(512, 0, 10, 10)); // next to the one at 500
    EXPECT_EQ(dirty.count(), DirtyRegion::Slots);
    QRegion region = covered(dirty);
    EXPECT_TRUE(region.contains(QRect(500, 0, 22, 10)));
    // Only that pair grew: the total area is 64 squares plus the 12x10 merge.
    qint64 area = 0;
    for (int i = 0; i < dirty.count(); ++i)
        area += qint64(dirty.at(i).width()) * dirty.at(i).height();
    EXPECT_EQ(area, (DirtyRegion::Slots - 1) * 100 + 22 * 10);
}

TEST(DirtyRegion, ARestoreAndTheDrawBesideItBecomeOneRectangle)
{
    DirtyRegion dirty;
    dirty.add(QRect(100, 100, 42, 17)); // where the fish was
    dirty.add(QRect(102, 101, 42, 17)); // where it is now
    EXPECT_EQ(dirty.count(), 1);
    EXPECT_EQ(dirty.at(0), QRect(100, 100, 44, 18));
    // Rectangles that merely touch a corner stay apart: a union would repaint
    // far more than changed.
    dirty.add(QRect(143, 117, 42, 17));
    EXPECT_EQ(dirty.count(), 2);
    dirty.add(QRect(300, 100, 5, 5));
    EXPECT_EQ(dirty.count(), 3);
}
