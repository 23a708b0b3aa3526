#include "platform/ui/MirrorView.h"

#include "platform/ui/ImagePresenter.h"

#include <QPaintEvent>
#include <QPainter>
#include <QScreen>
#include <QWindow>

namespace fw {

MirrorView::MirrorView(QScreen *screen)
    : InputView(nullptr, Qt::Window | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint),
      m_screen(screen), m_presenter(std::make_unique<ImagePresenter>(this))
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAttribute(Qt::WA_NoSystemBackground);
    setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);
    setWindowTitle(QStringLiteral("finwicks"));
    // On X11 the window is filled straight from the frames, with no
    // screen-sized backing store of Qt's behind it.
    if (m_presenter->canPaintOnScreen())
        setAttribute(Qt::WA_PaintOnScreen);
    // Monitors rearranged: follow the screen where it went.
    connect(screen, &QScreen::geometryChanged, this, [this] {
        if (isVisible())
            setGeometry(m_screen->geometry());
    });
}

MirrorView::~MirrorView() = default;

void MirrorView::showOverScreen()
{
    // Placed by hand, since without a window manager nobody else would.
    winId();
    windowHandle()->setScreen(m_screen);
    setGeometry(m_screen->geometry());
    setWindowState(windowState() | Qt::WindowFullScreen);
    show();
    raise();
}

void MirrorView::setScene(QSize scene, const QRect &place)
{
    if (scene == m_scene && place == m_place)
        return;
    m_scene = scene;
    m_place = place;
    updateMapping();
}

void MirrorView::updateMapping()
{
    m_deviceSize = ImagePresenter::deviceSize(this);
    const QRect device(QPoint(0, 0), m_deviceSize);
    const QRect sceneDevice = fitInside(m_scene, device);
    m_sceneMapping = DeviceMapping(m_scene, sceneDevice);
    // The image's corners go where the scene's mapping puts those pixels.
    const QRect from = m_sceneMapping.toDevice(QRect(m_place.topLeft(), QSize(1, 1)));
    const QRect to = m_sceneMapping.toDevice(QRect(m_place.bottomRight(), QSize(1, 1)));
    m_mapping = DeviceMapping(m_place.size(), QRect(from.topLeft(), to.bottomRight()));
    update();
}

void MirrorView::present(const QImage &image, const DirtyRegion &dirty)
{
    if (ImagePresenter::deviceSize(this) != m_deviceSize)
        updateMapping();
    if (m_image != &image) {
        m_image = &image;
        update();
        return;
    }
    if (m_mapping.logicalSize() == image.size())
        m_presenter->present(image, m_mapping, dirty);
}

QPoint MirrorView::toSurface(QPointF position) const
{
    return pixelAt(m_sceneMapping.toLogical(position * devicePixelRatio())) - m_place.topLeft();
}

QPaintEngine *MirrorView::paintEngine() const
{
    return testAttribute(Qt::WA_PaintOnScreen) ? nullptr : InputView::paintEngine();
}

void MirrorView::paintEvent(QPaintEvent *event)
{
    if (testAttribute(Qt::WA_PaintOnScreen)) {
        static const QImage nothing;
        const bool shown = m_image && m_image->size() == m_mapping.logicalSize();
        // Without an image yet, an empty mapping leaves all of it black.
        if (m_presenter->paintOnScreen(event->region(), shown ? *m_image : nothing,
                                       shown ? m_mapping : DeviceMapping()))
            return;
        setAttribute(Qt::WA_PaintOnScreen, false);
        update();
        return;
    }
    QPainter painter(this);
    if (!m_image || m_image->size() != m_mapping.logicalSize()) {
        painter.fillRect(event->rect(), Qt::black);
        return;
    }
    m_presenter->paint(painter, event->region(), *m_image, m_mapping, Qt::black);
}

void MirrorView::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    updateMapping();
}

} // namespace fw
