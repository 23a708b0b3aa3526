#pragma once

#include "platform/DeviceMapping.h"
#include "platform/DirtyRegion.h"

#include "platform/ui/InputView.h"

#include <QImage>

#include <memory>

class QScreen;

namespace fw {

class ImagePresenter;

// A further monitor's view of the tank: a window covering its screen that
// shows the main window's scene (the surface at its place in the main
// window) scaled to fit, proportions kept, black around it. Mouse and key
// events are passed on in the surface's coordinates, as the surface's own
// view passes them.
class MirrorView final : public InputView
{
    Q_OBJECT

public:
    explicit MirrorView(QScreen *screen);
    ~MirrorView() override;

    QScreen *shownScreen() const { return m_screen; }
    // Covers the screen, above other windows.
    void showOverScreen();

    // The main window's size and where `image` lies in it. A change shows
    // everything anew.
    void setScene(QSize scene, const QRect &place);
    // Shows the rectangles of `dirty` (image coordinates) of `image`, which
    // must outlive this view or the next call.
    void present(const QImage &image, const DirtyRegion &dirty);

    // The surface pixel shown at a position of this window (outside the
    // surface too).
    QPoint toSurface(QPointF position) const override;

    QPaintEngine *paintEngine() const override;

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    void updateMapping();

    QScreen *m_screen;
    QSize m_scene;
    QRect m_place;
    const QImage *m_image = nullptr;
    QSize m_deviceSize;
    // The scene, and the image within it, on this window's device pixels.
    DeviceMapping m_sceneMapping;
    DeviceMapping m_mapping;
    std::unique_ptr<ImagePresenter> m_presenter;
};

} // namespace fw
