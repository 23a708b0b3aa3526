#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>

// The fields of a BMP file header that decide how a picture is stored,
// read from the raw bytes so the check does not depend on what QImage makes
// of the file.
struct BmpHeader
{
    bool valid = false;
    int width = 0;
    int height = 0;
    int bitsPerPixel = 0;
    int compression = -1;
};

inline BmpHeader readBmpHeader(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const QByteArray bytes = file.read(54);
    if (bytes.size() < 54 || !bytes.startsWith("BM"))
        return {};
    auto le = [&](int at, int size) {
        quint32 value = 0;
        for (int i = size - 1; i >= 0; --i)
            value = value << 8 | quint8(bytes[at + i]);
        return value;
    };
    BmpHeader header;
    header.valid = le(14, 4) == 40 && le(26, 2) == 1 && le(2, 4) == quint32(file.size());
    header.width = int(le(18, 4));
    header.height = qAbs(int(le(22, 4)));
    header.bitsPerPixel = int(le(28, 2));
    header.compression = int(le(30, 4));
    return header;
}
