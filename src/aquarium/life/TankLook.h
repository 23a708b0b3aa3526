#pragma once

#include "aquarium/SpriteCatalogue.h"

#include <QImage>

#include <cstdint>
#include <optional>

namespace fw {

class Surface;
struct AquariumModel;

// The tank's pictures as the light and the water show them. The light and
// the haze change slowly, so the copies the frames draw from (the sprites,
// the bubble strip, the background copy, the plain colour) are graded once
// for each level, never pixel by pixel on every frame. In daylight and clear
// water the copies are the originals themselves.
class TankLook
{
public:
    // Levels are kept in this many steps: changes of light or haze stay
    // smooth, and each step repaints the tank once.
    static constexpr int Steps = 64;

    // What one tick knows of the scene.
    struct Scene
    {
        const SpriteCatalogue &originals;
        AquariumModel &model; // its picture copy is graded into its background copy
        Surface &surface;
        std::uint32_t backColor; // the plain background colour as set
        bool pictureShown;
    };

    // Grades the copies for these levels (0..1 each) when they, the picture
    // or the colour changed; then the whole tank is repainted once, so no
    // part of it shows the old level. True when it did.
    bool follow(double light, double haze, const Scene &scene);

    // The sprites the frames draw.
    const SpriteCatalogue &sprites(const SpriteCatalogue &originals) const
    {
        return m_sprites ? *m_sprites : originals;
    }

private:
    void gradeSprites(double light, double haze, const SpriteCatalogue &originals);

    int m_lightStep = Steps - 1;
    int m_hazeStep = 0;
    qint64 m_pictureKey = 0;
    std::uint32_t m_backColor = 0;
    std::uint32_t m_litBackColor = 0;
    bool m_followed = false;
    std::optional<SpriteCatalogue> m_sprites;
};

} // namespace fw
