#include "platform/SoundFiles.h"

#include <QByteArray>
#include <QFile>

namespace fw {

bool looksLikeSoundFile(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    const QByteArray head = file.read(12);
    if (head.size() < 4)
        return false;
    const auto byte = [&head](int at) { return quint8(head[at]); };
    if (head.startsWith("OggS") || head.startsWith("fLaC") || head.startsWith("ID3") ||
        head.startsWith("\x1a\x45\xdf\xa3"))
        return true;
    if (head.size() >= 12 && head.startsWith("RIFF") && head.mid(8, 4) == "WAVE")
        return true;
    if (head.size() >= 8 && head.mid(4, 4) == "ftyp")
        return true;
    // An MPEG audio or ADTS frame: eleven set bits of frame sync.
    return byte(0) == 0xff && (byte(1) & 0xe0) == 0xe0;
}

} // namespace fw
