#pragma once

#include <QString>
#include <QStringList>
#include <QStringView>

#include <cstdint>
#include <optional>

namespace fw {

// How a screen saver host asked us to run. The Windows-style switches ("/s",
// "/c", none) are not ours to judge: they come back as NotHosted and the
// ordinary command-line rule decides.
enum class HostMode
{
    NotHosted, // no hosting argument: the ordinary rule applies
    Help,      // print the usage text and end
    Root,      // draw into XSCREENSAVER_WINDOW, or the root window without it
    WindowId,  // draw into the given window
    Invalid,   // a hosting argument we cannot follow: end at once
};

struct HostRequest
{
    HostMode mode = HostMode::NotHosted;
    // The window to draw into; 0 with Root means the screen's root window.
    std::uint32_t windowId = 0;
    // Why an Invalid request was refused, for standard error.
    QString error;

    bool hosted() const { return mode == HostMode::Root || mode == HostMode::WindowId; }
};

// An X window number as hosts write it: "0x" or "0X" and hexadecimal digits,
// or decimal digits; blanks around it are allowed. Empty for anything else,
// for 0 and for numbers beyond 32 bits.
std::optional<std::uint32_t> parseWindowId(QStringView text);

// Reads the arguments after the program name. `xscreensaverWindow` is the
// value of XSCREENSAVER_WINDOW; empty when it is not set.
HostRequest parseHostArguments(const QStringList &arguments, const QString &xscreensaverWindow);

// The short usage text --help prints.
QString usageText();

} // namespace fw
