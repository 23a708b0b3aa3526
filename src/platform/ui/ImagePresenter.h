#pragma once

#include "platform/DeviceMapping.h"
#include "platform/DirtyRegion.h"

#include <QColor>
#include <QImage>
#include <QObject>
#include <QPointer>
#include <QRegion>

#include <array>
#include <memory>

class QPainter;
class QWidget;
class QWindow;

namespace fw {

class PixelStorage;
class X11Presenter;

// Puts an image of logical pixels on a widget's device pixels through a
// DeviceMapping (whose device rectangle is in the widget's own device
// pixels). A frame's changed rectangles go straight to the window while
// nothing lies over the widget: through an X11 shared-memory segment, else
// into the window's backing store; otherwise Qt repaints them. paint()
// answers the widget's paint events.
class ImagePresenter final : public QObject
{
public:
    explicit ImagePresenter(QWidget *view);
    ~ImagePresenter() override;

    // Shows the rectangles of `dirty` (image coordinates) on screen.
    void present(const QImage &image, const DeviceMapping &mapping, const DirtyRegion &dirty);
    // For the widget's paint event: draws `region` (widget coordinates) from
    // the image; what the image does not cover gets `margin`.
    void paint(QPainter &painter, const QRegion &region, const QImage &image,
               const DeviceMapping &mapping, QColor margin);

    // Memory for the image's pixels that the window system reads without a
    // copy, or null where there is none.
    PixelStorage *pixelStorage();

    // Whether the widget can be a window of its own that is filled straight
    // from the image, needing no backing store: on X11 with shared memory.
    bool canPaintOnScreen() const;
    // Answers a paint event of such a widget: sends `region` (widget
    // coordinates) of the image to its window, black where the image does
    // not reach. False when that failed and the widget must be painted
    // through Qt after all.
    bool paintOnScreen(const QRegion &region, const QImage &image, const DeviceMapping &mapping);

    // The widget's size in device pixels.
    static QSize deviceSize(const QWidget *view);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    bool presentDirectly(const QImage &image, const DeviceMapping &mapping);
    bool presentToX11(const QImage &image, const DeviceMapping &mapping, QWindow *handle);
    bool presentToOwnWindow(const QImage &image, const DeviceMapping &mapping);
    bool presentToBackingStore(const QImage &image, const DeviceMapping &mapping, QWindow *handle);
    void refreshBackingStore();
    void buildRegion();
    void renderInto(QPaintDevice *device, const QImage &image, const DeviceMapping &mapping,
                    const QRect *rects, int count);
    void drawDeviceRect(QPainter &painter, const QImage &image, const DeviceMapping &mapping,
                        const QRect &area, QPoint at);
    bool isCovered(const QRect &area) const;
    QRect visibleArea() const;
    QPoint windowOffset() const;
    qreal ratio() const;
    QRect toLogical(const QRect &device) const;

    QWidget *m_view;
    // This frame's changed rectangles in the widget's device pixels, and the
    // same rounded out to its logical pixels, in the window's coordinates.
    std::array<QRect, DirtyRegion::Slots> m_deviceRects{};
    std::array<QRect, DirtyRegion::Slots> m_logicalRects{};
    int m_count = 0;
    QRegion m_region;
    // Partial unions while the region is built, one per power of two.
    std::array<QRegion, 16> m_levels;
    // Scaled pixels on their way through a painter; kept for the next paint.
    QImage m_scratch;
    // On X11 the changed rectangles bypass Qt's backing store, which then
    // holds an older picture: it is brought up to date before Qt shows it
    // again for an expose. The image and mapping last presented belong to
    // the widget and outlive us; a copy of the image would make the next
    // frame's drawing copy it whole.
    std::unique_ptr<X11Presenter> m_x11;
    QPointer<QWindow> m_watchedWindow;
    bool m_backingStale = false;
    const QImage *m_lastImage = nullptr;
    const DeviceMapping *m_lastMapping = nullptr;
};

} // namespace fw
