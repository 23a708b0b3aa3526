#pragma once

#include "platform/DeviceMapping.h"
#include "platform/MousePointer.h"
#include "platform/Surface.h"
#include "platform/ui/InputView.h"

#include <memory>

namespace fw {

class ImagePresenter;

// The widget that shows a Surface (the aquarium's `PictureScreen`). Drawing
// goes to the surface's image; present() then repaints on screen only what
// the surface marked as changed, once the handler that drew has returned, so
// the screen never shows half a frame. The surface always has the widget's
// size in logical pixels; on a screen with a device pixel ratio each frame is
// scaled to device pixels as it is shown. Mouse, key and focus events are
// passed on as signals in surface coordinates.
class SurfaceView : public InputView
{
    Q_OBJECT

public:
    explicit SurfaceView(QWidget *parent = nullptr);
    ~SurfaceView() override;

    // The surface, resized to the widget first if the widget was resized.
    Surface &surface();
    const Surface &surface() const { return m_surface; }

    // Schedules the repaint of everything the surface changed since the last
    // call and forgets those changes.
    void present();

    // How the surface lands on the widget's device pixels.
    const DeviceMapping &mapping();

    void setMousePointer(MousePointer pointer);
    MousePointer mousePointer() const { return m_pointer; }

    QPoint toSurface(QPointF position) const override { return pixelAt(position); }

    // Whether the view is a window of its own filled straight from the
    // surface (on X11). Widgets laid over it must then be windows of their
    // own too, or it would hide them.
    bool paintsOnScreen() const { return testAttribute(Qt::WA_PaintOnScreen); }
    QPaintEngine *paintEngine() const override;

signals:
    // `reason` tells a return from another window (ActiveWindowFocusReason,
    // e.g. a modal dialog closed) from focus moving within the window.
    void gotFocus(Qt::FocusReason reason);

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;

private:
    void syncSize();

    // The presenter may hold the surface's pixels, so it is made first and
    // goes last.
    std::unique_ptr<ImagePresenter> m_presenter;
    Surface m_surface;
    MousePointer m_pointer = MousePointer::Default;
    DeviceMapping m_mapping;
};

} // namespace fw
