#include "setup/MusicChoice.h"

#include "platform/SoundFiles.h"
#include "setup/FishRegister.h"

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
    // The settings file keeps its text in code page 932: any other character
    // would come back as '?', and the file could never be found again.
    if (!fitsDoubleByteCodePage(file))
        return QCoreApplication::translate(
                   "frmSetup", "ファイル名に設定ファイルへ保存できない文字があります。\n%1")
            .arg(file);
    const QFileInfo info(file);
    if (!info.exists())
        return QCoreApplication::translate("frmSetup", "音楽ファイルが見つかりません。\n%1")
            .arg(file);
    if (!info.isFile())
        return QCoreApplication::translate("frmSetup", "これは普通のファイルではありません。\n%1")
            .arg(file);
    if (!looksLikeSoundFile(file))
        return QCoreApplication::translate("frmSetup",
                                           "このファイルは音楽として再生できません。\n%1")
            .arg(file);
    return std::nullopt;
}

} // namespace fw
