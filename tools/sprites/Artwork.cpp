#include "Artwork.h"

#include "Paint.h"
#include "Raster.h"
#include "Species.h"

#include <QRandomGenerator>
#include <QTextStream>

#include <cmath>

namespace fw::sprites {
namespace {

constexpr int kOversample = 4;

bool save(QImage image, const QString &path)
{
    // A fixed resolution keeps the files identical from run to run.
    image.setDotsPerMeterX(2835);
    image.setDotsPerMeterY(2835);
    if (image.save(path))
        return true;
    QTextStream(stderr) << "finwicks-sprites: cannot write " << path << "\n";
    return false;
}

QImage reduced(const QImage &big, QSize size)
{
    return big.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

// Gravel: a bed of small rounded pebbles in sandy and brown tones. The
// generator is seeded so every run paints the same stones.
void paintGravel(QPainter &painter, const QRectF &bed, double pebble, quint32 seed)
{
    QRandomGenerator random(seed);
    fillVertical(painter, rect(bed.x(), bed.y(), bed.width(), bed.height()),
                 {{0.0, QColor(120, 100, 74)}, {1.0, QColor(70, 58, 44)}});
    const QColor tones[] = {QColor(196, 176, 140), QColor(160, 132, 96),  QColor(120, 104, 86),
                            QColor(214, 200, 170), QColor(142, 120, 100), QColor(98, 86, 72)};
    const int count = int(bed.width() * bed.height() / (pebble * pebble) * 1.3);
    painter.setPen(Qt::NoPen);
    for (int i = 0; i < count; ++i) {
        const double x = bed.x() + random.bounded(1.0) * bed.width();
        const double y =
            bed.y() + pebble * 0.3 + random.bounded(1.0) * (bed.height() - pebble * 0.3);
        const double r = pebble * (0.35 + 0.3 * random.bounded(1.0));
        const QColor tone = tones[random.bounded(6)];
        QRadialGradient stone(QPointF(x - r * 0.3, y - r * 0.4), r * 1.2);
        stone.setColorAt(0, tone.lighter(125));
        stone.setColorAt(1, tone.darker(125));
        painter.setBrush(stone);
        painter.drawEllipse(QPointF(x, y), r * 1.15, r);
    }
}

// A ribbon leaf of eelgrass rising from `root`, swaying to `lean`.
void paintBlade(QPainter &painter, QPointF root, double height, double lean, double width,
                const QColor &colour)
{
    const QPointF tip = root + QPointF(lean, -height);
    QPainterPath blade(root + QPointF(-width / 2, 0));
    blade.cubicTo(root + QPointF(-width / 2 + lean * 0.1, -height * 0.5),
                  tip + QPointF(-lean * 0.5 - width * 0.4, height * 0.25), tip);
    blade.cubicTo(tip + QPointF(-lean * 0.5 + width * 0.4, height * 0.25),
                  root + QPointF(width / 2 + lean * 0.1, -height * 0.5),
                  root + QPointF(width / 2, 0));
    blade.closeSubpath();
    QLinearGradient shade(root, tip);
    shade.setColorAt(0, colour.darker(140));
    shade.setColorAt(1, colour.lighter(115));
    painter.fillPath(blade, shade);
}

// A sword-plant leaf: broad, pointed, with a pale midrib.
void paintSwordLeaf(QPainter &painter, QPointF root, double length, double angle, double width,
                    const QColor &colour, double lineWidth)
{
    painter.save();
    painter.translate(root);
    painter.rotate(angle);
    QPainterPath leaf(QPointF(0, 0));
    leaf.cubicTo(QPointF(-width, -length * 0.3), QPointF(-width * 0.8, -length * 0.8),
                 QPointF(0, -length));
    leaf.cubicTo(QPointF(width * 0.8, -length * 0.8), QPointF(width, -length * 0.3), QPointF(0, 0));
    QLinearGradient shade(QPointF(-width, 0), QPointF(width, 0));
    shade.setColorAt(0, colour.darker(125));
    shade.setColorAt(1, colour.lighter(120));
    painter.fillPath(leaf, shade);
    painter.setPen(QPen(colour.lighter(150), lineWidth));
    painter.drawLine(QPointF(0, -length * 0.05), QPointF(0, -length * 0.85));
    painter.restore();
}

void paintWater(QPainter &painter, const QRectF &water)
{
    QLinearGradient depth(water.topLeft(), water.bottomLeft());
    depth.setColorAt(0, QColor(120, 196, 222));
    depth.setColorAt(0.55, QColor(54, 132, 180));
    depth.setColorAt(1, QColor(30, 84, 130));
    painter.fillRect(water, depth);
    // Soft shafts of light from the lamp above.
    painter.save();
    painter.setClipRect(water);
    for (int i = 0; i < 4; ++i) {
        const double x = water.x() + water.width() * (0.12 + 0.24 * i);
        QPainterPath ray(QPointF(x, water.top()));
        ray.lineTo(QPointF(x + water.width() * 0.07, water.top()));
        ray.lineTo(QPointF(x + water.width() * 0.02, water.bottom()));
        ray.lineTo(QPointF(x - water.width() * 0.06, water.bottom()));
        ray.closeSubpath();
        QLinearGradient fade(water.topLeft(), water.bottomLeft());
        fade.setColorAt(0, QColor(255, 255, 255, 46));
        fade.setColorAt(1, QColor(255, 255, 255, 0));
        painter.fillPath(ray, fade);
    }
    painter.restore();
}

// The about box's tank, 234 x 63: a glass tank with water, gravel, plants.
QImage paintCase()
{
    const QSize size(234, 63);
    QImage big(size * kOversample, QImage::Format_RGB32);
    big.fill(QColor(26, 30, 36));
    QPainter painter(&big);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(kOversample, kOversample);

    const QRectF glass(1, 3, 232, 58);
    const QRectF water(2, 6, 230, 54);
    paintWater(painter, water);
    painter.save();
    painter.setClipRect(water);
    paintGravel(painter, QRectF(2, 52, 230, 8), 2.2, 7);
    const QColor valGreen(76, 150, 70), swordGreen(60, 130, 56), darkGreen(40, 100, 52);
    for (int i = 0; i < 9; ++i)
        paintBlade(painter, QPointF(12 + i * 3.2, 55), 30 + (i * 7) % 17, (i % 3 - 1) * 6 + 3, 2.2,
                   i % 2 ? valGreen : darkGreen);
    for (int i = 0; i < 6; ++i)
        paintSwordLeaf(painter, QPointF(196, 55), 24 + (i % 3) * 6, -60 + i * 24, 5, swordGreen,
                       0.4);
    for (int i = 0; i < 5; ++i)
        paintBlade(painter, QPointF(216 + i * 3, 56), 18 + (i * 5) % 9, (i % 2 ? 4 : -3), 1.8,
                   darkGreen);
    // A stone beside the sword plant.
    QRadialGradient stone(QPointF(168, 49), 12);
    stone.setColorAt(0, QColor(150, 146, 140));
    stone.setColorAt(1, QColor(78, 76, 74));
    painter.setPen(Qt::NoPen);
    painter.setBrush(stone);
    painter.drawEllipse(QRectF(160, 47, 22, 11));
    painter.restore();

    // Waterline, glass edges, black rim and base.
    painter.setPen(QPen(QColor(220, 244, 255, 200), 0.6));
    painter.drawLine(QPointF(2, 6.3), QPointF(232, 6.3));
    painter.setPen(QPen(QColor(210, 230, 240, 170), 1.0));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(glass);
    painter.fillRect(QRectF(0, 0, 234, 3), QColor(34, 36, 40));
    painter.fillRect(QRectF(0, 2.2, 234, 0.8), QColor(90, 94, 100));
    painter.fillRect(QRectF(0, 60.5, 234, 2.5), QColor(34, 36, 40));
    painter.end();
    return reduced(big, size);
}

bool writeTetras(const QDir &dir)
{
    const auto neon = makeNeonTetra();
    Pose pose;
    pose.px = neon->designSize().width() / 26;
    const QImage right = renderFishWithAlpha(*neon, pose, QSize(26, 11));
    return save(right, dir.filePath("Image_TetraR.png")) &
           save(right.mirrored(true, false), dir.filePath("Image_TetraL.png"));
}

// The icon: an angelfish and a neon tetra in a small glass tank, drawn on a
// 256-unit grid and scaled for each size.
QImage paintIcon(int size)
{
    const int canvas = size * kOversample;
    QImage big(canvas, canvas, QImage::Format_ARGB32_Premultiplied);
    big.fill(Qt::transparent);
    QPainter painter(&big);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    const double unit = double(canvas) / 256;
    painter.scale(unit, unit);

    const QRectF tank(14, 34, 228, 196);
    QPainterPath body;
    body.addRoundedRect(tank, 18, 18);
    painter.save();
    painter.setClipPath(body);
    paintWater(painter, tank);
    paintGravel(painter, QRectF(14, 200, 228, 30), 9, 3);
    for (int i = 0; i < 5; ++i)
        paintBlade(painter, QPointF(40 + i * 9, 210), 110 + (i * 23) % 50, (i % 3 - 1) * 16 + 8, 9,
                   i % 2 ? QColor(76, 150, 70) : QColor(40, 110, 56));
    for (int i = 0; i < 5; ++i)
        paintSwordLeaf(painter, QPointF(214, 212), 70 + (i % 2) * 20, -50 + i * 24, 14,
                       QColor(60, 136, 56), 1.6);
    painter.restore();

    // The fish, painted through the sprite pipeline at their icon size.
    const auto angel = makeAngelfish();
    Pose angelPose;
    const QSize angelSize(int(std::lround(112 * unit)), int(std::lround(132 * unit)));
    angelPose.px = angel->designSize().width() / angelSize.width();
    painter.drawImage(QRectF(96, 52, 112, 132), renderFishWithAlpha(*angel, angelPose, angelSize));
    const auto neon = makeNeonTetra();
    Pose neonPose;
    const QSize neonSize(int(std::lround(66 * unit)), int(std::lround(27 * unit)));
    neonPose.px = neon->designSize().width() / neonSize.width();
    painter.drawImage(QRectF(30, 150, 66, 27),
                      renderFishWithAlpha(*neon, neonPose, neonSize).mirrored(true, false));

    // Bubbles rising on the left.
    painter.setBrush(Qt::NoBrush);
    for (int i = 0; i < 4; ++i) {
        const QPointF centre(64 + (i % 2) * 6, 130 - i * 24);
        const double r = 5 + i * 0.8;
        painter.setPen(QPen(QColor(230, 246, 255, 220), 2.2));
        painter.drawEllipse(centre, r, r);
        painter.setPen(Qt::NoPen);
        painter.setBrush(QColor(255, 255, 255, 230));
        painter.drawEllipse(centre + QPointF(-r * 0.35, -r * 0.35), r * 0.28, r * 0.28);
        painter.setBrush(Qt::NoBrush);
    }

    // Glass: rim, a highlight and a dark lid.
    painter.setPen(QPen(QColor(200, 230, 245), 5));
    painter.drawPath(body);
    QPainterPath shine;
    shine.addRoundedRect(QRectF(24, 48, 10, 140), 5, 5);
    painter.fillPath(shine, QColor(255, 255, 255, 60));
    QPainterPath lid;
    lid.addRoundedRect(QRectF(8, 22, 240, 20), 8, 8);
    QLinearGradient lidShade(QPointF(0, 22), QPointF(0, 42));
    lidShade.setColorAt(0, QColor(78, 84, 92));
    lidShade.setColorAt(1, QColor(30, 32, 38));
    painter.fillPath(lid, lidShade);
    painter.end();
    return reduced(big, QSize(size, size));
}

} // namespace

bool writeAboutPictures(const QDir &dir)
{
    return save(paintCase(), dir.filePath("Image_Case.png")) & writeTetras(dir);
}

bool writeIcons(const QDir &dir)
{
    bool ok = true;
    for (int size : {48, 128, 256})
        ok &= save(paintIcon(size), dir.filePath(QString("finwicks-%1.png").arg(size)));
    return ok;
}

} // namespace fw::sprites
