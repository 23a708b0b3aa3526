#include "platform/DeviceMapping.h"
#include "platform/ui/MirrorView.h"
#include "platform/ui/SurfaceView.h"

#include <QApplication>
#include <QBackingStore>
#include <QGuiApplication>
#include <QMouseEvent>
#include <QScreen>
#include <QWindow>

#include <gtest/gtest.h>

using namespace fw;

namespace {

// These tests are about ratios other than 1: run by hand without --scale
// (which ctest passes), they run at 2 rather than fail at 1.
[[maybe_unused]] const bool scaledByDefault = [] {
    if (qEnvironmentVariableIsEmpty("QT_SCALE_FACTOR"))
        qputenv("QT_SCALE_FACTOR", "2");
    return true;
}();

qreal screenRatio()
{
    return QGuiApplication::primaryScreen()->devicePixelRatio();
}

// A surface with a few sharp features: a blue ground, a green block, one
// red pixel.
void drawFeatures(Surface &surface)
{
    surface.setBackColor(0xff0000);
    surface.cls();
    surface.setBackColor(0x00ff00);
    surface.fill(5, 4, 7, 3);
    surface.setBackColor(0x0000ff);
    surface.fill(20, 10, 1, 1);
}

// The device pixels the mapping makes of the surface's image.
QImage expectedPixels(const DeviceMapping &mapping, const QImage &source)
{
    QImage out(mapping.deviceRect().size(), QImage::Format_RGB32);
    mapping.render(source, mapping.deviceRect(), reinterpret_cast<std::uint32_t *>(out.bits()),
                   out.bytesPerLine(), mapping.deviceRect().topLeft());
    return out;
}

int differingPixels(const QImage &a, const QImage &b)
{
    if (a.size() != b.size())
        return -1;
    int count = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
            count += (a.pixel(x, y) & 0xffffffu) != (b.pixel(x, y) & 0xffffffu);
    return count;
}

bool waitExposed(QWidget &widget)
{
    for (int i = 0; i < 200; ++i) {
        if (widget.windowHandle() && widget.windowHandle()->isExposed())
            return true;
        QApplication::processEvents(QEventLoop::AllEvents, 10);
    }
    return false;
}

} // namespace

TEST(ScaledPresentation, TheSurfaceKeepsLogicalPixelsAndIsShownInDevicePixels)
{
    ASSERT_GT(screenRatio(), 1.0);
    SurfaceView view;
    view.resize(40, 24);
    drawFeatures(view.surface());
    EXPECT_EQ(view.surface().size(), QSize(40, 24));
    const DeviceMapping &mapping = view.mapping();
    EXPECT_EQ(mapping.deviceRect().size(),
              QSize(qRound(40 * screenRatio()), qRound(24 * screenRatio())));

    // Painted for Qt (exposes, grabs) ...
    QImage grabbed = view.grab().toImage().convertToFormat(QImage::Format_RGB32);
    EXPECT_EQ(differingPixels(grabbed, expectedPixels(mapping, view.surface().image())), 0);

    // ... and sent straight into the window's backing store, frame by frame.
    view.show();
    ASSERT_TRUE(waitExposed(view));
    view.present();
    view.surface().setBackColor(0xffffff);
    view.surface().fill(30, 2, 3, 3);
    view.present();
    auto *store = static_cast<QImage *>(view.backingStore()->paintDevice());
    ASSERT_NE(store, nullptr);
    const QImage shown = store->copy(mapping.deviceRect()).convertToFormat(QImage::Format_RGB32);
    EXPECT_EQ(differingPixels(shown, expectedPixels(mapping, view.surface().image())), 0);
}

TEST(ScaledPresentation, MousePositionsArriveAsThePixelUnderThePointer)
{
    SurfaceView view;
    view.resize(100, 100);
    QPoint seen;
    QObject::connect(
        &view, &SurfaceView::mouseMove,
        [&](Qt::MouseButtons, Qt::KeyboardModifiers, int x, int y) { seen = QPoint(x, y); });
    // Device pixel (31, 87) at ratio 1.25 lies at 24.8, 69.6: inside logical
    // pixel (24, 69), which rounding would miss.
    QMouseEvent move(QEvent::MouseMove, QPointF(24.8, 69.6), view.mapToGlobal(QPointF(24.8, 69.6)),
                     Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(&view, &move);
    EXPECT_EQ(seen, QPoint(24, 69));
}

TEST(ScaledPresentation, AMirrorShowsTheSceneFittedWithBlackAroundIt)
{
    SurfaceView source;
    source.resize(40, 24);
    drawFeatures(source.surface());

    // A scene of 48 x 24 with the surface at (8, 0); the mirror is wider.
    MirrorView mirror(QGuiApplication::primaryScreen());
    mirror.resize(120, 40);
    mirror.setScene(QSize(48, 24), QRect(8, 0, 40, 24));
    mirror.present(source.surface().image(), source.surface().dirty());
    const QImage shown = mirror.grab().toImage().convertToFormat(QImage::Format_RGB32);
    const qreal ratio = screenRatio();
    ASSERT_EQ(shown.size(), QSize(qRound(120 * ratio), qRound(40 * ratio)));

    // The scene is 80 x 40 logical pixels, centred: 20 black at either side,
    // then the scene's own margin of 8 scene pixels (13.3 logical).
    const auto at = [&](double x, double y) {
        return QColor(shown.pixel(int(x * ratio), int(y * ratio))).rgb() & 0xffffffu;
    };
    EXPECT_EQ(at(5, 20), 0u);
    EXPECT_EQ(at(115, 20), 0u);
    EXPECT_EQ(at(28, 20), 0u);
    EXPECT_EQ(at(40, 2), 0x0000ffu);                                       // the surface's ground
    EXPECT_EQ(at(20 + (8 + 8.5) * 80.0 / 48, 5.5 * 40.0 / 24), 0x00ff00u); // the green block

    // Positions come back in the surface's coordinates, margins included.
    EXPECT_EQ(mirror.toSurface(QPointF(20 + 8 * 80.0 / 48 + 0.1, 0.1)), QPoint(0, 0));
    EXPECT_EQ(mirror.toSurface(QPointF(100 - 0.1, 39.9)), QPoint(39, 23));
    EXPECT_LT(mirror.toSurface(QPointF(2, 2)).x(), 0);
}
