#pragma once

#include "platform/MousePointer.h"
#include "platform/Surface.h"

#include <QPointer>
#include <QRegion>
#include <QWidget>

#include <array>
#include <memory>

class QWindow;

namespace fw {

class X11Presenter;

// The widget that shows a Surface (the aquarium's `PictureScreen`). Drawing
// goes to the surface's image; present() then repaints on screen only what
// the surface marked as changed, once the handler that drew has returned, so
// the screen never shows half a frame. The surface always has the widget's
// size. Mouse, key and focus events are passed on as signals in surface
// coordinates.
class SurfaceView : public QWidget
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

    void setMousePointer(MousePointer pointer);
    MousePointer mousePointer() const { return m_pointer; }

signals:
    void mouseDown(Qt::MouseButton button, Qt::KeyboardModifiers shift, int x, int y);
    // `buttons` holds every button held down during the move.
    void mouseMove(Qt::MouseButtons buttons, Qt::KeyboardModifiers shift, int x, int y);
    void mouseUp(Qt::MouseButton button, Qt::KeyboardModifiers shift, int x, int y);
    void keyDown(int key, Qt::KeyboardModifiers shift);
    // `reason` tells a return from another window (ActiveWindowFocusReason,
    // e.g. a modal dialog closed) from focus moving within the window.
    void gotFocus(Qt::FocusReason reason);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;

private:
    void syncSize();
    bool presentDirectly();
    bool presentToX11(QWidget *top, QWindow *handle, QPoint offset);
    QRect visibleArea(QPoint offset) const;
    void refreshBackingStore();
    void buildRegion(QPoint offset);
    void copyRectangles(QPaintDevice *device, QPoint offset, const DirtyRegion &rects);
    bool isCovered(const QRect &area) const;

    Surface m_surface;
    MousePointer m_pointer = MousePointer::Default;
    QRegion m_region;
    // Partial unions while the region is built, one per power of two.
    std::array<QRegion, 16> m_levels;
    // On X11 the changed rectangles bypass Qt's backing store, which then
    // holds an older picture: it is brought up to date before Qt shows it
    // again for an expose.
    std::unique_ptr<X11Presenter> m_x11;
    QPointer<QWindow> m_watchedWindow;
    bool m_backingStale = false;
};

} // namespace fw
