#include "platform/SoundLibrary.h"

#include "platform/audio/SoundPlugin.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QLibrary>
#include <QStringList>

#include <cstdio>

namespace fw {

namespace {

constexpr auto LibraryName = "libfinwicks-sound.so";

// Beside the program in a build folder; once installed, in the private
// library folder beside bin/ (wherever the prefix is), or where the build
// meant to install it.
QStringList candidates()
{
    QStringList paths;
    if (QCoreApplication::instance()) {
        const QString here = QCoreApplication::applicationDirPath() + QLatin1Char('/');
        paths << here + LibraryName
              << here + QStringLiteral("../" FINWICKS_SOUND_LIBRARY_SUBDIR "/") + LibraryName;
    }
    paths << QStringLiteral(FINWICKS_SOUND_LIBRARY_DIR "/") + LibraryName;
    return paths;
}

void report(const QString &text)
{
    std::fprintf(stderr, "finwicks: %s; the tank stays silent\n", qUtf8Printable(text));
}

} // namespace

std::unique_ptr<Sound> openSoundLibrary()
{
    QString failure = QStringLiteral("the sound library %1 is not installed").arg(LibraryName);
    for (const QString &path : candidates()) {
        if (!QFileInfo::exists(path))
            continue;
        // Never unloaded: the output it makes lives to the end of the run.
        QLibrary library(path);
        library.setLoadHints(QLibrary::PreventUnloadHint);
        using Abi = int (*)();
        using Create = Sound *(*)();
        const auto abi = reinterpret_cast<Abi>(library.resolve("finwicks_sound_abi"));
        const auto create = reinterpret_cast<Create>(library.resolve("finwicks_sound_create"));
        if (!abi || !create) {
            failure = QStringLiteral("cannot load %1: %2").arg(path, library.errorString());
            continue;
        }
        if (abi() != FinwicksSoundAbi) {
            failure = QStringLiteral("%1 belongs to another version of finwicks").arg(path);
            continue;
        }
        return std::unique_ptr<Sound>(create());
    }
    report(failure);
    return nullptr;
}

} // namespace fw
