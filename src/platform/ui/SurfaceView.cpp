#include "platform/ui/SurfaceView.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>

namespace fw {

SurfaceView::SurfaceView(QWidget *parent) : QWidget(parent)
{
    // Every pixel comes from the surface: Qt need not clear anything first.
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAttribute(Qt::WA_NoSystemBackground);
    setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);
    syncSize();
}

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

void SurfaceView::present()
{
    syncSize();
    const DirtyRegion &dirty = m_surface.dirty();
    for (int i = 0; i < dirty.count(); ++i)
        update(dirty.at(i));
    m_surface.clearDirty();
}

void SurfaceView::setMousePointer(MousePointer pointer)
{
    m_pointer = pointer;
    setCursor(cursorShape(pointer));
}

void SurfaceView::paintEvent(QPaintEvent *event)
{
    syncSize();
    QPainter painter(this);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    const QImage &image = m_surface.image();
    const QRect imageRect = image.rect();
    for (const QRect &rect : event->region()) {
        const QRect inside = rect & imageRect;
        if (inside != rect)
            painter.fillRect(rect, Qt::black); // only while the surface has no size
        if (!inside.isEmpty())
            painter.drawImage(inside.topLeft(), image, inside);
    }
}

void SurfaceView::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    syncSize();
}

void SurfaceView::mousePressEvent(QMouseEvent *event)
{
    const QPoint at = event->position().toPoint();
    emit mouseDown(event->button(), event->modifiers(), at.x(), at.y());
}

void SurfaceView::mouseMoveEvent(QMouseEvent *event)
{
    const QPoint at = event->position().toPoint();
    emit mouseMove(event->buttons(), event->modifiers(), at.x(), at.y());
}

void SurfaceView::mouseReleaseEvent(QMouseEvent *event)
{
    const QPoint at = event->position().toPoint();
    emit mouseUp(event->button(), event->modifiers(), at.x(), at.y());
}

void SurfaceView::keyPressEvent(QKeyEvent *event)
{
    emit keyDown(event->key(), event->modifiers());
}

void SurfaceView::focusInEvent(QFocusEvent *event)
{
    QWidget::focusInEvent(event);
    emit gotFocus();
}

} // namespace fw
