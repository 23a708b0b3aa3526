#include "platform/ui/SurfaceView.h"

#include "platform/ui/ImagePresenter.h"

#include <QPaintEvent>
#include <QPainter>

namespace fw {

SurfaceView::SurfaceView(QWidget *parent)
    : InputView(parent), m_presenter(std::make_unique<ImagePresenter>(this))
{
    // Every pixel comes from the surface: Qt need not clear anything first.
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAttribute(Qt::WA_NoSystemBackground);
    setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);
    m_surface.setStorage(m_presenter->pixelStorage());
    // A window of its own, shown from the surface's shared memory, needs no
    // full-screen backing store of Qt's, nor a copy of every frame into it.
    if (m_presenter->canPaintOnScreen()) {
        setAttribute(Qt::WA_NativeWindow);
        setAttribute(Qt::WA_PaintOnScreen);
    }
    syncSize();
}

QPaintEngine *SurfaceView::paintEngine() const
{
    return paintsOnScreen() ? nullptr : InputView::paintEngine();
}

SurfaceView::~SurfaceView() = default;

Surface &SurfaceView::surface()
{
    syncSize();
    return m_surface;
}

void SurfaceView::syncSize()
{
    if (m_surface.size() != size())
        m_surface.resize(size());
}

const DeviceMapping &SurfaceView::mapping()
{
    syncSize();
    const QRect device(QPoint(0, 0), ImagePresenter::deviceSize(this));
    if (m_mapping.logicalSize() != m_surface.size() || m_mapping.deviceRect() != device) {
        m_mapping = DeviceMapping(m_surface.size(), device);
        // Moved to a screen of another ratio: everything is shown anew.
        m_surface.markAllDirty();
    }
    return m_mapping;
}

void SurfaceView::present()
{
    const DeviceMapping &shown = mapping();
    if (m_surface.dirty().isEmpty())
        return;
    m_presenter->present(m_surface.image(), shown, m_surface.dirty());
    m_surface.clearDirty();
}

void SurfaceView::setMousePointer(MousePointer pointer)
{
    m_pointer = pointer;
    setCursor(cursorShape(pointer));
}

void SurfaceView::paintEvent(QPaintEvent *event)
{
    if (paintsOnScreen()) {
        if (m_presenter->paintOnScreen(event->region(), m_surface.image(), mapping()))
            return;
        // The window system would not take the pixels: Qt paints from now on.
        setAttribute(Qt::WA_PaintOnScreen, false);
        update();
        return;
    }
    QPainter painter(this);
    m_presenter->paint(painter, event->region(), m_surface.image(), mapping(), Qt::black);
}

void SurfaceView::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    syncSize();
}

void SurfaceView::focusInEvent(QFocusEvent *event)
{
    QWidget::focusInEvent(event);
    emit gotFocus(event->reason());
}

} // namespace fw
