#pragma once

#include <QByteArray>
#include <QHash>
#include <QString>
#include <QStringView>

#include <functional>
#include <optional>
#include <vector>

namespace fw {

// Which parts of a file are kept; an empty function keeps everything. The
// key test sees every key line of a kept section, duplicates included; of
// the keys it accepts the first occurrence counts.
struct IniSelection
{
    std::function<bool(QStringView section)> section;
    std::function<bool(QStringView section, QStringView key)> key;
};

// A private-profile (INI) file as the settings need it: read once in one
// pass, looked up many times. Section and key names match without regard to
// case; the first of duplicate sections or keys wins; names and values lose
// surrounding ASCII spaces and tabs (nothing else), values one pair of
// surrounding quotes and, like the platform's profile reader with its
// 255-byte buffer, everything past 254 bytes of the code page at a character
// boundary.
class IniFile
{
public:
    static constexpr int MaxValueBytes = 254;

    IniFile() = default;

    // From the bytes of a file in the code page; CRLF, LF and CR line ends.
    static IniFile parse(QByteArrayView bytes, const IniSelection &selection = {});
    // The whole file, however large, as readWholeFile() reads it; empty when
    // the path is not a readable regular file or reading fails.
    static std::optional<IniFile> load(const QString &path, const IniSelection &selection = {});

    std::optional<QString> value(QStringView section, QStringView key) const;
    bool hasSection(QStringView section) const;
    // The kept keys of a section in the order of the file.
    std::vector<QString> keys(QStringView section) const;

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
        QHash<QString, qsizetype> byFoldedKey;
    };

    const Section *findSection(QStringView name) const;
    Section *sectionForAppending(QStringView name, const IniSelection &selection);
    void addEntry(Section &section, QByteArrayView key, QByteArrayView value,
                  const IniSelection &selection);

    std::vector<Section> m_sections;
    QHash<QString, qsizetype> m_byFoldedSection;
};

// The bytes of the regular file at `path` as they stood at one moment: read
// whole into memory, and read again when the file changed meanwhile (another
// program rewrote or truncated it). Empty when it is no readable regular
// file. `betweenReads` runs after each piece read (tests change the file
// there).
std::optional<QByteArray> readWholeFile(const QString &path,
                                        const std::function<void()> &betweenReads = {});

// Builds a file the way the profile writer lays it out: "[section]" lines
// and "key=value" lines, CRLF after each, in the code page. A value with
// blanks at either end, or in a pair of quotes, is put in quotes.
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
