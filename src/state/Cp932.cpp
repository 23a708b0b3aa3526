#include "state/Cp932.h"

#include <QStringDecoder>
#include <QStringEncoder>

namespace fw {

namespace {

constexpr const char *CodePage = "windows-31j";

int charByteCount(QStringView character)
{
    QStringEncoder encoder(CodePage);
    const QByteArray bytes = encoder.encode(character);
    return encoder.hasError() ? 1 : static_cast<int>(bytes.size());
}

} // namespace

QString decodeCp932(QByteArrayView bytes)
{
    QStringDecoder decoder(CodePage);
    return decoder.decode(bytes);
}

QByteArray encodeCp932(QStringView text)
{
    QStringEncoder encoder(CodePage);
    QByteArray bytes = encoder.encode(text);
    if (!encoder.hasError())
        return bytes;
    // Encode character by character so that only what cannot be written is
    // replaced, not the whole text.
    bytes.clear();
    for (qsizetype i = 0; i < text.size(); ++i) {
        const qsizetype length = text[i].isHighSurrogate() && i + 1 < text.size() ? 2 : 1;
        QStringEncoder single(CodePage);
        const QByteArray part = single.encode(text.mid(i, length));
        bytes += single.hasError() || part.isEmpty() ? QByteArray("?") : part;
        i += length - 1;
    }
    return bytes;
}

int cp932ByteCount(QStringView text)
{
    return static_cast<int>(encodeCp932(text).size());
}

QString cutToCp932Bytes(QStringView text, int maxBytes)
{
    // Most values are plain ASCII and short; only longer ones need counting.
    if (text.size() * 2 <= maxBytes)
        return text.toString();
    int used = 0;
    qsizetype i = 0;
    while (i < text.size()) {
        const qsizetype length = text[i].isHighSurrogate() && i + 1 < text.size() ? 2 : 1;
        const int bytes = text[i].unicode() < 0x80 ? 1 : charByteCount(text.mid(i, length));
        if (used + bytes > maxBytes)
            break;
        used += bytes;
        i += length;
    }
    return text.left(i).toString();
}

} // namespace fw
