#pragma once

#include <QPixmap>
#include <QPoint>
#include <QWidget>

namespace fw {

// The small tank of the about box: the tank picture with the tetra painted
// over it at the swimmer's place, clipped to the tank.
class AboutTankView : public QWidget
{
    Q_OBJECT

public:
    static constexpr QSize TankSize{234, 63};

    explicit AboutTankView(QWidget *parent = nullptr);

    void setFish(const QPixmap &picture, QPoint topLeft);
    const QPixmap &tankPicture() const { return m_tank; }
    const QPixmap &fishPicture() const { return m_fish; }
    QPoint fishPosition() const { return m_fishAt; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QPixmap m_tank;
    QPixmap m_fish;
    QPoint m_fishAt;
};

// A picture of the about box by name ("Image_Case", "Image_TetraL", ...),
// whichever image format it was stored in; null when there is none.
QPixmap aboutPicture(const QString &name);

} // namespace fw
