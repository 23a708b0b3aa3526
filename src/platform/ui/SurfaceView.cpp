#include "platform/ui/SurfaceView.h"

#include "platform/ui/X11Presenter.h"

#include <QBackingStore>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QWindow>

#include <cstring>

namespace fw {

SurfaceView::SurfaceView(QWidget *parent) : QWidget(parent)
{
    // Every pixel comes from the surface: Qt need not clear anything first.
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAttribute(Qt::WA_NoSystemBackground);
    setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);
    syncSize();
}

SurfaceView::~SurfaceView() = default;

Surface &SurfaceView::surface()
{
    syncSize();
    return m_surface;
}

void SurfaceView::syncSize()
{
    if (m_surface.size() != size())
        m_surface.resize(size());
}

void SurfaceView::present()
{
    syncSize();
    const DirtyRegion &dirty = m_surface.dirty();
    if (dirty.isEmpty())
        return;
    if (!presentDirectly()) {
        for (int i = 0; i < dirty.count(); ++i)
            update(dirty.at(i));
    }
    m_surface.clearDirty();
}

bool SurfaceView::presentDirectly()
{
    // Qt's own repaint of a widget costs several times what copying a few
    // sprite-sized rectangles does, so while nothing lies over the surface the
    // changed rectangles go straight into the window's backing store.
    QWidget *top = window();
    QWindow *handle = top->windowHandle();
    QBackingStore *store = top->backingStore();
    if (!isVisible() || !handle || !handle->isExposed() || !store || !updatesEnabled())
        return false;
    const QRect bounds = m_surface.dirty().bounds();
    if (isCovered(bounds))
        return false;

    const QPoint offset = mapTo(top, QPoint(0, 0));
    if (presentToX11(top, handle, offset))
        return true;
    buildRegion(offset);
    store->beginPaint(m_region);
    QPaintDevice *device = store->paintDevice();
    if (!device) {
        store->endPaint();
        return false;
    }
    copyRectangles(device, offset, m_surface.dirty());
    store->endPaint();
    store->flush(m_region, handle);
    return true;
}

bool SurfaceView::presentToX11(QWidget *top, QWindow *handle, QPoint offset)
{
    // The X server reads the rectangles from shared memory straight into the
    // window: no copy into Qt's backing store, no Qt flush.
    if (!m_x11)
        m_x11 = std::make_unique<X11Presenter>();
    if (!m_x11->available() || nativeParentWidget() != top)
        return false;
    if (m_watchedWindow != handle) {
        if (m_watchedWindow)
            m_watchedWindow->removeEventFilter(this);
        m_watchedWindow = handle;
        handle->installEventFilter(this);
    }
    if (!m_x11->present(m_surface.image(), m_surface.dirty(), std::uint32_t(top->winId()), offset,
                        visibleArea(offset)))
        return false;
    m_backingStale = true;
    return true;
}

QRect SurfaceView::visibleArea(QPoint offset) const
{
    // Our rectangle cut by every parent's, in the window's coordinates.
    QRect area = rect().translated(offset);
    QPoint origin = offset;
    for (const QWidget *widget = this; !widget->isWindow(); widget = widget->parentWidget()) {
        origin -= widget->pos();
        area &= widget->parentWidget()->rect().translated(origin);
    }
    return area;
}

bool SurfaceView::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_watchedWindow && event->type() == QEvent::Expose && m_backingStale)
        refreshBackingStore();
    return QWidget::eventFilter(watched, event);
}

void SurfaceView::refreshBackingStore()
{
    // Called before Qt answers an expose from its backing store, which lacks
    // what was sent to the window directly since the last repaint.
    QWidget *top = window();
    QBackingStore *store = top->backingStore();
    if (!store || !isVisible())
        return;
    const QPoint offset = mapTo(top, QPoint(0, 0));
    const QRect area = visibleArea(offset) & m_surface.image().rect().translated(offset);
    if (area.isEmpty())
        return;
    store->beginPaint(QRegion(area));
    if (QPaintDevice *device = store->paintDevice()) {
        DirtyRegion whole;
        whole.add(area.translated(-offset));
        copyRectangles(device, offset, whole);
    }
    store->endPaint();
    m_backingStale = false;
}

void SurfaceView::buildRegion(QPoint offset)
{
    // Adding a frame's hundred-odd rectangles one by one to a region costs a
    // union against the whole region each time. Uniting them pairwise, like a
    // binary counter, keeps both operands of each union about the same size.
    const DirtyRegion &dirty = m_surface.dirty();
    int used = 0;
    for (int i = 0; i < dirty.count(); ++i) {
        QRegion carry(dirty.at(i).translated(offset));
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

void SurfaceView::copyRectangles(QPaintDevice *device, QPoint offset, const DirtyRegion &dirty)
{
    const QImage &source = m_surface.image();
    // The X11 backing store is a 32-bit image: rows are copied as they are,
    // which costs a fraction of a painter's drawImage per rectangle.
    auto *target = device->devType() == QInternal::Image ? static_cast<QImage *>(device) : nullptr;
    if (target && target->devicePixelRatio() == 1.0 &&
        (target->format() == QImage::Format_RGB32 ||
         target->format() == QImage::Format_ARGB32_Premultiplied)) {
        // Row addresses are worked out here: scanLine() checks for sharing on
        // every call, thousands of times a frame.
        const QRect targetRect = target->rect();
        uchar *const targetBits = target->bits();
        const uchar *const sourceBits = source.constBits();
        const qsizetype targetStride = target->bytesPerLine();
        const qsizetype sourceStride = source.bytesPerLine();
        for (int i = 0; i < dirty.count(); ++i) {
            const QRect to =
                dirty.at(i).translated(offset) & targetRect & source.rect().translated(offset);
            if (to.isEmpty())
                continue;
            const QRect from = to.translated(-offset);
            const qsizetype bytes = qsizetype(from.width()) * 4;
            uchar *out = targetBits + to.y() * targetStride + qsizetype(to.x()) * 4;
            const uchar *in = sourceBits + from.y() * sourceStride + qsizetype(from.x()) * 4;
            for (int row = 0; row < from.height(); ++row) {
                std::memcpy(out, in, bytes);
                out += targetStride;
                in += sourceStride;
            }
        }
        return;
    }
    QPainter painter(device);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    for (int i = 0; i < dirty.count(); ++i)
        painter.drawImage(dirty.at(i).topLeft() + offset, source, dirty.at(i));
}

bool SurfaceView::isCovered(const QRect &area) const
{
    // Our own children, and siblings stacked above us, would be painted over.
    for (const QObject *child : children()) {
        const auto *widget = qobject_cast<const QWidget *>(child);
        if (widget && widget->isVisible() && !widget->isWindow() &&
            widget->geometry().intersects(area))
            return true;
    }
    const QWidget *parent = parentWidget();
    if (!parent || isWindow())
        return false;
    const QRect inParent = area.translated(pos());
    bool above = false;
    for (const QObject *sibling : parent->children()) {
        if (sibling == this) {
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

void SurfaceView::setMousePointer(MousePointer pointer)
{
    m_pointer = pointer;
    setCursor(cursorShape(pointer));
}

void SurfaceView::paintEvent(QPaintEvent *event)
{
    syncSize();
    QPainter painter(this);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    const QImage &image = m_surface.image();
    const QRect imageRect = image.rect();
    for (const QRect &rect : event->region()) {
        const QRect inside = rect & imageRect;
        if (inside != rect)
            painter.fillRect(rect, Qt::black); // only while the surface has no size
        if (!inside.isEmpty())
            painter.drawImage(inside.topLeft(), image, inside);
    }
}

void SurfaceView::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    syncSize();
}

void SurfaceView::mousePressEvent(QMouseEvent *event)
{
    const QPoint at = event->position().toPoint();
    emit mouseDown(event->button(), event->modifiers(), at.x(), at.y());
}

void SurfaceView::mouseMoveEvent(QMouseEvent *event)
{
    const QPoint at = event->position().toPoint();
    emit mouseMove(event->buttons(), event->modifiers(), at.x(), at.y());
}

void SurfaceView::mouseReleaseEvent(QMouseEvent *event)
{
    const QPoint at = event->position().toPoint();
    emit mouseUp(event->button(), event->modifiers(), at.x(), at.y());
}

void SurfaceView::keyPressEvent(QKeyEvent *event)
{
    emit keyDown(event->key(), event->modifiers());
}

void SurfaceView::focusInEvent(QFocusEvent *event)
{
    QWidget::focusInEvent(event);
    emit gotFocus(event->reason());
}

} // namespace fw
