#include "Catalogue.h"

#include "Raster.h"
#include "Species.h"

namespace fw::sprites {

std::vector<SpeciesSprites> spriteCatalogue()
{
    std::shared_ptr<FishArt> angel = makeAngelfish();
    std::shared_ptr<FishArt> glowlight = makeGlowlightTetra();
    std::shared_ptr<FishArt> neon = makeNeonTetra();
    std::shared_ptr<FishArt> hatchet = makeSilverHatchetfish();
    std::shared_ptr<FishArt> arcuatus = makeCorydorasArcuatus();
    std::shared_ptr<FishArt> albino = makeAlbinoCorydoras();
    return {
        {"AngelFish", "AngelFish", angel, {88, 104}, {44, 52}, 1, 1, 0.25},
        {"GlowlightTetra", "NeonTetra", glowlight, {42, 17}, {26, 11}, 4, 1, 0.4, true},
        {"NeonTetra", "NeonTetra", neon, {42, 17}, {26, 11}, 4, 1, 0.4},
        {"SilverHatchet", "SilverHatchet", hatchet, {60, 33}, {30, 16}, 4, 4, 0.5},
        {"CorydorasArcuatus", "Corydoras", arcuatus, {60, 33}, {30, 16}, 1, 1, 0.3},
        {"CorydorasAeneusvar", "Corydoras", albino, {60, 33}, {30, 16}, 1, 1, 0.3},
    };
}

namespace {

SpritePair paintPair(const SpeciesSprites &species, bool young)
{
    const QSize size = young ? species.smallSize : species.largeSize;
    const QString suffix = young ? "S" : "";
    Pose pose;
    pose.young = young;
    pose.px = species.art->designSize().width() / size.width();

    SpritePair pair;
    pair.right = species.imageBase + "R" + suffix;
    pair.left = species.imageBase + "L" + suffix;
    pair.rightMask = species.maskBase + "R" + suffix + "_Mask";
    pair.leftMask = species.maskBase + "L" + suffix + "_Mask";
    pair.maskBits = young ? species.smallMaskBits : species.largeMaskBits;
    pair.tailShare = species.tailShare;

    const QImage right = renderFish(*species.art, pose, size);
    pair.rightImage = toSpritePalette(right);
    if (species.largeDrawnPerSide && !young) {
        // Painted facing right with the light on its head, then turned: the
        // light then falls from the same side of the tank as on the right
        // image, so the two are not mirrors.
        Pose turned = pose;
        turned.lightFromHead = true;
        pair.leftImage =
            toSpritePalette(renderFish(*species.art, turned, size).mirrored(true, false));
    } else {
        pair.leftImage = pair.rightImage.mirrored(true, false);
    }
    pair.rightMaskImage = maskOf(pair.rightImage);
    pair.leftMaskImage = maskOf(pair.leftImage);
    return pair;
}

} // namespace

std::vector<SpritePair> paintCatalogue(const std::vector<SpeciesSprites> &catalogue)
{
    std::vector<SpritePair> pairs;
    for (const SpeciesSprites &species : catalogue) {
        if (!species.art)
            continue;
        pairs.push_back(paintPair(species, false));
        pairs.push_back(paintPair(species, true));
    }
    return pairs;
}

} // namespace fw::sprites
