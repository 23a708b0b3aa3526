#include "startup/HostCommandLine.h"

#include <QFile>
#include <QRegularExpression>
#include <QXmlStreamReader>

#include <gtest/gtest.h>

#include <map>
#include <string>

namespace fw {
namespace {

QString dataFile(const char *name)
{
    return QStringLiteral(FINWICKS_DATA_DIR "/") + QLatin1String(name);
}

// Every command-line text the xscreensaver file can make: the command and
// each option's argument, "%" standing for the option's value.
struct SaverFile
{
    QString name;
    QString label;
    QStringList commands;
    QStringList optionArguments;
    QString description;
};

SaverFile readSaverFile(QString *error)
{
    SaverFile result;
    QFile file(dataFile("finwicks.xml"));
    if (!file.open(QIODevice::ReadOnly)) {
        *error = file.errorString();
        return result;
    }
    QXmlStreamReader xml(&file);
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        const QXmlStreamAttributes attributes = xml.attributes();
        if (xml.name() == u"screensaver") {
            result.name = attributes.value("name").toString();
            result.label = attributes.value("_label").toString();
        } else if (xml.name() == u"command") {
            result.commands << attributes.value("arg").toString();
        } else if (xml.name() == u"_description") {
            result.description = xml.readElementText();
        }
        for (const char *key : {"arg", "arg-set", "arg-unset"})
            if (xml.name() != u"command" && attributes.hasAttribute(key))
                result.optionArguments << attributes.value(key).toString();
    }
    if (xml.hasError())
        *error = QStringLiteral("line %1: %2").arg(xml.lineNumber()).arg(xml.errorString());
    return result;
}

TEST(InstalledFilesTest, XscreensaverFileIsWellFormedAndRunsUsAsAHost)
{
    QString error;
    const SaverFile saver = readSaverFile(&error);
    ASSERT_TRUE(error.isEmpty()) << error.toStdString();
    EXPECT_EQ(saver.name, "finwicks");
    EXPECT_EQ(saver.label, "Finwicks");
    EXPECT_EQ(saver.commands, QStringList{"--root"});
    EXPECT_TRUE(saver.description.contains("finwicks /c"));

    // The daemon runs the command with every option's argument; each must be
    // one we follow rather than one that ends the program.
    QStringList full = saver.commands;
    for (const QString &option : saver.optionArguments)
        full << QString(option).replace('%', "1").split(' ', Qt::SkipEmptyParts);
    const HostRequest request = parseHostArguments(full, QStringLiteral("0x400001"));
    EXPECT_EQ(request.mode, HostMode::Root) << full.join(' ').toStdString();
}

// The keys of a desktop entry's main group, read as the desktop reads them
// (a semicolon is part of the value there, not a comment).
std::map<std::string, std::string> readDesktopEntry(const char *name)
{
    std::map<std::string, std::string> keys;
    QFile file(dataFile(name));
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return keys;
    const QStringList lines = QString::fromUtf8(file.readAll()).split('\n');
    EXPECT_EQ(lines.front(), "[Desktop Entry]") << name;
    for (const QString &line : lines.mid(1)) {
        const qsizetype equals = line.indexOf('=');
        if (equals <= 0)
            continue;
        const bool added =
            keys.emplace(line.left(equals).toStdString(), line.mid(equals + 1).toStdString())
                .second;
        EXPECT_TRUE(added) << name << ": key twice: " << line.toStdString();
    }
    return keys;
}

TEST(InstalledFilesTest, DesktopEntriesStartTheRightModes)
{
    auto saver = readDesktopEntry("finwicks.desktop");
    EXPECT_EQ(saver["Type"], "Application");
    EXPECT_EQ(saver["Exec"], "finwicks --root");
    EXPECT_EQ(saver["Categories"], "Screensaver;");
    const QStringList saverArguments = QString::fromStdString(saver["Exec"]).split(' ').mid(1);
    EXPECT_EQ(parseHostArguments(saverArguments, {}).mode, HostMode::Root);

    auto menu = readDesktopEntry("finwicks-config.desktop");
    EXPECT_EQ(menu["Type"], "Application");
    EXPECT_EQ(menu["Exec"], "finwicks /c");
    EXPECT_EQ(menu["Icon"], "finwicks");
    EXPECT_FALSE(menu["Name"].empty());
}

} // namespace
} // namespace fw
