#include "state/Cp932.h"

#include <QHash>
#include <QStringDecoder>
#include <QStringEncoder>

#include <array>

namespace fw {

namespace {

constexpr const char *CodePage = "windows-31j";
constexpr char16_t Undecodable = u'\uFFFD';

bool isLeadByte(uchar byte)
{
    return (byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC);
}

bool isTrailByte(uchar byte)
{
    return byte >= 0x40 && byte <= 0xFC && byte != 0x7F;
}

QByteArray pairBytes(int lead, int trail)
{
    QByteArray bytes(2, '\0');
    bytes[0] = char(lead);
    bytes[1] = char(trail);
    return bytes;
}

// The code page as two lookup tables, built once from the system's converter.
// Bytes 0x00-0x7F are left out on purpose: they are ASCII both ways, whereas
// the converter swaps 0x1A, 0x1C and 0x7F the IBM way.
class CodeTables
{
public:
    CodeTables()
    {
        m_single.fill(0);
        m_double.fill(0);
        for (int byte = 0x80; byte <= 0xFF; ++byte) {
            if (!isLeadByte(uchar(byte)))
                m_single[byte] = decodeOne(QByteArray(1, char(byte)));
        }
        for (int lead = 0x81; lead <= 0xFC; ++lead) {
            if (!isLeadByte(uchar(lead)))
                continue;
            for (int trail = 0x40; trail <= 0xFC; ++trail) {
                if (isTrailByte(uchar(trail)))
                    m_double[doubleIndex(uchar(lead), uchar(trail))] =
                        decodeOne(pairBytes(lead, trail));
            }
        }
        buildEncoding();
    }

    // 0 when the byte is a lead byte or has no character.
    char16_t single(uchar byte) const { return m_single[byte]; }
    char16_t pair(uchar lead, uchar trail) const { return m_double[doubleIndex(lead, trail)]; }
    // The bytes of a character the code page has; empty when it lacks it.
    QByteArray encoded(char16_t character) const { return m_encoding.value(character); }

private:
    static int doubleIndex(uchar lead, uchar trail) { return (lead - 0x80) * 256 + trail; }

    static char16_t decodeOne(const QByteArray &bytes)
    {
        QStringDecoder decoder(CodePage);
        const QString text = decoder.decode(bytes);
        if (decoder.hasError() || text.size() != 1)
            return 0;
        const char16_t c = text.at(0).unicode();
        // The converter's stand-ins for what it cannot decode.
        if (c < 0x80 || c == 0xFFFD)
            return 0;
        return c;
    }

    void addEncoding(char16_t c, QByteArray bytes)
    {
        if (c == 0)
            return;
        // The converter's preferred bytes when they decode back to the
        // character (several byte pairs share one character); otherwise the
        // first bytes that do, so that every decoded text writes back to
        // bytes that read as the same text.
        if (!m_encoding.contains(c)) {
            QStringEncoder encoder(CodePage);
            const QByteArray preferred = encoder.encode(QStringView(&c, 1));
            if (!encoder.hasError() && decodesTo(preferred, c))
                bytes = preferred;
            m_encoding.insert(c, bytes);
        }
    }

    bool decodesTo(const QByteArray &bytes, char16_t c) const
    {
        if (bytes.size() == 1)
            return single(uchar(bytes[0])) == c;
        return bytes.size() == 2 && isLeadByte(uchar(bytes[0])) && isTrailByte(uchar(bytes[1])) &&
               pair(uchar(bytes[0]), uchar(bytes[1])) == c;
    }

    void buildEncoding()
    {
        for (int byte = 0x80; byte <= 0xFF; ++byte)
            addEncoding(m_single[byte], QByteArray(1, char(byte)));
        for (int lead = 0x81; lead <= 0xFC; ++lead) {
            for (int trail = 0x40; trail <= 0xFC; ++trail) {
                if (isLeadByte(uchar(lead)) && isTrailByte(uchar(trail)))
                    addEncoding(pair(uchar(lead), uchar(trail)), pairBytes(lead, trail));
            }
        }
    }

    std::array<char16_t, 256> m_single;
    std::array<char16_t, 125 * 256> m_double;
    QHash<char16_t, QByteArray> m_encoding;
};

const CodeTables &tables()
{
    static const CodeTables instance;
    return instance;
}

// The bytes of one character (a surrogate pair counts as one); "?" for a
// character the code page lacks.
void appendEncoded(QByteArray &bytes, QStringView text, qsizetype &i)
{
    const char16_t c = text[i].unicode();
    if (c < 0x80) {
        bytes += char(c);
        return;
    }
    if (QChar::isHighSurrogate(c) && i + 1 < text.size() && text[i + 1].isLowSurrogate())
        ++i; // nothing outside the basic plane is in the code page
    else if (const QByteArray encoded = tables().encoded(c); !encoded.isEmpty()) {
        bytes += encoded;
        return;
    }
    bytes += '?';
}

int charByteCount(char16_t c)
{
    if (c < 0x80)
        return 1;
    const QByteArray encoded = tables().encoded(c);
    return encoded.isEmpty() ? 1 : int(encoded.size());
}

} // namespace

qsizetype cp932CharacterLength(QByteArrayView bytes)
{
    if (bytes.isEmpty())
        return 0;
    return bytes.size() >= 2 && isLeadByte(uchar(bytes[0])) && isTrailByte(uchar(bytes[1])) ? 2 : 1;
}

QString decodeCp932(QByteArrayView bytes)
{
    QString text;
    text.reserve(bytes.size());
    const CodeTables &codes = tables();
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        const uchar byte = uchar(bytes[i]);
        if (byte < 0x80) {
            text += QChar(byte);
        } else if (!isLeadByte(byte)) {
            const char16_t c = codes.single(byte);
            text += QChar(c ? c : Undecodable);
        } else if (i + 1 < bytes.size() && isTrailByte(uchar(bytes[i + 1]))) {
            const char16_t c = codes.pair(byte, uchar(bytes[i + 1]));
            text += QChar(c ? c : Undecodable);
            ++i;
        } else {
            // A lead byte without its trail: the next byte stands on its own.
            text += QChar(Undecodable);
        }
    }
    return text;
}

QByteArray encodeCp932(QStringView text)
{
    QByteArray bytes;
    bytes.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i)
        appendEncoded(bytes, text, i);
    return bytes;
}

int cp932ByteCount(QStringView text)
{
    int count = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t c = text[i].unicode();
        if (QChar::isHighSurrogate(c) && i + 1 < text.size() && text[i + 1].isLowSurrogate())
            ++i;
        count += charByteCount(c);
    }
    return count;
}

QString cutToCp932Bytes(QStringView text, int maxBytes)
{
    // Most values are plain ASCII and short; only longer ones need counting.
    if (text.size() * 2 <= maxBytes)
        return text.toString();
    int used = 0;
    qsizetype i = 0;
    while (i < text.size()) {
        const bool surrogatePair =
            text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate();
        const int bytes = surrogatePair ? 1 : charByteCount(text[i].unicode());
        if (used + bytes > maxBytes)
            break;
        used += bytes;
        i += surrogatePair ? 2 : 1;
    }
    return text.left(i).toString();
}

} // namespace fw
