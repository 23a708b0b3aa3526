#include "platform/Fonts.h"
#include "platform/Surface.h"
#include "platform/TextBlend.h"
#include "support/TextDrawCheck.h"

#include <QFontInfo>
#include <QFontMetricsF>
#include <QStaticText>

#include <algorithm>
#include <cstdio>

#include <gtest/gtest.h>

using fw::Surface;

namespace {

// The rectangle of pixels that differ from the background.
QRect inkBounds(const Surface &surface)
{
    const QRgb background = surface.image().pixel(0, surface.height() - 1);
    QRect ink;
    for (int y = 0; y < surface.height(); ++y)
        for (int x = 0; x < surface.width(); ++x)
            if (surface.image().pixel(x, y) != background)
                ink |= QRect(x, y, 1, 1);
    return ink;
}

// Whether every pixel that differs from the background lies in the dirty region.
bool inkIsDirty(const Surface &surface)
{
    const QRgb background = surface.image().pixel(0, surface.height() - 1);
    QRegion region;
    for (int i = 0; i < surface.dirty().count(); ++i)
        region += surface.dirty().at(i);
    for (int y = 0; y < surface.height(); ++y)
        for (int x = 0; x < surface.width(); ++x)
            if (surface.image().pixel(x, y) != background && !region.contains(QPoint(x, y)))
                return false;
    return true;
}

} // namespace

TEST(SurfaceText, SurfaceFontIsAJapaneseBoldItalicOf18Pixels)
{
    const QFont font = fw::surfaceFont();
    EXPECT_EQ(font.pixelSize(), 18);
    EXPECT_TRUE(font.bold());
    EXPECT_TRUE(font.italic());
    // Japanese must be drawable, not boxes.
    const QFontMetricsF metrics(font);
    EXPECT_TRUE(metrics.inFont(QChar(0x6c34))); // 水
    EXPECT_TRUE(metrics.inFont(QChar(0xff92))); // ﾒ
    EXPECT_EQ(Surface().font(), font);
}

TEST(SurfaceText, FixedPitchFontGivesFullWidthCharactersTwoCells)
{
    const QFont font = fw::fixedPitchFont();
    EXPECT_TRUE(fw::hasDoubleWidthCells(font)) << QFontInfo(font).family().toStdString();
    // A proportional face fails the same check, so the check can fail.
    EXPECT_FALSE(fw::hasDoubleWidthCells(fw::uiFont()));
}

TEST(SurfaceText, MeasuresTheWidestLineAndAllLines)
{
    Surface surface(QSize(10, 10));
    const double line = surface.lineHeight();
    ASSERT_GT(line, 10);
    EXPECT_EQ(surface.textWidth(u""), 0);
    EXPECT_EQ(surface.textHeight(u""), line);
    const double shortWidth = surface.textWidth(u"ab");
    const double longWidth = surface.textWidth(u"abcdef");
    EXPECT_GT(longWidth, shortWidth);
    EXPECT_EQ(surface.textWidth(u"ab\nabcdef\r\nab"), longWidth);
    EXPECT_EQ(surface.textHeight(u"ab\nabcdef\r\nab"), 3 * line);
    EXPECT_EQ(surface.textHeight(u"ab\n"), 2 * line);
    // Trailing blanks count, as the clock's five blanks need.
    EXPECT_GT(surface.textWidth(u"     "), 0);
}

TEST(SurfaceText, PrintMovesThePositionLikeAPictureBox)
{
    Surface surface(QSize(400, 200));
    const double line = surface.lineHeight();
    surface.currentX = 30;
    surface.currentY = 40;
    surface.printInline(u"名前");
    EXPECT_DOUBLE_EQ(surface.currentX, 30 + surface.textWidth(u"名前"));
    EXPECT_DOUBLE_EQ(surface.currentY, 40);

    surface.currentX = 30;
    surface.currentY = 40;
    surface.print(u"  名前:ab\n  生後:12日\n");
    // Each line feed starts at the left edge, and print ends on a new line.
    EXPECT_DOUBLE_EQ(surface.currentX, 0);
    EXPECT_DOUBLE_EQ(surface.currentY, 40 + 3 * line);

    surface.currentX = 5;
    surface.currentY = 0;
    surface.printInline(u"a\r\nbb");
    EXPECT_DOUBLE_EQ(surface.currentX, surface.textWidth(u"bb"));
    EXPECT_DOUBLE_EQ(surface.currentY, line);
}

TEST(SurfaceText, DrawsInTheForeColourWhereThePositionSaysAndMarksIt)
{
    Surface surface(QSize(300, 120));
    surface.setBackColor(0x000000);
    surface.setForeColor(0x00ffff); // yellow, red in the low byte
    surface.cls();
    surface.clearDirty();
    surface.currentX = 50;
    surface.currentY = 20;
    surface.printInline(u"ABC");

    QRect ink = inkBounds(surface);
    ASSERT_FALSE(ink.isEmpty());
    const double line = surface.lineHeight();
    EXPECT_GE(ink.left(), 50 - 2);
    EXPECT_LE(ink.left(), 50 + 3);
    EXPECT_GE(ink.top(), 20);
    EXPECT_LT(ink.top(), 20 + line / 2);
    EXPECT_LE(ink.bottom(), 20 + line);
    EXPECT_TRUE(inkIsDirty(surface));

    // The second line starts at the left edge, one line lower.
    surface.print(u"\nDEF");
    ink = inkBounds(surface);
    EXPECT_LE(ink.left(), 3);
    EXPECT_GT(ink.bottom(), 20 + line);
    EXPECT_LE(ink.bottom(), 20 + 2 * line);
    EXPECT_TRUE(inkIsDirty(surface));

    // The strongest pixel is the fore colour itself.
    bool foundYellow = false;
    for (int y = ink.top(); y <= ink.bottom() && !foundYellow; ++y)
        for (int x = ink.left(); x <= ink.right(); ++x)
            if (surface.image().pixel(x, y) == qRgb(255, 255, 0))
                foundYellow = true;
    EXPECT_TRUE(foundYellow);
}

TEST(SurfaceText, ItalicOverhangAndTextOffTheEdgesStayInTheDirtyRegionAndTheLean)
{
    Surface surface(QSize(120, 60));
    surface.setForeColor(0xffffff);
    for (const QPointF at : {QPointF(-20, 10), QPointF(100, 10), QPointF(10, -10), QPointF(10, 50),
                             QPointF(3.5, 7.25)}) {
        surface.cls();
        surface.clearDirty();
        surface.currentX = at.x();
        surface.currentY = at.y();
        surface.print(u"Wfj水");
        const QRect ink = inkBounds(surface);
        SCOPED_TRACE(testing::Message() << at.x() << "," << at.y());
        ASSERT_FALSE(ink.isEmpty());
        EXPECT_TRUE(inkIsDirty(surface));
        EXPECT_TRUE(surface.image().rect().contains(surface.dirty().bounds()));
        // The one lean that restores of text take back covers all the ink.
        const int lean = surface.italicLean();
        const QRect leaned = QRectF(at.x() - lean, at.y(), surface.textWidth(u"Wfj水") + 2 * lean,
                                    surface.lineHeight())
                                 .toAlignedRect();
        EXPECT_TRUE(leaned.contains(ink));
    }
}

TEST(SurfaceText, ReusesLayoutsAndStaysCorrectBeyondTheCache)
{
    Surface surface(QSize(200, 40));
    surface.setForeColor(0xffffff);
    // More distinct texts than the cache holds, then the first again: its
    // width and drawing must be those of the text, not of a recycled entry.
    const double first = surface.textWidth(u"12:00:00");
    for (int i = 0; i < 3 * Surface::TextCacheSize; ++i)
        surface.textWidth(QString::number(i * 7919));
    EXPECT_EQ(surface.textWidth(u"12:00:00"), first);
    surface.print(u"1");
    const QRect one = inkBounds(surface);
    surface.cls();
    surface.print(u"1111111");
    EXPECT_GT(inkBounds(surface).width(), one.width() * 3);

    // A new font measures anew.
    QFont bigger = surface.font();
    bigger.setPixelSize(36);
    surface.setFont(bigger);
    EXPECT_GT(surface.textWidth(u"12:00:00"), first * 1.5);
}

TEST(SurfaceText, LabelsLookAsQtDrawsThemOnWholePixels)
{
    // Our own blend of the measured coverage against Qt's drawing of the same
    // line at the same whole pixel, over plain and varied backgrounds, in light,
    // saturated and dark pens, and lines that run off the edges.
    const QStringList texts{QStringLiteral("Wakana"),
                            QStringLiteral("ﾊﾁｪｯﾄ"),
                            QStringLiteral("ネオンテトラ"),
                            QStringLiteral("水草"),
                            QStringLiteral("2026/12/09  23:59:58"),
                            QStringLiteral("AVWTaf/j")};
    QImage plain(200, 48, QImage::Format_RGB32);
    plain.fill(Qt::black);
    int largest = 0;
    for (const std::uint32_t pen : {0xffffffu, 0x00ffffu, 0x803010u}) {
        for (const QImage &under : {plain, fw::test::noise(plain.size(), pen)}) {
            for (const QString &text : texts) {
                for (const QPoint at : {QPoint(12, 9), QPoint(-15, 4), QPoint(150, 30)}) {
                    const auto result = fw::test::compareWithQt(text, at, pen, under);
                    EXPECT_TRUE(result.blendedByUs) << text.toStdString();
                    largest = std::max(largest, result.largestDifference);
                }
            }
        }
    }
    std::printf("largest difference from Qt's drawing: %d of 255\n", largest);
    EXPECT_LE(largest, 6);
}

TEST(SurfaceText, CoverageThatCannotMatchQtIsLeftToQt)
{
    const QFont font = fw::surfaceFont();
    QStaticText layout(QStringLiteral("Wakana"));
    layout.prepare(QTransform(), font);
    const QSize box(80, 25);
    EXPECT_TRUE(fw::TextCoverage::measure(layout, font, box, 25, fw::PenBlend()).usable());
    // Blended without Qt's text gamma, the check against Qt's drawing fails.
    fw::PenBlend linear(1.0);
    linear.setPen(qRgb(255, 255, 255));
    EXPECT_FALSE(fw::TextCoverage::measure(layout, font, box, 25, linear).usable());
}

TEST(PenBlend, KeepsTheDestinationAtNoCoverageAndThePenAtFull)
{
    fw::PenBlend blend;
    for (const QRgb pen :
         {qRgb(255, 255, 255), qRgb(0, 255, 255), qRgb(12, 200, 12), qRgb(200, 12, 99)}) {
        blend.setPen(pen); // each change keeps or remakes the right tables
        for (const QRgb dest : {qRgb(0, 0, 0), qRgb(17, 130, 250)}) {
            EXPECT_EQ(blend.blend(dest, 0), dest | 0xff000000u);
            EXPECT_EQ(blend.blend(dest, 255), pen | 0xff000000u);
        }
    }
    // Half coverage mixes in linear light: white over black comes out at
    // 0.5 to the power 1 / 1.7 (170), not at the average 128.
    blend.setPen(qRgb(255, 255, 255));
    EXPECT_NEAR(qGreen(blend.blend(qRgb(0, 0, 0), 128)), 170, 1);
}
