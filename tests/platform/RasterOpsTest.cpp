#include "platform/Surface.h"

#include <gtest/gtest.h>

#include <vector>

using fw::RasterOp;
using fw::Surface;

namespace {

// A small picture whose every pixel is distinct: value = 0x010000 * (x + 1) +
// 0x000100 * (y + 1) + marker, so a wrong source pixel never passes.
QImage numbered(int w, int h, std::uint32_t marker = 0)
{
    QImage image(w, h, QImage::Format_RGB32);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            image.setPixel(x, y, 0xff000000u | (0x010000u * (x + 1)) | (0x100u * (y + 1)) | marker);
    return image;
}

std::uint32_t colour(const Surface &surface, int x, int y)
{
    return surface.image().pixel(x, y) & 0xffffffu;
}

// Checks every pixel of the surface: inside `target` it must come from the
// source at the given offset, elsewhere it must still be the background.
void expectCopied(const Surface &surface, const QImage &source, QRect target, int sx, int sy,
                  std::uint32_t background)
{
    for (int y = 0; y < surface.height(); ++y) {
        for (int x = 0; x < surface.width(); ++x) {
            std::uint32_t want = background;
            if (target.contains(x, y))
                want = source.pixel(x - target.x() + sx, y - target.y() + sy) & 0xffffffu;
            ASSERT_EQ(colour(surface, x, y), want) << "at " << x << "," << y;
        }
    }
}

constexpr std::uint32_t Grey = 0x404040;

Surface &greySurface(Surface &surface)
{
    surface.setBackColor(Grey);
    surface.cls();
    surface.clearDirty();
    return surface;
}

} // namespace

TEST(RasterOps, CopyAndOrActOnEveryColourBit)
{
    Surface surface(QSize(3, 1));
    QImage dest(3, 1, QImage::Format_RGB32);
    const std::uint32_t d[3] = {0xf0f0f0, 0x123456, 0xffffff};
    const std::uint32_t s[3] = {0x0f0ff0, 0xabcdef, 0x000000};
    for (int i = 0; i < 3; ++i)
        dest.setPixel(i, 0, 0xff000000u | d[i]);
    QImage src(3, 1, QImage::Format_RGB32);
    for (int i = 0; i < 3; ++i)
        src.setPixel(i, 0, 0xff000000u | s[i]);

    surface.bitBlt(0, 0, 3, 1, dest, 0, 0, RasterOp::SrcCopy);
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(colour(surface, i, 0), d[i]);
    surface.bitBlt(0, 0, 3, 1, src, 0, 0, RasterOp::SrcAnd);
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(colour(surface, i, 0), d[i] & s[i]);
    surface.bitBlt(0, 0, 3, 1, dest, 0, 0, RasterOp::SrcCopy);
    surface.bitBlt(0, 0, 3, 1, src, 0, 0, RasterOp::SrcPaint);
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(colour(surface, i, 0), d[i] | s[i]);
    // The surface stays opaque whatever the source's alpha byte holds.
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(surface.image().pixel(i, 0) >> 24, 0xffu);
}

TEST(RasterOps, MaskThenImageDrawsOnlyTheFish)
{
    // The sprite idiom: a mask black on the fish and white around it, ANDed,
    // then the image black around the fish, ORed.
    Surface surface(QSize(4, 1));
    surface.setBackColor(0x336699);
    surface.cls();
    QImage mask(4, 1, QImage::Format_RGB32);
    QImage image(4, 1, QImage::Format_RGB32);
    const bool fish[4] = {false, true, true, false};
    for (int i = 0; i < 4; ++i) {
        mask.setPixel(i, 0, fish[i] ? 0xff000000u : 0xffffffffu);
        image.setPixel(i, 0, fish[i] ? 0xff00ff00u : 0xff000000u);
    }
    surface.bitBlt(0, 0, 4, 1, mask, 0, 0, RasterOp::SrcAnd);
    surface.bitBlt(0, 0, 4, 1, image, 0, 0, RasterOp::SrcPaint);
    EXPECT_EQ(colour(surface, 0, 0), Surface::toPixel(0x336699) & 0xffffffu);
    EXPECT_EQ(colour(surface, 1, 0), 0x00ff00u);
    EXPECT_EQ(colour(surface, 2, 0), 0x00ff00u);
    EXPECT_EQ(colour(surface, 3, 0), surface.image().pixel(0, 0) & 0xffffffu);
}

TEST(RasterOps, ClipsAtEveryEdgeOfTheDestination)
{
    const QImage source = numbered(4, 3);
    struct Case
    {
        int dx, dy;
        QRect visible; // the part of the 4x3 block that lands on the 6x5 surface
        int sx, sy;    // source pixel at the visible rectangle's corner
    };
    const Case cases[] = {
        {-2, 1, QRect(0, 1, 2, 3), 2, 0}, // left
        {4, 1, QRect(4, 1, 2, 3), 0, 0},  // right
        {1, -2, QRect(1, 0, 4, 1), 0, 2}, // top
        {1, 3, QRect(1, 3, 4, 2), 0, 0},  // bottom
        {-3, -2, QRect(0, 0, 1, 1), 3, 2}, {5, 4, QRect(5, 4, 1, 1), 0, 0},
    };
    for (const Case &c : cases) {
        Surface surface(QSize(6, 5));
        greySurface(surface).bitBlt(c.dx, c.dy, 4, 3, source, 0, 0, RasterOp::SrcCopy);
        SCOPED_TRACE(testing::Message() << "at " << c.dx << "," << c.dy);
        expectCopied(surface, source, c.visible, c.sx, c.sy, Grey);
        ASSERT_EQ(surface.dirty().bounds(), c.visible);
    }
}

TEST(RasterOps, NeverReadsOutsideTheSource)
{
    // A 3x4 strip; asking for rows above, below, left or right of it draws only
    // the rows and columns that exist, at the positions they would have had.
    const QImage strip = numbered(3, 4);
    struct Case
    {
        int sx, sy, w, h;
        QRect visible; // on the surface, block drawn at (2, 2)
        int fromX, fromY;
    };
    const Case cases[] = {
        {0, -2, 3, 4, QRect(2, 4, 3, 2), 0, 0}, // above the top: negative source row
        {0, 2, 3, 4, QRect(2, 2, 3, 2), 0, 2},  // past the bottom
        {-1, 0, 3, 4, QRect(3, 2, 2, 4), 0, 0}, // left of the strip
        {1, 0, 3, 4, QRect(2, 2, 2, 4), 1, 0},  // past the right
        {0, -5, 3, 4, QRect(), 0, 0},           // wholly above
        {4, 0, 3, 4, QRect(), 0, 0},            // wholly to the right
    };
    for (const Case &c : cases) {
        Surface surface(QSize(8, 8));
        greySurface(surface).bitBlt(2, 2, c.w, c.h, strip, c.sx, c.sy, RasterOp::SrcPaint);
        SCOPED_TRACE(testing::Message() << "source " << c.sx << "," << c.sy);
        // SrcPaint onto grey: the expected pixel is source OR grey.
        for (int y = 0; y < 8; ++y) {
            for (int x = 0; x < 8; ++x) {
                std::uint32_t want = Grey;
                if (c.visible.contains(x, y))
                    want |= strip.pixel(x - c.visible.x() + c.fromX, y - c.visible.y() + c.fromY) &
                            0xffffffu;
                ASSERT_EQ(colour(surface, x, y), want) << "at " << x << "," << y;
            }
        }
        if (c.visible.isEmpty()) {
            EXPECT_TRUE(surface.dirty().isEmpty());
        }
    }
}

TEST(RasterOps, EmptyOrNegativeSizesAndHugeOffsetsDrawNothing)
{
    const QImage source = numbered(4, 4);
    Surface surface(QSize(5, 5));
    greySurface(surface);
    surface.bitBlt(0, 0, 0, 3, source, 0, 0, RasterOp::SrcCopy);
    surface.bitBlt(0, 0, 3, -1, source, 0, 0, RasterOp::SrcCopy);
    surface.bitBlt(0, 0, -3, -3, source, 0, 0, RasterOp::SrcCopy);
    surface.bitBlt(2147483600, 0, 100, 100, source, 0, 0, RasterOp::SrcCopy);
    surface.bitBlt(0, 0, 2147483647, 2147483647, source, -2147483647, 0, RasterOp::SrcCopy);
    surface.bitBlt(-2147483647, -2147483647, 4, 4, source, 0, 0, RasterOp::SrcCopy);
    surface.bitBlt(0, 0, 4, 4, QImage(), 0, 0, RasterOp::SrcCopy);
    expectCopied(surface, source, QRect(), 0, 0, Grey);
    EXPECT_TRUE(surface.dirty().isEmpty());

    // A huge size is cut to what both images hold.
    surface.bitBlt(1, 1, 2147483647, 2147483647, source, 0, 0, RasterOp::SrcCopy);
    expectCopied(surface, source, QRect(1, 1, 4, 4), 0, 0, Grey);
}

TEST(RasterOps, CopiesWithinTheSurfaceItselfInEveryDirection)
{
    for (const QPoint shift :
         {QPoint(1, 0), QPoint(-1, 0), QPoint(0, 1), QPoint(0, -1), QPoint(2, 2), QPoint(-2, -1)}) {
        Surface surface(QSize(7, 6));
        const QImage original = numbered(7, 6);
        surface.bitBlt(0, 0, 7, 6, original, 0, 0, RasterOp::SrcCopy);
        surface.bitBlt(1 + shift.x(), 1 + shift.y(), 4, 3, surface.image(), 1, 1,
                       RasterOp::SrcCopy);
        SCOPED_TRACE(testing::Message() << "shift " << shift.x() << "," << shift.y());
        const QRect target(1 + shift.x(), 1 + shift.y(), 4, 3);
        for (int y = 0; y < 6; ++y)
            for (int x = 0; x < 7; ++x) {
                const QPoint from = target.contains(x, y) ? QPoint(x, y) - shift : QPoint(x, y);
                ASSERT_EQ(colour(surface, x, y), original.pixel(from) & 0xffffffu)
                    << "at " << x << "," << y;
            }
    }
}

TEST(RasterOps, PicturesOfOtherFormatsGiveTheSameColours)
{
    QImage indexed(2, 1, QImage::Format_Indexed8);
    indexed.setColorTable({qRgb(0, 0, 0), qRgb(10, 200, 30)});
    indexed.setPixel(0, 0, 1);
    indexed.setPixel(1, 0, 0);
    QImage mono(2, 1, QImage::Format_Mono);
    mono.setColorTable({qRgb(255, 255, 255), qRgb(0, 0, 0)});
    mono.setPixel(0, 0, 0);
    mono.setPixel(1, 0, 1);

    Surface surface(QSize(2, 2));
    surface.bitBlt(0, 0, 2, 1, indexed, 0, 0, RasterOp::SrcCopy);
    surface.bitBlt(0, 1, 2, 1, fw::toSurfaceFormat(mono), 0, 0, RasterOp::SrcCopy);
    EXPECT_EQ(surface.image().pixel(0, 0), qRgb(10, 200, 30));
    EXPECT_EQ(surface.image().pixel(1, 0), qRgb(0, 0, 0));
    EXPECT_EQ(surface.image().pixel(0, 1), qRgb(255, 255, 255));
    EXPECT_EQ(surface.image().pixel(1, 1), qRgb(0, 0, 0));
    EXPECT_EQ(fw::toSurfaceFormat(indexed).format(), QImage::Format_RGB32);
}

TEST(RasterOps, ClsAndFillUseTheBackgroundColourWithRedInTheLowByte)
{
    Surface surface(QSize(6, 4));
    surface.setBackColor(0x0000ff); // red
    surface.cls();
    EXPECT_EQ(surface.image().pixel(5, 3), qRgb(255, 0, 0));
    EXPECT_EQ(surface.dirty().bounds(), QRect(0, 0, 6, 4));

    surface.clearDirty();
    surface.setBackColor(0xff0000); // blue
    surface.fill(-2, 2, 4, 10);
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 6; ++x)
            ASSERT_EQ(surface.image().pixel(x, y),
                      (x < 2 && y >= 2) ? qRgb(0, 0, 255) : qRgb(255, 0, 0))
                << x << "," << y;
    EXPECT_EQ(surface.dirty().bounds(), QRect(0, 2, 2, 2));

    EXPECT_EQ(Surface::fromPixel(Surface::toPixel(0x123456)), 0x123456u);
    EXPECT_EQ(Surface::toPixel(0x123456), qRgb(0x56, 0x34, 0x12));
}

TEST(RasterOps, AWriteNeverChangesACopyTakenBefore)
{
    Surface surface(QSize(3, 3));
    greySurface(surface);
    const QImage before = surface.image();
    surface.setBackColor(0xffffff);
    surface.fill(0, 0, 3, 3);
    surface.print(u"x");
    EXPECT_EQ(before.pixel(1, 1) & 0xffffffu, Grey);
    EXPECT_EQ(colour(surface, 1, 1), 0xffffffu);
}

TEST(RasterOps, ClsOverAPlainSurfaceWipesAndMarksOnlyWhatWasDrawn)
{
    const QImage sprite = numbered(4, 3);
    Surface surface(QSize(40, 30));
    surface.setBackColor(0x102030);
    surface.cls();
    surface.bitBlt(5, 6, 4, 3, sprite, 0, 0, RasterOp::SrcCopy);
    surface.currentX = 20;
    surface.currentY = 10;
    surface.print(u"x");
    surface.clearDirty();

    surface.cls();
    const QRgb back = Surface::toPixel(0x102030);
    for (int y = 0; y < 30; ++y)
        for (int x = 0; x < 40; ++x)
            ASSERT_EQ(surface.image().pixel(x, y), back) << x << "," << y;
    EXPECT_TRUE(surface.dirty().bounds().contains(QRect(5, 6, 4, 3)));
    EXPECT_FALSE(surface.dirty().bounds().contains(QRect(0, 0, 40, 30)));

    // A new background colour must reach every pixel.
    surface.clearDirty();
    surface.setBackColor(0x000000);
    surface.cls();
    EXPECT_EQ(surface.dirty().bounds(), QRect(0, 0, 40, 30));
    EXPECT_EQ(surface.image().pixel(39, 29), qRgb(0, 0, 0));

    // Nothing drawn: nothing to repaint.
    surface.clearDirty();
    surface.cls();
    EXPECT_TRUE(surface.dirty().isEmpty());
}
