// finwicks-surface-demo [--window] [--seconds N] [--frames N]
//
// Shows 28 masked sprites moving over a plain background at 20 frames a
// second, drawn on a Surface and shown either by SurfaceView (default) or by
// a plain QWindow with a QBackingStore (--window). With --frames it runs that
// many frames headless and prints the time and heap allocations per frame.
// To tell costs apart: DEMO_NO_DRAW=1 skips the drawing, DEMO_NO_PRESENT=1
// the showing (widget path), DEMO_INTERVAL=ms changes the frame interval.

#include "AllocationCounter.h"
#include "platform/Screen.h"
#include "platform/Surface.h"
#include "platform/ui/IntervalTimer.h"
#include "platform/ui/SurfaceView.h"

#include <QApplication>
#include <QBackingStore>
#include <QDateTime>
#include <QElapsedTimer>
#include <QPainter>
#include <QRegion>
#include <QTimer>
#include <QWindow>

#include <array>
#include <cstdio>

namespace {

struct Sprite
{
    int x, y, dx, dy;
};

constexpr int SpriteWidth = 42;
constexpr int SpriteHeight = 17;

// A spindle-shaped fish: the image black around it, the mask black on it.
void makeSprite(QImage &image, QImage &mask)
{
    image = QImage(SpriteWidth, SpriteHeight, QImage::Format_RGB32);
    mask = QImage(SpriteWidth, SpriteHeight, QImage::Format_RGB32);
    for (int y = 0; y < SpriteHeight; ++y) {
        for (int x = 0; x < SpriteWidth; ++x) {
            const double u = (x - SpriteWidth / 2.0) / (SpriteWidth / 2.0);
            const double v = (y - SpriteHeight / 2.0) / (SpriteHeight / 2.0);
            const bool inside = u * u + v * v < 1.0;
            image.setPixel(x, y, inside ? qRgb(40 + 4 * x, 90, 220 - 8 * y) : qRgb(0, 0, 0));
            mask.setPixel(x, y, inside ? qRgb(0, 0, 0) : qRgb(255, 255, 255));
        }
    }
}

class Animation
{
public:
    explicit Animation(fw::Surface &surface) : m_surface(surface)
    {
        makeSprite(m_image, m_mask);
        for (int i = 0; i < int(m_sprites.size()); ++i)
            m_sprites[i] = {37 * i % 1800, 29 * i % 1000, 1 + i % 3, (i % 5) - 2};
        m_surface.setBackColor(0x804000);
        m_surface.setForeColor(0xffffff);
        m_surface.cls();
        m_clock = QStringLiteral("2026/12/08 12:00:00");
    }

    void frame()
    {
        const int w = m_surface.width();
        const int h = m_surface.height();
        for (Sprite &s : m_sprites)
            m_surface.fill(s.x, s.y, SpriteWidth, SpriteHeight);
        m_surface.fill(0, h - 30, int(m_surface.textWidth(m_clock)) + 8, 30);
        for (Sprite &s : m_sprites) {
            if (s.x + s.dx < 0 || s.x + s.dx + SpriteWidth > w)
                s.dx = -s.dx;
            if (s.y + s.dy < 0 || s.y + s.dy + SpriteHeight > h)
                s.dy = -s.dy;
            s.x += s.dx;
            s.y += s.dy;
            m_surface.bitBlt(s.x, s.y, SpriteWidth, SpriteHeight, m_mask, 0, 0,
                             fw::RasterOp::SrcAnd);
            m_surface.bitBlt(s.x, s.y, SpriteWidth, SpriteHeight, m_image, 0, 0,
                             fw::RasterOp::SrcPaint);
        }
        m_surface.currentX = 0;
        m_surface.currentY = h - m_surface.textHeight(m_clock);
        m_surface.print(m_clock);
    }

private:
    fw::Surface &m_surface;
    QImage m_image;
    QImage m_mask;
    std::array<Sprite, 28> m_sprites{};
    QString m_clock;
};

// The other way to show frames: a plain window with its own backing store.
class BackingStoreWindow : public QWindow
{
public:
    explicit BackingStoreWindow(fw::Surface &surface) : m_surface(surface), m_store(this) {}

    void present()
    {
        if (!isExposed() || m_surface.dirty().isEmpty())
            return;
        const fw::DirtyRegion &dirty = m_surface.dirty();
        QRegion region;
        for (int i = 0; i < dirty.count(); ++i)
            region += dirty.at(i);
        paint(region);
        m_surface.clearDirty();
    }

protected:
    void exposeEvent(QExposeEvent *) override
    {
        if (isExposed()) {
            m_store.resize(size());
            paint(QRect(QPoint(0, 0), size()));
        }
    }

private:
    void paint(const QRegion &region)
    {
        m_store.beginPaint(region);
        QPainter painter(m_store.paintDevice());
        painter.setCompositionMode(QPainter::CompositionMode_Source);
        for (const QRect &rect : region)
            painter.drawImage(rect.topLeft(), m_surface.image(), rect);
        painter.end();
        m_store.endPaint();
        m_store.flush(region);
    }

    fw::Surface &m_surface;
    QBackingStore m_store;
};

int countAllocations(int frames)
{
    fw::Surface surface(QSize(1920, 1080));
    Animation animation(surface);
    for (int i = 0; i < 5; ++i)
        animation.frame(); // warm the text layouts
    QElapsedTimer elapsed;
    elapsed.start();
    const std::uint64_t count = fw::allocationsDuring([&] {
        for (int i = 0; i < frames; ++i) {
            animation.frame();
            surface.clearDirty();
        }
    });
    const double micros = elapsed.nsecsElapsed() / 1000.0 / frames;
    std::printf("%d frames, %.1f us and %.3f allocations per frame\n", frames, micros,
                double(count) / frames);
    return 0;
}

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    const QStringList args = app.arguments();
    const auto valueAfter = [&](const QString &flag, int fallback) {
        const qsizetype at = args.indexOf(flag);
        return at >= 0 && at + 1 < args.size() ? args[at + 1].toInt() : fallback;
    };
    if (args.contains(QStringLiteral("--frames")))
        return countAllocations(std::max(1, valueAfter(QStringLiteral("--frames"), 100)));

    const QSize screen = fw::primaryScreenSize();
    const int seconds = valueAfter(QStringLiteral("--seconds"), 0);
    if (seconds > 0)
        QTimer::singleShot(seconds * 1000, &app, &QApplication::quit);

    fw::IntervalTimer timer;
    timer.setInterval(qEnvironmentVariableIntValue("DEMO_INTERVAL") > 0
                          ? qEnvironmentVariableIntValue("DEMO_INTERVAL")
                          : 50);
    if (args.contains(QStringLiteral("--window"))) {
        fw::Surface surface(screen);
        Animation animation(surface);
        BackingStoreWindow window(surface);
        window.setFlags(Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint);
        window.setGeometry(QRect(QPoint(0, 0), screen));
        window.show();
        QObject::connect(&timer, &fw::IntervalTimer::tick, [&] {
            animation.frame();
            window.present();
        });
        return app.exec();
    }
    fw::SurfaceView view;
    view.setWindowFlags(Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint);
    view.setGeometry(QRect(QPoint(0, 0), screen));
    Animation animation(view.surface());
    view.show();
    const bool noPresent = qEnvironmentVariableIsSet("DEMO_NO_PRESENT");
    const bool noDraw = qEnvironmentVariableIsSet("DEMO_NO_DRAW");
    QObject::connect(&timer, &fw::IntervalTimer::tick, [&] {
        if (!noDraw)
            animation.frame();
        if (!noPresent)
            view.present();
    });
    return app.exec();
}
