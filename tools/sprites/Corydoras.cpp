#include "Paint.h"
#include "Species.h"

namespace fw::sprites {
namespace {

struct CorydorasColours
{
    QColor back, flank, belly;
    QColor plates;
    QColor fin;
    QColor eye;
    QColor barbel;
    bool arc; // the black arc of Corydoras arcuatus
};

// A stocky armoured catfish with a flat belly, a high back and barbels;
// designed at 60 x 33 facing right. Both corydoras share this outline and
// so one mask.
class Corydoras : public FishArt
{
public:
    explicit Corydoras(CorydorasColours colours) : m_colours(colours) {}

    QSizeF designSize() const override { return {60, 33}; }

    QPainterPath outline(const Pose &pose) const override
    {
        QPainterPath all = body(pose);
        for (const QPainterPath &fin :
             {dorsalFin(), adiposeFin(), tail(), analFin(), pelvicFin(), pectoralFin()})
            all = all.united(fin);
        all = all.united(band(barbels(), 1.1 * pose.px));
        return all.simplified();
    }

    void paint(QPainter &painter, const Pose &pose) const override
    {
        for (const QPainterPath &fin :
             {dorsalFin(), adiposeFin(), tail(), analFin(), pelvicFin(), pectoralFin()})
            painter.fillPath(fin, m_colours.fin);
        painter.setPen(QPen(m_colours.barbel, 1.1 * pose.px, Qt::SolidLine, Qt::RoundCap));
        painter.setBrush(Qt::NoBrush);
        painter.drawPath(barbels());
        paintFinDetails(painter, pose);

        const QPainterPath shape = body(pose);
        fillVertical(painter, shape,
                     {{0.0, m_colours.back}, {0.45, m_colours.flank}, {1.0, m_colours.belly}});
        QRadialGradient sheen(QPointF(pose.lightFromHead ? 46 : 32, 12), 14);
        sheen.setColorAt(0, QColor(255, 255, 250, 90));
        sheen.setColorAt(1, QColor(255, 255, 250, 0));
        painter.fillPath(shape, sheen);
        paintPlates(painter, pose, shape);
        if (m_colours.arc)
            paintArc(painter, pose, shape);

        // Gill cover.
        painter.setPen(QPen(m_colours.plates, 0.7 * pose.px));
        painter.setBrush(Qt::NoBrush);
        painter.drawPath(curve(QPointF(45, 11), QPointF(42, 16), QPointF(42, 22), QPointF(44, 27)));

        const double radius = pose.young ? 3.8 : 2.6;
        paintEye(painter, QPointF(pose.young ? 50 : 50.5, 14.4), radius,
                 {m_colours.eye, m_colours.arc ? QColor(12, 12, 14) : QColor(150, 10, 24),
                  m_colours.arc ? QColor(120, 104, 70) : QColor(230, 150, 150)},
                 pose.lightFromHead ? 1 : -1);
    }

private:
    static QPainterPath body(const Pose &)
    {
        QPainterPath p(QPointF(58.8, 24.5));
        p.cubicTo(QPointF(57, 18), QPointF(53, 12), QPointF(47, 9.5));
        p.cubicTo(QPointF(43, 8), QPointF(39, 8), QPointF(36, 8.6));
        p.cubicTo(QPointF(28, 10), QPointF(20, 13), QPointF(12, 17.5));
        p.lineTo(QPointF(12, 24.5));
        p.cubicTo(QPointF(16, 27), QPointF(20, 28.6), QPointF(26, 28.8));
        p.lineTo(QPointF(52, 28.8));
        p.cubicTo(QPointF(55, 28.6), QPointF(58, 27), QPointF(58.8, 24.5));
        p.closeSubpath();
        return p;
    }

    static QPainterPath dorsalFin()
    {
        QPainterPath p(QPointF(40, 8.6));
        p.lineTo(QPointF(37, 0.6));
        p.cubicTo(QPointF(33, 0.6), QPointF(29.5, 3.6), QPointF(29, 8.5));
        p.lineTo(QPointF(30, 11));
        p.closeSubpath();
        return p;
    }

    static QPainterPath adiposeFin()
    {
        QPainterPath p(QPointF(21, 14.2));
        p.lineTo(QPointF(18.6, 11.6));
        p.quadTo(QPointF(17, 13), QPointF(16.2, 16.2));
        p.closeSubpath();
        return p;
    }

    static QPainterPath tail()
    {
        QPainterPath p(QPointF(13, 17.4));
        p.cubicTo(QPointF(9, 15), QPointF(4, 12), QPointF(0.5, 10.5));
        p.cubicTo(QPointF(2.5, 14), QPointF(4.5, 18), QPointF(5.4, 21));
        p.cubicTo(QPointF(4.5, 24), QPointF(2.5, 28), QPointF(0.5, 31.5));
        p.cubicTo(QPointF(4, 30), QPointF(9, 27), QPointF(13, 24.6));
        p.closeSubpath();
        return p;
    }

    // The lower fins spread low and swept back, as when the fish rests on
    // the bottom.
    static QPainterPath analFin()
    {
        QPainterPath p(QPointF(22.5, 27.6));
        p.cubicTo(QPointF(21, 29), QPointF(19.5, 30), QPointF(17, 30.6));
        p.lineTo(QPointF(16.5, 26.8));
        p.closeSubpath();
        return p;
    }

    static QPainterPath pelvicFin()
    {
        QPainterPath p(QPointF(33.5, 28.4));
        p.cubicTo(QPointF(31.5, 30), QPointF(29.5, 31.2), QPointF(26, 31.8));
        p.lineTo(QPointF(27.5, 28.4));
        p.closeSubpath();
        return p;
    }

    static QPainterPath pectoralFin()
    {
        QPainterPath p(QPointF(47.5, 26));
        p.cubicTo(QPointF(44, 29), QPointF(40, 31.4), QPointF(35, 32.4));
        p.cubicTo(QPointF(37.5, 30.5), QPointF(39.5, 28.5), QPointF(40.5, 27.2));
        p.closeSubpath();
        return p;
    }

    static QPainterPath barbels()
    {
        QPainterPath p(QPointF(57.5, 26.5));
        p.quadTo(QPointF(59, 28.5), QPointF(59.2, 31));
        p.moveTo(QPointF(56, 27.5));
        p.quadTo(QPointF(56.2, 29.5), QPointF(55.2, 31.2));
        return p;
    }

    void paintFinDetails(QPainter &painter, const Pose &pose) const
    {
        // The stout first rays of the dorsal and pectoral fins.
        painter.setPen(QPen(m_colours.plates, 0.9 * pose.px, Qt::SolidLine, Qt::RoundCap));
        painter.drawLine(QPointF(39.5, 8.6), QPointF(37, 0.8));
        painter.drawLine(QPointF(47, 26.4), QPointF(36, 32.2));
        painter.save();
        painter.setClipPath(tail());
        painter.setPen(QPen(mix(m_colours.fin, m_colours.plates, 0.4), 0.5 * pose.px));
        for (int i = 0; i < 5; ++i)
            painter.drawLine(QPointF(12.5, 21), QPointF(1, 12 + i * 4.6));
        painter.restore();
    }

    // Two rows of bony plates meeting along the middle of the flank.
    void paintPlates(QPainter &painter, const Pose &pose, const QPainterPath &shape) const
    {
        painter.save();
        painter.setClipPath(shape);
        painter.setPen(QPen(withAlpha(m_colours.plates, 0.5), 0.5 * pose.px));
        painter.setBrush(Qt::NoBrush);
        painter.drawPath(
            curve(QPointF(42, 18.5), QPointF(32, 18.5), QPointF(22, 19.5), QPointF(12, 21)));
        painter.setPen(QPen(withAlpha(m_colours.plates, 0.16), 0.4 * pose.px));
        for (double x = 39; x > 14; x -= 3.6) {
            painter.drawLine(QPointF(x + 0.8, 13), QPointF(x, 18.6));
            painter.drawLine(QPointF(x, 18.8), QPointF(x + 0.8, 25));
        }
        painter.restore();
    }

    // The black arc: from the snout over the eye, along the back to the
    // tail base.
    void paintArc(QPainter &painter, const Pose &pose, const QPainterPath &shape) const
    {
        QPainterPath arc(QPointF(58.6, 22));
        arc.cubicTo(QPointF(56, 17.5), QPointF(53.5, 15), QPointF(50.5, 14.2));
        arc.cubicTo(QPointF(45, 12.2), QPointF(38, 10.4), QPointF(30, 11.8));
        arc.cubicTo(QPointF(22, 13.4), QPointF(15, 18), QPointF(11.5, 23.5));
        const double width = pose.young ? 4.0 : 3.6;
        painter.fillPath(band(arc, width).intersected(shape), QColor(22, 20, 20));
        QPainterPath tailEnd(QPointF(13, 23));
        tailEnd.lineTo(QPointF(5, 27));
        painter.fillPath(band(tailEnd, 2.4).intersected(tail()), QColor(40, 38, 36));
    }

    CorydorasColours m_colours;
};

} // namespace

std::unique_ptr<FishArt> makeCorydorasArcuatus()
{
    return std::make_unique<Corydoras>(CorydorasColours{
        QColor(196, 178, 138), QColor(228, 214, 180), QColor(244, 238, 220), QColor(150, 132, 100),
        QColor(150, 146, 132), QColor(236, 206, 120), QColor(190, 176, 150), true});
}

std::unique_ptr<FishArt> makeAlbinoCorydoras()
{
    return std::make_unique<Corydoras>(CorydorasColours{
        QColor(238, 196, 180), QColor(250, 226, 214), QColor(255, 244, 236), QColor(220, 168, 154),
        QColor(200, 184, 180), QColor(214, 40, 50), QColor(240, 206, 196), false});
}

} // namespace fw::sprites
