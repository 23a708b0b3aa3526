#include "setup/MusicChoice.h"

#include "platform/SoundFiles.h"

#include <QCoreApplication>
#include <QFileInfo>

namespace fw {

std::optional<QString> musicRefusal(bool musicOn, const QString &file)
{
    if (!musicOn)
        return std::nullopt;
    if (file.trimmed().isEmpty())
        return QCoreApplication::translate("frmSetup",
                                           "ＢＧＭに使う音楽ファイルを指定してください。");
    if (!QFileInfo(file).isFile())
        return QCoreApplication::translate("frmSetup", "音楽ファイルが見つかりません。\n%1")
            .arg(file);
    if (!looksLikeSoundFile(file))
        return QCoreApplication::translate("frmSetup",
                                           "このファイルは音楽として再生できません。\n%1")
            .arg(file);
    return std::nullopt;
}

} // namespace fw
