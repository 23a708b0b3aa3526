#include "state/IniFile.h"

#include "state/Cp932.h"

#include <QFile>
#include <QFileInfo>

namespace fw {

namespace {

QString singleLine(QStringView text)
{
    // A line break inside a value would start a new key in the file.
    QString line = text.toString();
    line.replace(u'\r', u' ');
    line.replace(u'\n', u' ');
    return line;
}

// Like the platform's profile reader: one pair of matching quotes around a
// value is not part of it.
QStringView unquoted(QStringView value)
{
    if (value.size() >= 2 && value.front() == value.back() &&
        (value.front() == u'"' || value.front() == u'\''))
        return value.mid(1, value.size() - 2);
    return value;
}

} // namespace

IniFile IniFile::parse(QByteArrayView bytes)
{
    IniFile file;
    const QString text = decodeCp932(bytes);
    Section *current = nullptr;
    for (QStringView line : QStringView(text).tokenize(QChar(u'\n'))) {
        for (QStringView part : line.tokenize(QChar(u'\r'))) {
            const QStringView trimmed = part.trimmed();
            if (trimmed.isEmpty() || trimmed.startsWith(u';'))
                continue;
            if (trimmed.startsWith(u'[')) {
                const qsizetype close = trimmed.indexOf(u']');
                const QStringView name =
                    (close < 0 ? trimmed.mid(1) : trimmed.mid(1, close - 1)).trimmed();
                current = &file.sectionForAppending(name.toString());
                continue;
            }
            if (!current)
                continue; // keys before any section belong to none
            const qsizetype equals = trimmed.indexOf(u'=');
            const QStringView key = (equals < 0 ? trimmed : trimmed.left(equals)).trimmed();
            const QStringView value =
                equals < 0 ? QStringView() : trimmed.mid(equals + 1).trimmed();
            if (key.isEmpty())
                continue;
            const bool known = std::any_of(
                current->entries.begin(), current->entries.end(), [key](const Entry &entry) {
                    return QStringView(entry.key).compare(key, Qt::CaseInsensitive) == 0;
                });
            if (!known)
                current->entries.push_back(
                    {key.toString(), cutToCp932Bytes(unquoted(value), MaxValueBytes)});
        }
    }
    return file;
}

std::optional<IniFile> IniFile::load(const QString &path)
{
    const QFileInfo info(path);
    if (!info.isFile())
        return std::nullopt;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    const QByteArray bytes = file.read(MaxReadBytes);
    if (file.error() != QFileDevice::NoError && bytes.isEmpty())
        return std::nullopt;
    return parse(bytes);
}

const IniFile::Section *IniFile::findSection(QStringView name) const
{
    for (const Section &section : m_sections) {
        if (QStringView(section.name).compare(name, Qt::CaseInsensitive) == 0)
            return &section;
    }
    return nullptr;
}

IniFile::Section &IniFile::sectionForAppending(const QString &name)
{
    // A repeated section continues the first one; its keys only count where
    // the first did not have them.
    for (Section &section : m_sections) {
        if (QStringView(section.name).compare(name, Qt::CaseInsensitive) == 0)
            return section;
    }
    m_sections.push_back({name, {}});
    return m_sections.back();
}

std::optional<QString> IniFile::value(QStringView section, QStringView key) const
{
    const Section *found = findSection(section);
    if (!found)
        return std::nullopt;
    for (const Entry &entry : found->entries) {
        if (QStringView(entry.key).compare(key, Qt::CaseInsensitive) == 0)
            return entry.value;
    }
    return std::nullopt;
}

bool IniFile::hasSection(QStringView section) const
{
    return findSection(section) != nullptr;
}

void IniWriter::section(QStringView name)
{
    m_bytes += '[';
    m_bytes += encodeCp932(singleLine(name));
    m_bytes += "]\r\n";
}

void IniWriter::entry(QStringView key, QStringView value)
{
    m_bytes += encodeCp932(singleLine(key));
    m_bytes += '=';
    m_bytes += encodeCp932(singleLine(value));
    m_bytes += "\r\n";
}

} // namespace fw
