#include "PictureFiles.h"

#include <QFile>
#include <QImageWriter>

#include <vector>

namespace fw::test {

namespace {

constexpr QRgb Quadrants[4] = {qRgb(200, 0, 0), qRgb(0, 200, 0), qRgb(0, 0, 200),
                               qRgb(200, 200, 0)};

int quadrantOf(int x, int y, int width, int height)
{
    return (x < width / 2 ? 0 : 1) + (y < height / 2 ? 0 : 2);
}

// LSB-first bit packing, as GIF's LZW data wants it.
class BitWriter
{
public:
    void put(unsigned code, int bits)
    {
        for (int i = 0; i < bits; ++i) {
            if (code & (1u << i))
                m_current |= char(1 << m_used);
            if (++m_used == 8)
                flush();
        }
    }
    QByteArray finish()
    {
        if (m_used > 0)
            flush();
        return m_bytes;
    }

private:
    void flush()
    {
        m_bytes.append(m_current);
        m_current = 0;
        m_used = 0;
    }
    QByteArray m_bytes;
    char m_current = 0;
    int m_used = 0;
};

void putWord(QByteArray &out, int value)
{
    out.append(char(value & 0xff));
    out.append(char((value >> 8) & 0xff));
}

} // namespace

QImage quadrantPicture(int width, int height)
{
    QImage picture(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x)
            picture.setPixel(x, y, Quadrants[quadrantOf(x, y, width, height)]);
    }
    return picture;
}

QRgb quadrantColour(int quadrant)
{
    return Quadrants[quadrant];
}

bool writeBmp(const QString &path, const QImage &picture)
{
    return picture.save(path, "BMP");
}

const QRgb TopDownColours[4] = {qRgb(255, 0, 0), qRgb(0, 255, 0), qRgb(0, 0, 255),
                                qRgb(255, 255, 255)};

bool writeTopDownBmp(const QString &path, int width, int height, int bits)
{
    const int paletteSize = bits <= 8 ? (bits == 1 ? 2 : 4) : 0;
    const int stride = ((width * bits + 31) / 32) * 4;
    const int offset = 14 + 40 + paletteSize * 4;
    QByteArray out("BM");
    const auto put32 = [&out](quint32 v) {
        for (int i = 0; i < 4; ++i)
            out.append(char((v >> (8 * i)) & 0xff));
    };
    put32(quint32(offset + stride * height));
    put32(0);
    put32(quint32(offset));
    put32(40);
    put32(quint32(width));
    put32(quint32(-height)); // top-down
    putWord(out, 1);
    putWord(out, bits);
    put32(0); // no compression
    put32(quint32(stride * height));
    put32(2835);
    put32(2835);
    put32(quint32(paletteSize));
    put32(0);
    for (int i = 0; i < paletteSize; ++i) {
        const QRgb colour = TopDownColours[bits == 1 ? i * 2 : i];
        out.append(char(qBlue(colour)));
        out.append(char(qGreen(colour)));
        out.append(char(qRed(colour)));
        out.append(char(0));
    }
    for (int y = 0; y < height; ++y) { // the first row stored is the top one
        QByteArray row(stride, '\0');
        for (int x = 0; x < width; ++x) {
            const int quadrant = quadrantOf(x, y, width, height);
            const QRgb colour = TopDownColours[quadrant];
            switch (bits) {
            case 1:
                if (quadrant >= 2)
                    row[x / 8] = char(row[x / 8] | (0x80 >> (x % 8)));
                break;
            case 4:
                row[x / 2] = char(row[x / 2] | (quadrant << (x % 2 ? 0 : 4)));
                break;
            case 8:
                row[x] = char(quadrant);
                break;
            case 16: {
                const int v = ((qRed(colour) >> 3) << 10) | ((qGreen(colour) >> 3) << 5) |
                              (qBlue(colour) >> 3);
                row[2 * x] = char(v & 0xff);
                row[2 * x + 1] = char(v >> 8);
                break;
            }
            default: {
                const int size = bits / 8;
                row[size * x] = char(qBlue(colour));
                row[size * x + 1] = char(qGreen(colour));
                row[size * x + 2] = char(qRed(colour));
                break;
            }
            }
        }
        out += row;
    }
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(out) == out.size();
}

bool writeJpeg(const QString &path, const QImage &picture)
{
    return picture.save(path, "JPEG", 100);
}

bool writeGif(const QString &path, int width, int height, QSize screen)
{
    QByteArray out("GIF89a");
    putWord(out, screen.isEmpty() ? width : screen.width());
    putWord(out, screen.isEmpty() ? height : screen.height());
    out.append(char(0x81)); // global colour table of 4 entries
    out.append(char(0));
    out.append(char(0));
    for (QRgb c : Quadrants) {
        out.append(char(qRed(c)));
        out.append(char(qGreen(c)));
        out.append(char(qBlue(c)));
    }
    out.append(',');
    putWord(out, 0);
    putWord(out, 0);
    putWord(out, width);
    putWord(out, height);
    out.append(char(0));
    out.append(char(2)); // minimum code size: codes 0-3, clear 4, end 5

    // A clear code before every two pixels keeps the table (and so the code
    // width of 3 bits) from growing: simple and valid for any decoder.
    BitWriter bits;
    int inGroup = 0;
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            if (inGroup == 0)
                bits.put(4, 3);
            bits.put(unsigned(quadrantOf(x, y, width, height)), 3);
            inGroup = (inGroup + 1) % 2;
        }
    }
    bits.put(5, 3);
    const QByteArray data = bits.finish();
    for (qsizetype i = 0; i < data.size(); i += 255) {
        const QByteArray block = data.mid(i, 255);
        out.append(char(block.size()));
        out.append(block);
    }
    out.append(char(0));
    out.append(';');
    return writeText(path, out);
}

bool writeJpegClaimingSize(const QString &path, int side)
{
    return writeJpegClaimingSize(path, QSize(side, side), false);
}

bool writeJpegClaimingSize(const QString &path, QSize claimed, bool progressive)
{
    QImageWriter writer(path, "JPEG");
    writer.setProgressiveScanWrite(progressive);
    if (!writer.write(quadrantPicture(16, 16)))
        return false;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    QByteArray bytes = file.readAll();
    file.close();
    // The frame header (SOF0 or SOF2): length, precision, then height and width.
    const qsizetype sof = bytes.indexOf(QByteArray(progressive ? "\xff\xc2" : "\xff\xc0", 2));
    if (sof < 0)
        return false;
    bytes[sof + 5] = char((claimed.height() >> 8) & 0xff);
    bytes[sof + 6] = char(claimed.height() & 0xff);
    bytes[sof + 7] = char((claimed.width() >> 8) & 0xff);
    bytes[sof + 8] = char(claimed.width() & 0xff);
    return writeText(path, bytes);
}

bool writeText(const QString &path, const QByteArray &content)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return false;
    return file.write(content) == content.size();
}

} // namespace fw::test
