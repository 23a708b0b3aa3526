#include "startup/HostStart.h"
#include "startup/StartupState.h"
#include "support/FixedClock.h"

#include "platform/Random.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cstdio>

namespace fw {
namespace {

constexpr ScreenSize Screen{1024, 768};

class ReadOnlyStartTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_dir.isValid());
        m_state.settingsPath = m_dir.filePath("FINWICKS.INI");
    }

    // What the owning instance writes on its first run.
    void createOwnersFile()
    {
        AppState owner;
        owner.settingsPath = m_state.settingsPath;
        SeededRandom random(7);
        prepareState(owner, random, m_clock, Screen);
        ASSERT_TRUE(QFileInfo::exists(m_state.settingsPath));
    }

    QStringList folderContents() const
    {
        return QDir(m_dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden);
    }

    QTemporaryDir m_dir;
    AppState m_state;
    test::FixedClock m_clock;
    SeededRandom m_random{42};
};

TEST_F(ReadOnlyStartTest, LoadsTheOwnersTankAndLeavesTheFileAlone)
{
    createOwnersFile();
    QFile file(m_state.settingsPath);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray before = file.readAll();
    file.close();
    const QDateTime modified = QFileInfo(m_state.settingsPath).lastModified();

    prepareReadOnlyState(m_state, m_random, m_clock, Screen, 0);

    EXPECT_EQ(m_state.fish.count, 28);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), before);
    EXPECT_EQ(QFileInfo(m_state.settingsPath).lastModified(), modified);
    EXPECT_EQ(folderContents(), QStringList{"FINWICKS.INI"});
}

TEST_F(ReadOnlyStartTest, WithoutAFileRunsOnTheFirstRunTankInMemory)
{
    prepareReadOnlyState(m_state, m_random, m_clock, Screen, 0);

    EXPECT_EQ(m_state.fish.count, 28);
    EXPECT_TRUE(folderContents().isEmpty()) << folderContents().join(' ').toStdString();
}

TEST_F(ReadOnlyStartTest, AFileWithoutDateIsNeitherReplacedNorBackedUp)
{
    QFile file(m_state.settingsPath);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("[fish]\r\nf01=hand-edited\r\n");
    file.close();

    prepareReadOnlyState(m_state, m_random, m_clock, Screen, 0);

    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), QByteArray("[fish]\r\nf01=hand-edited\r\n"));
    EXPECT_EQ(folderContents(), QStringList{"FINWICKS.INI"});
}

TEST_F(ReadOnlyStartTest, ADateOfNoFileMeansNoTankAsItDoesForTheOwner)
{
    QFile file(m_state.settingsPath);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("[system]\r\ndate=NoFile\r\n[fish]\r\nf01=0 hand-edited\r\n");
    file.close();

    // The owner would replace this file with the first-run tank; this
    // instance shows that tank too instead of the file's single fish.
    prepareReadOnlyState(m_state, m_random, m_clock, Screen, 0);
    EXPECT_EQ(m_state.fish.count, 28);
    EXPECT_EQ(folderContents(), QStringList{"FINWICKS.INI"});
}

} // namespace
} // namespace fw

namespace fw {
namespace {

// The end of a read-only instance: whether its unload (which saves) runs.
class ReadOnlyEndTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_dir.isValid());
        m_path = m_dir.filePath("FINWICKS.INI");
    }

    // Replaces the file the way a save does: a new file renamed over it.
    void save(const QByteArray &bytes)
    {
        const QString temporary = m_path + ".tmp";
        QFile file(temporary);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        file.close();
        ASSERT_EQ(::rename(QFile::encodeName(temporary), QFile::encodeName(m_path)), 0);
    }

    bool unloadRuns(bool lockFree, const FileVersion &loaded)
    {
        bool ran = false;
        int lockTries = 0;
        unloadIfOwnerGone(
            [&] {
                ++lockTries;
                return lockFree;
            },
            m_path, loaded, [&ran] { ran = true; })();
        EXPECT_EQ(lockTries, 1);
        return ran;
    }

    QTemporaryDir m_dir;
    QString m_path;
};

TEST_F(ReadOnlyEndTest, SavesOnlyWhenTheOwnerHasGoneAndTheFileIsAsLoaded)
{
    save("[system]\r\ndate=2026/12/08\r\n");
    const FileVersion loaded = fileVersion(m_path);
    ASSERT_TRUE(loaded.exists);

    EXPECT_FALSE(unloadRuns(false, loaded)) << "the owner still runs";
    EXPECT_TRUE(unloadRuns(true, loaded)) << "the owner is gone and saved nothing newer";

    // The owner saved after we loaded: even the same bytes are its newer save.
    save("[system]\r\ndate=2026/12/08\r\n");
    EXPECT_FALSE(unloadRuns(true, loaded));
    EXPECT_TRUE(unloadRuns(true, fileVersion(m_path)));
}

TEST_F(ReadOnlyEndTest, AFileThatAppearedOrWentCountsAsChanged)
{
    const FileVersion none = fileVersion(m_path);
    EXPECT_FALSE(none.exists);
    EXPECT_TRUE(unloadRuns(true, none)) << "nobody has written a file yet";

    save("[system]\r\n");
    EXPECT_FALSE(unloadRuns(true, none));

    const FileVersion present = fileVersion(m_path);
    ASSERT_TRUE(QFile::remove(m_path));
    EXPECT_FALSE(unloadRuns(true, present));
}

TEST_F(ReadOnlyEndTest, LoadingReportsTheVersionItRead)
{
    save("[system]\r\ndate=2026/12/08\r\n[fish]\r\n");
    const FileVersion before = fileVersion(m_path);
    AppState state;
    state.settingsPath = m_path;
    SeededRandom random(3);
    test::FixedClock clock;
    EXPECT_EQ(prepareReadOnlyState(state, random, clock, Screen, 0), before);
    EXPECT_EQ(fileVersion(m_path), before) << "loading wrote the file";
}

} // namespace
} // namespace fw
