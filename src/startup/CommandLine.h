#pragma once

#include <QString>
#include <QStringView>

namespace fw {

enum class StartMode
{
    Aquarium,      // empty command line or "/s..."
    Configuration, // "/c..."
    Quit,          // anything else: end at once
};

// The program's arguments (without its name) joined with spaces, as a host
// passes a screen saver its command line.
QString commandLineFrom(int argc, const char *const *argv);

// Only the first two characters count, in any case: "/S", "/c:1234" and
// "/scroll" are switches, "/p 1234", "/a" and "-s" are not.
StartMode startModeFor(QStringView commandLine);

} // namespace fw
