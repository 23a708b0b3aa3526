#include "platform/ui/ImagePresenter.h"

#include "platform/ui/X11Presenter.h"

#include <QBackingStore>
#include <QEvent>
#include <QPainter>
#include <QWidget>
#include <QWindow>

#include <cmath>
#include <vector>

namespace fw {

namespace {

bool takesPixelsAsTheyAre(const QImage &image)
{
    return image.format() == QImage::Format_RGB32 ||
           image.format() == QImage::Format_ARGB32_Premultiplied;
}

// `rect` times `factor`, rounded outward to whole pixels.
QRect scaledOutward(const QRect &rect, qreal factor)
{
    if (factor == 1.0)
        return rect;
    const int left = int(std::floor(rect.left() * factor));
    const int top = int(std::floor(rect.top() * factor));
    const int right = int(std::ceil((rect.right() + 1) * factor));
    const int bottom = int(std::ceil((rect.bottom() + 1) * factor));
    return QRect(QPoint(left, top), QPoint(right - 1, bottom - 1));
}

QPoint scaled(QPoint point, qreal factor)
{
    return QPoint(qRound(point.x() * factor), qRound(point.y() * factor));
}

} // namespace

ImagePresenter::ImagePresenter(QWidget *view)
    : m_view(view), m_x11(std::make_unique<X11Presenter>())
{}

PixelStorage *ImagePresenter::pixelStorage()
{
    return m_x11->available() ? m_x11.get() : nullptr;
}

bool ImagePresenter::canPaintOnScreen() const
{
    // Asked before the widget becomes a window of its own, which it cannot
    // stop being: a server that refuses our segments is found out here.
    return m_x11->available() && m_x11->defaultVisualUsable() && m_x11->sharesMemory();
}

bool ImagePresenter::paintOnScreen(const QRegion &region, const QImage &image,
                                   const DeviceMapping &mapping)
{
    m_count = 0;
    const qreal factor = ratio();
    for (const QRect &rect : region) {
        if (m_count == DirtyRegion::Slots)
            break;
        const QRect device = scaledOutward(rect, factor) & mapping.deviceRect();
        if (!device.isEmpty())
            m_deviceRects[m_count++] = device;
    }
    if (m_count == DirtyRegion::Slots) {
        // An expose in more pieces than a frame has: shown whole instead.
        m_deviceRects[0] = scaledOutward(region.boundingRect(), factor) & mapping.deviceRect();
        m_count = 1;
    }
    // What the image does not cover is black.
    QRegion margins;
    for (const QRect &rect : region)
        margins += scaledOutward(rect, factor);
    margins -= mapping.deviceRect();
    if (!margins.isEmpty()) {
        const std::vector<QRect> rects(margins.begin(), margins.end());
        if (!m_x11->fillBlack(std::uint32_t(m_view->winId()), rects.data(), int(rects.size())))
            return false;
    }
    return m_count == 0 || presentToOwnWindow(image, mapping);
}

bool ImagePresenter::presentToOwnWindow(const QImage &image, const DeviceMapping &mapping)
{
    // The window system clips what is sent to what shows of our window, so
    // nothing lying over it needs looking at.
    const QRect clip(QPoint(0, 0), deviceSize(m_view));
    return m_x11->present(image, mapping, m_deviceRects.data(), m_count,
                          std::uint32_t(m_view->winId()), QPoint(0, 0), clip);
}

ImagePresenter::~ImagePresenter() = default;

QSize ImagePresenter::deviceSize(const QWidget *view)
{
    const qreal ratio = view->devicePixelRatio();
    return QSize(qRound(view->width() * ratio), qRound(view->height() * ratio));
}

qreal ImagePresenter::ratio() const
{
    return m_view->devicePixelRatio();
}

QPoint ImagePresenter::windowOffset() const
{
    return scaled(m_view->mapTo(m_view->window(), QPoint(0, 0)), ratio());
}

QRect ImagePresenter::toLogical(const QRect &device) const
{
    return scaledOutward(device, 1 / ratio());
}

void ImagePresenter::present(const QImage &image, const DeviceMapping &mapping,
                             const DirtyRegion &dirty)
{
    m_lastImage = &image;
    m_lastMapping = &mapping;
    m_count = 0;
    for (int i = 0; i < dirty.count(); ++i) {
        const QRect device = mapping.toDevice(dirty.at(i));
        if (device.isEmpty())
            continue;
        m_deviceRects[m_count] = device;
        m_logicalRects[m_count] = toLogical(device);
        ++m_count;
    }
    if (m_count == 0 || presentDirectly(image, mapping))
        return;
    for (int i = 0; i < m_count; ++i)
        m_view->update(m_logicalRects[i]);
}

bool ImagePresenter::presentDirectly(const QImage &image, const DeviceMapping &mapping)
{
    // Qt's own repaint of a widget costs several times what copying a few
    // sprite-sized rectangles does, so while nothing lies over the widget the
    // changed rectangles go straight to the window.
    QWidget *top = m_view->window();
    QWindow *handle = top->windowHandle();
    if (!m_view->isVisible() || !handle || !handle->isExposed() || !m_view->updatesEnabled())
        return false;
    if (m_view->testAttribute(Qt::WA_PaintOnScreen))
        return presentToOwnWindow(image, mapping);
    // A window of its own that Qt paints after all: Qt's repaint flushes to
    // it, while the top level's pixels lie hidden underneath.
    if (m_view->internalWinId() && !m_view->isWindow())
        return false;
    if (!top->backingStore())
        return false;
    // Each rectangle on its own: buttons in a corner do not send a frame of
    // fish elsewhere through Qt's repaint.
    for (int i = 0; i < m_count; ++i) {
        if (isCovered(m_logicalRects[i]))
            return false;
    }
    return presentToX11(image, mapping, handle) || presentToBackingStore(image, mapping, handle);
}

bool ImagePresenter::presentToX11(const QImage &image, const DeviceMapping &mapping,
                                  QWindow *handle)
{
    // The X server reads the rectangles from shared memory straight into the
    // window: no copy into Qt's backing store, no Qt flush.
    // Qt paints the top level through its own connection as well, so frames
    // sent over another could overtake its older pixels.
    QWidget *top = m_view->window();
    if (!m_x11->available() || m_x11->usesOwnConnection() ||
        (!m_view->isWindow() && m_view->nativeParentWidget() != top))
        return false;
    if (m_watchedWindow != handle) {
        if (m_watchedWindow)
            m_watchedWindow->removeEventFilter(this);
        m_watchedWindow = handle;
        handle->installEventFilter(this);
    }
    if (!m_x11->present(image, mapping, m_deviceRects.data(), m_count, std::uint32_t(top->winId()),
                        windowOffset(), visibleArea()))
        return false;
    m_backingStale = true;
    return true;
}

bool ImagePresenter::presentToBackingStore(const QImage &image, const DeviceMapping &mapping,
                                           QWindow *handle)
{
    QBackingStore *store = m_view->window()->backingStore();
    buildRegion();
    store->beginPaint(m_region);
    QPaintDevice *device = store->paintDevice();
    if (!device) {
        store->endPaint();
        return false;
    }
    renderInto(device, image, mapping, m_deviceRects.data(), m_count);
    store->endPaint();
    store->flush(m_region, handle);
    return true;
}

QRect ImagePresenter::visibleArea() const
{
    // Our rectangle cut by every parent's, in the window's device pixels.
    const QPoint offset = m_view->mapTo(m_view->window(), QPoint(0, 0));
    QRect area = m_view->rect().translated(offset);
    QPoint origin = offset;
    for (const QWidget *widget = m_view; !widget->isWindow(); widget = widget->parentWidget()) {
        origin -= widget->pos();
        area &= widget->parentWidget()->rect().translated(origin);
    }
    const qreal factor = ratio();
    return QRect(scaled(area.topLeft(), factor),
                 scaled(area.bottomRight() + QPoint(1, 1), factor) - QPoint(1, 1));
}

bool ImagePresenter::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_watchedWindow && event->type() == QEvent::Expose && m_backingStale)
        refreshBackingStore();
    return QObject::eventFilter(watched, event);
}

void ImagePresenter::refreshBackingStore()
{
    // Called before Qt answers an expose from its backing store, which lacks
    // what was sent to the window directly since the last repaint.
    QWidget *top = m_view->window();
    QBackingStore *store = top->backingStore();
    if (!store || !m_view->isVisible() || !m_lastImage || !m_lastMapping)
        return;
    const QRect whole = m_lastMapping->deviceRect();
    const QRect area = toLogical(whole).translated(m_view->mapTo(top, QPoint(0, 0))) & top->rect();
    if (area.isEmpty())
        return;
    store->beginPaint(QRegion(area));
    if (QPaintDevice *device = store->paintDevice())
        renderInto(device, *m_lastImage, *m_lastMapping, &whole, 1);
    store->endPaint();
    m_backingStale = false;
}

void ImagePresenter::buildRegion()
{
    // Adding a frame's hundred-odd rectangles one by one to a region costs a
    // union against the whole region each time. Uniting them pairwise, like a
    // binary counter, keeps both operands of each union about the same size.
    const QPoint offset = m_view->mapTo(m_view->window(), QPoint(0, 0));
    int used = 0;
    for (int i = 0; i < m_count; ++i) {
        QRegion carry(m_logicalRects[i].translated(offset));
        int level = 0;
        for (; level < used && !m_levels[level].isEmpty(); ++level) {
            carry = m_levels[level].united(carry);
            m_levels[level] = QRegion();
        }
        if (level == used)
            ++used;
        m_levels[level] = std::move(carry);
    }
    m_region = QRegion();
    for (int level = 0; level < used; ++level) {
        if (!m_levels[level].isEmpty())
            m_region = m_region.isEmpty() ? m_levels[level] : m_region.united(m_levels[level]);
        m_levels[level] = QRegion();
    }
}

void ImagePresenter::renderInto(QPaintDevice *device, const QImage &image,
                                const DeviceMapping &mapping, const QRect *rects, int count)
{
    const QPoint offset = windowOffset();
    // The backing store is a 32-bit image on X11 and Wayland: pixels are
    // written into it directly, which costs a fraction of a painter's
    // drawImage per rectangle. Row addresses are worked out by the mapping:
    // scanLine() checks for sharing on every call.
    auto *target = device->devType() == QInternal::Image ? static_cast<QImage *>(device) : nullptr;
    if (target && takesPixelsAsTheyAre(*target)) {
        const QRect targetArea = target->rect().translated(-offset);
        auto *bits = reinterpret_cast<std::uint32_t *>(target->bits());
        for (int i = 0; i < count; ++i)
            mapping.render(image, rects[i] & targetArea, bits, target->bytesPerLine(), -offset);
        return;
    }
    QPainter painter(device);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    const qreal factor = device->devicePixelRatio();
    painter.setWorldTransform(QTransform::fromScale(1 / factor, 1 / factor));
    for (int i = 0; i < count; ++i)
        drawDeviceRect(painter, image, mapping, rects[i], rects[i].topLeft() + offset);
}

void ImagePresenter::drawDeviceRect(QPainter &painter, const QImage &image,
                                    const DeviceMapping &mapping, const QRect &area, QPoint at)
{
    if (area.isEmpty())
        return;
    if (m_scratch.width() < area.width() || m_scratch.height() < area.height())
        m_scratch = QImage(std::max(m_scratch.width(), area.width()),
                           std::max(m_scratch.height(), area.height()), QImage::Format_RGB32);
    mapping.render(image, area, reinterpret_cast<std::uint32_t *>(m_scratch.bits()),
                   m_scratch.bytesPerLine(), area.topLeft());
    painter.drawImage(at, m_scratch, QRect(QPoint(0, 0), area.size()));
}

void ImagePresenter::paint(QPainter &painter, const QRegion &region, const QImage &image,
                           const DeviceMapping &mapping, QColor margin)
{
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    const qreal factor = painter.device()->devicePixelRatio();
    if (factor == 1.0 && mapping.isIdentity() && mapping.deviceRect().topLeft() == QPoint()) {
        const QRect imageRect = image.rect();
        for (const QRect &rect : region) {
            const QRect inside = rect & imageRect;
            if (inside != rect)
                painter.fillRect(rect, margin);
            if (!inside.isEmpty())
                painter.drawImage(inside.topLeft(), image, inside);
        }
        return;
    }
    // Drawn in device pixels: the painter's own scaling would pick pixels by
    // nearest neighbour, unevenly at fractional ratios.
    painter.save();
    painter.setWorldTransform(QTransform::fromScale(1 / factor, 1 / factor));
    for (const QRect &rect : region) {
        const QRect device = scaledOutward(rect, factor);
        if (!mapping.deviceRect().contains(device))
            painter.fillRect(device, margin);
        const QRect shown = device & mapping.deviceRect();
        drawDeviceRect(painter, image, mapping, shown, shown.topLeft());
    }
    painter.restore();
}

bool ImagePresenter::isCovered(const QRect &area) const
{
    // Our own children, and siblings stacked above us, would be painted over.
    for (const QObject *child : m_view->children()) {
        const auto *widget = qobject_cast<const QWidget *>(child);
        if (widget && widget->isVisible() && !widget->isWindow() &&
            widget->geometry().intersects(area))
            return true;
    }
    const QWidget *parent = m_view->parentWidget();
    if (!parent || m_view->isWindow())
        return false;
    const QRect inParent = area.translated(m_view->pos());
    bool above = false;
    for (const QObject *sibling : parent->children()) {
        if (sibling == m_view) {
            above = true;
            continue;
        }
        const auto *widget = qobject_cast<const QWidget *>(sibling);
        if (above && widget && widget->isVisible() && !widget->isWindow() &&
            widget->geometry().intersects(inParent))
            return true;
    }
    // Deeper down, the parent's own siblings could lie over us too: let Qt
    // work that out.
    return !parent->isWindow();
}

} // namespace fw
