#include "Paint.h"
#include "Species.h"

namespace fw::sprites {
namespace {

// A tall, flat disc with long swept fins, designed at 88 x 104 facing right.
class Angelfish : public FishArt
{
public:
    QSizeF designSize() const override { return {88, 104}; }

    QPainterPath outline(const Pose &pose) const override
    {
        QPainterPath all = body(pose);
        all = all.united(dorsalFin(pose)).united(analFin(pose)).united(tail(pose));
        all = all.united(band(ventralFilaments(pose), filamentWidth(pose)));
        return all.simplified();
    }

    void paint(QPainter &painter, const Pose &pose) const override
    {
        paintFins(painter, pose);
        paintBody(painter, pose);
        paintBars(painter, pose);
        paintHead(painter, pose);
    }

private:
    static double filamentWidth(const Pose &pose) { return 1.15 * pose.px; }

    // Young fish have fins that sweep back less far and a bigger head and eye.
    static double reach(const Pose &pose) { return pose.young ? 0.82 : 1.0; }

    QPainterPath body(const Pose &) const
    {
        QPainterPath p(QPointF(87.4, 49.5));
        p.cubicTo(QPointF(80, 36), QPointF(71, 25), QPointF(60, 24.5));
        p.cubicTo(QPointF(47, 24), QPointF(35, 36), QPointF(26, 46));
        p.lineTo(QPointF(26, 58));
        p.cubicTo(QPointF(35, 69), QPointF(47, 81), QPointF(60, 80.5));
        p.cubicTo(QPointF(71, 80), QPointF(81, 64), QPointF(87.4, 51.5));
        p.closeSubpath();
        return p;
    }

    // Fin tips: young fish have not grown their long sweeps yet.
    static QPointF dorsalTip(const Pose &pose)
    {
        const double r = reach(pose);
        return {12 + (1 - r) * 40, 0.5};
    }

    static QPointF analTip(const Pose &pose)
    {
        const double r = reach(pose);
        return {10 + (1 - r) * 40, 103.5};
    }

    QPainterPath dorsalFin(const Pose &pose) const
    {
        QPainterPath p(QPointF(63, 26));
        p.cubicTo(QPointF(56, 12), QPointF(40, 3), dorsalTip(pose));
        p.cubicTo(QPointF(24, 9), QPointF(28, 30), QPointF(29, 45));
        p.lineTo(QPointF(45, 30));
        p.closeSubpath();
        return p;
    }

    QPainterPath analFin(const Pose &pose) const
    {
        QPainterPath p(QPointF(63, 78));
        p.cubicTo(QPointF(55, 92), QPointF(38, 101), analTip(pose));
        p.cubicTo(QPointF(23, 95), QPointF(28, 74), QPointF(29, 59));
        p.lineTo(QPointF(45, 74));
        p.closeSubpath();
        return p;
    }

    // Fan-shaped, the top and bottom rays drawn out into short streamers.
    QPainterPath tail(const Pose &) const
    {
        QPainterPath p(QPointF(28, 47));
        p.cubicTo(QPointF(20, 43), QPointF(8, 36), QPointF(0.2, 31.5));
        p.cubicTo(QPointF(4, 36), QPointF(6, 44), QPointF(6, 52));
        p.cubicTo(QPointF(6, 60), QPointF(4, 68), QPointF(0.2, 72.5));
        p.cubicTo(QPointF(8, 68), QPointF(20, 61), QPointF(28, 57));
        p.closeSubpath();
        return p;
    }

    QPainterPath ventralFilaments(const Pose &pose) const
    {
        const double r = reach(pose);
        const QPointF end(49 + (1 - r) * 20, 100 - (1 - r) * 26);
        QPainterPath p(QPointF(67, 74));
        p.cubicTo(QPointF(66, 86), QPointF(60, 94), end);
        return p;
    }

    void paintFins(QPainter &painter, const Pose &pose) const
    {
        const QColor finBase(150, 162, 172);
        const QColor finEdge(214, 224, 232);
        for (const QPainterPath &fin : {dorsalFin(pose), analFin(pose)}) {
            const QRectF box = fin.boundingRect();
            QLinearGradient g(box.topRight(), box.bottomLeft());
            g.setColorAt(0, QColor(176, 186, 194));
            g.setColorAt(1, finBase);
            painter.fillPath(fin, g);
        }
        // Fin rays run from the body out towards the tips.
        painter.save();
        painter.setClipPath(dorsalFin(pose).united(analFin(pose)));
        painter.setPen(QPen(QColor(192, 202, 212), 0.45 * pose.px));
        for (int i = 0; i < 8; ++i) {
            const double t = i / 7.0;
            const QPointF top(62 - 32 * t, 27 + 17 * t), bottom(62 - 32 * t, 77 - 17 * t);
            painter.drawLine(top, top + (dorsalTip(pose) - QPointF(63, 26)) * (1.1 - 0.5 * t));
            painter.drawLine(bottom, bottom + (analTip(pose) - QPointF(63, 78)) * (1.1 - 0.5 * t));
        }
        painter.restore();

        QLinearGradient tailShade(QPointF(28, 0), QPointF(2, 0));
        tailShade.setColorAt(0, QColor(168, 178, 186));
        tailShade.setColorAt(1, QColor(200, 210, 218));
        painter.fillPath(tail(pose), tailShade);
        painter.save();
        painter.setClipPath(tail(pose));
        painter.setPen(QPen(QColor(130, 140, 150), 0.5 * pose.px));
        for (int i = 0; i < 6; ++i)
            painter.drawLine(QPointF(27, 52), QPointF(3, 36 + i * 6.4));
        painter.restore();

        // Bright leading rays give the long fins their edge.
        painter.setPen(QPen(finEdge, 0.9 * pose.px, Qt::SolidLine, Qt::RoundCap));
        painter.setBrush(Qt::NoBrush);
        painter.drawPath(curve(QPointF(63, 26), QPointF(56, 12), QPointF(40, 3), dorsalTip(pose)));
        painter.drawPath(curve(QPointF(63, 78), QPointF(55, 92), QPointF(38, 101), analTip(pose)));
        painter.setPen(
            QPen(QColor(226, 232, 236), filamentWidth(pose), Qt::SolidLine, Qt::RoundCap));
        painter.drawPath(ventralFilaments(pose));
    }

    void paintBody(QPainter &painter, const Pose &pose) const
    {
        const QPainterPath shape = body(pose);
        fillVertical(painter, shape,
                     {{0.0, QColor(178, 182, 170)},
                      {0.3, QColor(222, 226, 226)},
                      {0.6, QColor(238, 240, 242)},
                      {1.0, QColor(206, 208, 210)}});
        // A soft sheen on the flank, lit from above.
        QRadialGradient sheen(QPointF(pose.lightFromHead ? 66 : 48, 42), 26);
        sheen.setColorAt(0, QColor(255, 255, 255, 110));
        sheen.setColorAt(1, QColor(255, 255, 255, 0));
        painter.fillPath(shape, sheen);
        // Faint golden-brown cap on the forehead, as in wild-type fish.
        QRadialGradient cap(QPointF(66, 26), 14);
        cap.setColorAt(0, QColor(170, 140, 90, 140));
        cap.setColorAt(1, QColor(170, 140, 90, 0));
        painter.fillPath(shape, cap);
    }

    void paintBars(QPainter &painter, const Pose &pose) const
    {
        const QColor dark(34, 34, 40);
        const QColor inFin(70, 74, 82);
        struct Bar
        {
            QPainterPath centre;
            double width;
        };
        const Bar bars[] = {
            {curve(QPointF(70, 27), QPointF(73, 40), QPointF(75, 55), QPointF(73, 75)), 4.5},
            {curve(QPointF(52, 6), QPointF(56, 35), QPointF(56, 70), QPointF(50, 100)), 5.5},
            {curve(QPointF(36, 4), QPointF(39, 35), QPointF(39, 70), QPointF(35, 101)), 5.5},
            {line(QPointF(25.5, 44), QPointF(25.5, 60)), 2.5},
        };
        const QPainterPath bodyShape = body(pose);
        const QPainterPath finShape = dorsalFin(pose).united(analFin(pose)).subtracted(bodyShape);
        for (const Bar &bar : bars) {
            const QPainterPath stripe = band(bar.centre, bar.width);
            painter.fillPath(stripe.intersected(finShape), inFin);
            painter.fillPath(stripe.intersected(bodyShape), dark);
        }
    }

    void paintHead(QPainter &painter, const Pose &pose) const
    {
        // Gill cover line and mouth.
        painter.setPen(QPen(QColor(120, 124, 130), 0.6 * pose.px));
        painter.setBrush(Qt::NoBrush);
        painter.drawPath(curve(QPointF(68, 36), QPointF(66, 46), QPointF(66, 56), QPointF(69, 64)));
        painter.setPen(QPen(QColor(90, 84, 80), 0.7 * pose.px));
        painter.drawLine(QPointF(87.4, 50.5), QPointF(83, 51));
        // Pectoral fin, clear and small.
        QPainterPath pectoral(QPointF(66, 55));
        pectoral.cubicTo(QPointF(60, 54), QPointF(56, 58), QPointF(54, 62));
        pectoral.cubicTo(QPointF(59, 62), QPointF(63, 60), QPointF(66, 58));
        painter.fillPath(pectoral, QColor(250, 250, 250, 120));

        const double radius = pose.young ? 5.6 : 4.2;
        const QPointF centre(pose.young ? 76 : 76.5, pose.young ? 44 : 43.5);
        paintEye(painter, centre, radius, {QColor(150, 46, 30)}, pose.lightFromHead ? 1 : -1);
    }
};

} // namespace

std::unique_ptr<FishArt> makeAngelfish()
{
    return std::make_unique<Angelfish>();
}

} // namespace fw::sprites
