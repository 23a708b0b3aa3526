#include "aquarium/AquariumModel.h"
#include "aquarium/Behaviour.h"
#include "aquarium/FrameRoutine.h"
#include "aquarium/TankStart.h"
#include "aquarium/life/TankLife.h"
#include "platform/Conversions.h"
#include "platform/Sound.h"
#include "platform/Surface.h"
#include "state/AppState.h"

namespace fw {

void followTankLook(FrameContext &frame)
{
    if (!frame.life)
        return;
    const SettingsRecord &settings = frame.state.settings;
    frame.life->followLook({frame.sprites, frame.model, frame.surface,
                            colourSetting(settings.backcolor, 0x000000),
                            settings.screenvisible == u"1" && !frame.model.pictureCleared});
}

void followTankSound(FrameContext &frame, bool waterChanged)
{
    if (!frame.life)
        return;
    if (waterChanged)
        frame.state.sound->waterChange();
    if (const std::optional<double> level = frame.life->newEffectsLevel())
        frame.state.sound->setEffectsLevel(*level);
}

bool runAnimationTick(FrameContext &frame, int interval)
{
    if (interval == 0)
        return false;
    bool changed = false;
    double cohesion = 1;
    if (frame.life) {
        changed = frame.life->advance(frame.state.settings, frame.clock);
        followTankSound(frame, changed);
        followTankLook(frame);
        cohesion = frame.life->schoolCohesion();
    }
    if (draw(frame.random, 4) == 0)
        runBehaviourStep(frame.state, frame.random, 0, frame.surface.width(), cohesion);
    if (frame.life) {
        frame.life->tendFood(frame.state, frame.random, frame.surface.width(),
                             frame.surface.height());
        changed |= frame.life->breed(frame.state, frame.random, frame.clock, frame.surface.width(),
                                     frame.surface.height());
    }
    runFrame(frame);
    return changed;
}

} // namespace fw
