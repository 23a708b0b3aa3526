#include "startup/StartupState.h"
#include "state/IniFile.h"
#include "state/SettingsFile.h"
#include "support/FixedClock.h"
#include "support/ScriptedRandom.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace fw;
using fw::test::FixedClock;
using fw::test::ScriptedRandom;

namespace {

const ScreenSize screen{1024, 768};

QByteArray readBytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void writeBytes(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(bytes);
}

class StartupStateTest : public ::testing::Test
{
protected:
    void SetUp() override { state.settingsPath = dir.filePath(QStringLiteral("FINWICKS.INI")); }

    // Enough draws for 28 starter fish and their names; what is left over
    // shows how many were taken.
    void scriptFirstRun()
    {
        for (int i = 0; i < 28 * 4 + 28; ++i)
            random.push(0.5);
    }

    QTemporaryDir dir;
    FixedClock clock;
    ScriptedRandom random;
    AppState state;
};

} // namespace

TEST_F(StartupStateTest, WithoutAFileTheFirstRunStateIsSavedThenLoadedAndNamed)
{
    scriptFirstRun();
    const StartupOutcome outcome = prepareState(state, random, clock, screen);
    EXPECT_TRUE(outcome.firstRun);
    EXPECT_TRUE(outcome.saved);
    ASSERT_EQ(state.fish.count, 28);
    for (int p = 1; p <= 28; ++p)
        EXPECT_TRUE(state.fish.at(p).name().startsWith(u'*')) << p;
    EXPECT_EQ(state.settings.date, QStringLiteral("2026/12/08"));
    EXPECT_EQ(state.settings.timevisible, QStringLiteral("0"));
    EXPECT_EQ(state.settings.bubble_initx, 921);
    EXPECT_EQ(state.settings.bubble_inity, 691);

    const std::optional<IniFile> file = IniFile::load(state.settingsPath);
    ASSERT_TRUE(file.has_value());
    // Stored without names until the next save.
    EXPECT_EQ(file->value(u"fish", u"f28")->mid(1, 10), QString(10, u' '));
    EXPECT_FALSE(file->value(u"fish", u"f29").has_value());
    EXPECT_FALSE(QFile::exists(state.settingsPath + QStringLiteral(".bak")));
}

TEST_F(StartupStateTest, AFileWithoutADateIsKeptAsBakBeforeItIsReplaced)
{
    const QByteArray old("[System]\r\nversion=0.34b\r\n[fish]\r\nf01=0*ポチ\r\n");
    writeBytes(state.settingsPath, old);
    scriptFirstRun();
    const StartupOutcome outcome = prepareState(state, random, clock, screen);
    EXPECT_TRUE(outcome.firstRun);
    EXPECT_EQ(readBytes(state.settingsPath + QStringLiteral(".bak")), old);
    EXPECT_EQ(state.fish.count, 28);
    EXPECT_NE(readBytes(state.settingsPath), old);
}

TEST_F(StartupStateTest, EachUnusableFileIsKeptBesideTheEarlierOnes)
{
    const QString bak = state.settingsPath + QStringLiteral(".bak");
    for (int round = 1; round <= KeptBackups + 1; ++round) {
        writeBytes(state.settingsPath,
                   "[system]\r\ndate=NoFile\r\n; round " + QByteArray::number(round) + "\r\n");
        scriptFirstRun();
        EXPECT_TRUE(prepareState(state, random, clock, screen).firstRun) << round;
    }
    EXPECT_TRUE(readBytes(bak).endsWith("round 4\r\n"));
    EXPECT_TRUE(readBytes(bak + QStringLiteral(".1")).endsWith("round 3\r\n"));
    EXPECT_TRUE(readBytes(bak + QStringLiteral(".2")).endsWith("round 2\r\n"));
    EXPECT_FALSE(QFile::exists(bak + QStringLiteral(".3")));
}

TEST_F(StartupStateTest, AUsableFileIsLoadedAndLeftUntouched)
{
    const QByteArray bytes("[system]\r\ndate=2025/01/01\r\nversion=0.33\r\n"
                           "[case]\r\nbubble_initx=12\r\n"
                           "[fish]\r\nf01=2          45000100\r\nf02=3*X        45100000\r\n");
    writeBytes(state.settingsPath, bytes);
    random.push(0.0);
    const StartupOutcome outcome = prepareState(state, random, clock, screen);
    EXPECT_FALSE(outcome.firstRun);
    EXPECT_EQ(random.remaining(), 0u);
    EXPECT_EQ(readBytes(state.settingsPath), bytes);
    EXPECT_EQ(state.settings.version, QStringLiteral("0.34b"));
    EXPECT_EQ(state.settings.bubble_initx, 12);
    EXPECT_EQ(state.settings.bubble_inity, 691);
    ASSERT_EQ(state.fish.count, 2);
    EXPECT_EQ(state.fish.at(1).name().trimmed(), QStringLiteral("*敦士"));
    EXPECT_EQ(state.fish.at(2).name().trimmed(), QStringLiteral("*X"));
}

TEST_F(StartupStateTest, AFolderInPlaceOfTheFileStillGivesARunnableTank)
{
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("FINWICKS.INI")));
    scriptFirstRun();
    const StartupOutcome outcome = prepareState(state, random, clock, screen);
    EXPECT_TRUE(outcome.firstRun);
    EXPECT_FALSE(outcome.saved);
    EXPECT_TRUE(QFileInfo(state.settingsPath).isDir());
    EXPECT_EQ(state.settings.version, QStringLiteral("0.34b"));
    EXPECT_EQ(state.settings.fishmovespeed, QStringLiteral("50"));
    ASSERT_EQ(state.fish.count, 28);
    EXPECT_TRUE(state.fish.at(1).name().startsWith(u'*'));
}

TEST(SettingsPath, FollowsXdgConfigHomeAndIgnoresRelativeValues)
{
    const QByteArray saved = qgetenv("XDG_CONFIG_HOME");
    qputenv("XDG_CONFIG_HOME", "/tmp/somewhere");
    EXPECT_EQ(settingsFilePath(), QStringLiteral("/tmp/somewhere/finwicks/FINWICKS.INI"));
    qputenv("XDG_CONFIG_HOME", "relative");
    EXPECT_EQ(settingsFilePath(),
              QDir::homePath() + QStringLiteral("/.config/finwicks/FINWICKS.INI"));
    qunsetenv("XDG_CONFIG_HOME");
    EXPECT_EQ(settingsFilePath(),
              QDir::homePath() + QStringLiteral("/.config/finwicks/FINWICKS.INI"));
    if (!saved.isNull())
        qputenv("XDG_CONFIG_HOME", saved);

    QTemporaryDir dir;
    EXPECT_TRUE(ensureSettingsFolder(dir.filePath(QStringLiteral("a/b/FINWICKS.INI"))));
    EXPECT_TRUE(QFileInfo(dir.filePath(QStringLiteral("a/b"))).isDir());
}
