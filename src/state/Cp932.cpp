#include "state/Cp932.h"

#include "state/Cp932Layout.h"

#include <algorithm>
#include <vector>

namespace fw {

namespace {

constexpr char16_t Undecodable = u'\uFFFD';

// A character and the bytes it is written as: one byte below 0x100, else
// the lead byte in the high half.
struct Cp932Spelling
{
    char16_t character;
    quint16 bytes;
};

#include "state/Cp932Table.inc"

char16_t singleByteCharacter(uchar byte)
{
    return Cp932SingleBytes[byte - 0x80];
}

char16_t pairCharacter(uchar lead, uchar trail)
{
    return Cp932Pairs[cp932LeadRow(lead)][cp932TrailColumn(trail)];
}

template <typename Sorted> auto lowerBound(Sorted &sorted, char16_t c)
{
    return std::lower_bound(sorted.begin(), sorted.end(), c,
                            [](Cp932Spelling s, char16_t wanted) { return s.character < wanted; });
}

// Every character of the code page with the bytes it is written as, sorted
// by character: the first bytes in byte order that read as it, unless the
// table names others.
class Spellings
{
public:
    Spellings()
    {
        for (int byte = 0x80; byte <= 0xFF; ++byte) {
            if (const char16_t c = Cp932SingleBytes[byte - 0x80])
                m_sorted.push_back({c, quint16(byte)});
        }
        for (int lead = 0x81; lead <= 0xFC; ++lead) {
            for (int trail = 0x40; trail <= 0xFC; ++trail) {
                if (!isCp932LeadByte(uchar(lead)) || !isCp932TrailByte(uchar(trail)))
                    continue;
                if (const char16_t c = pairCharacter(uchar(lead), uchar(trail)))
                    m_sorted.push_back({c, quint16(lead << 8 | trail)});
            }
        }
        const auto byCharacter = [](Cp932Spelling a, Cp932Spelling b) {
            return a.character < b.character;
        };
        std::stable_sort(m_sorted.begin(), m_sorted.end(), byCharacter);
        const auto sameCharacter = [](Cp932Spelling a, Cp932Spelling b) {
            return a.character == b.character;
        };
        m_sorted.erase(std::unique(m_sorted.begin(), m_sorted.end(), sameCharacter),
                       m_sorted.end());
        m_sorted.shrink_to_fit();
        for (const Cp932Spelling preferred : Cp932PreferredBytes)
            lowerBound(m_sorted, preferred.character)->bytes = preferred.bytes;
    }

    // 0 when the code page lacks the character.
    quint16 bytes(char16_t c) const
    {
        const auto found = lowerBound(m_sorted, c);
        return found != m_sorted.end() && found->character == c ? found->bytes : 0;
    }

private:
    std::vector<Cp932Spelling> m_sorted;
};

quint16 spelling(char16_t c)
{
    static const Spellings spellings;
    return spellings.bytes(c);
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
    else if (const quint16 encoded = spelling(c)) {
        if (encoded > 0xFF)
            bytes += char(encoded >> 8);
        bytes += char(encoded & 0xFF);
        return;
    }
    bytes += '?';
}

int charByteCount(char16_t c)
{
    if (c < 0x80)
        return 1;
    return spelling(c) > 0xFF ? 2 : 1;
}

} // namespace

qsizetype cp932CharacterLength(QByteArrayView bytes)
{
    if (bytes.isEmpty())
        return 0;
    return bytes.size() >= 2 && isCp932LeadByte(uchar(bytes[0])) &&
                   isCp932TrailByte(uchar(bytes[1]))
               ? 2
               : 1;
}

QString decodeCp932(QByteArrayView bytes)
{
    QString text;
    text.reserve(bytes.size());
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        const uchar byte = uchar(bytes[i]);
        if (byte < 0x80) {
            text += QChar(byte);
        } else if (!isCp932LeadByte(byte)) {
            const char16_t c = singleByteCharacter(byte);
            text += QChar(c ? c : Undecodable);
        } else if (i + 1 < bytes.size() && isCp932TrailByte(uchar(bytes[i + 1]))) {
            const char16_t c = pairCharacter(byte, uchar(bytes[i + 1]));
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
