#include "aquarium/ui/PictureCover.h"

#include "aquarium/BackgroundPreparation.h"

#include <QCoreApplication>
#include <QPainter>

namespace fw {

PictureCover::PictureCover(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("PictureScreenMask"));
    setAttribute(Qt::WA_OpaquePaintEvent);
    // Clicks and keys while it is up go to the window below, as before.
    setAttribute(Qt::WA_TransparentForMouseEvents);
    hide();
}

void PictureCover::setColours(QColor background, QColor text)
{
    m_background = background;
    m_text = text;
    update();
}

void PictureCover::setCaptionFont(const QFont &font)
{
    setFont(font);
}

void PictureCover::showNow()
{
    if (parentWidget())
        setGeometry(parentWidget()->rect());
    show();
    raise();
    repaint();
    // Let the window system take the painted panel before the long decode.
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

void PictureCover::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), m_background);
    painter.setPen(m_text);
    painter.drawText(rect(), Qt::AlignCenter, pictureCoverCaption());
}

} // namespace fw
