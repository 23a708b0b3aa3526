// The surface's pixel storage: its image, where the pixels live, and the
// painter kept on them.
#include "platform/Surface.h"

#include "platform/Fonts.h"
#include "platform/PixelStorage.h"

#include <QColor>
#include <QPainter>

namespace fw {

Surface::Surface() : Surface(QSize()) {}

Surface::Surface(QSize size) : m_font(surfaceFont()), m_metrics(m_font)
{
    resize(size);
}

Surface::~Surface()
{
    endPainting();
}

void Surface::resize(QSize size)
{
    size = size.expandedTo(QSize(0, 0));
    if (!m_image.isNull() && size == m_image.size())
        return;
    endPainting();
    m_inkedKnown = false;
    m_inkedCount = 0;
    if (size.isEmpty()) {
        m_image = QImage();
        m_dirty.clear();
        return;
    }
    m_image = QImage(); // the old pixels go before the new ones are made
    m_image = newImage(size);
    writablePixels();
    m_image.fill(toPixel(m_backColor));
    markAllDirty();
}

void Surface::endPainting()
{
    if (m_painter) {
        m_painter->end();
        m_painter.reset();
    }
}

QImage Surface::newImage(QSize size) const
{
    if (m_storage) {
        QImage image = m_storage->allocate(size);
        if (!image.isNull())
            return image;
    }
    return QImage(size, QImage::Format_RGB32);
}

std::uint32_t *Surface::writablePixels()
{
    if (m_storage)
        m_storage->waitUntilRead();
    // A painter draws into the buffer it began on; if the image is shared, it
    // is about to get a buffer of its own, so the painter must start again.
    if (!m_image.isDetached())
        endPainting();
    return reinterpret_cast<std::uint32_t *>(m_image.bits());
}

QPainter &Surface::painter()
{
    if (m_storage)
        m_storage->waitUntilRead();
    if (m_painter && !m_image.isDetached())
        endPainting();
    if (!m_painter) {
        writablePixels();
        m_painter = std::make_unique<QPainter>(&m_image);
        m_painter->setFont(m_font);
        m_painterColor = m_foreColor;
        m_painter->setPen(QColor::fromRgb(toPixel(m_foreColor)));
    }
    if (m_painterColor != m_foreColor) {
        m_painterColor = m_foreColor;
        m_painter->setPen(QColor::fromRgb(toPixel(m_foreColor)));
    }
    return *m_painter;
}

} // namespace fw
