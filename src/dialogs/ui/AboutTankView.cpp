#include "dialogs/ui/AboutTankView.h"

#include <QFile>
#include <QLinearGradient>
#include <QPainter>

namespace fw {

QPixmap aboutPicture(const QString &name)
{
    for (const char *extension : {".png", ".bmp", ".gif"}) {
        const QString path = QStringLiteral(":/about/") + name + QLatin1String(extension);
        if (QFile::exists(path))
            return QPixmap(path);
    }
    return {};
}

AboutTankView::AboutTankView(QWidget *parent) : QWidget(parent), m_tank(aboutPicture("Image_Case"))
{
    setObjectName(QStringLiteral("Image_Case"));
    setFixedSize(TankSize);
}

void AboutTankView::setFish(const QPixmap &picture, QPoint topLeft)
{
    const QRect before(m_fishAt, m_fish.size());
    m_fish = picture;
    m_fishAt = topLeft;
    update(before.united(QRect(m_fishAt, m_fish.size())));
}

void AboutTankView::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    if (!m_tank.isNull()) {
        painter.drawPixmap(rect(), m_tank);
    } else {
        // Without its picture the tank is still plain water with a frame.
        QLinearGradient water(0, 0, 0, height());
        water.setColorAt(0, QColor(90, 170, 220));
        water.setColorAt(1, QColor(20, 60, 120));
        painter.fillRect(rect(), water);
        painter.setPen(QColor(40, 40, 40));
        painter.drawRect(rect().adjusted(0, 0, -1, -1));
    }
    painter.drawPixmap(m_fishAt, m_fish);
}

} // namespace fw
