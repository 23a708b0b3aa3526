#pragma once

#include <QByteArray>
#include <QString>
#include <QStringView>

#include <optional>
#include <vector>

namespace fw {

// A private-profile (INI) file as the settings need it: read once, looked up
// many times. Section and key names match without regard to case; the first
// of duplicate sections or keys wins; values are trimmed, lose one pair of
// surrounding quotes and, like the
// platform's profile reader with its 255-byte buffer, cut to 254 bytes of the
// code page at a character boundary.
class IniFile
{
public:
    // Files larger than this are read only this far: the keys the program
    // writes are all near the start, and a runaway file must not exhaust memory.
    static constexpr qint64 MaxReadBytes = 16 * 1024 * 1024;
    static constexpr int MaxValueBytes = 254;

    IniFile() = default;

    // From the bytes of a file in the code page; CRLF, LF and CR line ends.
    static IniFile parse(QByteArrayView bytes);
    // Empty when the path is not a readable regular file.
    static std::optional<IniFile> load(const QString &path);

    std::optional<QString> value(QStringView section, QStringView key) const;
    bool hasSection(QStringView section) const;

private:
    struct Entry
    {
        QString key;
        QString value;
    };
    struct Section
    {
        QString name;
        std::vector<Entry> entries;
    };

    const Section *findSection(QStringView name) const;
    Section &sectionForAppending(const QString &name);

    std::vector<Section> m_sections;
};

// Builds a file the way the profile writer lays it out: "[section]" lines
// and "key=value" lines, CRLF after each, in the code page.
class IniWriter
{
public:
    void section(QStringView name);
    void entry(QStringView key, QStringView value);
    const QByteArray &bytes() const { return m_bytes; }

private:
    QByteArray m_bytes;
};

} // namespace fw
