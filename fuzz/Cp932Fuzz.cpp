// Any bytes through the code page, and any UTF-16 text back into it.
#include "FuzzSupport.h"

#include "state/Cp932.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QByteArrayView bytes = fw::fuzz::bytesOf(data, size);
    QString text = fw::decodeCp932(bytes);
    const QByteArray encoded = fw::encodeCp932(text);
    if (fw::cp932ByteCount(text) != encoded.size())
        fw::fuzz::fail("the byte count differs from the encoding");
    if (fw::decodeCp932(encoded) != text.replace(QChar(0xFFFD), u'?'))
        fw::fuzz::fail("decoded text does not survive writing and reading");

    const int limit = size ? data[0] : 0;
    const QString cut = fw::cutToCp932Bytes(text, limit);
    if (fw::cp932ByteCount(cut) > limit || !text.startsWith(cut))
        fw::fuzz::fail("a cut text is too long or not a prefix");

    // The same bytes as UTF-16, lone surrogates and all.
    const QString utf16(reinterpret_cast<const QChar *>(data), qsizetype(size / 2));
    if (fw::cp932ByteCount(utf16) != fw::encodeCp932(utf16).size())
        fw::fuzz::fail("the byte count of UTF-16 text differs from its encoding");
    return 0;
}
