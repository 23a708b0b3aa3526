#include "Paint.h"
#include "Species.h"

namespace fw::sprites {
namespace {

// A straight back over a deep, keeled breast like a hatchet blade, with
// long wing-like pectoral fins; designed at 60 x 33 facing right.
class SilverHatchetfish : public FishArt
{
public:
    QSizeF designSize() const override { return {60, 33}; }

    QPainterPath outline(const Pose &pose) const override
    {
        QPainterPath all = body(pose);
        for (const QPainterPath &fin :
             {dorsalFin(), adiposeFin(), tail(), analFin(), pectoralFin()})
            all = all.united(fin);
        return all.simplified();
    }

    void paint(QPainter &painter, const Pose &pose) const override
    {
        const QColor clearFin(140, 150, 160);
        for (const QPainterPath &fin : {dorsalFin(), adiposeFin(), tail(), analFin()})
            painter.fillPath(fin, clearFin);

        const QPainterPath shape = body(pose);
        fillVertical(painter, shape,
                     {{0.0, QColor(92, 104, 110)},
                      {0.12, QColor(168, 180, 186)},
                      {0.3, QColor(222, 228, 232)},
                      {0.7, QColor(236, 238, 242)},
                      {1.0, QColor(196, 204, 214)}});
        // Blue-violet sheen on the keel and a bright flash where light falls.
        QLinearGradient keel(QPointF(0, 14), QPointF(0, 31));
        keel.setColorAt(0, QColor(200, 210, 240, 0));
        keel.setColorAt(1, QColor(170, 180, 230, 120));
        painter.fillPath(shape, keel);
        QRadialGradient flash(QPointF(pose.lightFromHead ? 44 : 28, 10), 12);
        flash.setColorAt(0, QColor(255, 255, 255, 150));
        flash.setColorAt(1, QColor(255, 255, 255, 0));
        painter.fillPath(shape, flash);

        // Faint vertical striations on the keel.
        painter.save();
        painter.setClipPath(shape);
        painter.setPen(QPen(QColor(180, 188, 204), 0.5 * pose.px));
        for (double x = 22; x < 48; x += 3.2)
            painter.drawLine(QPointF(x, 16), QPointF(x - 1.5, 32));
        painter.restore();

        // The thin dark line along the side, and a dark rim on the back.
        painter.fillPath(
            band(curve(QPointF(44, 11.5), QPointF(34, 11), QPointF(22, 10), QPointF(11, 10.5)),
                 1.1 * pose.px)
                .intersected(shape),
            QColor(44, 48, 56));
        painter.fillPath(
            band(line(QPointF(57, 4.2), QPointF(14, 5.0)), 1.2 * pose.px).intersected(shape),
            QColor(70, 78, 84));

        // Gill cover.
        painter.setPen(QPen(QColor(150, 156, 166), 0.6 * pose.px));
        painter.setBrush(Qt::NoBrush);
        painter.drawPath(curve(QPointF(47, 6), QPointF(44, 11), QPointF(44, 16), QPointF(47, 21)));

        // The wing: pale and see-through, over the body.
        QLinearGradient wing(QPointF(50, 14), QPointF(26, 4));
        wing.setColorAt(0, QColor(214, 220, 228));
        wing.setColorAt(1, QColor(160, 170, 182));
        painter.fillPath(pectoralFin(), wing);
        painter.setPen(QPen(QColor(236, 240, 246), 0.7 * pose.px));
        painter.drawPath(curve(QPointF(49, 15), QPointF(42, 9), QPointF(35, 5), QPointF(27, 2.5)));

        paintEye(painter, QPointF(pose.young ? 50.5 : 51, 9.5), pose.young ? 4.8 : 3.4,
                 {QColor(226, 230, 234), QColor(10, 10, 12), QColor(60, 64, 70)},
                 pose.lightFromHead ? 1 : -1);
        painter.setPen(QPen(QColor(60, 60, 66), 0.7 * pose.px));
        painter.drawLine(QPointF(59.6, 4.2), QPointF(56.5, 6.2));
    }

private:
    static QPainterPath body(const Pose &)
    {
        QPainterPath p(QPointF(59.8, 3.8));
        p.lineTo(QPointF(14, 4.6));
        p.cubicTo(QPointF(12.5, 6.5), QPointF(12, 7.5), QPointF(11.5, 8.2));
        p.lineTo(QPointF(11.5, 13));
        p.cubicTo(QPointF(18, 16), QPointF(28, 25), QPointF(35, 32.2));
        p.cubicTo(QPointF(37, 33.4), QPointF(41, 33.2), QPointF(44, 30));
        p.cubicTo(QPointF(49, 25), QPointF(54, 18), QPointF(56.5, 12));
        p.cubicTo(QPointF(58, 9), QPointF(59.5, 6), QPointF(59.8, 3.8));
        p.closeSubpath();
        return p;
    }

    static QPainterPath dorsalFin()
    {
        QPainterPath p(QPointF(22, 4.8));
        p.lineTo(QPointF(19.5, 0.5));
        p.lineTo(QPointF(15, 2));
        p.lineTo(QPointF(16, 5.2));
        p.closeSubpath();
        return p;
    }

    static QPainterPath adiposeFin()
    {
        QPainterPath p(QPointF(13, 6.5));
        p.quadTo(QPointF(12, 4.2), QPointF(10.6, 4.6));
        p.lineTo(QPointF(12, 8));
        p.closeSubpath();
        return p;
    }

    static QPainterPath tail()
    {
        QPainterPath p(QPointF(12.5, 8.2));
        p.cubicTo(QPointF(9, 6.5), QPointF(4, 3.5), QPointF(0.5, 1.5));
        p.cubicTo(QPointF(2.5, 5), QPointF(4.5, 8.5), QPointF(5.2, 10.5));
        p.cubicTo(QPointF(4.5, 12.5), QPointF(2.5, 16), QPointF(0.5, 19.5));
        p.cubicTo(QPointF(4, 17.5), QPointF(9, 14.5), QPointF(12.5, 12.8));
        p.closeSubpath();
        return p;
    }

    static QPainterPath analFin()
    {
        QPainterPath p(QPointF(32, 27));
        p.lineTo(QPointF(29, 28.5));
        p.cubicTo(QPointF(24, 25), QPointF(19, 20), QPointF(14.5, 16.6));
        p.lineTo(QPointF(14, 14));
        p.closeSubpath();
        return p;
    }

    static QPainterPath pectoralFin()
    {
        QPainterPath p(QPointF(50, 15.5));
        p.cubicTo(QPointF(42, 9), QPointF(34, 4), QPointF(26, 1.8));
        p.cubicTo(QPointF(32, 6), QPointF(40, 12), QPointF(47, 18));
        p.closeSubpath();
        return p;
    }
};

} // namespace

std::unique_ptr<FishArt> makeSilverHatchetfish()
{
    return std::make_unique<SilverHatchetfish>();
}

} // namespace fw::sprites
