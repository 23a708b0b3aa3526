#pragma once

#include <QPoint>
#include <QPointF>
#include <QWidget>

namespace fw {

// A widget that shows the tank and passes mouse and key events on as
// signals in the surface's coordinates; each kind of view says how its
// positions map to the surface.
class InputView : public QWidget
{
    Q_OBJECT

public:
    using QWidget::QWidget;

    // The surface pixel under a position of this widget.
    virtual QPoint toSurface(QPointF position) const = 0;

signals:
    void mouseDown(Qt::MouseButton button, Qt::KeyboardModifiers shift, int x, int y);
    // `buttons` holds every button held down during the move.
    void mouseMove(Qt::MouseButtons buttons, Qt::KeyboardModifiers shift, int x, int y);
    void mouseUp(Qt::MouseButton button, Qt::KeyboardModifiers shift, int x, int y);
    void keyDown(int key, Qt::KeyboardModifiers shift);

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
};

// A position as the pixel under it: at fractional device pixel ratios
// positions fall between logical pixels.
QPoint pixelAt(QPointF position);

} // namespace fw
