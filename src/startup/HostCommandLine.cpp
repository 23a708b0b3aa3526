#include "startup/HostCommandLine.h"

#include <QCoreApplication>

#include <algorithm>

namespace fw {

namespace {

bool isAsciiHexDigit(QChar c)
{
    const char16_t u = c.unicode();
    return (u >= u'0' && u <= u'9') || (u >= u'a' && u <= u'f') || (u >= u'A' && u <= u'F');
}

bool isOneOf(const QString &argument, const char *name)
{
    // Hosts write both the X toolkit's single dash and the double dash.
    const QString single = QLatin1Char('-') + QLatin1String(name);
    return argument == single || argument == QLatin1Char('-') + single;
}

bool isWindowIdEquals(const QString &argument)
{
    return argument.startsWith(QLatin1String("--window-id=")) ||
           argument.startsWith(QLatin1String("-window-id="));
}

HostRequest invalid(const QString &why)
{
    return {HostMode::Invalid, 0, why};
}

HostRequest windowRequest(HostMode mode, QStringView text, const QString &what)
{
    const std::optional<std::uint32_t> id = parseWindowId(text);
    if (!id)
        return invalid(QStringLiteral("%1 is not a window number: \"%2\"").arg(what, text));
    return {mode, *id, {}};
}

} // namespace

std::optional<std::uint32_t> parseWindowId(QStringView text)
{
    QStringView digits = text.trimmed();
    int base = 10;
    if (digits.startsWith(QLatin1String("0x"), Qt::CaseInsensitive)) {
        digits = digits.mid(2);
        base = 16;
    }
    // Qt's conversion would also take signs, blanks and a second prefix; a
    // window number is digits only.
    const auto isDigit = [base](QChar c) {
        return base == 16 ? isAsciiHexDigit(c) : (c >= QLatin1Char('0') && c <= QLatin1Char('9'));
    };
    if (digits.isEmpty() || !std::all_of(digits.begin(), digits.end(), isDigit))
        return std::nullopt;
    bool ok = false;
    const qulonglong value = digits.toULongLong(&ok, base);
    if (!ok || value == 0 || value > 0xffffffffULL)
        return std::nullopt;
    return static_cast<std::uint32_t>(value);
}

HostRequest parseHostArguments(const QStringList &arguments, const QString &xscreensaverWindow)
{
    if (arguments.isEmpty())
        return {};
    const QString &first = arguments.front();

    if (isOneOf(first, "help"))
        return arguments.size() == 1 ? HostRequest{HostMode::Help, 0, {}}
                                     : invalid(QStringLiteral("--help takes no arguments"));
    if (!isOneOf(first, "root") && !isOneOf(first, "window-id") && !isWindowIdEquals(first))
        return {};

    // Hosts combine the two: a settings preview may add --window-id to the
    // configured "--root". The window named on the command line wins.
    std::optional<QStringView> windowId;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString &argument = arguments[i];
        if (isOneOf(argument, "root"))
            continue;
        std::optional<QStringView> value;
        if (isWindowIdEquals(argument))
            value = QStringView(argument).mid(argument.indexOf(QLatin1Char('=')) + 1);
        else if (isOneOf(argument, "window-id") && i + 1 < arguments.size())
            value = QStringView(arguments[++i]);
        else if (isOneOf(argument, "window-id"))
            return invalid(QStringLiteral("--window-id needs a window number"));
        else
            return invalid(QStringLiteral("unknown argument: \"%1\"").arg(argument));
        if (windowId)
            return invalid(QStringLiteral("--window-id given twice"));
        windowId = value;
    }

    if (windowId)
        return windowRequest(HostMode::WindowId, *windowId, QStringLiteral("--window-id"));
    if (xscreensaverWindow.isEmpty())
        return {HostMode::Root, 0, {}};
    return windowRequest(HostMode::Root, xscreensaverWindow, QStringLiteral("XSCREENSAVER_WINDOW"));
}

QString usageText()
{
    return QCoreApplication::translate(
        "CommandLine",
        "Usage: finwicks [/s | /c]\n"
        "       finwicks --root | --window-id ID\n"
        "       finwicks --help\n"
        "\n"
        "A virtual aquarium screen saver: your tropical fish live on between runs.\n"
        "\n"
        "  (none), /s        show the aquarium over the whole screen (/s hides the cursor)\n"
        "  /c                open the configuration dialog only\n"
        "  --root, -root     draw into the window in $XSCREENSAVER_WINDOW (0x... or decimal),\n"
        "                    or into the root window; for screen saver hosts\n"
        "  --window-id ID, -window-id ID\n"
        "                    draw into the X window ID (0x... or decimal)\n"
        "  --help            show this text\n"
        "\n"
        "Any other command line ends at once. In a host's window the aquarium takes no input;\n"
        "SIGTERM, SIGINT, SIGHUP, SIGQUIT, SIGUSR1, SIGUSR2 and SIGALRM end it and save the fish.\n"
        "Settings and fish: $XDG_CONFIG_HOME/finwicks/FINWICKS.INI (~/.config/finwicks/).\n"
        "Texts follow the user's language ($LANGUAGE, $LANG); LANGUAGE=en picks English.\n");
}

} // namespace fw
