#include "startup/CommandLine.h"

#include <QStringList>

namespace fw {

QString commandLineFrom(int argc, const char *const *argv)
{
    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    return arguments.join(u' ');
}

StartMode startModeFor(QStringView commandLine)
{
    if (commandLine.isEmpty())
        return StartMode::Aquarium;
    const QStringView start = commandLine.left(2);
    if (start.compare(u"/s", Qt::CaseInsensitive) == 0)
        return StartMode::Aquarium;
    if (start.compare(u"/c", Qt::CaseInsensitive) == 0)
        return StartMode::Configuration;
    return StartMode::Quit;
}

} // namespace fw
