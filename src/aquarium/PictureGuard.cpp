#include "aquarium/PictureGuard.h"

#include <QIODevice>

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <limits>
#include <vector>

namespace fw {

namespace {

constexpr qint64 Unaffordable = std::numeric_limits<qint64>::max();

// Bytes of a w x h picture at `depth` bytes a pixel, saturating instead of
// overflowing for absurd sides.
qint64 pixelBytes(qint64 w, qint64 h, qint64 depth)
{
    constexpr qint64 Side = qint64(1) << 24;
    if (w <= 0 || h <= 0)
        return 0;
    if (w > Side || h > Side)
        return Unaffordable;
    return w * h * depth;
}

qint64 sum(qint64 a, qint64 b)
{
    return a > Unaffordable - b ? Unaffordable : a + b;
}

// The part of the picture that is kept, as decoded pixels.
qint64 keptBytes(QSize size, QSize within)
{
    const QSize part = within.isEmpty() ? size : size.boundedTo(within);
    return pixelBytes(part.width(), part.height(), 4);
}

// Reads a device byte by byte through a buffer of its own.
class ByteReader
{
public:
    explicit ByteReader(QIODevice &device) : m_device(device) {}

    std::optional<uchar> next()
    {
        if (!fill())
            return std::nullopt;
        return uchar(m_buffer[m_position++]);
    }

    bool skip(qint64 count)
    {
        while (count > 0) {
            if (!fill())
                return false;
            const qint64 step = std::min<qint64>(count, m_buffer.size() - m_position);
            m_position += step;
            count -= step;
        }
        return true;
    }

    // Skips to just past the next 0xFF byte; false at the end.
    bool skipPastFF()
    {
        while (fill()) {
            const char *start = m_buffer.constData() + m_position;
            const void *found = std::memchr(start, 0xFF, std::size_t(m_buffer.size() - m_position));
            if (found) {
                m_position += static_cast<const char *>(found) - start + 1;
                return true;
            }
            m_position = m_buffer.size();
        }
        return false;
    }

    std::optional<int> littleEndian16()
    {
        const auto low = next();
        const auto high = next();
        if (!low || !high)
            return std::nullopt;
        return *low | (*high << 8);
    }

    std::optional<int> bigEndian16()
    {
        const auto high = next();
        const auto low = next();
        if (!low || !high)
            return std::nullopt;
        return (*high << 8) | *low;
    }

    std::optional<qint64> littleEndian32()
    {
        const auto low = littleEndian16();
        const auto high = littleEndian16();
        if (!low || !high)
            return std::nullopt;
        return qint64(std::int32_t(quint32(*low) | (quint32(*high) << 16)));
    }

private:
    bool fill()
    {
        if (m_position < m_buffer.size())
            return true;
        m_buffer = m_device.read(64 * 1024);
        m_position = 0;
        return !m_buffer.isEmpty();
    }

    QIODevice &m_device;
    QByteArray m_buffer;
    qsizetype m_position = 0;
};

std::optional<DecodingCost> bmpCost(ByteReader &in, QSize within)
{
    const auto b = in.next();
    const auto m = in.next();
    if (b != 'B' || m != 'M' || !in.skip(12))
        return std::nullopt;
    const auto headerSize = in.littleEndian32();
    if (!headerSize)
        return std::nullopt;
    qint64 w = 0;
    qint64 h = 0;
    if (*headerSize == 12) {
        const auto cw = in.littleEndian16();
        const auto ch = in.littleEndian16();
        if (!cw || !ch)
            return std::nullopt;
        w = *cw;
        h = *ch;
    } else {
        const auto iw = in.littleEndian32();
        const auto ih = in.littleEndian32();
        if (!iw || !ih)
            return std::nullopt;
        w = *iw;
        h = *ih < 0 ? -*ih : *ih; // negative: stored top-down
    }
    if (w <= 0 || h <= 0 || w > std::numeric_limits<int>::max() ||
        h > std::numeric_limits<int>::max())
        return std::nullopt;
    const QSize size{int(w), int(h)};
    // Decoded whole, then the kept part copied.
    return DecodingCost{size, sum(pixelBytes(w, h, 4), keptBytes(size, within))};
}

// Skips a GIF's data sub-blocks up to their terminator.
bool skipSubBlocks(ByteReader &in)
{
    for (;;) {
        const auto length = in.next();
        if (!length)
            return false;
        if (*length == 0)
            return true;
        if (!in.skip(*length))
            return false;
    }
}

std::optional<DecodingCost> gifCost(ByteReader &in, QSize within)
{
    QByteArray signature;
    for (int i = 0; i < 6; ++i) {
        const auto c = in.next();
        if (!c)
            return std::nullopt;
        signature += char(*c);
    }
    if (signature != "GIF87a" && signature != "GIF89a")
        return std::nullopt;
    const auto screenWidth = in.littleEndian16();
    const auto screenHeight = in.littleEndian16();
    const auto flags = in.next();
    if (!screenWidth || !screenHeight || !flags || !in.skip(2))
        return std::nullopt;
    if ((*flags & 0x80) && !in.skip(3 << ((*flags & 7) + 1)))
        return std::nullopt;
    // Up to the first frame, whose place may reach past the logical screen.
    for (;;) {
        const auto block = in.next();
        if (!block || *block == 0x3B)
            return std::nullopt;
        if (*block == 0x21) {
            if (!in.next() || !skipSubBlocks(in))
                return std::nullopt;
            continue;
        }
        if (*block != 0x2C)
            return std::nullopt;
        const auto left = in.littleEndian16();
        const auto top = in.littleEndian16();
        const auto w = in.littleEndian16();
        const auto h = in.littleEndian16();
        if (!left || !top || !w || !h)
            return std::nullopt;
        const qint64 canvasWidth = std::max<qint64>(*screenWidth, *left + *w);
        const qint64 canvasHeight = std::max<qint64>(*screenHeight, *top + *h);
        if (*w == 0 || *h == 0)
            return std::nullopt;
        // The decoder paints the frame onto a canvas of the whole logical
        // screen and may keep a copy of the frame for its disposal.
        const qint64 canvas = sum(pixelBytes(canvasWidth, canvasHeight, 4), pixelBytes(*w, *h, 4));
        const QSize size(*w, *h);
        return DecodingCost{size, sum(canvas, keptBytes(size, within))};
    }
}

struct JpegFrame
{
    QSize size;
    bool progressive = false;
    // Per component: horizontal and vertical sampling factors.
    std::vector<std::pair<int, int>> sampling;
};

bool isStartOfFrame(int marker)
{
    return marker >= 0xC0 && marker <= 0xCF && marker != 0xC4 && marker != 0xC8 && marker != 0xCC;
}

std::optional<JpegFrame> readFrameHeader(ByteReader &in, int marker, int length)
{
    JpegFrame frame;
    frame.progressive = (marker & 3) == 2;
    const auto precision = in.next();
    const auto h = in.bigEndian16();
    const auto w = in.bigEndian16();
    const auto components = in.next();
    if (!precision || !h || !w || !components || *components == 0 || length < 8 + 3 * *components)
        return std::nullopt;
    for (int i = 0; i < *components; ++i) {
        const auto id = in.next();
        const auto factors = in.next();
        if (!id || !factors || !in.next())
            return std::nullopt;
        const int horizontal = *factors >> 4;
        const int vertical = *factors & 15;
        if (horizontal < 1 || horizontal > 4 || vertical < 1 || vertical > 4)
            return std::nullopt;
        frame.sampling.emplace_back(horizontal, vertical);
    }
    if (!in.skip(length - 8 - 3 * *components) || *w == 0 || *h == 0)
        return std::nullopt;
    frame.size = QSize(*w, *h);
    return frame;
}

// The DCT coefficients of all components, 64 of 2 bytes per 8x8 block, which
// the decoder holds in memory for a picture stored in several scans.
qint64 coefficientBytes(const JpegFrame &frame)
{
    int maxH = 1;
    int maxV = 1;
    for (const auto &[h, v] : frame.sampling) {
        maxH = std::max(maxH, h);
        maxV = std::max(maxV, v);
    }
    qint64 total = 0;
    for (const auto &[h, v] : frame.sampling) {
        const qint64 w = (qint64(frame.size.width()) * h + maxH - 1) / maxH;
        const qint64 ht = (qint64(frame.size.height()) * v + maxV - 1) / maxV;
        total = sum(total, ((w + 7) / 8) * ((ht + 7) / 8) * 128);
    }
    return total;
}

// After a scan's header: through its entropy-coded data to the marker that
// ends it. Returns that marker.
std::optional<int> skipEntropyData(ByteReader &in)
{
    for (;;) {
        if (!in.skipPastFF())
            return std::nullopt;
        auto code = in.next();
        while (code == 0xFF)
            code = in.next();
        if (!code)
            return std::nullopt;
        if (*code != 0 && !(*code >= 0xD0 && *code <= 0xD7))
            return *code;
    }
}

std::optional<DecodingCost> jpegCost(ByteReader &in, QSize within)
{
    if (in.next() != 0xFF || in.next() != 0xD8)
        return std::nullopt;
    std::optional<JpegFrame> frame;
    int scans = 0;
    std::optional<int> pending;
    for (;;) {
        int marker = 0;
        if (pending) {
            marker = *pending;
            pending.reset();
        } else {
            if (!in.skipPastFF())
                break;
            auto code = in.next();
            while (code == 0xFF)
                code = in.next();
            if (!code)
                break;
            marker = *code;
        }
        if (marker == 0xD9)
            break;
        if (marker == 0x01 || marker == 0xD8 || (marker >= 0xD0 && marker <= 0xD7))
            continue;
        const auto length = in.bigEndian16();
        if (!length || *length < 2)
            break;
        if (isStartOfFrame(marker) && !frame) {
            frame = readFrameHeader(in, marker, *length);
            if (!frame)
                return std::nullopt;
            if (frame->progressive)
                break;
            continue;
        }
        if (!in.skip(*length - 2))
            break;
        if (marker == 0xDA) {
            if (++scans > 1)
                break;
            pending = skipEntropyData(in);
            if (!pending)
                break;
        }
    }
    if (!frame)
        return std::nullopt;
    const bool severalScans = frame->progressive || scans > 1;
    const qint64 coefficients = severalScans ? coefficientBytes(*frame) : 0;
    return DecodingCost{frame->size, sum(coefficients, keptBytes(frame->size, within))};
}

} // namespace

std::optional<PictureKind> pictureKindOf(const QByteArray &format)
{
    if (format == "bmp")
        return PictureKind::Bmp;
    if (format == "jpeg" || format == "jpg")
        return PictureKind::Jpeg;
    if (format == "gif")
        return PictureKind::Gif;
    return std::nullopt;
}

std::optional<DecodingCost> decodingCost(PictureKind kind, QIODevice &device, QSize within)
{
    if (!device.isReadable() || (!device.isSequential() && !device.seek(0)))
        return std::nullopt;
    ByteReader in(device);
    switch (kind) {
    case PictureKind::Bmp:
        return bmpCost(in, within);
    case PictureKind::Jpeg:
        return jpegCost(in, within);
    case PictureKind::Gif:
        return gifCost(in, within);
    }
    return std::nullopt;
}

} // namespace fw
