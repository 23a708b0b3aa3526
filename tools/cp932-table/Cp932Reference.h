#pragma once

#include <QByteArray>
#include <QHash>

#include <array>
#include <vector>

namespace fw {

// The code page as the system's converter reads and writes it, with the
// program's own rules on top: bytes 0x00-0x7F are ASCII both ways (the
// converter swaps 0x1A, 0x1C and 0x7F the IBM way), and the converter's
// stand-ins for what it cannot decode count as no character.
struct Cp932Reference
{
    // 0 where the byte is a lead byte, ASCII or no character.
    std::array<char16_t, 256> single{};
    // Indexed by lead * 256 + trail; 0 for no character.
    std::vector<char16_t> pairs = std::vector<char16_t>(256 * 256, 0);
    // The bytes each character is written as: the converter's own when they
    // read back as the character, otherwise the first that do in byte order.
    QHash<char16_t, QByteArray> encoding;

    char16_t pair(uchar lead, uchar trail) const { return pairs[lead * 256 + trail]; }
};

// Slow (one converter call for each byte pair); for the generator and tests.
Cp932Reference buildCp932Reference();

} // namespace fw
