#include "state/IniFile.h"

#include "state/Cp932.h"

#include <QFile>
#include <QFileInfo>

#include <algorithm>

#include <sys/stat.h>

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

bool isBlank(char byte)
{
    return byte == ' ' || byte == '\t';
}

// Spaces and tabs are single bytes that no character of the code page
// contains, so they can be trimmed before decoding; a full-width space is
// kept.
QByteArrayView trimmedBlanks(QByteArrayView bytes)
{
    qsizetype begin = 0;
    qsizetype end = bytes.size();
    while (begin < end && isBlank(bytes[begin]))
        ++begin;
    while (end > begin && isBlank(bytes[end - 1]))
        --end;
    return bytes.sliced(begin, end - begin);
}

QStringView trimmedBlanks(QStringView text)
{
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && (text[begin] == u' ' || text[begin] == u'\t'))
        ++begin;
    while (end > begin && (text[end - 1] == u' ' || text[end - 1] == u'\t'))
        --end;
    return text.sliced(begin, end - begin);
}

// Like the platform's profile reader: one pair of matching quotes around a
// value is not part of it. Quotes are ASCII, never part of a character.
QByteArrayView unquoted(QByteArrayView value)
{
    if (value.size() >= 2 && value.front() == value.back() &&
        (value.front() == '"' || value.front() == '\''))
        return value.sliced(1, value.size() - 2);
    return value;
}

// The longest leading part within maxBytes that does not split a character.
QByteArrayView cutAtCharacter(QByteArrayView bytes, qsizetype maxBytes)
{
    qsizetype end = 0;
    while (end < bytes.size()) {
        const qsizetype length = cp932CharacterLength(bytes.sliced(end));
        if (end + length > maxBytes)
            break;
        end += length;
    }
    return bytes.first(end);
}

QString folded(QStringView name)
{
    const bool ascii =
        std::all_of(name.begin(), name.end(), [](QChar c) { return c.unicode() < 0x80; });
    if (!ascii)
        return name.toString().toCaseFolded();
    QString result(name.size(), Qt::Uninitialized);
    for (qsizetype i = 0; i < name.size(); ++i) {
        const char16_t c = name[i].unicode();
        result[i] = QChar(c >= u'A' && c <= u'Z' ? c + 32 : c);
    }
    return result;
}

} // namespace

IniFile IniFile::parse(QByteArrayView bytes, const IniSelection &selection)
{
    IniFile file;
    Section *current = nullptr;
    qsizetype start = 0;
    while (start < bytes.size()) {
        qsizetype end = start;
        while (end < bytes.size() && bytes[end] != '\n' && bytes[end] != '\r')
            ++end;
        const QByteArrayView line = trimmedBlanks(bytes.sliced(start, end - start));
        start = end + 1;
        if (line.isEmpty() || line.front() == ';')
            continue;
        if (line.front() == '[') {
            current = file.sectionForAppending(decodeCp932(line.sliced(1)), selection);
            continue;
        }
        if (!current)
            continue; // keys before any section or in a section not kept
        const qsizetype equals = line.indexOf('=');
        const QByteArrayView key = trimmedBlanks(equals < 0 ? line : line.first(equals));
        const QByteArrayView value =
            equals < 0 ? QByteArrayView() : trimmedBlanks(line.sliced(equals + 1));
        if (!key.isEmpty())
            file.addEntry(*current, key, value, selection);
    }
    return file;
}

namespace {

// What tells one state of an open file from another.
struct FileStamp
{
    dev_t device = 0;
    ino_t inode = 0;
    off_t size = -1;
    timespec modified = {};

    bool operator==(const FileStamp &other) const
    {
        return device == other.device && inode == other.inode && size == other.size &&
               modified.tv_sec == other.modified.tv_sec &&
               modified.tv_nsec == other.modified.tv_nsec;
    }
};

std::optional<FileStamp> stampOf(int fd)
{
    struct stat info = {};
    if (::fstat(fd, &info) != 0)
        return std::nullopt;
    return FileStamp{info.st_dev, info.st_ino, info.st_size, info.st_mtim};
}

// One pass from the start to the end of the file, however long it is now.
std::optional<QByteArray> readToEnd(QFile &file, qint64 expected,
                                    const std::function<void()> &betweenReads)
{
    constexpr qint64 Piece = 64 * 1024;
    if (!file.seek(0))
        return std::nullopt;
    QByteArray bytes;
    // The size said is a hint only: the file may change as it is read.
    bytes.reserve(std::min<qint64>(expected, qint64(64) * 1024 * 1024) + Piece);
    for (;;) {
        const qsizetype done = bytes.size();
        bytes.resize(done + Piece);
        const qint64 got = file.read(bytes.data() + done, Piece);
        if (got < 0)
            return std::nullopt;
        bytes.resize(done + got);
        if (got == 0)
            return bytes;
        if (betweenReads)
            betweenReads();
    }
}

} // namespace

std::optional<QByteArray> readWholeFile(const QString &path,
                                        const std::function<void()> &betweenReads)
{
    if (!QFileInfo(path).isFile())
        return std::nullopt;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Unbuffered))
        return std::nullopt;
    // Read into memory rather than mapped: another program truncating a
    // mapped file kills the reader with SIGBUS. A file that changed while it
    // was read is read again, so a rewrite in place is seen whole.
    constexpr int Tries = 5;
    std::optional<QByteArray> bytes;
    for (int attempt = 0; attempt < Tries; ++attempt) {
        const std::optional<FileStamp> before = stampOf(file.handle());
        if (!before)
            return std::nullopt;
        bytes = readToEnd(file, before->size, betweenReads);
        const std::optional<FileStamp> after = stampOf(file.handle());
        if (!bytes || !after)
            return std::nullopt;
        if (*before == *after && after->size == off_t(bytes->size()))
            break;
    }
    return bytes;
}

std::optional<IniFile> IniFile::load(const QString &path, const IniSelection &selection)
{
    const std::optional<QByteArray> bytes = readWholeFile(path);
    if (!bytes)
        return std::nullopt;
    return parse(*bytes, selection);
}

IniFile::Section *IniFile::sectionForAppending(QStringView header, const IniSelection &selection)
{
    const qsizetype close = header.indexOf(u']');
    const QStringView name = trimmedBlanks(close < 0 ? header : header.first(close));
    // A repeated section continues the first one; its keys only count where
    // the first did not have them.
    const QString key = folded(name);
    if (const auto found = m_byFoldedSection.constFind(key); found != m_byFoldedSection.cend())
        return &m_sections[std::size_t(*found)];
    if (selection.section && !selection.section(name))
        return nullptr;
    m_byFoldedSection.insert(key, qsizetype(m_sections.size()));
    m_sections.push_back({name.toString(), {}, {}});
    return &m_sections.back();
}

void IniFile::addEntry(Section &section, QByteArrayView keyBytes, QByteArrayView valueBytes,
                       const IniSelection &selection)
{
    const QString key = decodeCp932(keyBytes);
    // Asked first, so that a file of junk keys costs no folding or lookup.
    if (selection.key && !selection.key(section.name, key))
        return;
    QString foldedKey = folded(key);
    if (section.byFoldedKey.contains(foldedKey))
        return;
    section.byFoldedKey.insert(std::move(foldedKey), qsizetype(section.entries.size()));
    section.entries.push_back(
        {key, decodeCp932(cutAtCharacter(unquoted(valueBytes), MaxValueBytes))});
}

const IniFile::Section *IniFile::findSection(QStringView name) const
{
    const auto found = m_byFoldedSection.constFind(folded(name));
    return found == m_byFoldedSection.cend() ? nullptr : &m_sections[std::size_t(*found)];
}

std::optional<QString> IniFile::value(QStringView section, QStringView key) const
{
    const Section *found = findSection(section);
    if (!found)
        return std::nullopt;
    const auto entry = found->byFoldedKey.constFind(folded(key));
    if (entry == found->byFoldedKey.cend())
        return std::nullopt;
    return found->entries[std::size_t(*entry)].value;
}

bool IniFile::hasSection(QStringView section) const
{
    return findSection(section) != nullptr;
}

std::vector<QString> IniFile::keys(QStringView section) const
{
    std::vector<QString> names;
    if (const Section *found = findSection(section)) {
        for (const Entry &entry : found->entries)
            names.push_back(entry.key);
    }
    return names;
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
    const QByteArray bytes = encodeCp932(singleLine(value));
    // The reader trims blanks and drops one pair of quotes; a value that
    // would lose either is written in quotes, so it reads back as it was.
    const bool quoted = trimmedBlanks(QByteArrayView(bytes)).size() != bytes.size() ||
                        unquoted(bytes).size() != bytes.size();
    if (quoted)
        m_bytes += '"';
    m_bytes += bytes;
    if (quoted)
        m_bytes += '"';
    m_bytes += "\r\n";
}

} // namespace fw
