// Where the tank's window stands: over which screen, at what size, with the
// buttons along its top edge, and what it paints of its own (the margin).
#include "aquarium/ui/frmAquarium.h"

#include "platform/ui/ScreenMirrors.h"
#include "platform/ui/SurfaceView.h"

#include <QBackingStore>
#include <QGuiApplication>
#include <QLabel>
#include <QPaintEvent>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QTimer>
#include <QWindow>

namespace fw {

namespace {

// If no focus arrives (a window manager that keeps it), the scene is prepared
// anyway after this long, so the aquarium never stays blank.
constexpr int FocusFallbackDelay = 500;

} // namespace

void frmAquarium::layOutButtons()
{
    const int width = m_screen.width();
    m_commandExit->move(width - m_commandExit->width(), 0);
    m_commandConfig->move(width - m_commandExit->width() - m_commandConfig->width(), 0);
    m_commandFood->move(m_commandConfig->x() - m_commandFood->width(), 0);
    m_commandAir->move(m_commandFood->x() - m_commandAir->width(), 0);
}

void frmAquarium::showOverScreen()
{
    placeOverScreen(QGuiApplication::primaryScreen());
    setWindowState(windowState() | Qt::WindowFullScreen);
    show();
    m_mirrors->start([this](InputView *view) { connectInput(view); });
    // A primary monitor unplugged or changed: the tank moves to the new one
    // (its mirror there gives way).
    connect(qGuiApp, &QGuiApplication::primaryScreenChanged, this, &frmAquarium::followScreen);
    raise();
    activateWindow();
    m_pictureScreen->setFocus(Qt::ActiveWindowFocusReason);
    takeKeyboard();
    QTimer::singleShot(FocusFallbackDelay, this, [this] {
        if (m_model.firstFocusPending)
            PictureScreen_GotFocus();
    });
}

void frmAquarium::followScreen(QScreen *screen)
{
    if (!screen)
        return;
    placeOverScreen(screen);
    resizeToScreen(screen->geometry().size());
}

void frmAquarium::placeOverScreen(QScreen *screen)
{
    // Placed by hand, since without a window manager nobody else would; a
    // window manager (or Wayland compositor) learns from the full-screen
    // state on that screen to keep panels below.
    winId();
    if (screen)
        windowHandle()->setScreen(screen);
    const QPoint origin = screen ? screen->geometry().topLeft() : QPoint(0, 0);
    setGeometry(QRect(origin, m_screen));
    // Monitors rearranged: the screen moves or changes size under us.
    disconnect(m_screenGeometry);
    if (screen)
        m_screenGeometry = connect(screen, &QScreen::geometryChanged, this,
                                   [this, screen] { followScreen(screen); });
}

void frmAquarium::resizeToScreen(QSize screen)
{
    if (screen.isEmpty() || screen == m_screen)
        return;
    m_screen = screen;
    resize(screen);
    m_pictureScreen->setGeometry(0, 0, screen.width(), screen.height());
    m_pictureScreenMask->setGeometry(0, 0, screen.width(), screen.height());
    layOutButtons();
    PictureScreen_GotFocus();
}

void frmAquarium::releaseCoverPixels()
{
    // The cover is the one thing drawn over the whole window through Qt's
    // backing store; with the surface a window of its own, nothing else needs
    // that screen-sized buffer. It is given back, and Qt makes a new one as
    // soon as it paints again, touched only where the buttons are.
    QBackingStore *store = backingStore();
    if (!m_pictureScreen->paintsOnScreen() || !store || store->size().width() <= 1)
        return;
    store->resize(QSize(1, 1));
    update();
}

void frmAquarium::paintEvent(QPaintEvent *event)
{
    // Under the surface it paints itself; only the margin is ours.
    const QRegion margin = event->region() - m_pictureScreen->geometry();
    if (margin.isEmpty())
        return;
    QPainter painter(this);
    for (const QRect &rect : margin)
        painter.fillRect(rect, palette().window());
}

} // namespace fw
