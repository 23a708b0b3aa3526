#include "dialogs/ui/ColourBox.h"

#include <QMouseEvent>
#include <QPainter>

namespace fw {

ColourBox::ColourBox(QWidget *parent) : QFrame(parent)
{
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setLineWidth(1);
}

void ColourBox::setColour(std::uint32_t colour)
{
    m_colour = colour & 0xFFFFFF;
    update();
}

QColor ColourBox::toQColor(std::uint32_t colour)
{
    return QColor(int(colour & 0xFF), int((colour >> 8) & 0xFF), int((colour >> 16) & 0xFF));
}

void ColourBox::paintEvent(QPaintEvent *event)
{
    {
        QPainter painter(this);
        painter.fillRect(contentsRect(), toQColor(m_colour));
    }
    QFrame::paintEvent(event);
    if (hasFocus()) {
        // A ring inside the box that stands out from its colour, light or dark.
        QPainter painter(this);
        const QColor fill = toQColor(m_colour);
        painter.setPen(QPen(fill.lightness() > 128 ? Qt::black : Qt::white, 1, Qt::DotLine));
        painter.drawRect(contentsRect().adjusted(2, 2, -3, -3));
    }
}

void ColourBox::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit clicked();
    QFrame::mouseReleaseEvent(event);
}

void ColourBox::mouseDoubleClickEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton)
        emit doubleClicked();
    QFrame::mouseDoubleClickEvent(event);
}

} // namespace fw
