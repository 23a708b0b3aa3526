#pragma once

#include <QColor>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPointF>

// Small drawing helpers shared by the species painters.
namespace fw::sprites {

inline QColor mix(const QColor &a, const QColor &b, double t)
{
    return QColor::fromRgbF(float(a.redF() + (b.redF() - a.redF()) * t),
                            float(a.greenF() + (b.greenF() - a.greenF()) * t),
                            float(a.blueF() + (b.blueF() - a.blueF()) * t),
                            float(a.alphaF() + (b.alphaF() - a.alphaF()) * t));
}

inline QColor withAlpha(QColor c, double alpha)
{
    c.setAlphaF(float(alpha));
    return c;
}

// A band along a centre line, for stripes and bars: a thick stroke.
inline QPainterPath band(const QPainterPath &centre, double width)
{
    QPainterPathStroker stroker;
    stroker.setWidth(width);
    stroker.setCapStyle(Qt::RoundCap);
    stroker.setJoinStyle(Qt::RoundJoin);
    return stroker.createStroke(centre);
}

inline QPainterPath curve(QPointF a, QPointF c1, QPointF c2, QPointF b)
{
    QPainterPath path(a);
    path.cubicTo(c1, c2, b);
    return path;
}

inline QPainterPath rect(double x, double y, double w, double h)
{
    QPainterPath path;
    path.addRect(QRectF(x, y, w, h));
    return path;
}

inline QPainterPath line(QPointF a, QPointF b)
{
    QPainterPath path(a);
    path.lineTo(b);
    return path;
}

// Fills `shape` with a top-to-bottom gradient through the given stops.
inline void fillVertical(QPainter &painter, const QPainterPath &shape,
                         std::initializer_list<std::pair<double, QColor>> stops)
{
    const QRectF box = shape.boundingRect();
    QLinearGradient gradient(box.topLeft(), box.bottomLeft());
    for (const auto &[at, colour] : stops)
        gradient.setColorAt(at, colour);
    painter.fillPath(shape, gradient);
}

// An eye: dark rim, coloured iris, black pupil and a small catch-light
// towards the light.
struct EyeStyle
{
    QColor iris;
    QColor pupil = QColor(10, 10, 12);
    QColor rim = QColor(40, 40, 40);
    QColor catchLight = QColor(255, 255, 255);
};

inline void paintEye(QPainter &painter, QPointF centre, double radius, const EyeStyle &style,
                     double lightDx)
{
    painter.setPen(Qt::NoPen);
    painter.setBrush(style.rim);
    painter.drawEllipse(centre, radius, radius);
    painter.setBrush(style.iris);
    painter.drawEllipse(centre, radius * 0.82, radius * 0.82);
    painter.setBrush(style.pupil);
    painter.drawEllipse(centre, radius * 0.5, radius * 0.5);
    painter.setBrush(style.catchLight);
    painter.drawEllipse(centre + QPointF(lightDx * radius * 0.28, -radius * 0.3), radius * 0.2,
                        radius * 0.2);
}

} // namespace fw::sprites
