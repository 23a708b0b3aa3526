#include "BmpHeader.h"
#include "BmpWriter.h"
#include "Catalogue.h"
#include "Quantiser.h"
#include "Raster.h"

#include <QRandomGenerator>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace fw::sprites;

namespace {

QImage indexedImage(QSize size, int colours, quint32 seed)
{
    QImage image(size, QImage::Format_Indexed8);
    QList<QRgb> table;
    for (int i = 0; i < colours; ++i)
        table.append(qRgb(i * 37 % 256, i * 91 % 256, 255 - i * 13 % 256));
    image.setColorTable(table);
    QRandomGenerator random(seed);
    for (int y = 0; y < size.height(); ++y)
        for (int x = 0; x < size.width(); ++x)
            image.setPixel(x, y, random.bounded(colours));
    return image;
}

// Rows of BMP files are padded to four bytes and packed several pixels to a
// byte at 1 and 4 bits: every width up to 33 crosses each padding case.
TEST(BmpWriter, EveryDepthReadsBackPixelForPixelAtAnyWidth)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    for (int bits : {1, 4, 8, 24}) {
        for (int width = 1; width <= 33; ++width) {
            SCOPED_TRACE(testing::Message() << bits << " bits, width " << width);
            const QImage written =
                indexedImage(QSize(width, 3), bits == 24 ? 200 : std::min(1 << bits, 256),
                             quint32(width * 100 + bits));
            const QString path = dir.filePath(QString("w%1-%2.bmp").arg(bits).arg(width));
            ASSERT_TRUE(writeBmp(written, bits, path));
            const BmpHeader header = readBmpHeader(path);
            ASSERT_TRUE(header.valid);
            EXPECT_EQ(header.bitsPerPixel, bits);
            EXPECT_EQ(QSize(header.width, header.height), written.size());
            const QImage read = QImage(path).convertToFormat(QImage::Format_RGB32);
            ASSERT_EQ(read.size(), written.size());
            for (int y = 0; y < read.height(); ++y)
                for (int x = 0; x < read.width(); ++x)
                    ASSERT_EQ(read.pixel(x, y), written.pixel(x, y)) << "at " << x << "," << y;
        }
    }
}

TEST(BmpWriter, RefusesPicturesItCannotStoreAtTheAskedDepth)
{
    QTemporaryDir dir;
    EXPECT_FALSE(writeBmp(indexedImage(QSize(4, 4), 17, 1), 4, dir.filePath("a.bmp")));
    EXPECT_FALSE(writeBmp(QImage(4, 4, QImage::Format_RGB32), 8, dir.filePath("b.bmp")));
    EXPECT_FALSE(writeBmp(indexedImage(QSize(4, 4), 2, 1), 1, dir.filePath("no/such/c.bmp")));
}

TEST(Quantiser, KeepsFewColoursExactly)
{
    const std::vector<QRgb> pixels = {qRgb(8, 8, 8), qRgb(200, 10, 10), qRgb(200, 10, 10),
                                      qRgb(10, 200, 240)};
    const std::vector<QRgb> palette = medianCutPalette(pixels, 255);
    EXPECT_EQ(palette.size(), 3u);
    for (QRgb p : pixels)
        EXPECT_EQ(palette[size_t(nearestIndex(palette, p))] & 0xffffff, p & 0xffffff);
}

TEST(Quantiser, ManyColoursFitThePaletteWithoutTurningBlack)
{
    std::vector<QRgb> pixels;
    for (int r = 0; r < 256; r += 8)
        for (int g = 0; g < 256; g += 16)
            for (int b = 0; b < 256; b += 32)
                pixels.push_back(qRgb(std::max(r, 8), g, b)); // never pure black
    const std::vector<QRgb> palette = medianCutPalette(pixels, 255);
    EXPECT_LE(palette.size(), 255u);
    EXPECT_GE(palette.size(), 200u);
    for (QRgb c : palette)
        EXPECT_NE(c & 0xffffff, 0u);
    // The reduction stays close: no pixel moves far from its colour.
    for (QRgb p : pixels) {
        const QRgb q = palette[size_t(nearestIndex(palette, p))];
        EXPECT_LT(std::abs(qRed(p) - qRed(q)) + std::abs(qGreen(p) - qGreen(q)) +
                      std::abs(qBlue(p) - qBlue(q)),
                  60);
    }
}

// A plain test fish: an ellipse painted in `colour`.
class EllipseFish : public FishArt
{
public:
    explicit EllipseFish(QColor colour) : m_colour(colour) {}
    QSizeF designSize() const override { return {20, 10}; }
    QPainterPath outline(const Pose &) const override
    {
        QPainterPath path;
        path.addEllipse(QRectF(1, 1, 18, 8));
        return path;
    }
    void paint(QPainter &painter, const Pose &) const override
    {
        painter.fillRect(QRectF(0, 0, 20, 10), m_colour);
    }

private:
    QColor m_colour;
};

int fishPixels(const QImage &sprite)
{
    int count = 0;
    for (int y = 0; y < sprite.height(); ++y)
        for (int x = 0; x < sprite.width(); ++x)
            count += (sprite.pixel(x, y) & 0xffffff) != 0;
    return count;
}

TEST(Rendering, BlackPaintInsideTheOutlineBecomesNearBlackAndTheSurroundStaysBlack)
{
    const QImage sprite = renderFish(EllipseFish(Qt::black), Pose{}, QSize(20, 10));
    ASSERT_EQ(sprite.size(), QSize(20, 10));
    EXPECT_EQ(sprite.pixel(10, 5), qRgb(kNearBlack, kNearBlack, kNearBlack));
    EXPECT_EQ(sprite.pixel(0, 0), qRgb(0, 0, 0));
    EXPECT_EQ(sprite.pixel(19, 9), qRgb(0, 0, 0));
    // About the ellipse's area, pi * 9 * 4.
    EXPECT_NEAR(fishPixels(sprite), 113, 8);
}

TEST(Rendering, EdgePixelsKeepTheFishColourInsteadOfFadingToBlack)
{
    const QImage sprite = renderFish(EllipseFish(QColor(200, 100, 50)), Pose{}, QSize(20, 10));
    for (int y = 0; y < sprite.height(); ++y) {
        for (int x = 0; x < sprite.width(); ++x) {
            if ((sprite.pixel(x, y) & 0xffffff) != 0) {
                ASSERT_EQ(sprite.pixel(x, y), qRgb(200, 100, 50)) << "at " << x << "," << y;
            }
        }
    }
}

TEST(Rendering, PaletteKeepsIndexZeroForTheSurroundAndTheMaskFollowsIt)
{
    const QImage sprite = renderFish(EllipseFish(QColor(10, 180, 200)), Pose{}, QSize(20, 10));
    const QImage indexed = toSpritePalette(sprite);
    ASSERT_EQ(indexed.format(), QImage::Format_Indexed8);
    EXPECT_EQ(indexed.color(0), qRgb(0, 0, 0));
    for (int i = 1; i < indexed.colorCount(); ++i)
        EXPECT_NE(indexed.color(i) & 0xffffff, 0u);
    const QImage mask = maskOf(indexed);
    EXPECT_EQ(mask.colorCount(), 2);
    for (int y = 0; y < sprite.height(); ++y) {
        for (int x = 0; x < sprite.width(); ++x) {
            const bool fish = (sprite.pixel(x, y) & 0xffffff) != 0;
            ASSERT_EQ(indexed.pixelIndex(x, y) != 0, fish);
            ASSERT_EQ(mask.pixel(x, y), fish ? qRgb(0, 0, 0) : qRgb(255, 255, 255));
        }
    }
}

TEST(Rendering, SameOutlineGivesTheSameMaskWhateverThePaint)
{
    const QImage pale = toSpritePalette(renderFish(EllipseFish(Qt::white), Pose{}, QSize(20, 10)));
    const QImage dark = toSpritePalette(renderFish(EllipseFish(Qt::black), Pose{}, QSize(20, 10)));
    EXPECT_EQ(maskOf(pale), maskOf(dark));
}

TEST(Rendering, SoftEdgedPictureIsTransparentOutsideAndOpaqueInside)
{
    const QImage picture = renderFishWithAlpha(EllipseFish(Qt::red), Pose{}, QSize(20, 10));
    EXPECT_EQ(qAlpha(picture.pixel(0, 0)), 0);
    EXPECT_EQ(qAlpha(picture.pixel(10, 5)), 255);
    EXPECT_EQ(picture.pixel(10, 5), qRgba(255, 0, 0, 255));
    int partial = 0;
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x)
            partial += qAlpha(picture.pixel(x, y)) > 0 && qAlpha(picture.pixel(x, y)) < 255;
    EXPECT_GT(partial, 10);
}

} // namespace

namespace {

QImage rgb(const QImage &image)
{
    return image.convertToFormat(QImage::Format_RGB32);
}

QImage embedded(const QString &name)
{
    return rgb(QImage(QStringLiteral(":/sprites/%1.bmp").arg(name)));
}

// The committed pictures are what the generator paints today: a change to
// the painting that was not followed by painting the files again shows here.
TEST(Generator, CommittedSpritesAreWhatThePainterMakes)
{
    for (const SpritePair &pair : paintCatalogue(spriteCatalogue())) {
        SCOPED_TRACE(pair.right.toStdString());
        EXPECT_EQ(embedded(pair.right), rgb(pair.rightImage));
        EXPECT_EQ(embedded(pair.left), rgb(pair.leftImage));
        EXPECT_EQ(embedded(pair.rightMask), rgb(pair.rightMaskImage));
        EXPECT_EQ(embedded(pair.leftMask), rgb(pair.leftMaskImage));
    }
}

} // namespace
