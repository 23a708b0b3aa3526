#include "platform/ui/InputView.h"

#include <QKeyEvent>
#include <QMouseEvent>

#include <cmath>

namespace fw {

QPoint pixelAt(QPointF position)
{
    return QPoint(int(std::floor(position.x())), int(std::floor(position.y())));
}

void InputView::mousePressEvent(QMouseEvent *event)
{
    const QPoint at = toSurface(event->position());
    emit mouseDown(event->button(), event->modifiers(), at.x(), at.y());
}

void InputView::mouseMoveEvent(QMouseEvent *event)
{
    const QPoint at = toSurface(event->position());
    emit mouseMove(event->buttons(), event->modifiers(), at.x(), at.y());
}

void InputView::mouseReleaseEvent(QMouseEvent *event)
{
    const QPoint at = toSurface(event->position());
    emit mouseUp(event->button(), event->modifiers(), at.x(), at.y());
}

void InputView::keyPressEvent(QKeyEvent *event)
{
    emit keyDown(event->key(), event->modifiers());
}

} // namespace fw
