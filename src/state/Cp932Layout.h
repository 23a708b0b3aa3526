#pragma once

#include <QtGlobal>

namespace fw {

// Which bytes start a two-byte character of the code page, and which may
// follow them; and where a pair sits in the checked-in table, which has a
// row for each lead byte and a column for each trail byte.
constexpr bool isCp932LeadByte(uchar byte)
{
    return (byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC);
}

constexpr bool isCp932TrailByte(uchar byte)
{
    return byte >= 0x40 && byte <= 0xFC && byte != 0x7F;
}

constexpr int Cp932LeadCount = (0x9F - 0x81 + 1) + (0xFC - 0xE0 + 1);
constexpr int Cp932TrailCount = 0xFC - 0x40 + 1 - 1;

constexpr int cp932LeadRow(uchar lead)
{
    return lead <= 0x9F ? lead - 0x81 : lead - 0xE0 + (0x9F - 0x81 + 1);
}

constexpr int cp932TrailColumn(uchar trail)
{
    return trail - 0x40 - (trail > 0x7F ? 1 : 0);
}

} // namespace fw
