#include "Cp932Reference.h"

#include "state/Cp932Layout.h"

#include <QStringDecoder>
#include <QStringEncoder>

namespace fw {

namespace {

constexpr const char *CodePage = "windows-31j";

char16_t decodeOne(const QByteArray &bytes)
{
    QStringDecoder decoder(CodePage);
    const QString text = decoder.decode(bytes);
    if (decoder.hasError() || text.size() != 1)
        return 0;
    const char16_t c = text.at(0).unicode();
    if (c < 0x80 || c == 0xFFFD)
        return 0;
    return c;
}

QByteArray pairBytes(int lead, int trail)
{
    QByteArray bytes(2, '\0');
    bytes[0] = char(lead);
    bytes[1] = char(trail);
    return bytes;
}

bool decodesTo(const Cp932Reference &codes, const QByteArray &bytes, char16_t c)
{
    if (bytes.size() == 1)
        return codes.single[uchar(bytes[0])] == c;
    return bytes.size() == 2 && isCp932LeadByte(uchar(bytes[0])) &&
           isCp932TrailByte(uchar(bytes[1])) && codes.pair(uchar(bytes[0]), uchar(bytes[1])) == c;
}

void addEncoding(Cp932Reference &codes, char16_t c, QByteArray bytes)
{
    if (c == 0 || codes.encoding.contains(c))
        return;
    QStringEncoder encoder(CodePage);
    const QByteArray preferred = encoder.encode(QStringView(&c, 1));
    if (!encoder.hasError() && decodesTo(codes, preferred, c))
        bytes = preferred;
    codes.encoding.insert(c, bytes);
}

} // namespace

Cp932Reference buildCp932Reference()
{
    Cp932Reference codes;
    for (int byte = 0x80; byte <= 0xFF; ++byte) {
        if (!isCp932LeadByte(uchar(byte)))
            codes.single[byte] = decodeOne(QByteArray(1, char(byte)));
    }
    for (int lead = 0x80; lead <= 0xFF; ++lead) {
        for (int trail = 0x00; trail <= 0xFF; ++trail) {
            if (isCp932LeadByte(uchar(lead)) && isCp932TrailByte(uchar(trail)))
                codes.pairs[lead * 256 + trail] = decodeOne(pairBytes(lead, trail));
        }
    }
    for (int byte = 0x80; byte <= 0xFF; ++byte)
        addEncoding(codes, codes.single[byte], QByteArray(1, char(byte)));
    for (int lead = 0x80; lead <= 0xFF; ++lead) {
        for (int trail = 0x00; trail <= 0xFF; ++trail)
            addEncoding(codes, codes.pair(uchar(lead), uchar(trail)), pairBytes(lead, trail));
    }
    return codes;
}

} // namespace fw
