#pragma once

#include "aquarium/Bubbles.h"
#include "aquarium/SpeciesTraits.h"
#include "platform/SpriteSpans.h"

#include <QImage>
#include <QSize>
#include <QString>

#include <array>
#include <functional>

namespace fw {

// The four pictures a fish is drawn with: images on black, masks black where
// the fish is and white elsewhere; and for each side where the fish is
// opaque, found when the pictures are loaded.
struct SpriteSet
{
    QImage left;
    QImage right;
    QImage leftMask;
    QImage rightMask;
    SpriteSpans leftSpans;
    SpriteSpans rightSpans;
};

// The food flakes: frames side by side on black, with their mask.
struct FlakeStrip
{
    QImage image;
    QImage mask;
    SpriteSpans spans;
    int frameSize() const { return image.height(); }
    int frames() const { return image.height() > 0 ? image.width() / image.height() : 0; }
};

// The fish pictures by species and size, and the bubble strip, loaded once
// and converted to the surface's pixel format.
class SpriteCatalogue
{
public:
    // Gives the picture of a name such as "AngelFishL" or "Picture_Bubble";
    // a null image when it has none.
    using Loader = std::function<QImage(const QString &name)>;

    // Loads from the program's resources (":/sprites/<name>.bmp").
    SpriteCatalogue();
    explicit SpriteCatalogue(const Loader &loader);

    // species 0..5; young fish (under 100 days) get the small set.
    const SpriteSet &set(int species, bool young) const { return m_sets[species * 2 + young]; }
    const BubbleStrip &bubbleStrip() const { return m_bubbles; }
    const FlakeStrip &flakes() const { return m_flakes; }
    // What `changed` passes as the species of the flakes.
    static constexpr int FlakeSpecies = SpeciesCount;

    // A copy whose pictures are passed through `change` (a sprite's image
    // with its mask and species) and `changeStrip`, for the light and the
    // water. The masks stay as they are.
    using SpriteChange =
        std::function<QImage(const QImage &image, const QImage &mask, int species)>;
    SpriteCatalogue changed(const SpriteChange &change,
                            const std::function<QImage(const QImage &)> &changeStrip) const;

    // The image size a species is drawn at.
    static QSize spriteSize(int species, bool young);
    // The resource names of the left image and left mask of a set; the right
    // ones end in "R" instead of "L".
    static QString imageName(int species, bool young, bool left);
    static QString maskName(int species, bool young, bool left);

    static QImage loadResource(const QString &name);

private:
    std::array<SpriteSet, SpeciesCount * 2> m_sets;
    BubbleStrip m_bubbles;
    FlakeStrip m_flakes;
};

} // namespace fw
