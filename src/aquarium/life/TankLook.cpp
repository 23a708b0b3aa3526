#include "aquarium/life/TankLook.h"

#include "aquarium/AquariumModel.h"
#include "aquarium/life/ColourGrade.h"
#include "platform/Surface.h"

#include <algorithm>
#include <cmath>

namespace fw {

namespace {

constexpr int GlowlightTetra = 1;
constexpr int NeonTetra = 2;
// Tetras at rest lose most of their colour, as real ones do.
constexpr double NightGreying = 0.85;

int stepOf(double level)
{
    return int(std::lround(std::clamp(level, 0.0, 1.0) * (TankLook::Steps - 1)));
}

double levelOf(int step)
{
    return double(step) / (TankLook::Steps - 1);
}

} // namespace

bool TankLook::follow(double light, double haze, const Scene &scene)
{
    const int lightStep = stepOf(light);
    const int hazeStep = stepOf(haze);
    const qint64 pictureKey = scene.model.pictureCopy.cacheKey();
    const bool levelChanged = !m_followed || lightStep != m_lightStep || hazeStep != m_hazeStep;
    if (!levelChanged && pictureKey == m_pictureKey && scene.backColor == m_backColor) {
        // The dialog may have set the colour as chosen; the tank shows it lit.
        scene.surface.setBackColor(m_litBackColor);
        return false;
    }
    const bool wasGraded = m_followed && (m_lightStep != Steps - 1 || m_hazeStep != 0);
    m_followed = true;
    m_lightStep = lightStep;
    m_hazeStep = hazeStep;
    m_pictureKey = pictureKey;
    m_backColor = scene.backColor;

    const ColourGrade grade = ColourGrade::scene(levelOf(lightStep), levelOf(hazeStep));
    if (levelChanged)
        gradeSprites(levelOf(lightStep), levelOf(hazeStep), scene.originals);
    scene.model.backgroundCopy = grade.applied(scene.model.pictureCopy);
    m_litBackColor = grade.applyToSetting(scene.backColor);
    scene.surface.setBackColor(m_litBackColor);
    if (grade.isIdentity() && !wasGraded)
        return false; // nothing on the screen differs from the originals
    if (scene.pictureShown)
        scene.surface.bitBlt(0, 0, scene.surface.width(), scene.surface.height(),
                             scene.model.backgroundCopy, 0, 0, RasterOp::SrcCopy);
    else
        scene.surface.cls();
    return true;
}

void TankLook::gradeSprites(double light, double haze, const SpriteCatalogue &originals)
{
    const ColourGrade fish = ColourGrade::fish(light, haze);
    const ColourGrade bubbles = ColourGrade::bubbles(light, haze);
    const double greying = NightGreying * (1 - light);
    if (fish.isIdentity() && greying <= 0 && bubbles.isIdentity()) {
        m_sprites.reset();
        return;
    }
    m_sprites = originals.changed(
        [&](const QImage &image, const QImage &mask, int species) {
            const bool tetra = species == GlowlightTetra || species == NeonTetra;
            return fish.appliedToSprite(image, mask, tetra ? greying : 0);
        },
        [&](const QImage &strip) { return bubbles.applied(strip); });
}

} // namespace fw
