#include "platform/SpriteSpans.h"
#include "platform/Random.h"
#include "support/MaskedDrawCheck.h"

#include <gtest/gtest.h>

#include <climits>
#include <cstdint>
#include <utility>
#include <vector>

using fw::SeededRandom;
using fw::SpriteSpans;
using fw::test::MaskedDrawCheck;

namespace {

int between(fw::Random &random, int low, int high)
{
    return low + int(random.next() * (qint64(high) - low + 1));
}

// Mostly near the picture and the surface; now and then a value at the ends
// of the int range, which the clipping must survive.
int coordinate(fw::Random &random, int low, int high)
{
    static constexpr int extremes[] = {INT_MIN, INT_MIN + 1, INT_MAX - 2, INT_MAX};
    if (random.next() < 0.05)
        return extremes[between(random, 0, 3)];
    return between(random, low, high);
}

// A sprite as the program's own are: a black and white mask, an image black
// around the fish. The alpha bytes are random, as they take no part.
struct Sprite
{
    QImage image;
    QImage mask;
};

Sprite randomSprite(fw::Random &random, int w, int h)
{
    Sprite sprite{QImage(w, h, QImage::Format_RGB32), QImage(w, h, QImage::Format_RGB32)};
    const double opaque = random.next();
    for (int y = 0; y < h; ++y) {
        auto *image = reinterpret_cast<std::uint32_t *>(sprite.image.scanLine(y));
        auto *mask = reinterpret_cast<std::uint32_t *>(sprite.mask.scanLine(y));
        for (int x = 0; x < w; ++x) {
            const bool fish = random.next() < opaque;
            mask[x] = (std::uint32_t(between(random, 0, 255)) << 24) | (fish ? 0 : 0xffffffu);
            image[x] = (std::uint32_t(between(random, 0, 255)) << 24) |
                       (fish ? std::uint32_t(between(random, 0, 0xffffff)) : 0);
        }
    }
    return sprite;
}

} // namespace

TEST(SpriteSpans, RandomSpritesCopiedByRunsMatchMaskThenImage)
{
    SeededRandom random(0x5eed5a11);
    for (int n = 0; n < 1000; ++n) {
        const int w = between(random, 1, 40), h = between(random, 1, 24);
        const Sprite sprite = randomSprite(random, w, h);
        const SpriteSpans spans(sprite.image, sprite.mask);
        ASSERT_TRUE(spans.describes(sprite.image, sprite.mask)) << "sprite " << n;
        const QSize surface(between(random, 1, 48), between(random, 1, 32));
        MaskedDrawCheck check(surface, random);
        for (int k = 0; k < 20; ++k) {
            const int sx = coordinate(random, -3, w + 3), sy = coordinate(random, -3, h + 3);
            const int cw = coordinate(random, -1, w + 4), ch = coordinate(random, -1, h + 4);
            const int dx = coordinate(random, -w - 4, surface.width() + 4);
            const int dy = coordinate(random, -h - 4, surface.height() + 4);
            ASSERT_TRUE(check.draw(dx, dy, cw, ch, sprite.image, sprite.mask, spans, sx, sy))
                << "sprite " << n << " draw " << k;
        }
    }
}

TEST(SpriteSpans, PicturesBreakingTheRuleAreDrawnByTheRasterOps)
{
    SeededRandom random(77);
    Sprite base = randomSprite(random, 12, 7);
    for (int y = 0; y < 7; ++y) { // a surround to spoil
        base.mask.setPixel(0, y, qRgb(255, 255, 255));
        base.image.setPixel(0, y, qRgb(0, 0, 0));
    }
    const SpriteSpans baseSpans(base.image, base.mask);
    ASSERT_TRUE(baseSpans.usable());
    auto spoilt = [&](QImage Sprite::*picture, QRgb pixel) {
        Sprite sprite = base;
        (sprite.*picture).setPixel(0, 3, pixel);
        return sprite;
    };
    // An all-white mask of one byte a pixel, with room after it, so that read
    // as 32-bit pixels it would pass for a black one.
    std::vector<uchar> zeros(12 * 7 * 4);
    QImage indexed(zeros.data(), 12, 7, 12, QImage::Format_Indexed8);
    indexed.setColorTable({qRgb(255, 255, 255), qRgb(0, 0, 0)});
    const std::pair<const char *, Sprite> cases[] = {
        {"grey in the mask", spoilt(&Sprite::mask, qRgb(128, 128, 128))},
        {"nearly white in the mask", spoilt(&Sprite::mask, qRgb(255, 254, 255))},
        {"nearly black in the mask", spoilt(&Sprite::mask, qRgb(1, 0, 0))},
        {"colour around the fish", spoilt(&Sprite::image, qRgb(0, 1, 0))},
        {"mask of another size", {base.image, base.mask.copy(0, 0, 13, 8)}},
        {"mask of another format", {base.image, indexed}},
        {"no image", {QImage(), base.mask}},
    };
    for (const auto &[what, sprite] : cases) {
        SCOPED_TRACE(what);
        const SpriteSpans spans(sprite.image, sprite.mask);
        EXPECT_FALSE(spans.usable());
        MaskedDrawCheck check(QSize(16, 10), random);
        // Nor do the spans of the unspoilt pictures describe these.
        for (const SpriteSpans *given : {&spans, &baseSpans}) {
            EXPECT_TRUE(check.draw(2, 1, 13, 8, sprite.image, sprite.mask, *given, 0, 0));
            EXPECT_TRUE(check.draw(-3, 5, 13, 8, sprite.image, sprite.mask, *given, 1, 0));
        }
    }
}
