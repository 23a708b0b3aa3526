#include "state/IniFile.h"
#include "StateTestSupport.h"
#include "state/Cp932.h"
#include "state/NameLists.h"
#include "state/SettingsFile.h"

#include <QDir>
#include <QTemporaryDir>

#include <unistd.h>

using namespace fw;
using namespace Qt::StringLiterals;
using fw::test::writeBytes;

namespace {

IniFile parse(const QString &text)
{
    return IniFile::parse(encodeCp932(text));
}

} // namespace

TEST(IniFile, MatchesNamesWithoutCaseAndTrimsValues)
{
    const IniFile file = parse(QStringLiteral("  [System] \r\n  Date =  2026/01/02  \r\n"
                                              "[CASE]\nwtemp\t=\t30\t\n"));
    EXPECT_EQ(file.value(u"system", u"date"), QStringLiteral("2026/01/02"));
    EXPECT_EQ(file.value(u"SYSTEM", u"DATE"), QStringLiteral("2026/01/02"));
    EXPECT_EQ(file.value(u"case", u"wtemp"), QStringLiteral("30"));
    EXPECT_FALSE(file.value(u"case", u"date").has_value());
    EXPECT_FALSE(file.value(u"fish", u"f01").has_value());
    EXPECT_TRUE(file.hasSection(u"Case"));
}

TEST(IniFile, DropsOnePairOfSurroundingQuotes)
{
    const IniFile file =
        parse(QStringLiteral("[s]\na=\"C:\\魚 の 絵.bmp\"\nb='x'\nc=\"x'\nd=\"\"\"\"\ne=\"\n"));
    EXPECT_EQ(file.value(u"s", u"a"), QStringLiteral("C:\\魚 の 絵.bmp"));
    EXPECT_EQ(file.value(u"s", u"b"), QStringLiteral("x"));
    EXPECT_EQ(file.value(u"s", u"c"), QStringLiteral("\"x'"));
    EXPECT_EQ(file.value(u"s", u"d"), QStringLiteral("\"\""));
    EXPECT_EQ(file.value(u"s", u"e"), QStringLiteral("\""));
}

TEST(IniFile, ReadsLfCrlfAndCrLineEnds)
{
    const IniFile file = IniFile::parse("[a]\rk1=1\r\nk2=2\nk3=3\r");
    EXPECT_EQ(file.value(u"a", u"k1"), QStringLiteral("1"));
    EXPECT_EQ(file.value(u"a", u"k2"), QStringLiteral("2"));
    EXPECT_EQ(file.value(u"a", u"k3"), QStringLiteral("3"));
}

TEST(IniFile, TheFirstOfDuplicateKeysAndSectionsWins)
{
    const IniFile file = parse(QStringLiteral("[s]\nk=first\nK=second\n[other]\nk=x\n"
                                              "[S]\nk=third\nlate=found\n"));
    EXPECT_EQ(file.value(u"s", u"k"), QStringLiteral("first"));
    // A key only the repeated section has is still read, not lost.
    EXPECT_EQ(file.value(u"s", u"late"), QStringLiteral("found"));
}

TEST(IniFile, IgnoresKeysOutsideSectionsCommentsAndLinesWithoutKeys)
{
    const IniFile file = parse(QStringLiteral("orphan=1\n[s]\n;k=comment\n=novalue\nbare\n"
                                              "k=a=b\n[broken\nx=1\n"));
    EXPECT_FALSE(file.value(u"s", u"orphan").has_value());
    EXPECT_FALSE(file.value(u"s", u";k").has_value());
    EXPECT_EQ(file.value(u"s", u"bare"), QString());
    EXPECT_EQ(file.value(u"s", u"k"), QStringLiteral("a=b"));
    EXPECT_EQ(file.value(u"broken", u"x"), QStringLiteral("1"));
}

TEST(IniFile, CutsValuesTo254BytesAtACharacterBoundary)
{
    const QString ascii(300, u'a');
    // 127 full-width characters are 254 bytes; one ASCII byte in front makes
    // the last of them end at byte 255, so it has to go whole.
    const QString wide = u'x' + QString(130, QChar(0x9B5A)); // 魚
    const IniFile file = parse(QStringLiteral("[s]\nascii=%1\nwide=%2\nexact=%3\n")
                                   .arg(ascii, wide, QString(127, QChar(0x9B5A))));
    EXPECT_EQ(file.value(u"s", u"ascii"), QString(254, u'a'));
    EXPECT_EQ(file.value(u"s", u"wide"), u'x' + QString(126, QChar(0x9B5A)));
    EXPECT_EQ(file.value(u"s", u"exact"), QString(127, QChar(0x9B5A)));
    EXPECT_EQ(cp932ByteCount(*file.value(u"s", u"wide")), 253);
}

TEST(IniFile, BytesInvalidInTheCodePageDoNotHideTheRestOfTheFile)
{
    QByteArray bytes("[system]\r\ndate=2026/12/08\r\nbad=\x81\x20\xff\xa0\x85\r\n[fish]\r\nf01=");
    bytes += encodeCp932(QStringLiteral("0*歩惟"));
    bytes += "\r\n";
    const IniFile file = IniFile::parse(bytes);
    EXPECT_EQ(file.value(u"system", u"date"), QStringLiteral("2026/12/08"));
    ASSERT_TRUE(file.value(u"system", u"bad").has_value());
    EXPECT_EQ(file.value(u"fish", u"f01"), QStringLiteral("0*歩惟"));
}

TEST(IniFile, RoundTripsEveryGivenNameInTheCodePage)
{
    IniWriter writer;
    writer.section(u"names");
    int i = 0;
    QStringList all;
    for (QStringView list : {femaleNameList(), maleNameList()}) {
        for (QStringView name : list.tokenize(u',', Qt::SkipEmptyParts)) {
            writer.entry(QStringLiteral("n%1").arg(++i), name);
            all << name.toString();
        }
    }
    ASSERT_EQ(all.size(), 200);
    const QByteArray bytes = writer.bytes();
    // Every name is full-width: two bytes a character, nothing replaced.
    EXPECT_FALSE(bytes.contains('?'));
    const IniFile file = IniFile::parse(bytes);
    for (int n = 1; n <= 200; ++n) {
        const QString name = all.at(n - 1);
        EXPECT_EQ(file.value(u"names", QStringLiteral("n%1").arg(n)), name);
        EXPECT_EQ(cp932ByteCount(name), 2 * name.size()) << qPrintable(name);
    }
    EXPECT_EQ(encodeCp932(u"歩惟"), QByteArray("\x95\xe0\x88\xd2"));
}

TEST(IniFile, WriterLaysOutSectionsAndKeysWithCrlfAndKeepsValuesOnOneLine)
{
    IniWriter writer;
    writer.section(u"system");
    writer.entry(u"version", u"0.34b");
    writer.entry(u"screenbitmap", u"a\r\nb\nc");
    EXPECT_EQ(writer.bytes(), QByteArray("[system]\r\nversion=0.34b\r\nscreenbitmap=a  b c\r\n"));
    // What the reader would trim or unquote goes in quotes and reads back whole.
    const QStringList values = {u" lead"_s, u"trail\t"_s, u"\"q\""_s, u"'x'"_s, u"\"x'"_s, u"\""_s};
    IniWriter edges;
    edges.section(u"s");
    for (int k = 0; k < values.size(); ++k)
        edges.entry(QString::number(k), values.at(k));
    EXPECT_TRUE(edges.bytes().contains("0=\" lead\"\r\n"));
    EXPECT_TRUE(edges.bytes().contains("4=\"x'\r\n"));
    const IniFile back = IniFile::parse(edges.bytes());
    for (int k = 0; k < values.size(); ++k)
        EXPECT_EQ(back.value(u"s", QString::number(k)), values.at(k)) << k;
}

TEST(IniFile, LoadFailsSoftlyForMissingFoldersAndUnreadableFiles)
{
    QTemporaryDir dir;
    EXPECT_FALSE(IniFile::load(dir.filePath("missing.ini")).has_value());
    EXPECT_FALSE(IniFile::load(dir.path()).has_value());
    EXPECT_EQ(ReadSetting(dir.path(), u"system", u"date", QStringLiteral("NoFile")),
              QStringLiteral("NoFile"));
    EXPECT_FALSE(FileExists(dir.path()));

    const QString path = dir.filePath("FINWICKS.INI");
    writeBytes(path, "[system]\r\ndate=2026/12/08\r\n");
    EXPECT_TRUE(FileExists(path));
    EXPECT_EQ(ReadSetting(path, u"System", u"DATE", QStringLiteral("NoFile")),
              QStringLiteral("2026/12/08"));
    if (::geteuid() == 0)
        GTEST_SKIP() << "root reads every file";
    QFile::setPermissions(path, QFileDevice::WriteOwner);
    EXPECT_FALSE(FileExists(path));
    EXPECT_EQ(ReadSetting(path, u"system", u"date", QStringLiteral("NoFile")),
              QStringLiteral("NoFile"));
}

TEST(IniFile, AFileOfAnySizeIsReadWhole)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("huge.ini");
    QByteArray bytes("[system]\r\ndate=2026/12/08\r\n[junk]\r\n");
    bytes += QByteArray(20 * 1024 * 1024, 'x');
    bytes += "\r\n[late]\r\nk=1\r\n";
    writeBytes(path, bytes);
    const std::optional<IniFile> file = IniFile::load(path);
    ASSERT_TRUE(file.has_value());
    EXPECT_EQ(file->value(u"system", u"date"), QStringLiteral("2026/12/08"));
    EXPECT_EQ(file->value(u"late", u"k"), QStringLiteral("1"));
}

TEST(IniFile, TrimsOnlyAsciiSpacesAndTabs)
{
    // 81 40 is the full-width space: part of the value and of the name.
    const IniFile file = IniFile::parse("[s]\r\n \tk\t = \t\x81\x40x\x81\x40 \t\r\n"
                                        "\x81\x40n=1\r\n[ \x81\x40t ]\r\nk=2\r\n");
    EXPECT_EQ(file.value(u"s", u"k"), QStringLiteral("\u3000x\u3000"));
    EXPECT_EQ(file.value(u"s", u"\u3000n"), QStringLiteral("1"));
    EXPECT_FALSE(file.value(u"s", u"n").has_value());
    EXPECT_EQ(file.value(u"\u3000t", u"k"), QStringLiteral("2"));
}

TEST(IniFile, ASelectionKeepsOnlyTheChosenSectionsAndKeys)
{
    int asked = 0;
    const IniSelection selection{[](QStringView section) { return section == u"keep"; },
                                 [&asked](QStringView, QStringView key) {
                                     ++asked;
                                     return key.startsWith(u'k');
                                 }};
    const IniFile file =
        IniFile::parse("[keep]\nk1=a\nx=b\nK1=dup\nk2=c\n[drop]\nk1=d\n[KEEP]\nk3=e\n", selection);
    EXPECT_EQ(file.keys(u"keep"), (std::vector<QString>{"k1", "k2", "k3"}));
    EXPECT_EQ(file.value(u"keep", u"k1"), QStringLiteral("a"));
    EXPECT_FALSE(file.value(u"keep", u"x").has_value());
    EXPECT_FALSE(file.hasSection(u"drop"));
    EXPECT_EQ(asked, 5); // every key line, the duplicate K1 too
}

TEST(IniFile, AFileRewrittenOrTruncatedWhileItIsReadIsReadAsItNowStands)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("FINWICKS.INI");
    // Several pieces long, so the change comes in the middle of the read.
    QByteArray before("[system]\r\ndate=2000/01/01\r\n[junk]\r\n");
    before += QByteArray(300 * 1024, 'x');
    before += "\r\n[fish]\r\nf01=old\r\n";
    const QByteArray after("[system]\r\ndate=2026/12/08\r\n[fish]\r\nf01=new\r\n");

    // Another program rewrites the file in place: truncates it, then writes.
    writeBytes(path, before);
    int reads = 0;
    const std::optional<QByteArray> rewritten = readWholeFile(path, [&] {
        if (++reads == 1)
            writeBytes(path, after);
    });
    ASSERT_TRUE(rewritten.has_value());
    EXPECT_EQ(*rewritten, after);
    const IniFile file = IniFile::parse(*rewritten);
    EXPECT_EQ(file.value(u"system", u"date"), QStringLiteral("2026/12/08"));
    EXPECT_EQ(file.value(u"fish", u"f01"), QStringLiteral("new"));

    // Truncated to nothing and left so: an empty file, no crash.
    writeBytes(path, before);
    reads = 0;
    const std::optional<QByteArray> emptied = readWholeFile(path, [&] {
        if (++reads == 2)
            QFile::resize(path, 0);
    });
    ASSERT_TRUE(emptied.has_value());
    EXPECT_TRUE(emptied->isEmpty());

    // Cut in the middle for good: exactly what is left of it.
    writeBytes(path, before);
    reads = 0;
    const std::optional<QByteArray> cut = readWholeFile(path, [&] {
        if (++reads == 1)
            QFile::resize(path, 100 * 1024);
    });
    ASSERT_TRUE(cut.has_value());
    EXPECT_EQ(*cut, before.first(100 * 1024));

    // A file that never holds still is read a few times, then taken as read.
    writeBytes(path, before);
    reads = 0;
    const std::optional<QByteArray> restless =
        readWholeFile(path, [&] { writeBytes(path, ++reads % 2 ? after : before); });
    EXPECT_TRUE(restless.has_value());
    EXPECT_LT(reads, 40);
}
