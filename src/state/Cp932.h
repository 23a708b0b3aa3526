#pragma once

#include <QByteArray>
#include <QString>
#include <QStringView>

namespace fw {

// The settings file's code page (Windows-31J). Text is QString everywhere
// else; these are the only places that see its bytes. Bytes 0x00-0x7F are
// ASCII both ways. Bytes that are no character of the code page become U+FFFD.
QString decodeCp932(QByteArrayView bytes);
// Characters the code page lacks (U+FFFD among them) become "?".
QByteArray encodeCp932(QStringView text);

// The bytes the first character of `bytes` takes: 2 for a lead byte with its
// trail byte, otherwise 1 (0 for no bytes).
qsizetype cp932CharacterLength(QByteArrayView bytes);

// The number of bytes the text takes in the code page.
int cp932ByteCount(QStringView text);

// The longest leading part of the text that fits in maxBytes bytes, never
// splitting a character.
QString cutToCp932Bytes(QStringView text, int maxBytes);

} // namespace fw
