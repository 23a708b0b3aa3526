#include "Paint.h"
#include "Species.h"

namespace fw::sprites {
namespace {

// The slender tetra outline, designed at 42 x 17 facing right. Neon and
// glowlight tetras share one mask, so both paint inside this very shape.
class TetraShape : public FishArt
{
public:
    QSizeF designSize() const override { return {42, 17}; }

    QPainterPath outline(const Pose &pose) const override
    {
        QPainterPath all = body(pose);
        for (const QPainterPath &fin : {dorsalFin(), adiposeFin(), tail(), analFin(), pelvicFin()})
            all = all.united(fin);
        return all.simplified();
    }

protected:
    static QPainterPath body(const Pose &)
    {
        QPainterPath p(QPointF(41.6, 8.2));
        p.cubicTo(QPointF(40.5, 5.6), QPointF(37, 4.0), QPointF(32, 3.5));
        p.cubicTo(QPointF(24, 2.9), QPointF(16, 4.4), QPointF(10, 6.5));
        p.lineTo(QPointF(10, 9.9));
        p.cubicTo(QPointF(16, 11.4), QPointF(24, 13.2), QPointF(31, 13.0));
        p.cubicTo(QPointF(36, 12.8), QPointF(40, 11.3), QPointF(41.6, 9.2));
        p.closeSubpath();
        return p;
    }

    static QPainterPath dorsalFin()
    {
        QPainterPath p(QPointF(24.5, 3.6));
        p.lineTo(QPointF(21.5, 0.2));
        p.cubicTo(QPointF(20, 0.6), QPointF(18, 1.8), QPointF(16.8, 2.8));
        p.lineTo(QPointF(17.5, 4.4));
        p.closeSubpath();
        return p;
    }

    static QPainterPath adiposeFin()
    {
        QPainterPath p(QPointF(13.5, 5.6));
        p.cubicTo(QPointF(12.8, 4.6), QPointF(11.8, 4.3), QPointF(11.0, 4.5));
        p.lineTo(QPointF(11.2, 6.4));
        p.closeSubpath();
        return p;
    }

    static QPainterPath tail()
    {
        QPainterPath p(QPointF(11, 6.5));
        p.cubicTo(QPointF(8, 5.2), QPointF(4, 3.0), QPointF(0.3, 1.0));
        p.cubicTo(QPointF(2.0, 4.0), QPointF(3.6, 6.5), QPointF(4.6, 8.2));
        p.cubicTo(QPointF(3.6, 9.9), QPointF(2.0, 12.4), QPointF(0.3, 15.6));
        p.cubicTo(QPointF(4, 13.4), QPointF(8, 11.2), QPointF(11, 9.9));
        p.closeSubpath();
        return p;
    }

    static QPainterPath analFin()
    {
        QPainterPath p(QPointF(23, 12.6));
        p.lineTo(QPointF(22.4, 16.9));
        p.cubicTo(QPointF(20, 16.4), QPointF(16, 14.8), QPointF(13, 12.6));
        p.lineTo(QPointF(14, 10.8));
        p.closeSubpath();
        return p;
    }

    static QPainterPath pelvicFin()
    {
        QPainterPath p(QPointF(28.5, 12.8));
        p.lineTo(QPointF(26.2, 15.2));
        p.lineTo(QPointF(24.8, 12.8));
        p.closeSubpath();
        return p;
    }

    static QPainterPath fins()
    {
        QPainterPath all = dorsalFin();
        for (const QPainterPath &fin : {adiposeFin(), tail(), analFin(), pelvicFin()})
            all = all.united(fin);
        return all;
    }

    static double eyeRadius(const Pose &pose) { return pose.young ? 2.9 : 2.2; }
    static QPointF eyeCentre(const Pose &pose)
    {
        return pose.young ? QPointF(36.2, 7.4) : QPointF(36.8, 7.3);
    }

    // Light from above and from the tail side, or the head side when asked.
    static void paintSheen(QPainter &painter, const Pose &pose, const QPainterPath &shape,
                           int strength)
    {
        QRadialGradient sheen(QPointF(pose.lightFromHead ? 33 : 18, 4.5), 10);
        sheen.setColorAt(0, QColor(255, 255, 240, strength));
        sheen.setColorAt(1, QColor(255, 255, 240, 0));
        painter.fillPath(shape, sheen);
    }
};

class NeonTetra : public TetraShape
{
public:
    void paint(QPainter &painter, const Pose &pose) const override
    {
        // Clear fins: a dim blue-grey reads as glass over water and on black.
        painter.fillPath(fins(), QColor(90, 104, 120));
        painter.fillPath(tail(), QColor(84, 98, 116));

        const QPainterPath shape = body(pose);
        fillVertical(painter, shape,
                     {{0.0, QColor(72, 70, 58)},
                      {0.3, QColor(116, 110, 86)},
                      {0.55, QColor(206, 212, 214)},
                      {1.0, QColor(236, 236, 236)}});
        // The red of the lower rear half.
        QPainterPath red(QPointF(28, 8.6));
        red.cubicTo(QPointF(22, 8.4), QPointF(14, 8.0), QPointF(8, 8.0));
        red.lineTo(QPointF(8, 14));
        red.lineTo(QPointF(29, 14));
        red.closeSubpath();
        QLinearGradient redShade(QPointF(0, 8), QPointF(0, 13));
        redShade.setColorAt(0, QColor(236, 40, 46));
        redShade.setColorAt(1, QColor(186, 20, 34));
        painter.fillPath(red.intersected(shape), redShade);

        // The electric stripe from the eye to the adipose fin.
        const QPainterPath stripe =
            curve(QPointF(35, 6.6), QPointF(28, 5.8), QPointF(19, 6.2), QPointF(12, 6.8));
        painter.fillPath(band(stripe, 2.6).intersected(shape), QColor(30, 150, 190));
        painter.fillPath(band(stripe, 1.5).intersected(shape), QColor(70, 235, 240));
        paintSheen(painter, pose, shape, 70);

        paintEye(painter, eyeCentre(pose), eyeRadius(pose),
                 {QColor(70, 150, 190), QColor(10, 10, 12), QColor(40, 50, 60)},
                 pose.lightFromHead ? 1 : -1);
    }
};

class GlowlightTetra : public TetraShape
{
public:
    void paint(QPainter &painter, const Pose &pose) const override
    {
        painter.fillPath(fins(), QColor(128, 126, 112));
        // Red tip on the dorsal fin; white tips on the pelvic and anal fins.
        painter.fillPath(dorsalFin().intersected(rect(0, 0, 42, 2.2).united(rect(20.4, 0, 4, 3))),
                         QColor(236, 60, 40));
        painter.fillPath(pelvicFin().intersected(rect(0, 14, 42, 3)), QColor(246, 246, 240));
        painter.fillPath(analFin().intersected(rect(19.8, 15, 4, 3)), QColor(246, 246, 240));
        painter.fillPath(tail(), QColor(124, 118, 102));

        const QPainterPath shape = body(pose);
        fillVertical(painter, shape,
                     {{0.0, QColor(150, 144, 100)},
                      {0.35, QColor(196, 188, 144)},
                      {0.65, QColor(214, 206, 170)},
                      {1.0, QColor(232, 226, 204)}});
        paintSheen(painter, pose, shape, 110);

        // The glowing line from the snout to the tail base.
        const QPainterPath line =
            curve(QPointF(41.5, 7.6), QPointF(30, 6.6), QPointF(20, 7.0), QPointF(9.5, 8.1));
        painter.fillPath(band(line, 2.4).intersected(shape), QColor(236, 110, 60));
        painter.fillPath(band(line, 1.3).intersected(shape), QColor(255, 74, 40));
        painter.fillPath(band(line, 2.4).intersected(tail()), QColor(220, 100, 60));

        paintEye(painter, eyeCentre(pose), eyeRadius(pose),
                 {QColor(200, 60, 40), QColor(10, 10, 12), QColor(80, 50, 40)},
                 pose.lightFromHead ? 1 : -1);
    }
};

} // namespace

std::unique_ptr<FishArt> makeNeonTetra()
{
    return std::make_unique<NeonTetra>();
}

std::unique_ptr<FishArt> makeGlowlightTetra()
{
    return std::make_unique<GlowlightTetra>();
}

} // namespace fw::sprites
