#include "Assets.h"
#include "BmpHeader.h"

#include <QIcon>
#include <QImage>

#include <gtest/gtest.h>

namespace {

constexpr int kFrame = 10;

QImage strip()
{
    return QImage(fw::assets::bubbleStripPath).convertToFormat(QImage::Format_RGB32);
}

QImage frame(const QImage &strip, int n)
{
    return strip.copy(n * kFrame, 0, kFrame, kFrame);
}

TEST(BubbleStrip, IsFiveTenPixelFramesAtTwentyFourBits)
{
    const BmpHeader header = readBmpHeader(fw::assets::bubbleStripPath);
    ASSERT_TRUE(header.valid);
    EXPECT_EQ(header.bitsPerPixel, 24);
    EXPECT_EQ(header.compression, 0);
    EXPECT_EQ(QSize(header.width, header.height), QSize(50, 10));
    EXPECT_EQ(strip().size(), QSize(50, 10));
}

// The strip is ORed onto the water without a mask: around each bubble it
// must be pure black, and each bubble needs a bright rim to be seen at all.
TEST(BubbleStrip, EachFrameIsABrightRingOnPureBlack)
{
    const QImage all = strip();
    for (int n = 0; n < 5; ++n) {
        SCOPED_TRACE(n);
        const QImage f = frame(all, n);
        for (QPoint corner : {QPoint(0, 0), QPoint(9, 0), QPoint(0, 9), QPoint(9, 9)})
            EXPECT_EQ(f.pixel(corner), qRgb(0, 0, 0));
        int bright = 0;
        for (int y = 0; y < kFrame; ++y)
            for (int x = 0; x < kFrame; ++x)
                bright += qGray(f.pixel(x, y)) > 150;
        EXPECT_GE(bright, 8);
        // The middle stays dark enough to show the water through it.
        EXPECT_LT(qGray(f.pixel(5, 6)), 120);
    }
}

TEST(BubbleStrip, HighlightMovesBetweenFramesSoTheBubbleShimmers)
{
    const QImage all = strip();
    for (int n = 1; n < 5; ++n)
        EXPECT_NE(frame(all, n), frame(all, n - 1)) << "frame " << n;
}

TEST(AboutPictures, TankAndTetrasHaveTheirSizes)
{
    const QImage tank(fw::assets::aboutCasePath);
    EXPECT_EQ(tank.size(), QSize(234, 63));
    const QImage left(fw::assets::aboutTetraLeftPath);
    const QImage right(fw::assets::aboutTetraRightPath);
    EXPECT_EQ(left.size(), QSize(26, 11));
    EXPECT_EQ(right.size(), QSize(26, 11));
}

// The tetra swims over the tank picture: its surround must be see-through
// and its body solid.
TEST(AboutPictures, TetrasAreFishOnATransparentSurroundAndMirrorEachOther)
{
    const QImage right =
        QImage(fw::assets::aboutTetraRightPath).convertToFormat(QImage::Format_ARGB32);
    const QImage left =
        QImage(fw::assets::aboutTetraLeftPath).convertToFormat(QImage::Format_ARGB32);
    ASSERT_TRUE(right.hasAlphaChannel());
    EXPECT_EQ(qAlpha(right.pixel(25, 10)), 0);
    EXPECT_EQ(qAlpha(right.pixel(25, 0)), 0);
    EXPECT_EQ(qAlpha(right.pixel(13, 5)), 255);
    EXPECT_EQ(left, right.mirrored(true, false));
}

TEST(Icons, EverySizeLoadsSquareAndOpaqueInTheMiddle)
{
    for (int size : {48, 128, 256}) {
        SCOPED_TRACE(size);
        const QImage icon(fw::assets::iconPath(size));
        ASSERT_EQ(icon.size(), QSize(size, size));
        EXPECT_EQ(qAlpha(icon.pixel(size / 2, size / 2)), 255);
        EXPECT_EQ(qAlpha(icon.pixel(0, size - 1)), 0);
    }
}

} // namespace
