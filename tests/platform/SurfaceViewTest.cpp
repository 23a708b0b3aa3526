#include "platform/ui/SurfaceView.h"
#include "platform/Screen.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QScreen>

#include <gtest/gtest.h>

using namespace fw;

TEST(SurfaceView, TheSurfaceFollowsTheWidgetSize)
{
    SurfaceView view;
    view.resize(120, 80);
    EXPECT_EQ(view.surface().size(), QSize(120, 80));
    view.setGeometry(10, 20, 64, 48); // moved and resized inside a parent
    EXPECT_EQ(view.surface().size(), QSize(64, 48));
}

TEST(SurfaceView, ShowsTheSurfaceAndPresentForgetsTheChanges)
{
    SurfaceView view;
    view.resize(40, 30);
    Surface &surface = view.surface();
    surface.setBackColor(0x0000ff);
    surface.cls();
    surface.setBackColor(0x00ff00);
    surface.fill(5, 5, 10, 10);
    EXPECT_FALSE(surface.dirty().isEmpty());
    view.present();
    EXPECT_TRUE(surface.dirty().isEmpty());
    const QImage shown = view.grab().toImage();
    EXPECT_EQ(shown.pixel(0, 0), qRgb(255, 0, 0));
    EXPECT_EQ(shown.pixel(7, 7), qRgb(0, 255, 0));
}

TEST(SurfaceView, PassesMouseKeyAndFocusOnInSurfaceUnits)
{
    SurfaceView view;
    view.resize(100, 100);
    QStringList events;
    QObject::connect(&view, &SurfaceView::mouseDown,
                     [&](Qt::MouseButton b, Qt::KeyboardModifiers, int x, int y) {
                         events << QString("down %1 %2 %3").arg(int(b)).arg(x).arg(y);
                     });
    QObject::connect(&view, &SurfaceView::mouseMove,
                     [&](Qt::MouseButtons b, Qt::KeyboardModifiers, int x, int y) {
                         events << QString("move %1 %2 %3").arg(int(b)).arg(x).arg(y);
                     });
    QObject::connect(&view, &SurfaceView::mouseUp,
                     [&](Qt::MouseButton b, Qt::KeyboardModifiers, int x, int y) {
                         events << QString("up %1 %2 %3").arg(int(b)).arg(x).arg(y);
                     });
    QObject::connect(&view, &SurfaceView::keyDown,
                     [&](int key, Qt::KeyboardModifiers) { events << QString("key %1").arg(key); });

    QMouseEvent press(QEvent::MouseButtonPress, QPointF(12, 34), view.mapToGlobal(QPointF(12, 34)),
                      Qt::RightButton, Qt::RightButton, Qt::NoModifier);
    QApplication::sendEvent(&view, &press);
    QMouseEvent move(QEvent::MouseMove, QPointF(13, 35), view.mapToGlobal(QPointF(13, 35)),
                     Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&view, &move);
    QMouseEvent release(QEvent::MouseButtonRelease, QPointF(14, 36),
                        view.mapToGlobal(QPointF(14, 36)), Qt::LeftButton, Qt::NoButton,
                        Qt::NoModifier);
    QApplication::sendEvent(&view, &release);
    QKeyEvent key(QEvent::KeyPress, Qt::Key_A, Qt::NoModifier, "a");
    QApplication::sendEvent(&view, &key);
    QObject::connect(&view, &SurfaceView::gotFocus, [&](Qt::FocusReason reason) {
        events << QString("focus %1").arg(int(reason));
    });
    QFocusEvent focus(QEvent::FocusIn, Qt::ActiveWindowFocusReason);
    QApplication::sendEvent(&view, &focus);

    const QStringList expected{"down 2 12 34", "move 1 13 35", "up 1 14 36",
                               QString("key %1").arg(int(Qt::Key_A)),
                               QString("focus %1").arg(int(Qt::ActiveWindowFocusReason))};
    EXPECT_EQ(events, expected);
}

TEST(SurfaceView, PointerShapes)
{
    SurfaceView view;
    view.setMousePointer(MousePointer::CrossHair);
    EXPECT_EQ(view.cursor().shape(), Qt::CrossCursor);
    view.setMousePointer(MousePointer::UpArrow);
    EXPECT_EQ(view.cursor().shape(), Qt::UpArrowCursor);
    view.setMousePointer(MousePointer::Default);
    EXPECT_EQ(view.cursor().shape(), Qt::ArrowCursor);
}

TEST(Screen, SizeInPixelsAndTwips)
{
    const QSize pixels = primaryScreenSize();
    EXPECT_GT(pixels.width(), 0);
    EXPECT_EQ(primaryScreenSizeInTwips(), QSizeF(pixels.width() * 15.0, pixels.height() * 15.0));
    EXPECT_EQ(twipsToPixels(8130), 542);
}

namespace {

// What the window's backing store holds, i.e. what the screen shows.
QImage grabbed(QWidget &window)
{
    return window.screen()
        ->grabWindow(window.winId())
        .toImage()
        .convertToFormat(QImage::Format_RGB32);
}

// The same once Qt has done the repaints it was asked for (they wait for the
// window's next update request, a timer of a frame or so).
QImage shownInWindow(QWidget &window)
{
    QElapsedTimer elapsed;
    elapsed.start();
    while (elapsed.elapsed() < 60)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    return grabbed(window);
}

} // namespace

TEST(SurfaceView, PresentsIntoTheWindowWithoutPaintingOverWidgetsAbove)
{
    QWidget window;
    window.resize(100, 60);
    auto *view = new SurfaceView(&window);
    view->setGeometry(10, 5, 80, 50); // a centred picture
    auto *button = new QWidget(&window);
    button->setAutoFillBackground(true);
    QPalette palette = button->palette();
    palette.setColor(QPalette::Window, QColor(0, 0, 255));
    button->setPalette(palette);
    button->setGeometry(50, 20, 20, 10);
    button->hide();
    window.show();
    QCoreApplication::processEvents();

    Surface &surface = view->surface();
    surface.setBackColor(0x00ff00);
    surface.cls();
    view->present();
    QImage shown = grabbed(window); // at once: nothing is left for Qt to do
    ASSERT_FALSE(shown.isNull());
    EXPECT_EQ(shown.pixel(10, 5), qRgb(0, 255, 0));
    EXPECT_EQ(shown.pixel(89, 54), qRgb(0, 255, 0));
    EXPECT_TRUE(surface.dirty().isEmpty());

    // With the button shown over the surface, a frame under it leaves it on top.
    button->show();
    ASSERT_EQ(shownInWindow(window).pixel(55, 25), qRgb(0, 0, 255));
    surface.setBackColor(0x0000ff);
    surface.cls();
    view->present();
    EXPECT_EQ(grabbed(window).pixel(55, 25), qRgb(0, 0, 255)); // never painted over
    shown = shownInWindow(window);
    EXPECT_EQ(shown.pixel(55, 25), qRgb(0, 0, 255)); // the button
    EXPECT_EQ(shown.pixel(15, 10), qRgb(255, 0, 0)); // the new frame
    EXPECT_EQ(shown.pixel(40 + 10, 5), qRgb(255, 0, 0));

    // Changes on either side of the button, none under it, still go straight
    // to the window, though together they span it.
    surface.setBackColor(0xffffff);
    surface.fill(0, 0, 5, 5);
    surface.fill(75, 45, 5, 5);
    view->present();
    shown = grabbed(window);
    EXPECT_EQ(shown.pixel(10, 5), qRgb(255, 255, 255));
    EXPECT_EQ(shown.pixel(89, 54), qRgb(255, 255, 255));
    EXPECT_EQ(shown.pixel(55, 25), qRgb(0, 0, 255));
}

TEST(SurfaceView, PresentsEveryChangedRectangleOfABusyFrameAndNothingElse)
{
    QWidget window;
    window.resize(200, 120);
    auto *view = new SurfaceView(&window);
    view->setGeometry(4, 3, 190, 110);
    window.show();
    QCoreApplication::processEvents();

    Surface &surface = view->surface();
    surface.setBackColor(0x000000);
    surface.cls();
    view->present();

    // A frame's worth of scattered, partly overlapping and edge-clipped
    // rectangles, more than fit unmerged, drawn while the old frame stays on
    // screen elsewhere.
    QImage expected = grabbed(window);
    ASSERT_FALSE(expected.isNull());
    surface.setBackColor(0x0000ff);
    surface.fill(0, 0, 190, 110);
    surface.clearDirty();
    std::uint32_t seed = 7;
    auto next = [&seed](int n) {
        seed = seed * 1103515245u + 12345u;
        return int((seed >> 8) % std::uint32_t(n));
    };
    QRegion changed;
    for (int i = 0; i < 300; ++i) {
        const QRect rect(next(200) - 5, next(120) - 5, 1 + next(12), 1 + next(9));
        const int colour = 0x010101 * (1 + i % 200);
        surface.setBackColor(colour);
        surface.fill(rect.x(), rect.y(), rect.width(), rect.height());
        changed += rect & QRect(0, 0, 190, 110);
    }
    const QImage frame = surface.image().convertToFormat(QImage::Format_RGB32);
    view->present();
    const QImage shown = grabbed(window);
    ASSERT_EQ(shown.size(), expected.size());
    for (int y = 0; y < 110; ++y) {
        for (int x = 0; x < 190; ++x) {
            const QRgb want =
                changed.contains(QPoint(x, y)) ? frame.pixel(x, y) : expected.pixel(x + 4, y + 3);
            // Merging may repaint a little beyond what changed, but only with
            // the new frame's pixels; the old frame shows nowhere inside.
            const QRgb got = shown.pixel(x + 4, y + 3);
            if (got != want) {
                ASSERT_EQ(got, frame.pixel(x, y)) << x << "," << y;
            }
        }
    }
}
