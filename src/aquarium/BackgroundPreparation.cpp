#include "aquarium/BackgroundPreparation.h"

#include "aquarium/AquariumModel.h"
#include "aquarium/BackgroundLayout.h"
#include "aquarium/PictureLoading.h"
#include "platform/Clock.h"
#include "platform/Conversions.h"
#include "platform/Surface.h"
#include "state/AppState.h"

#include <QCoreApplication>

#include <algorithm>

namespace fw {

namespace {

template <typename Hook, typename... Args> void call(const Hook &hook, Args &&...args)
{
    if (hook)
        hook(std::forward<Args>(args)...);
}

// Switches the picture off in memory; the settings record saves it so.
void switchPictureOff(SettingsRecord &settings, bool forgetFile)
{
    settings.screenvisible = QStringLiteral("0");
    if (forgetFile)
        settings.screenbitmap.clear();
}

// The picture the settings ask for, or a null image with the setting switched
// off when the file is missing, empty, undecodable or too large to load.
LoadedPicture loadBackgroundPicture(SettingsRecord &settings, QSize screen)
{
    if (settings.screenvisible != u"1")
        return {};
    if (!pictureFileUsable(settings.screenbitmap)) {
        switchPictureOff(settings, true);
        return {};
    }
    LoadedPicture picture = loadPicture(settings.screenbitmap, screen);
    if (picture.isNull())
        switchPictureOff(settings, true);
    return picture;
}

// Repeats the refused picture over the screen, so the user sees what was
// refused while the message is up.
void tilePicture(Surface &surface, const QImage &picture)
{
    const int w = picture.width();
    const int h = picture.height();
    for (int y = 0; y <= surface.height(); y += h) {
        for (int x = 0; x <= surface.width(); x += w)
            surface.bitBlt(x, y, w, h, picture, 0, 0, RasterOp::SrcCopy);
    }
}

} // namespace

QString pictureCoverCaption()
{
    return QCoreApplication::translate("Background", "画像展開中...");
}

QString pictureTooSmallTitle()
{
    return QCoreApplication::translate("Background", "機能制限");
}

QString pictureTooSmallText()
{
    return QCoreApplication::translate("Background",
                                       "ビットマップが小さいので背景に使用できません\n"
                                       "640×480 以上のビットマップを指定してください");
}

QRect prepareBackground(AppState &state, AquariumModel &model, Surface &surface, const Clock &clock,
                        QSize screen, const BackgroundHooks &hooks)
{
    SettingsRecord &settings = state.settings;
    model.pictureStartTime = clock.now();
    model.pictureCleared = false;
    model.clockDirection = 2;

    const QSize before = surface.size();
    call(hooks.showCover);
    surface.cls();

    const LoadedPicture loaded = loadBackgroundPicture(settings, screen);
    const QImage &picture = loaded.image;
    const BackgroundLayout layout = layoutBackground(loaded.size, screen);
    surface.resize(layout.surface.size());
    surface.cls();
    call(hooks.placeSurface, layout.surface);

    switch (layout.mode) {
    case BackgroundMode::Plain:
        break;
    case BackgroundMode::Centred:
    case BackgroundMode::Cut:
        surface.bitBlt(0, 0, picture.width(), picture.height(), picture, 0, 0, RasterOp::SrcCopy);
        break;
    case BackgroundMode::TooSmall:
        tilePicture(surface, picture);
        switchPictureOff(settings, false);
        call(hooks.showSurfaceNow);
        call(hooks.reportPictureTooSmall);
        surface.cls();
        break;
    }
    surface.markAllDirty();

    if (!model.firstFocusPending && surface.width() != before.width())
        rescaleFishPositions(state, before, surface.size());
    model.firstFocusPending = false;

    // The surface as it stands now is exactly the picture as shown, from its
    // top-left corner: the copy the frames restore from. A plain background
    // needs none (a screen-sized buffer): a fill in its colour does the same.
    const bool pictureShown =
        layout.mode == BackgroundMode::Centred || layout.mode == BackgroundMode::Cut;
    model.backgroundCopy = pictureShown ? surface.image().copy() : QImage();
    model.pictureCopy = model.backgroundCopy;

    call(hooks.hideCover);
    call(hooks.setAnimationInterval, animationIntervalOf(settings));
    return layout.surface;
}

int animationIntervalOf(const SettingsRecord &settings)
{
    return std::max(0, nearestInt(decimalPrefix(settings.fishmovespeed)));
}

} // namespace fw
