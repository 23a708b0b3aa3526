#include "aquarium/ui/BackgroundWindowHooks.h"

#include "aquarium/ui/PictureCover.h"
#include "platform/ui/IntervalTimer.h"
#include "platform/ui/MessageBox.h"
#include "platform/ui/SurfaceView.h"

namespace fw {

BackgroundHooks backgroundWindowHooks(QWidget *window, SurfaceView *view, PictureCover *cover,
                                      IntervalTimer *animationTimer)
{
    BackgroundHooks hooks;
    hooks.showCover = [cover, view] {
        const Surface &surface = view->surface();
        cover->setColours(QColor::fromRgb(Surface::toPixel(surface.backColor())),
                          QColor::fromRgb(Surface::toPixel(surface.foreColor())));
        cover->setCaptionFont(surface.font());
        cover->showNow();
    };
    hooks.hideCover = [cover] { cover->hide(); };
    hooks.placeSurface = [view](QRect place) { view->setGeometry(place); };
    hooks.showSurfaceNow = [cover, view] {
        cover->hide();
        view->surface().markAllDirty();
        view->present();
        view->repaint();
    };
    hooks.reportPictureTooSmall = [window] {
        showInformation(window, pictureTooSmallTitle(), pictureTooSmallText());
    };
    hooks.setAnimationInterval = [animationTimer](int ms) { animationTimer->setInterval(ms); };
    return hooks;
}

} // namespace fw
