#pragma once

#include <QByteArray>
#include <QString>
#include <QStringView>

namespace fw {

// The settings file's code page (Windows-31J). Text is QString everywhere
// else; these are the only places that see its bytes.
QString decodeCp932(QByteArrayView bytes);
// Characters the code page lacks become "?".
QByteArray encodeCp932(QStringView text);

// The number of bytes the text takes in the code page.
int cp932ByteCount(QStringView text);

// The longest leading part of the text that fits in maxBytes bytes, never
// splitting a character.
QString cutToCp932Bytes(QStringView text, int maxBytes);

} // namespace fw
