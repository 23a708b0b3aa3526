#include "Assets.h"
#include "BmpHeader.h"

#include <QImage>

#include <gtest/gtest.h>

namespace {

struct SpriteSet
{
    const char *images; // image name stem: <stem>R, <stem>L, <stem>RS, <stem>LS
    const char *masks;  // mask name stem: <stem>R_Mask ... <stem>LS_Mask
    QSize large, small;
    int largeMaskBits, smallMaskBits;
};

const SpriteSet kCatalogue[] = {
    {"AngelFish", "AngelFish", {88, 104}, {44, 52}, 1, 1},
    {"GlowlightTetra", "NeonTetra", {42, 17}, {26, 11}, 4, 1},
    {"NeonTetra", "NeonTetra", {42, 17}, {26, 11}, 4, 1},
    {"SilverHatchet", "SilverHatchet", {60, 33}, {30, 16}, 4, 4},
    {"CorydorasArcuatus", "Corydoras", {60, 33}, {30, 16}, 1, 1},
    {"CorydorasAeneusvar", "Corydoras", {60, 33}, {30, 16}, 1, 1},
};

// One image with the mask it is drawn through.
struct Sprite
{
    QString image, mask;
    QSize size;
    int maskBits;
    const char *mirrorOf; // right-facing partner's side letter, or nullptr
};

std::vector<Sprite> allSprites()
{
    std::vector<Sprite> sprites;
    for (const SpriteSet &set : kCatalogue) {
        for (const char *side : {"R", "L"}) {
            sprites.push_back({QString("%1%2").arg(set.images, side),
                               QString("%1%2_Mask").arg(set.masks, side), set.large,
                               set.largeMaskBits, nullptr});
            sprites.push_back({QString("%1%2S").arg(set.images, side),
                               QString("%1%2S_Mask").arg(set.masks, side), set.small,
                               set.smallMaskBits, nullptr});
        }
    }
    return sprites;
}

QImage load(const QString &name)
{
    return QImage(fw::assets::spritePath(name)).convertToFormat(QImage::Format_RGB32);
}

bool isBlack(QRgb c)
{
    return (c & 0xffffff) == 0;
}

TEST(SpriteCatalogue, EveryImageIsAnEightBitPaletteBitmapOfItsSize)
{
    for (const Sprite &sprite : allSprites()) {
        SCOPED_TRACE(sprite.image.toStdString());
        const BmpHeader header = readBmpHeader(fw::assets::spritePath(sprite.image));
        ASSERT_TRUE(header.valid);
        EXPECT_EQ(header.bitsPerPixel, 8);
        EXPECT_EQ(header.compression, 0);
        EXPECT_EQ(QSize(header.width, header.height), sprite.size);
        const QImage image(fw::assets::spritePath(sprite.image));
        EXPECT_EQ(image.size(), sprite.size);
        EXPECT_EQ(image.format(), QImage::Format_Indexed8);
    }
}

TEST(SpriteCatalogue, EveryMaskHasItsBitDepthAndTheSizeOfItsImages)
{
    for (const Sprite &sprite : allSprites()) {
        SCOPED_TRACE(sprite.mask.toStdString());
        const BmpHeader header = readBmpHeader(fw::assets::spritePath(sprite.mask));
        ASSERT_TRUE(header.valid);
        EXPECT_EQ(header.bitsPerPixel, sprite.maskBits);
        EXPECT_EQ(QSize(header.width, header.height), sprite.size);
        const QImage mask = load(sprite.mask);
        ASSERT_EQ(mask.size(), sprite.size);
        for (int y = 0; y < mask.height(); ++y)
            for (int x = 0; x < mask.width(); ++x)
                ASSERT_TRUE(mask.pixel(x, y) == qRgb(0, 0, 0) ||
                            mask.pixel(x, y) == qRgb(255, 255, 255))
                    << "at " << x << "," << y;
    }
}

// The aquarium ANDs the mask and ORs the image: a black fish pixel would let
// the water show through, a coloured surround pixel would tint the water.
// For shared masks this holds for both species.
TEST(SpriteCatalogue, MaskIsBlackExactlyWhereTheImageIsNotBlack)
{
    for (const Sprite &sprite : allSprites()) {
        SCOPED_TRACE(sprite.image.toStdString());
        const QImage image = load(sprite.image);
        const QImage mask = load(sprite.mask);
        ASSERT_EQ(image.size(), mask.size());
        int fishPixels = 0;
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                const bool fish = !isBlack(image.pixel(x, y));
                ASSERT_EQ(fish, mask.pixel(x, y) == qRgb(0, 0, 0)) << "at " << x << "," << y;
                fishPixels += fish;
            }
        }
        // A real fish, not an empty or a filled box.
        const int area = image.width() * image.height();
        EXPECT_GT(fishPixels, area / 4);
        EXPECT_LT(fishPixels, area * 4 / 5);
    }
}

// The frame routine takes a fish's width and height from its image, so the
// fish must reach the edges of its picture: nose and tail at the sides,
// fins at top and bottom.
TEST(SpriteCatalogue, FishFillsItsPictureFromEdgeToEdge)
{
    for (const Sprite &sprite : allSprites()) {
        SCOPED_TRACE(sprite.image.toStdString());
        const QImage image = load(sprite.image);
        int left = image.width(), right = -1, top = image.height(), bottom = -1;
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                if (isBlack(image.pixel(x, y)))
                    continue;
                left = std::min(left, x);
                right = std::max(right, x);
                top = std::min(top, y);
                bottom = std::max(bottom, y);
            }
        }
        EXPECT_LE(left, 1);
        EXPECT_GE(right, image.width() - 2);
        EXPECT_LE(top, 1);
        EXPECT_GE(bottom, image.height() - 2);
    }
}

TEST(SpriteCatalogue, LeftPicturesMirrorTheRightOnesExceptTheLargeGlowlight)
{
    for (const SpriteSet &set : kCatalogue) {
        for (const char *size : {"", "S"}) {
            const QString right = QString("%1R%2").arg(set.images, size);
            const QString left = QString("%1L%2").arg(set.images, size);
            SCOPED_TRACE(right.toStdString());
            const bool drawnPerSide = right == "GlowlightTetraR";
            EXPECT_EQ(load(left) == load(right).mirrored(true, false), !drawnPerSide);
            const QString rightMask = QString("%1R%2_Mask").arg(set.masks, size);
            const QString leftMask = QString("%1L%2_Mask").arg(set.masks, size);
            EXPECT_EQ(load(leftMask), load(rightMask).mirrored(true, false));
        }
    }
}

// The large glowlights are painted one by one with the light from the
// tank's left on both. Turning the left one round puts its light on the
// right, so against that mirror the right image is brighter on its left
// half and darker on its right half.
TEST(SpriteCatalogue, LargeGlowlightsAreLitFromTheSameSideOfTheTank)
{
    auto brightnessOfTankSide = [](const QImage &image, bool leftHalf) {
        long sum = 0;
        const int from = leftHalf ? 0 : image.width() / 2;
        for (int y = 0; y < image.height(); ++y)
            for (int x = from; x < from + image.width() / 2; ++x)
                sum += qGray(image.pixel(x, y));
        return sum;
    };
    const QImage right = load("GlowlightTetraR");
    const QImage left = load("GlowlightTetraL");
    const QImage leftMirrored = left.mirrored(true, false);
    const long rightLeftHalf = brightnessOfTankSide(right, true);
    const long mirroredLeftHalf = brightnessOfTankSide(leftMirrored, true);
    const long rightRightHalf = brightnessOfTankSide(right, false);
    const long mirroredRightHalf = brightnessOfTankSide(leftMirrored, false);
    EXPECT_GT(rightLeftHalf - mirroredLeftHalf, 0);
    EXPECT_GT(mirroredRightHalf - rightRightHalf, 0);
}

TEST(SpriteCatalogue, SpeciesSharingAMaskShareTheirOutline)
{
    for (const char *size : {"R", "L", "RS", "LS"}) {
        SCOPED_TRACE(size);
        auto outline = [](const QString &name) {
            QImage image = load(name);
            for (int y = 0; y < image.height(); ++y)
                for (int x = 0; x < image.width(); ++x)
                    image.setPixel(x, y, isBlack(image.pixel(x, y)) ? 0u : 0xffffffu);
            return image;
        };
        EXPECT_EQ(outline(QString("NeonTetra%1").arg(size)),
                  outline(QString("GlowlightTetra%1").arg(size)));
        EXPECT_EQ(outline(QString("CorydorasArcuatus%1").arg(size)),
                  outline(QString("CorydorasAeneusvar%1").arg(size)));
    }
}

} // namespace
