#include "state/SettingsFile.h"
#include "StateTestSupport.h"
#include "platform/Conversions.h"
#include "state/Fish.h"
#include "state/IniFile.h"
#include "state/SettingsKeys.h"
#include "state/StateLoading.h"
#include "support/FixedClock.h"
#include "support/ScriptedRandom.h"

#include <QDir>
#include <QTemporaryDir>

#include <utility>

using namespace fw;
using fw::test::FixedClock;
using fw::test::readBytes;
using fw::test::ScriptedRandom;
using fw::test::writeBytes;

namespace {

const ScreenSize screen{1000, 800};

// The draws of the 28 starter fish as (k, n) for draw(n) = k: the age, the sex
// where it is chosen at random, then left and top.
// clang-format off
const std::pair<int, int> scriptedDraws[] = {
    {50, 100}, {0, 891}, {7, 712}, {20, 100}, {37, 891}, {60, 712}, {5, 80}, {74, 891}, 
    {113, 712}, {70, 80}, {111, 891}, {166, 712}, {40, 80}, {148, 891}, {219, 712}, {20, 80}, 
    {185, 891}, {272, 712}, {0, 190}, {0, 2}, {222, 891}, {325, 712}, {189, 190}, {1, 2}, {259, 
    891}, {378, 712}, {90, 190}, {1, 2}, {296, 891}, {431, 712}, {40, 190}, {0, 2}, {333, 891}, 
    {484, 712}, {50, 190}, {1, 2}, {370, 891}, {537, 712}, {140, 190}, {0, 2}, {407, 891}, 
    {590, 712}, {1, 190}, {0, 2}, {444, 891}, {643, 712}, {2, 190}, {1, 2}, {481, 891}, {696, 
    712}, {10, 190}, {1, 2}, {518, 891}, {37, 712}, {20, 190}, {0, 2}, {555, 891}, {90, 712}, 
    {180, 190}, {0, 2}, {592, 891}, {143, 712}, {35, 190}, {1, 2}, {629, 891}, {196, 712}, {35, 
    190}, {0, 2}, {666, 891}, {249, 712}, {78, 190}, {1, 2}, {703, 891}, {302, 712}, {0, 190}, 
    {1, 2}, {740, 891}, {355, 712}, {189, 190}, {0, 2}, {777, 891}, {408, 712}, {0, 100}, {814, 
    891}, {461, 712}, {99, 100}, {851, 891}, {514, 712}, {50, 100}, {888, 891}, {567, 712}, 
    {50, 100}, {34, 891}, {620, 712}, {1, 100}, {71, 891}, {673, 712}, {0, 100}, {108, 891}, 
    {14, 712}
};
// clang-format on

const char *const expectedSettings = "[system]\r\n"
                                     "version=0.34b\r\n"
                                     "date=2026/12/08\r\n"
                                     "time=12:34:56\r\n"
                                     "endpattern=2\r\n"
                                     "fishmovespeed=50\r\n"
                                     "sound1=0\r\n"
                                     "sound2=0\r\n"
                                     "soundfile=\r\n"
                                     "forecolor=16776960\r\n"
                                     "backcolor=0\r\n"
                                     "namevisible=0\r\n"
                                     "screenvisible=0\r\n"
                                     "screenbitmap=\r\n"
                                     "screenclear=1\r\n"
                                     "screencleartime=30\r\n"
                                     "timevisible=0\r\n"
                                     "timestyle=0\r\n"
                                     "timeposition=1\r\n"
                                     "[case]\r\n"
                                     "food1=1\r\n"
                                     "food2=0\r\n"
                                     "foodtime1=12\r\n"
                                     "foodtime2=00\r\n"
                                     "lighton=09\r\n"
                                     "lightoff=21\r\n"
                                     "wtemp=28\r\n"
                                     "wautochange=1\r\n"
                                     "wchangeinterval=14\r\n"
                                     "wquantity=15\r\n"
                                     "wchangedate=2026/12/08\r\n"
                                     "bubble_view=1\r\n"
                                     "bubble_dist=1\r\n"
                                     "bubble_initx=900\r\n"
                                     "bubble_inity=720\r\n"
                                     "bubble_init_rand=0\r\n"
                                     "bubble_init_time=0\r\n"
                                     "bubble_limity=0\r\n"
                                     "bubble_count_max=100\r\n"
                                     "wturbidity=0\r\n"
                                     "fry=1\r\n"
                                     "eggs=\r\n"
                                     "[fish]\r\n";

// The starter fish in save order: species, then oldest first; equal birth
// days stay where the exchange sort leaves them.
// clang-format off
const char *const expectedFish =
    "f01=0          462140                                                                          00000000000000000070000000000\r\n"
    "f02=0          462441                                                                          00000000000037000600000000000\r\n"
    "f03=0          462840                                                                          00000000000111001660000000000\r\n"
    "f04=0          463141                                                                          00000000000148002190000000000\r\n"
    "f05=0          463341                                                                          00000000000185002720000000000\r\n"
    "f06=0          463490                                                                          00000000000074001130000000000\r\n"
    "f07=1          461651                                                                          00000000000259003780000000000\r\n"
    "f08=1          462140                                                                          00000000000407005900000000000\r\n"
    "f09=1          462641                                                                          00000000000296004310000000000\r\n"
    "f10=1          463041                                                                          00000000000370005370000000000\r\n"
    "f11=1          463140                                                                          00000000000333004840000000000\r\n"
    "f12=1          463521                                                                          00000000000481006960000000000\r\n"
    "f13=1          463530                                                                          00000000000444006430000000000\r\n"
    "f14=1          463540                                                                          00000000000222003250000000000\r\n"
    "f15=2          461650                                                                          00000000000777004080000000000\r\n"
    "f16=2          461740                                                                          00000000000592001430000000000\r\n"
    "f17=2          462761                                                                          00000000000703003020000000000\r\n"
    "f18=2          463191                                                                          00000000000629001960000000000\r\n"
    "f19=2          463190                                                                          00000000000666002490000000000\r\n"
    "f20=2          463340                                                                          00000000000555000900000000000\r\n"
    "f21=2          463441                                                                          00000000000518000370000000000\r\n"
    "f22=2          463541                                                                          00000000000740003550000000000\r\n"
    "f23=3          461651                                                                          00000000000851005140000000000\r\n"
    "f24=3          462640                                                                          00000000000814004610000000000\r\n"
    "f25=4          462140                                                                          00000000000888005670000000000\r\n"
    "f26=4          462141                                                                          00000000000034006200000000000\r\n"
    "f27=5          462630                                                                          00000000000071006730000000000\r\n"
    "f28=5          462641                                                                          00000000000108000140000000000\r\n"
    ;
// clang-format on

class SettingsFileTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_dir.isValid());
        state.settingsPath = m_dir.filePath(QStringLiteral("FINWICKS.INI"));
    }

    void createFirstRun()
    {
        for (const auto &[k, n] : scriptedDraws)
            random.pushDraw(k, n);
        createFirstRunState(state, random, clock, screen);
        EXPECT_EQ(random.remaining(), 0u);
    }

    IniFile loadedFile() const
    {
        const std::optional<IniFile> file = IniFile::load(state.settingsPath);
        EXPECT_TRUE(file.has_value());
        return file.value_or(IniFile());
    }

    QStringList leftovers() const
    {
        return QDir(m_dir.path()).entryList(QDir::Files | QDir::NoDotAndDotDot);
    }

    QTemporaryDir m_dir;
    FixedClock clock;
    ScriptedRandom random;
    AppState state;
};

QByteArray firstRunFile()
{
    return QByteArray(expectedSettings) + QByteArray(expectedFish);
}

} // namespace

TEST_F(SettingsFileTest, AFirstRunFileHasExactlyTheseBytes)
{
    createFirstRun();
    ASSERT_EQ(state.fish.count, 28);
    ASSERT_TRUE(SaveAll(state, clock));
    const QByteArray bytes = readBytes(state.settingsPath);
    EXPECT_EQ(bytes.left(qstrlen(expectedSettings)), QByteArray(expectedSettings));
    EXPECT_EQ(bytes, firstRunFile());
    EXPECT_EQ(leftovers(), QStringList{QStringLiteral("FINWICKS.INI")});
}

TEST_F(SettingsFileTest, LoadingTheFirstRunFileNamesEveryFishWithoutRepeats)
{
    createFirstRun();
    ASSERT_TRUE(SaveAll(state, clock));
    AppState loaded;
    for (int i = 0; i < 28; ++i)
        random.push(0.0);
    loadSettings(loaded.settings, loadedFile(), screen);
    loadFishTable(loaded, random, loadedFile());
    ASSERT_EQ(loaded.fish.count, 28);
    QStringList names;
    for (int p = 1; p <= 28; ++p) {
        const FishRecord &record = loaded.fish.at(p);
        EXPECT_TRUE(record.name().startsWith(u'*'));
        EXPECT_FALSE(names.contains(record.name().toString()));
        names << record.name().toString();
        EXPECT_EQ(loaded.values[p].left, record.left());
        EXPECT_EQ(loaded.values[p].top, record.top());
        EXPECT_EQ(record.species(), state.fish.at(p).species());
    }
    EXPECT_EQ(loaded.settings.bubble_initx, 900);
    EXPECT_EQ(loaded.settings.timevisible, QStringLiteral("0"));
    // The names reach the file only with the next save.
    EXPECT_EQ(readBytes(state.settingsPath), firstRunFile());
}

TEST_F(SettingsFileTest, MissingKeysTakeTheirDefaultsNotTheFirstRunValues)
{
    const IniFile file = IniFile::parse("[system]\r\ndate=2026/01/01\r\n");
    SettingsRecord settings;
    loadSettings(settings, file, screen);
    EXPECT_EQ(settings.version, QStringLiteral("0.34b"));
    EXPECT_EQ(settings.timevisible, QStringLiteral("1"));
    EXPECT_EQ(settings.timestyle, QStringLiteral("2"));
    EXPECT_EQ(settings.fishmovespeed, QStringLiteral("10"));
    EXPECT_EQ(settings.screencleartime, QStringLiteral("30"));
    EXPECT_EQ(settings.endpattern, QString());
    EXPECT_EQ(settings.wtemp, QString());
    EXPECT_EQ(settings.bubble_view, 1.0);
    EXPECT_EQ(settings.bubble_dist, 1);
    EXPECT_EQ(settings.bubble_initx, 900);
    EXPECT_EQ(settings.bubble_inity, 720);
    EXPECT_EQ(settings.bubble_count_max, 100);
    EXPECT_EQ(settings.bubble_limity, 0);
}

TEST_F(SettingsFileTest, HandEditedValuesLoadSoundly)
{
    const IniFile file = IniFile::parse("[SYSTEM]\r\nversion=9.99\r\ndate=2026/01/01\r\n"
                                        "fishmovespeed=  abc  \r\n"
                                        "[case]\r\nbubble_view=2.5xyz\r\nbubble_dist=junk\r\n"
                                        "bubble_initx=99999\r\nbubble_inity=-40000\r\n"
                                        "bubble_limity=12.5\r\nbubble_count_max=13.5\r\n"
                                        "bubble_init_time=1e3\r\n");
    SettingsRecord settings;
    loadSettings(settings, file, screen);
    EXPECT_EQ(settings.version, QStringLiteral("0.34b"));
    EXPECT_EQ(settings.fishmovespeed, QStringLiteral("abc")); // texts stay as read
    EXPECT_EQ(settings.bubble_view, 2.5);
    EXPECT_EQ(settings.bubble_dist, 0);
    // Beyond 16 bits: the assignment is skipped, the value stays as it was.
    EXPECT_EQ(settings.bubble_initx, 0);
    EXPECT_EQ(settings.bubble_inity, 0);
    EXPECT_EQ(settings.bubble_limity, 12); // halves go to the even integer
    EXPECT_EQ(settings.bubble_count_max, 14);
    EXPECT_EQ(settings.bubble_init_time, 1.0);
}

TEST_F(SettingsFileTest, SavingDropsUnknownKeysAndWritesNumbersPlainly)
{
    writeBytes(state.settingsPath, "[system]\r\ndate=2026/01/01\r\nversion=0.30\r\nmine=1\r\n"
                                   "[extra]\r\nk=v\r\n[fish]\r\nf01=1\r\nf02=2\r\n");
    loadSettings(state.settings, loadedFile(), screen);
    loadFishTable(state, random, IniFile()); // no fish
    state.settings.bubble_view = 0.5;
    state.settings.bubble_init_time = -0.0;
    state.settings.bubble_inity = -7;
    ASSERT_TRUE(SaveAll(state, clock));
    const IniFile saved = loadedFile();
    EXPECT_EQ(saved.value(u"system", u"version"), QStringLiteral("0.34b"));
    EXPECT_EQ(saved.value(u"system", u"date"), QStringLiteral("2026/12/08"));
    EXPECT_EQ(saved.value(u"system", u"time"), QStringLiteral("12:34:56"));
    EXPECT_FALSE(saved.value(u"system", u"mine").has_value());
    EXPECT_FALSE(saved.hasSection(u"extra"));
    EXPECT_FALSE(saved.hasSection(u"fish")); // no fish, no section
    EXPECT_EQ(saved.value(u"case", u"bubble_view"), QStringLiteral("0.5"));
    EXPECT_EQ(saved.value(u"case", u"bubble_init_time"), QStringLiteral("0"));
    EXPECT_EQ(saved.value(u"case", u"bubble_inity"), QStringLiteral("-7"));
    EXPECT_TRUE(readBytes(state.settingsPath)
                    .endsWith("bubble_count_max=100\r\nwturbidity=0\r\nfry=1\r\neggs=\r\n"));
}

// Numbers are read without exponents, so they are written without them and
// read back as written, however large or small a hand-edited value is.
TEST(SettingNumbers, AreWrittenWithoutExponentsAndReadBackAsWritten)
{
    EXPECT_EQ(formatSettingNumber(4.00002000003e16), u"999999999999999");
    EXPECT_EQ(formatSettingNumber(-1e300), u"-999999999999999");
    EXPECT_EQ(formatSettingNumber(123456789012345.0), u"123456789012345");
    EXPECT_EQ(formatSettingNumber(0.00001234), u"0.00001234");
    EXPECT_EQ(formatSettingNumber(1e-20), u"0");
    EXPECT_EQ(formatSettingNumber(-2.5), u"-2.5");
    for (const double value : {4.00002000003e16, 1e-7, -3.25e-5, 0.1, 123.456, 1e15, 7e14}) {
        const QString written = formatSettingNumber(value);
        EXPECT_FALSE(written.contains(u'e')) << written.toStdString();
        EXPECT_EQ(formatSettingNumber(decimalPrefix(written)), written) << value;
    }
}

TEST_F(SettingsFileTest, FishAfterAGapMoveUpAndRecordsAreFittedTo120)
{
    QByteArray bytes("[fish]\r\nf01=1\r\nF02=");
    bytes += QByteArray(130, '2');
    bytes += "\r\nf03=3" + QByteArray(99, ' ') + "99999-0012000070000x\r\n";
    bytes += "f05=5 after a gap\r\nf100=0\r\n";
    AppState loaded;
    loaded.values[3].left = 77;
    loaded.values[3].facing = 1;
    for (int i = 0; i < 4; ++i)
        random.push(0.0);
    loadFishTable(loaded, random, IniFile::parse(bytes));
    ASSERT_EQ(loaded.fish.count, 5);
    EXPECT_TRUE(loaded.fish.at(4).text().startsWith(u"5 after a gap"));
    EXPECT_EQ(loaded.fish.at(5).species(), u'0');
    EXPECT_EQ(loaded.fish.at(1).text().size(), 120);
    EXPECT_EQ(loaded.fish.at(2).text(), QString(120, u'2'));
    EXPECT_EQ(loaded.values[3].left, 77); // 99999 does not fit: left as it was
    EXPECT_EQ(loaded.values[3].top, -12);
    EXPECT_EQ(loaded.values[3].movex, 7);
    EXPECT_EQ(loaded.values[3].movey, 0);
    EXPECT_EQ(loaded.values[3].facing, 0);
    EXPECT_EQ(loaded.values[3].topspeed, 10);
}

TEST_F(SettingsFileTest, KeysPastF99FollowInNumberOrderUpToNinetyNineFish)
{
    QByteArray bytes("[fish]\r\nf101=3 b\r\nf01=0 a\r\nF100=2 c\r\nf0100=x\r\nf1000=4 d\r\n"
                     "f102=NODATA\r\nf02=1 e\r\n");
    loadFishTable(state, random, IniFile::parse(bytes));
    ASSERT_EQ(state.fish.count, 5);
    const char16_t *const order[] = {u"0 a", u"1 e", u"2 c", u"3 b", u"4 d"};
    for (int p = 1; p <= 5; ++p)
        EXPECT_TRUE(state.fish.at(p).text().startsWith(order[p - 1])) << p;

    // Saved as f01..f05, so the next start loads every one of them.
    ASSERT_TRUE(SaveAll(state, clock));
    AppState again;
    loadFishTable(again, random, loadedFile());
    EXPECT_EQ(again.fish.count, 5);

    QByteArray full("[fish]\r\n");
    for (int k = 1; k <= 150; ++k)
        full +=
            QStringLiteral("f%1=%2 x\r\n").arg(k + 60, 2, 10, QChar(u'0')).arg(k % 6).toLatin1();
    loadFishTable(again, random, IniFile::parse(full));
    EXPECT_EQ(again.fish.count, 99);
}

TEST_F(SettingsFileTest, FishAfterTwentyMegabytesAreLoadedAndJunkKeysAreNotKept)
{
    createFirstRun();
    QByteArray bytes = settingsFileBytes(state);
    const qsizetype fish = bytes.indexOf("[fish]");
    QByteArray junk("[junk]\r\n");
    for (int k = 0; junk.size() < 20 * 1024 * 1024; ++k)
        junk += "; comment " + QByteArray::number(k) + "\r\nk" + QByteArray::number(k) + "=v\r\n";
    bytes.insert(fish, junk + "[system]\r\nextra=1\r\n");
    writeBytes(state.settingsPath, bytes);

    const std::optional<IniFile> file = readSettingsFile(state.settingsPath);
    ASSERT_TRUE(holdsSavedState(file));
    EXPECT_FALSE(file->hasSection(u"junk"));
    EXPECT_FALSE(file->value(u"system", u"extra").has_value());
    AppState loaded;
    for (int i = 0; i < 28; ++i)
        random.push(0.0);
    loadFishTable(loaded, random, *file);
    EXPECT_EQ(loaded.fish.count, 28);
}

TEST_F(SettingsFileTest, OnlyAFileWithARealDateHoldsASavedTank)
{
    EXPECT_FALSE(holdsSavedState(std::nullopt));
    EXPECT_FALSE(holdsSavedState(IniFile::parse("[system]\r\nversion=0.34b\r\n")));
    EXPECT_FALSE(holdsSavedState(IniFile::parse("[system]\r\ndate=NoFile\r\n")));
    EXPECT_TRUE(holdsSavedState(IniFile::parse("[System]\r\nDATE=\r\n")));
    EXPECT_TRUE(holdsSavedState(IniFile::parse("[system]\r\ndate=2026/12/08\r\n")));
}

TEST_F(SettingsFileTest, AFullWidthSpaceIsPartOfAName)
{
    // "　　　　　" (five full-width spaces) is a name the user gave, not none.
    loadFishTable(state, random,
                  IniFile::parse("[fish]\r\nf01=0\x81\x40\x81\x40\x81\x40\x81\x40\x81\x40"
                                 "     46284\r\n"));
    ASSERT_EQ(state.fish.count, 1);
    EXPECT_EQ(state.fish.at(1).name(), QString(5, QChar(0x3000)) + QString(5, u' '));
}

TEST_F(SettingsFileTest, AReadOnlyFileIsNotReplacedAndALinkStaysALink)
{
    createFirstRun();
    const QByteArray old("[system]\r\ndate=2000/01/01\r\n");
    writeBytes(state.settingsPath, old);
    QFile::setPermissions(state.settingsPath, QFileDevice::ReadOwner | QFileDevice::ReadGroup);
    EXPECT_FALSE(SaveAll(state, clock));
    EXPECT_EQ(readBytes(state.settingsPath), old);
    EXPECT_EQ(leftovers(), QStringList{QStringLiteral("FINWICKS.INI")});
    QFile::setPermissions(state.settingsPath, QFileDevice::ReadOwner | QFileDevice::WriteOwner);

    // The settings kept elsewhere, behind a link (and a link to the link).
    QDir(m_dir.path()).mkdir(QStringLiteral("real"));
    const QString target = m_dir.filePath(QStringLiteral("real/settings.ini"));
    QFile::rename(state.settingsPath, target);
    ASSERT_TRUE(QFile::link(QStringLiteral("real/settings.ini"), m_dir.filePath("middle")));
    ASSERT_TRUE(QFile::link(QStringLiteral("middle"), state.settingsPath));
    ASSERT_TRUE(SaveAll(state, clock));
    EXPECT_TRUE(QFileInfo(state.settingsPath).isSymLink());
    EXPECT_EQ(readBytes(target), settingsFileBytes(state));
    EXPECT_EQ(QDir(m_dir.filePath("real")).entryList(QDir::Files),
              QStringList{QStringLiteral("settings.ini")});
}

TEST_F(SettingsFileTest, ASaveThatFailsAtAnyPointKeepsTheOldFile)
{
    const QByteArray old("[system]\r\ndate=2000/01/01\r\n[fish]\r\nf01=0 old fish\r\n");
    writeBytes(state.settingsPath, old);
    createFirstRun();
    const int total = static_cast<int>(settingsFileBytes(state).size());
    ASSERT_GT(total, 4000);

    for (int k = 0; k < total; k += 97) {
        FileReplaceSteps steps;
        steps.write = [k](QFile &file, QByteArrayView bytes) {
            file.write(bytes.data(), std::min<qsizetype>(k, bytes.size()));
            return false;
        };
        EXPECT_FALSE(SaveAll(state, clock, steps)) << k;
        ASSERT_EQ(readBytes(state.settingsPath), old) << k;
        ASSERT_EQ(leftovers(), QStringList{QStringLiteral("FINWICKS.INI")}) << k;
    }

    FileReplaceSteps noSync;
    noSync.sync = [](QFile &) { return false; };
    EXPECT_FALSE(SaveAll(state, clock, noSync));
    FileReplaceSteps noRename;
    noRename.rename = [](const QString &, const QString &) { return false; };
    EXPECT_FALSE(SaveAll(state, clock, noRename));
    EXPECT_EQ(readBytes(state.settingsPath), old);
    EXPECT_EQ(leftovers(), QStringList{QStringLiteral("FINWICKS.INI")});

    // A save that gets through replaces the file whole.
    ASSERT_TRUE(SaveAll(state, clock));
    EXPECT_EQ(readBytes(state.settingsPath), settingsFileBytes(state));
}

TEST_F(SettingsFileTest, AStartRemovesAHalfWrittenSaveOnlyWhenItIsOlderThanTheStart)
{
    QString leftover = temporaryFileFor(state.settingsPath);
    const QDateTime start = clock.now();
    const auto makeLeftover = [&](const QDateTime &written) {
        writeBytes(leftover, "[system]\r\ndate=2026/1");
        QFile file(leftover);
        ASSERT_TRUE(file.open(QIODevice::ReadWrite));
        ASSERT_TRUE(file.setFileTime(written, QFileDevice::FileModificationTime));
    };

    // Left by a save killed before this start.
    makeLeftover(start.addSecs(-1));
    EXPECT_TRUE(removeLeftoverTemporary(state.settingsPath, start));
    EXPECT_FALSE(QFileInfo::exists(leftover));
    // Written since: a save under way somewhere, kept.
    makeLeftover(start.addMSecs(200));
    EXPECT_FALSE(removeLeftoverTemporary(state.settingsPath, start));
    EXPECT_TRUE(QFileInfo::exists(leftover));
    QFile::remove(leftover);
    // Nothing there, or something a save would not have made.
    EXPECT_FALSE(removeLeftoverTemporary(state.settingsPath, start));
    ASSERT_TRUE(QDir(m_dir.path()).mkdir(QFileInfo(leftover).fileName()));
    EXPECT_FALSE(removeLeftoverTemporary(state.settingsPath, start));
    EXPECT_TRUE(QFileInfo(leftover).isDir());
    QDir(leftover).removeRecursively();

    // Behind a link the save writes beside the file linked to.
    QDir(m_dir.path()).mkdir(QStringLiteral("real"));
    const QString target = m_dir.filePath(QStringLiteral("real/settings.ini"));
    writeBytes(target, "[system]\r\ndate=2000/01/01\r\n");
    ASSERT_TRUE(QFile::link(QStringLiteral("real/settings.ini"), state.settingsPath));
    leftover = temporaryFileFor(state.settingsPath);
    EXPECT_EQ(leftover, target + QStringLiteral(".saving"));
    makeLeftover(start.addSecs(-3600));
    EXPECT_TRUE(removeLeftoverTemporary(state.settingsPath, start));
    EXPECT_EQ(QDir(m_dir.filePath("real")).entryList(QDir::Files),
              QStringList{QStringLiteral("settings.ini")});
}

TEST_F(SettingsFileTest, ASaveIntoAFolderThatCannotTakeTheFileFails)
{
    state.settingsPath = m_dir.filePath(QStringLiteral("missing/FINWICKS.INI"));
    EXPECT_FALSE(SaveAll(state, clock));
    ASSERT_TRUE(QDir(m_dir.path()).mkdir(QStringLiteral("FINWICKS.INI")));
    state.settingsPath = m_dir.filePath(QStringLiteral("FINWICKS.INI"));
    EXPECT_FALSE(SaveAll(state, clock));
    EXPECT_TRUE(QFileInfo(state.settingsPath).isDir());
    state.settingsPath.clear();
    EXPECT_FALSE(SaveAll(state, clock));
}

TEST_F(SettingsFileTest, NamesAndPathsRoundTripThroughTheCodePage)
{
    state.settings.screenbitmap = QStringLiteral("/home/魚/背景 画像.jpg");
    state.fish.count = 2;
    state.fish.at(1) = FishRecord(QStringLiteral("0*蘭々"));
    state.fish.at(2) = FishRecord(QStringLiteral("1ＡＢＣＤＥＦＧＨＩＪ"));
    ASSERT_TRUE(SaveAll(state, clock));
    EXPECT_TRUE(readBytes(state.settingsPath).contains("\x97\x96\x81\x58"));

    AppState loaded;
    loadSettings(loaded.settings, loadedFile(), screen);
    loadFishTable(loaded, random, loadedFile());
    EXPECT_EQ(loaded.settings.screenbitmap, state.settings.screenbitmap);
    ASSERT_EQ(loaded.fish.count, 2);
    EXPECT_EQ(loaded.fish.at(1), state.fish.at(1));
    EXPECT_EQ(loaded.fish.at(2), state.fish.at(2));
}

TEST(SettingsKeys, DialogRangesAndForms)
{
    const auto range = [](QStringView name) {
        const SettingKey *key = findSettingKey(name);
        EXPECT_NE(key, nullptr) << name.toString().toStdString();
        return key ? std::pair(key->minimum, key->maximum) : std::pair(0, 0);
    };
    EXPECT_EQ(range(u"fishmovespeed"), std::pair(1, 1000));
    EXPECT_EQ(range(u"screencleartime"), std::pair(1, 120));
    EXPECT_EQ(range(u"lightoff"), std::pair(0, 23));
    EXPECT_EQ(range(u"wtemp"), std::pair(18, 36));
    EXPECT_EQ(range(u"wquantity"), std::pair(0, 60));
    EXPECT_EQ(range(u"wchangeinterval"), std::pair(1, 99));
    EXPECT_EQ(range(u"bubble_count_max"), std::pair(1, 400));
    EXPECT_EQ(range(u"bubble_limity"), std::pair(0, 90));
    EXPECT_FALSE(findSettingKey(u"endpattern")->hasRange());
    EXPECT_EQ(findSettingKey(u"Bubble_View")->form, SettingForm::Number);
    EXPECT_EQ(findSettingKey(u"bubble_dist")->form, SettingForm::Int16);
    EXPECT_EQ(findSettingKey(u"f01"), nullptr);
    EXPECT_EQ(settingKeys().size(), 40u);
}

TEST(SettingsKeys, AccessByNameConvertsNumbers)
{
    SettingsRecord record;
    EXPECT_TRUE(assignSetting(record, u"wtemp", u"31"));
    EXPECT_TRUE(assignSetting(record, u"bubble_count_max", u"400"));
    EXPECT_FALSE(assignSetting(record, u"bubble_count_max", u"40000"));
    EXPECT_FALSE(assignSetting(record, u"nokey", u"1"));
    EXPECT_EQ(settingValue(record, u"wtemp"), QStringLiteral("31"));
    EXPECT_EQ(settingValue(record, u"bubble_count_max"), QStringLiteral("400"));
    EXPECT_EQ(settingValue(record, u"nokey"), QString());
}
