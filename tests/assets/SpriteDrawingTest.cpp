#include "aquarium/SpriteCatalogue.h"
#include "platform/Random.h"
#include "support/MaskedDrawCheck.h"

#include <gtest/gtest.h>

using fw::SpriteCatalogue;
using fw::test::MaskedDrawCheck;

namespace {

// Every way the frame routine draws a fish: whole, or a column range of it
// for a beat of the tail, anywhere on or partly off the surface.
void expectRunsDrawAsMaskThenImage(const QImage &image, const QImage &mask,
                                   const fw::SpriteSpans &spans)
{
    const int w = image.width(), h = image.height();
    const QSize surface(w + 8, h + 8);
    fw::SeededRandom random(w * 1000 + h);
    MaskedDrawCheck check(surface, random);
    auto draw = [&](int dx, int dy, int sourceX, int width) {
        return check.draw(dx, dy, width, h, image, mask, spans, sourceX, 0)
               << " (" << width << " columns from " << sourceX << " to " << dx << "," << dy << ")";
    };
    // Slid across the surface and off either side with its top cut, uncut and
    // its bottom cut; likewise slid down it with either side cut.
    for (int dy : {-h / 2, 4, surface.height() - h / 2})
        for (int dx = -w - 1; dx <= surface.width() + 1; ++dx)
            ASSERT_TRUE(draw(dx, dy, 0, w));
    for (int dx : {-w / 2, 4, surface.width() - w / 2})
        for (int dy = -h - 1; dy <= surface.height() + 1; ++dy)
            ASSERT_TRUE(draw(dx, dy, 0, w));
    // Every column range, one past the picture's right edge included (the
    // two pieces of a tail beat are rounded apart). A cut at an edge of the
    // surface only narrows the range, so inside the surface is enough.
    for (int sourceX = 0; sourceX <= w; ++sourceX)
        for (int width = 0; sourceX + width <= w + 1; ++width)
            ASSERT_TRUE(draw(4, 4, sourceX, width));
}

} // namespace

TEST(SpriteDrawing, EveryFishIsCopiedByRunsExactlyAsMaskThenImage)
{
    const SpriteCatalogue catalogue;
    for (int species = 0; species < fw::SpeciesCount; ++species) {
        for (bool young : {false, true}) {
            const fw::SpriteSet &set = catalogue.set(species, young);
            SCOPED_TRACE(SpriteCatalogue::imageName(species, young, true).toStdString());
            ASSERT_TRUE(set.leftSpans.describes(set.left, set.leftMask));
            ASSERT_TRUE(set.rightSpans.describes(set.right, set.rightMask));
            // A picture that fails to load is drawn blank, which would prove nothing.
            for (bool left : {true, false})
                for (const QString &name : {SpriteCatalogue::imageName(species, young, left),
                                            SpriteCatalogue::maskName(species, young, left)})
                    ASSERT_FALSE(SpriteCatalogue::loadResource(name).isNull());
            expectRunsDrawAsMaskThenImage(set.left, set.leftMask, set.leftSpans);
            expectRunsDrawAsMaskThenImage(set.right, set.rightMask, set.rightSpans);
        }
    }
}
