#include "dialogs/FileChooserRules.h"
#include "dialogs/ui/frmFileSelect.h"

#include "CallerWindow.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <QTranslator>

#include <gtest/gtest.h>

namespace fw {
namespace {

TEST(FileChooserRules, FindsTheStartFolderInTheCallersPath)
{
    EXPECT_EQ(startDirectory(u"/srv/pictures/SEA.BMP"), QStringLiteral("/srv/pictures"));
    EXPECT_EQ(startDirectory(u"/SEA.BMP"), QStringLiteral("/"));
    EXPECT_EQ(startDirectory(u"SEA.BMP"), QString());
    EXPECT_EQ(startDirectory(u""), QString());
}

TEST(FileChooserRules, MatchesThePatternWithoutRegardToCase)
{
    const QString pictures = fileTypes().at(0).pattern;
    EXPECT_EQ(pictures, QStringLiteral("*.bmp;*.jpg;*.jpeg;*.gif"));
    EXPECT_TRUE(matchesPattern(u"SEA.JPG", pictures));
    EXPECT_TRUE(matchesPattern(u"reef.Jpeg", pictures));
    EXPECT_TRUE(matchesPattern(u"a.gif", pictures));
    EXPECT_FALSE(matchesPattern(u"sea.png", pictures));
    EXPECT_FALSE(matchesPattern(u"sea.jpg.txt", pictures));
    EXPECT_TRUE(matchesPattern(u"README", fileTypes().at(1).pattern));
    EXPECT_EQ(fileTypes().at(1).text, QStringLiteral("AllFiles(*.*)"));
}

TEST(FileChooserRules, AcceptsOnlyAnExistingFileWithContent)
{
    QTemporaryDir folder;
    QFile empty(folder.filePath("empty.bmp"));
    ASSERT_TRUE(empty.open(QIODevice::WriteOnly));
    empty.close();
    QFile full(folder.filePath("full.bmp"));
    ASSERT_TRUE(full.open(QIODevice::WriteOnly));
    full.write("x");
    full.close();
    EXPECT_TRUE(isAcceptableFile(chosenPath(folder.path(), u"full.bmp")));
    EXPECT_FALSE(isAcceptableFile(chosenPath(folder.path(), u"empty.bmp")));
    EXPECT_FALSE(isAcceptableFile(chosenPath(folder.path(), u"missing.bmp")));
    EXPECT_FALSE(isAcceptableFile(chosenPath(folder.path(), u"*.bmp;*.jpg")));
    EXPECT_FALSE(isAcceptableFile(chosenPath(folder.path(), u"")));
    EXPECT_EQ(chosenPath(u"/", u"a.bmp"), QStringLiteral("/a.bmp"));
}

TEST(FileChooserRules, ListsTheMountsWithTheRootFirst)
{
    const QStringList mounts = mountedFileSystems();
    ASSERT_FALSE(mounts.isEmpty());
    EXPECT_EQ(mounts.first(), QStringLiteral("/"));
    EXPECT_EQ(mounts.count(QStringLiteral("/")), 1);
    const QStringList some{"/", "/mnt", "/mnt/usb"};
    EXPECT_EQ(fileSystemOf("/mnt/usb/photos", some), QStringLiteral("/mnt/usb"));
    EXPECT_EQ(fileSystemOf("/mntx", some), QStringLiteral("/"));
    EXPECT_EQ(directoryChain("/a/b"), (QStringList{"/", "/a", "/a/b"}));
    EXPECT_FALSE(checkDirectory("/no/such/folder/here").ok);
    EXPECT_FALSE(checkDirectory("/no/such/folder/here").error.isEmpty());
}

// A folder tree: pics/ with pictures of each kind and a subfolder.
class FileChooser : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(root.isValid());
        QDir(root.path()).mkpath("pics/deep");
        write("pics/SEA.JPG", "jpeg");
        write("pics/reef.bmp", "bm");
        write("pics/notes.txt", "text");
        write("pics/empty.gif", "");
        pics = QDir(root.path()).filePath("pics");
        state.handOff.fileCaller = QStringLiteral("frmSetup");
        state.handOff.fileTarget = QStringLiteral("txb_BackPicture");
        caller.path->setText(pics + QStringLiteral("/SEA.BMP"));
    }

    void write(const QString &relative, const QByteArray &bytes)
    {
        QFile file(QDir(root.path()).filePath(relative));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }

    template <typename T> static T *control(QWidget &dialog, const char *name)
    {
        T *found = dialog.findChild<T *>(QString::fromLatin1(name));
        EXPECT_NE(found, nullptr) << name;
        return found;
    }
    static QStringList files(QWidget &dialog)
    {
        QStringList names;
        const QListWidget *list = control<QListWidget>(dialog, "filFile");
        for (int row = 0; row < list->count(); ++row)
            names << list->item(row)->text();
        return names;
    }
    static QString nameBox(QWidget &dialog)
    {
        return control<QLineEdit>(dialog, "txtFileName")->text();
    }

    QTemporaryDir root;
    QString pics;
    AppState state;
    test::CallerWindow caller;
};

TEST_F(FileChooser, StartsInTheFolderOfTheCallersPathWithThePicturePattern)
{
    frmFileSelect chooser(state);
    EXPECT_EQ(chooser.windowTitle(), QStringLiteral("ファイル選択"));
    EXPECT_EQ(chooser.currentDirectory(), pics);
    EXPECT_EQ(control<QLabel>(chooser, "lblPath")->text(), pics);
    EXPECT_EQ(nameBox(chooser), QStringLiteral("*.bmp;*.jpg;*.jpeg;*.gif"));
    EXPECT_EQ(files(chooser), (QStringList{"empty.gif", "reef.bmp", "SEA.JPG"}));
    const QComboBox *types = control<QComboBox>(chooser, "FilesSelect");
    EXPECT_EQ(types->currentIndex(), 0);
    EXPECT_EQ(types->itemText(0), QStringLiteral("画像ファイル(bmp,jpg,gif)"));
    EXPECT_EQ(control<QComboBox>(chooser, "drvDrive")->itemText(0), QStringLiteral("/"));
}

TEST_F(FileChooser, AllFilesListsEveryFileAndOkOnThePatternClearsTheName)
{
    frmFileSelect chooser(state);
    control<QComboBox>(chooser, "FilesSelect")->setCurrentIndex(1);
    EXPECT_EQ(nameBox(chooser), QStringLiteral("*.*"));
    EXPECT_EQ(files(chooser), (QStringList{"empty.gif", "notes.txt", "reef.bmp", "SEA.JPG"}));
    chooser.show();
    chooser.cmdOk_Click();
    EXPECT_EQ(nameBox(chooser), QString());
    EXPECT_TRUE(chooser.isVisible());
    EXPECT_EQ(caller.path->text(), pics + QStringLiteral("/SEA.BMP"));
}

TEST_F(FileChooser, OkOpensAHighlightedFolderInsteadOfClosing)
{
    frmFileSelect chooser(state);
    chooser.show();
    QListWidget *folders = control<QListWidget>(chooser, "dirDir");
    const QList<QListWidgetItem *> deep = folders->findItems("deep", Qt::MatchEndsWith);
    ASSERT_EQ(deep.size(), 1);
    folders->setCurrentItem(deep.first());
    chooser.cmdOk_Click();
    EXPECT_TRUE(chooser.isVisible());
    EXPECT_EQ(chooser.currentDirectory(), pics + QStringLiteral("/deep"));
    EXPECT_EQ(control<QLabel>(chooser, "lblPath")->text(), pics + QStringLiteral("/deep"));
    EXPECT_EQ(nameBox(chooser), QString()); // a new folder clears the name
    EXPECT_TRUE(files(chooser).isEmpty());
}

TEST_F(FileChooser, AnEmptyOrMissingFileIsRefusedAndAGoodOneIsWrittenToTheCaller)
{
    frmFileSelect chooser(state);
    chooser.show();
    chooser.filFile_Click(QStringLiteral("empty.gif"));
    chooser.cmdOk_Click();
    EXPECT_TRUE(chooser.isVisible());
    EXPECT_EQ(nameBox(chooser), QString());

    control<QLineEdit>(chooser, "txtFileName")->setText(QStringLiteral("gone.bmp"));
    chooser.cmdOk_Click();
    EXPECT_TRUE(chooser.isVisible());

    // Double-clicking a file is OK.
    QListWidget *list = control<QListWidget>(chooser, "filFile");
    emit list->itemDoubleClicked(list->findItems("SEA.JPG", Qt::MatchExactly).first());
    EXPECT_FALSE(chooser.isVisible());
    EXPECT_EQ(chooser.result(), QDialog::Accepted);
    EXPECT_EQ(caller.path->text(), pics + QStringLiteral("/SEA.JPG"));
}

TEST_F(FileChooser, CancelClearsTheNameAndLeavesTheCallersPath)
{
    frmFileSelect chooser(state);
    chooser.show();
    chooser.filFile_Click(QStringLiteral("reef.bmp"));
    control<QPushButton>(chooser, "cmdCancel")->click();
    EXPECT_EQ(chooser.result(), QDialog::Rejected);
    EXPECT_EQ(nameBox(chooser), QString());
    EXPECT_EQ(caller.path->text(), pics + QStringLiteral("/SEA.BMP"));
}

TEST_F(FileChooser, AFolderThatCannotBeOpenedIsRefusedWithAWarning)
{
    // In Japanese the reason alone, as it always was; in English the folder
    // is named.
    QTranslator english;
    ASSERT_TRUE(
        english.load(QStringLiteral("finwicks_en"), QStringLiteral(FINWICKS_TRANSLATIONS_DIR)));
    for (const bool inEnglish : {false, true}) {
        ASSERT_TRUE(QDir(pics).mkpath(QStringLiteral("deep")));
        if (inEnglish)
            QCoreApplication::installTranslator(&english);
        frmFileSelect chooser(state);
        chooser.show();
        QListWidget *folders = control<QListWidget>(chooser, "dirDir");
        folders->setCurrentItem(folders->findItems("deep", Qt::MatchEndsWith).first());
        ASSERT_TRUE(QDir(pics).rmdir("deep"));

        QString title;
        QString text;
        QTimer::singleShot(0, [&] {
            auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
            ASSERT_NE(box, nullptr);
            title = box->windowTitle();
            text = box->text();
            box->accept();
        });
        chooser.cmdOk_Click();
        QCoreApplication::removeTranslator(&english);
        const QString reason = checkDirectory(pics + QStringLiteral("/deep")).error;
        if (inEnglish) {
            EXPECT_EQ(title, QStringLiteral("Cannot open folder"));
            EXPECT_EQ(text, QStringLiteral("The folder %1 cannot be opened: %2.")
                                .arg(pics + QStringLiteral("/deep"), reason));
        } else {
            EXPECT_EQ(title, QStringLiteral("ドライブ名変更エラー"));
            EXPECT_EQ(text, reason);
        }
        EXPECT_EQ(chooser.currentDirectory(), pics);
        EXPECT_TRUE(chooser.isVisible());
    }
}

TEST_F(FileChooser, APathWithoutAFolderStartsInTheHomeFolder)
{
    caller.path->setText(QStringLiteral("SEA.BMP"));
    frmFileSelect chooser(state);
    EXPECT_EQ(chooser.currentDirectory(), QDir::homePath());
}

TEST_F(FileChooser, LeavingTheFolderListOpensTheHighlightedFolderAndADriveOpensItsRoot)
{
    frmFileSelect chooser(state);
    chooser.show();
    QListWidget *folders = control<QListWidget>(chooser, "dirDir");
    folders->setCurrentItem(folders->findItems("deep", Qt::MatchEndsWith).first());
    chooser.dirDir_LostFocus();
    EXPECT_EQ(chooser.currentDirectory(), pics + QStringLiteral("/deep"));

    chooser.drvDrive_Change(0);
    EXPECT_EQ(chooser.currentDirectory(), QStringLiteral("/"));
    EXPECT_EQ(control<QLabel>(chooser, "lblPath")->text(), QStringLiteral("/"));
    EXPECT_EQ(control<QComboBox>(chooser, "drvDrive")->currentIndex(), 0);
}

} // namespace
} // namespace fw
