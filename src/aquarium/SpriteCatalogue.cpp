#include "aquarium/SpriteCatalogue.h"

#include "platform/Surface.h"

namespace fw {

namespace {

struct SpeciesPictures
{
    const char16_t *image; // base name of the images
    const char16_t *mask;  // base name of the masks
    QSize large;
    QSize small;
};

// The two tetras share their masks, and so do the two corydoras.
constexpr std::array<SpeciesPictures, SpeciesCount> pictures{{
    {u"AngelFish", u"AngelFish", {88, 104}, {44, 52}},
    {u"GlowlightTetra", u"NeonTetra", {42, 17}, {26, 11}},
    {u"NeonTetra", u"NeonTetra", {42, 17}, {26, 11}},
    {u"SilverHatchet", u"SilverHatchet", {60, 33}, {30, 16}},
    {u"CorydorasArcuatus", u"Corydoras", {60, 33}, {30, 16}},
    {u"CorydorasAeneusvar", u"Corydoras", {60, 33}, {30, 16}},
}};

QString pictureName(const char16_t *base, bool young, bool left, bool mask)
{
    QString name = QString::fromUtf16(base);
    name += left ? u'L' : u'R';
    if (young)
        name += u'S';
    if (mask)
        name += u"_Mask";
    return name;
}

// A picture that failed to load still gets its proper size, so positions and
// restores work; black on a white mask draws nothing.
QImage loadOrBlank(const SpriteCatalogue::Loader &loader, const QString &name, QSize size,
                   bool mask)
{
    const QImage loaded = loader(name);
    if (!loaded.isNull())
        return toSurfaceFormat(loaded);
    QImage blank(size, QImage::Format_RGB32);
    blank.fill(mask ? Qt::white : Qt::black);
    return blank;
}

} // namespace

SpriteCatalogue::SpriteCatalogue() : SpriteCatalogue(&SpriteCatalogue::loadResource) {}

SpriteCatalogue::SpriteCatalogue(const Loader &loader)
{
    for (int species = 0; species < SpeciesCount; ++species) {
        for (bool young : {false, true}) {
            const QSize size = spriteSize(species, young);
            SpriteSet &set = m_sets[species * 2 + young];
            set.left = loadOrBlank(loader, imageName(species, young, true), size, false);
            set.right = loadOrBlank(loader, imageName(species, young, false), size, false);
            set.leftMask = loadOrBlank(loader, maskName(species, young, true), size, true);
            set.rightMask = loadOrBlank(loader, maskName(species, young, false), size, true);
            set.leftSpans = SpriteSpans(set.left, set.leftMask);
            set.rightSpans = SpriteSpans(set.right, set.rightMask);
        }
    }
    const QImage strip = loader(QStringLiteral("Picture_Bubble"));
    if (!strip.isNull())
        m_bubbles = BubbleStrip(toSurfaceFormat(strip));
    const QImage flakes = loader(QStringLiteral("Picture_Flake"));
    const QImage flakeMask = loader(QStringLiteral("Picture_Flake_Mask"));
    if (!flakes.isNull() && flakeMask.size() == flakes.size()) {
        m_flakes.image = toSurfaceFormat(flakes);
        m_flakes.mask = toSurfaceFormat(flakeMask);
        m_flakes.spans = SpriteSpans(m_flakes.image, m_flakes.mask);
    }
}

SpriteCatalogue
SpriteCatalogue::changed(const SpriteChange &change,
                         const std::function<QImage(const QImage &)> &changeStrip) const
{
    SpriteCatalogue copy = *this;
    for (int species = 0; species < SpeciesCount; ++species) {
        for (bool young : {false, true}) {
            const SpriteSet &from = set(species, young);
            SpriteSet &to = copy.m_sets[species * 2 + young];
            to.left = change(from.left, from.leftMask, species);
            to.right = change(from.right, from.rightMask, species);
            to.leftSpans = SpriteSpans(to.left, to.leftMask);
            to.rightSpans = SpriteSpans(to.right, to.rightMask);
        }
    }
    copy.m_bubbles = m_bubbles.changed(changeStrip);
    if (!m_flakes.image.isNull()) {
        copy.m_flakes.image = change(m_flakes.image, m_flakes.mask, FlakeSpecies);
        copy.m_flakes.spans = SpriteSpans(copy.m_flakes.image, copy.m_flakes.mask);
    }
    return copy;
}

QSize SpriteCatalogue::spriteSize(int species, bool young)
{
    return young ? pictures[species].small : pictures[species].large;
}

QString SpriteCatalogue::imageName(int species, bool young, bool left)
{
    return pictureName(pictures[species].image, young, left, false);
}

QString SpriteCatalogue::maskName(int species, bool young, bool left)
{
    return pictureName(pictures[species].mask, young, left, true);
}

QImage SpriteCatalogue::loadResource(const QString &name)
{
    return QImage(QStringLiteral(":/sprites/") + name + QStringLiteral(".bmp"));
}

} // namespace fw
