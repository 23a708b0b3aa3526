#include "dialogs/ui/ColourBox.h"
#include "dialogs/ui/frmColorSelect.h"
#include "dialogs/ui/frmFileSelect.h"
#include "setup/ScrollBars.h"
#include "setup/ui/frmSetup.h"
#include "state/SettingsKeys.h"

#include "SetupFixture.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTimer>

#include <gtest/gtest.h>

#include <memory>

#include <sys/stat.h>

namespace fw {
namespace {

class SetupDialog : public test::SetupFixture
{
protected:
    std::unique_ptr<frmSetup> open(AquariumLink *aquarium = nullptr)
    {
        auto dialog =
            std::make_unique<frmSetup>(state, random, clock, ScreenSize{1024, 768}, aquarium);
        dialog->show();
        return dialog;
    }

    template <typename T> static T *control(QWidget *dialog, const char *name)
    {
        T *found = dialog->findChild<T *>(QString::fromLatin1(name));
        EXPECT_NE(found, nullptr) << name;
        return found;
    }
    static QScrollBar *bar(QWidget *dialog, const char *name)
    {
        return control<QScrollBar>(dialog, name);
    }
    static QCheckBox *check(QWidget *dialog, const char *name)
    {
        return control<QCheckBox>(dialog, name);
    }
    static QString label(QWidget *dialog, const char *name)
    {
        return control<QLabel>(dialog, name)->text();
    }
};

TEST_F(SetupDialog, OpensWithTheCaptionSizeAndTheFirstTab)
{
    auto dialog = open();
    EXPECT_EQ(dialog->windowTitle(), QStringLiteral("Screen Finwick Configration"));
    EXPECT_EQ(dialog->size(), QSize(542, 397));
    EXPECT_EQ(dialog->activeTab(), 1);
    EXPECT_TRUE(control<QWidget>(dialog.get(), "Frame_environment")->isVisible());
    EXPECT_FALSE(control<QWidget>(dialog.get(), "Frame_bubble")->isVisible());
    EXPECT_EQ(label(dialog.get(), "label_tag3"), QStringLiteral("魚の管理"));
    EXPECT_FALSE(control<QPushButton>(dialog.get(), "Command9")->isEnabled());
    for (const char *hidden : {"Command3", "Command4", "Command6"}) {
        const QPushButton *button = control<QPushButton>(dialog.get(), hidden);
        EXPECT_FALSE(button->isVisible()) << hidden;
        EXPECT_FALSE(button->isEnabled()) << hidden;
    }
}

TEST_F(SetupDialog, ShowTabColoursTheActiveTabAndShowsOnlyItsFrames)
{
    auto dialog = open();
    dialog->label_tag2_Click();
    EXPECT_EQ(dialog->activeTab(), 2);
    EXPECT_EQ(dialog->tabColour(2), QColor(0, 0, 255));
    EXPECT_EQ(dialog->tabColour(1), QColor(128, 128, 128));
    EXPECT_EQ(control<QLabel>(dialog.get(), "label_tag2")->palette().color(QPalette::WindowText),
              QColor(0, 0, 255));
    EXPECT_TRUE(control<QWidget>(dialog.get(), "Frame_bubble")->isVisible());
    EXPECT_FALSE(control<QWidget>(dialog.get(), "Frame_environment")->isVisible());

    // The pane's border is hidden under the active tab only.
    const QImage picture = dialog->grab().toImage();
    const int paneTop = 32;
    EXPECT_EQ(picture.pixelColor(210, paneTop), dialog->palette().color(QPalette::Window));
    EXPECT_EQ(picture.pixelColor(90, paneTop), QColor(0, 0, 255));

    dialog->label_tag4_Click();
    EXPECT_EQ(dialog->activeTab(), 4);
    EXPECT_TRUE(control<QWidget>(dialog.get(), "Frame_catalog")->isVisible());
}

TEST_F(SetupDialog, OkStaysTheDefaultButtonOnEveryTabAndEnterPressesIt)
{
    state.fish.count = 1;
    state.fish.at(1) = FishRecord(QStringLiteral("0ﾊﾅｺ       460001"));
    auto dialog = open();
    dialog->activateWindow();
    QApplication::processEvents();
    auto *ok = control<QPushButton>(dialog.get(), "Ok");
    const QPushButton *about = control<QPushButton>(dialog.get(), "cb_About");
    for (int tab : {2, 3, 4, 1, 4}) {
        // The focus on the page that is about to be hidden.
        QWidget *page = control<QWidget>(dialog.get(), "Frame_environment")->parentWidget();
        for (const char *frame : {"Frame_waterchange", "Frame_list", "Frame_catalog"}) {
            QWidget *shown = control<QWidget>(dialog.get(), frame)->parentWidget();
            if (shown->isVisible())
                page = shown;
        }
        if (QWidget *first = page->nextInFocusChain(); page->isAncestorOf(first))
            first->setFocus();
        const QList<void (frmSetup::*)()> clicks = {
            &frmSetup::label_tag1_Click, &frmSetup::label_tag2_Click, &frmSetup::label_tag3_Click,
            &frmSetup::label_tag4_Click};
        (dialog.get()->*clicks.at(tab - 1))();
        QApplication::processEvents();
        EXPECT_EQ(dialog->activeTab(), tab);
        EXPECT_TRUE(ok->isDefault()) << tab;
        EXPECT_FALSE(about->isDefault()) << tab;
        EXPECT_NE(QApplication::focusWidget(), about) << tab;
    }
    bool pressed = false;
    QObject::connect(ok, &QPushButton::clicked, [&pressed] { pressed = true; });
    QWidget *focus = QApplication::focusWidget() ? QApplication::focusWidget() : dialog.get();
    QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
    QApplication::sendEvent(focus, &enter);
    EXPECT_TRUE(pressed);
    EXPECT_EQ(dialog->result(), QDialog::Accepted);
}

TEST_F(SetupDialog, ScrollBarsTakeTheirRangesFromTheKeyTable)
{
    auto dialog = open();
    for (const ScrollSpec &spec : scrollSpecs()) {
        const QScrollBar *scroll = dialog->findChild<QScrollBar *>(spec.controlName().toString());
        ASSERT_NE(scroll, nullptr);
        const SettingKey *key = findSettingKey(QStringView(spec.key));
        ASSERT_NE(key, nullptr);
        EXPECT_EQ(scroll->minimum(), key->minimum) << qPrintable(spec.controlName().toString());
        EXPECT_EQ(scroll->maximum(), key->maximum) << qPrintable(spec.controlName().toString());
        EXPECT_EQ(scroll->singleStep(), spec.smallStep)
            << qPrintable(spec.controlName().toString());
        EXPECT_EQ(scroll->pageStep(), spec.largeStep) << qPrintable(spec.controlName().toString());
    }
}

TEST_F(SetupDialog, LoadsEveryControlWithItsLabelAndEnabledState)
{
    state.settings.foodtime1 = QStringLiteral("7");
    state.settings.wtemp = QStringLiteral("26");
    state.settings.timestyle = QStringLiteral("07");
    state.settings.food2 = QStringLiteral("0");
    state.settings.screenvisible = QStringLiteral("0");
    state.settings.endpattern = QStringLiteral("1");
    state.settings.forecolor = QStringLiteral("5649426"); // 18, 52, 86
    auto dialog = open();

    EXPECT_EQ(bar(dialog.get(), "HScroll_food1")->value(), 7);
    // The loaded label shows the stored text until the bar moves.
    EXPECT_EQ(label(dialog.get(), "Label_food1"), QStringLiteral("7時"));
    bar(dialog.get(), "HScroll_food1")->setValue(8);
    EXPECT_EQ(label(dialog.get(), "Label_food1"), QStringLiteral("08時"));
    EXPECT_EQ(label(dialog.get(), "Label_wtemp"), QStringLiteral("26℃"));
    EXPECT_EQ(label(dialog.get(), "Label_fishspeed"), QStringLiteral("050ms"));

    const QComboBox *style = control<QComboBox>(dialog.get(), "Combo_timeStyle");
    EXPECT_EQ(style->currentIndex(), 7);
    EXPECT_EQ(style->currentText(), QStringLiteral("hh:nn"));
    EXPECT_FALSE(style->isEnabled()); // timevisible is 0 at first run

    EXPECT_FALSE(bar(dialog.get(), "HScroll_food2")->isEnabled());
    EXPECT_TRUE(control<QLabel>(dialog.get(), "Label_food2")->isHidden());
    EXPECT_FALSE(control<QLineEdit>(dialog.get(), "txb_BackPicture")->isEnabled());
    EXPECT_FALSE(control<QPushButton>(dialog.get(), "cb_BackScreenSel")->isEnabled());
    EXPECT_TRUE(control<QRadioButton>(dialog.get(), "Option_endpattern1")->isChecked());
    EXPECT_EQ(control<ColourBox>(dialog.get(), "pic_NameColor")->colour(), 5649426u);
    EXPECT_EQ(label(dialog.get(), "Label_wchangedate"), QStringLiteral("2026/12/08"));
}

TEST_F(SetupDialog, SkipsAStoredValueItsControlCannotTake)
{
    state.settings.foodtime1 = QStringLiteral("abc");
    state.settings.wtemp = QStringLiteral("99");
    state.settings.timeposition = QStringLiteral("9");
    state.settings.forecolor = QStringLiteral("red");
    state.settings.fishmovespeed = QStringLiteral("99999");
    state.settings.endpattern = QStringLiteral("");
    state.settings.backcolor = QStringLiteral("255");
    auto dialog = open();
    // Such a control stays as a fresh settings file would have it.
    EXPECT_EQ(bar(dialog.get(), "HScroll_food1")->value(), 12);
    EXPECT_EQ(label(dialog.get(), "Label_food1"), QStringLiteral("abc時"));
    EXPECT_EQ(bar(dialog.get(), "HScroll_wtemp")->value(), 28);
    EXPECT_EQ(label(dialog.get(), "Label_wtemp"), QStringLiteral("99℃"));
    EXPECT_EQ(control<QComboBox>(dialog.get(), "Combo_timeposition")->currentIndex(), 1);
    EXPECT_EQ(bar(dialog.get(), "HScroll_fishspeed")->value(), 50);
    // The later steps still ran.
    EXPECT_EQ(control<ColourBox>(dialog.get(), "Pic_BackColor")->colour(), 255u);

    dialog->Ok_Click();
    EXPECT_EQ(stored("case", "foodtime1"), QStringLiteral("12"));
    EXPECT_EQ(stored("system", "timeposition"), QStringLiteral("01"));
    EXPECT_EQ(stored("system", "forecolor"), QStringLiteral("16776960"));
    EXPECT_EQ(stored("system", "fishmovespeed"), QStringLiteral("050"));
    EXPECT_EQ(stored("system", "endpattern"), QStringLiteral("2"));
}

TEST_F(SetupDialog, LoadingRunsTheHandlersAlsoForAnUnchangedValue)
{
    // The label gets the stored text first; 18 is already the bar's value,
    // and its handler must still write the label from it.
    state.settings.wtemp = QStringLiteral("18.0");
    auto dialog = open();
    EXPECT_EQ(bar(dialog.get(), "HScroll_wtemp")->value(), 18);
    EXPECT_EQ(label(dialog.get(), "Label_wtemp"), QStringLiteral("18℃"));
}

TEST_F(SetupDialog, ABubbleCountAboveFourHundredOpensAndIsStoredAsFourHundred)
{
    state.settings.bubble_count_max = 1000;
    auto dialog = open();
    EXPECT_EQ(bar(dialog.get(), "HScroll_bubble_count_max")->value(), 400);
    EXPECT_EQ(label(dialog.get(), "Label_bubble_count_max"), QStringLiteral("400"));
    dialog->Ok_Click();
    EXPECT_EQ(stored("case", "bubble_count_max"), QStringLiteral("400"));
}

TEST_F(SetupDialog, OkWithoutChangesRewritesEveryKeyInItsCommittedFormat)
{
    state.settings.foodtime1 = QStringLiteral("7");
    state.settings.fishmovespeed = QStringLiteral("150");
    state.settings.timestyle = QStringLiteral("07");
    state.settings.wquantity = QStringLiteral("5");
    state.settings.screencleartime = QStringLiteral("030");
    state.settings.bubble_view = 0;
    auto dialog = open();
    dialog->Ok_Click();
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_EQ(stored("case", "foodtime1"), QStringLiteral("07"));
    EXPECT_EQ(stored("system", "fishmovespeed"), QStringLiteral("150"));
    EXPECT_EQ(stored("system", "timestyle"), QStringLiteral("07"));
    EXPECT_EQ(stored("case", "wquantity"), QStringLiteral("05"));
    EXPECT_EQ(stored("system", "screencleartime"), QStringLiteral("30"));
    EXPECT_EQ(stored("system", "endpattern"), QStringLiteral("2"));
    EXPECT_EQ(stored("system", "forecolor"), QStringLiteral("16776960"));
    EXPECT_EQ(stored("system", "timevisible"), QStringLiteral("0"));
    EXPECT_EQ(stored("case", "bubble_view"), QStringLiteral("0"));
    EXPECT_EQ(stored("case", "lighton"), QStringLiteral("09"));
    EXPECT_EQ(state.settings.foodtime1, QStringLiteral("07"));
}

TEST_F(SetupDialog, UserChangesReachTheFileOnlyOnOk)
{
    auto dialog = open();
    check(dialog.get(), "Check_timeVisible")->click();
    bar(dialog.get(), "HScroll_fishspeed")->setValue(20);
    control<QComboBox>(dialog.get(), "Combo_timeposition")->setCurrentIndex(3);
    control<QRadioButton>(dialog.get(), "Option_endpattern0")->click();
    // Unchecked again: the combo boxes are disabled but keep their choice.
    check(dialog.get(), "Check_timeVisible")->click();
    EXPECT_FALSE(control<QComboBox>(dialog.get(), "Combo_timeposition")->isEnabled());
    EXPECT_EQ(stored("system", "fishmovespeed"), QStringLiteral("<missing>"));

    control<QPushButton>(dialog.get(), "Ok")->click();
    EXPECT_EQ(stored("system", "fishmovespeed"), QStringLiteral("020"));
    EXPECT_EQ(stored("system", "timeposition"), QStringLiteral("03"));
    EXPECT_EQ(stored("system", "timevisible"), QStringLiteral("0"));
    EXPECT_EQ(stored("system", "endpattern"), QStringLiteral("0"));
}

TEST_F(SetupDialog, CancelDiscardsEveryChangeAndWritesNothing)
{
    auto dialog = open();
    bar(dialog.get(), "HScroll_wtemp")->setValue(30);
    state.workingFish.count = 0;
    control<QPushButton>(dialog.get(), "Cancel")->click();
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_FALSE(QFile::exists(state.settingsPath));
    EXPECT_EQ(state.settings.wtemp, QStringLiteral("28"));
}

TEST_F(SetupDialog, WaterChangeShowsTodayAtOnceAndIsStoredOnlyOnOk)
{
    state.settings.wchangedate = QStringLiteral("2026/01/02");
    clock.set(QDateTime(QDate(2026, 12, 9), QTime(8, 0)));
    {
        auto dialog = open();
        EXPECT_EQ(label(dialog.get(), "Label_wchangedate"), QStringLiteral("2026/01/02"));
        control<QPushButton>(dialog.get(), "cb_waterchange")->click();
        EXPECT_EQ(label(dialog.get(), "Label_wchangedate"), QStringLiteral("2026/12/09"));
        EXPECT_TRUE(dialog->waterChanged());
        dialog->Cancel_Click();
        EXPECT_EQ(state.settings.wchangedate, QStringLiteral("2026/01/02"));
    }
    auto dialog = open();
    EXPECT_FALSE(dialog->waterChanged());
    control<QPushButton>(dialog.get(), "cb_waterchange")->click();
    clock.set(QDateTime(QDate(2026, 12, 10), QTime(8, 0))); // OK stores the date of that moment
    dialog->Ok_Click();
    EXPECT_EQ(stored("case", "wchangedate"), QStringLiteral("2026/12/10"));
}

TEST_F(SetupDialog, DependentControlsFollowTheirCheckBoxes)
{
    auto dialog = open();
    QCheckBox *food1 = check(dialog.get(), "Check_food1");
    QScrollBar *hour = bar(dialog.get(), "HScroll_food1");
    const QLabel *hourLabel = control<QLabel>(dialog.get(), "Label_food1");
    hour->setValue(7);
    ASSERT_TRUE(hour->isEnabled());
    food1->click();
    EXPECT_FALSE(hour->isEnabled());
    EXPECT_TRUE(hourLabel->isHidden());
    food1->click();
    EXPECT_TRUE(hour->isEnabled());
    EXPECT_FALSE(hourLabel->isHidden());
    EXPECT_EQ(hourLabel->text(), QStringLiteral("07時"));

    QCheckBox *clear = check(dialog.get(), "Check_screenclear");
    clear->click();
    EXPECT_FALSE(bar(dialog.get(), "HScroll_screencleartime")->isEnabled());
    EXPECT_TRUE(control<QLabel>(dialog.get(), "Label_screencleartime")->isHidden());

    check(dialog.get(), "Check_BackScreenVisible")->click();
    EXPECT_TRUE(control<QLineEdit>(dialog.get(), "txb_BackPicture")->isEnabled());
    EXPECT_TRUE(control<QPushButton>(dialog.get(), "cb_BackScreenSel")->isEnabled());

    check(dialog.get(), "Check_wautochange")->click();
    EXPECT_FALSE(bar(dialog.get(), "HScroll_wchangeinterval")->isEnabled());

    // The dead controls: pH moves without effect, the step width does not move.
    EXPECT_TRUE(bar(dialog.get(), "HScroll_ph")->isEnabled());
    EXPECT_FALSE(bar(dialog.get(), "HScroll_movewidth")->isEnabled());
}

// A few bytes that begin as a WAV file does.
QString writeSoundFile(const QString &path,
                       const QByteArray &bytes = QByteArrayLiteral("RIFF\x24\0\0\0WAVEfmt "))
{
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
    return path;
}

TEST_F(SetupDialog, TheSoundFrameLoadsItsKeysAndTheMusicCheckEnablesTheFileBox)
{
    state.settings.sound1 = QStringLiteral("1");
    state.settings.soundfile = QStringLiteral("/music/sea.ogg");
    auto dialog = open();
    QCheckBox *effects = check(dialog.get(), "Check_sound1");
    QCheckBox *music = check(dialog.get(), "Check_sound2");
    auto *file = control<QLineEdit>(dialog.get(), "Text_soundfile");
    auto *browse = control<QPushButton>(dialog.get(), "cb_SoundSel");
    EXPECT_TRUE(effects->isEnabled());
    EXPECT_TRUE(effects->isChecked());
    EXPECT_TRUE(music->isEnabled());
    EXPECT_FALSE(music->isChecked());
    EXPECT_EQ(file->text(), QStringLiteral("/music/sea.ogg"));
    EXPECT_FALSE(file->isEnabled());
    EXPECT_FALSE(browse->isEnabled());
    music->click();
    EXPECT_TRUE(file->isEnabled());
    EXPECT_TRUE(browse->isEnabled());
    music->click();
    EXPECT_FALSE(file->isEnabled());
}

TEST_F(SetupDialog, SoundChoicesReachTheFileOnOkAndCancelLeavesThemAsTheyWere)
{
    // A name outside Latin-1 that the settings file can keep.
    const QString song = writeSoundFile(folder.filePath(QStringLiteral("水の歌.wav")));
    {
        auto dialog = open();
        check(dialog.get(), "Check_sound1")->click();
        check(dialog.get(), "Check_sound2")->click();
        control<QLineEdit>(dialog.get(), "Text_soundfile")->setText(song);
        dialog->Cancel_Click();
        EXPECT_EQ(state.settings.sound1, QStringLiteral("0"));
        EXPECT_EQ(state.settings.sound2, QStringLiteral("0"));
        EXPECT_EQ(state.settings.soundfile, QString());
        EXPECT_FALSE(QFile::exists(state.settingsPath));
    }
    auto dialog = open();
    check(dialog.get(), "Check_sound1")->click();
    check(dialog.get(), "Check_sound2")->click();
    control<QLineEdit>(dialog.get(), "Text_soundfile")->setText(song);
    control<QPushButton>(dialog.get(), "Ok")->click();
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_EQ(stored("system", "sound1"), QStringLiteral("1"));
    EXPECT_EQ(stored("system", "sound2"), QStringLiteral("1"));
    EXPECT_EQ(stored("system", "soundfile"), song);
}

TEST_F(SetupDialog, MusicWithoutAPlayableFileIsExplainedAndOkWaits)
{
    struct Case
    {
        QString file;
        QString explanation;
    };
    const QString text = writeSoundFile(folder.filePath(QStringLiteral("notes.txt")), "la la la");
    const QString fifo = folder.filePath(QStringLiteral("pipe.ogg"));
    ASSERT_EQ(mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    const QString accented =
        writeSoundFile(folder.filePath(QStringLiteral("musique-\u00e9t\u00e9.ogg")), "OggS");
    const Case cases[] = {
        {QString(), QStringLiteral("ＢＧＭに使う音楽ファイルを指定してください。")},
        {folder.filePath(QStringLiteral("gone.ogg")),
         QStringLiteral("音楽ファイルが見つかりません。\n") + folder.filePath("gone.ogg")},
        // Devices and pipes exist but are no files to play.
        {fifo, QStringLiteral("これは普通のファイルではありません。\n") + fifo},
        {QStringLiteral("/dev/zero"),
         QStringLiteral("これは普通のファイルではありません。\n/dev/zero")},
        // A name the settings file cannot keep, even of a good file.
        {accented,
         QStringLiteral("ファイル名に設定ファイルへ保存できない文字があります。\n") + accented},
        {text, QStringLiteral("このファイルは音楽として再生できません。\n") + text},
    };
    auto dialog = open();
    dialog->label_tag2_Click();
    check(dialog.get(), "Check_sound2")->setCheckState(Qt::Checked);
    for (const Case &c : cases) {
        control<QLineEdit>(dialog.get(), "Text_soundfile")->setText(c.file);
        QString title;
        QString shown;
        QTimer::singleShot(0, [&] {
            auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
            ASSERT_NE(box, nullptr);
            title = box->windowTitle();
            shown = box->text();
            box->close();
        });
        dialog->Ok_Click();
        EXPECT_EQ(title, QStringLiteral("エラーメッセージ"));
        EXPECT_EQ(shown, c.explanation);
        EXPECT_TRUE(dialog->isVisible());
        EXPECT_EQ(dialog->activeTab(), 1); // where the music is chosen
        EXPECT_FALSE(QFile::exists(state.settingsPath));
        EXPECT_EQ(state.settings.sound2, QStringLiteral("0"));
    }
    // Without music the same file is no reason to refuse.
    check(dialog.get(), "Check_sound2")->setCheckState(Qt::Unchecked);
    dialog->Ok_Click();
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_EQ(stored("system", "soundfile"), text);
}

TEST_F(SetupDialog, BrowsingForMusicOffersSoundFilesAndFillsTheMusicBox)
{
    const QString song = writeSoundFile(folder.filePath(QStringLiteral("tide.ogg")), "OggS");
    writeSoundFile(folder.filePath(QStringLiteral("tank.bmp")), "BM");
    state.settings.sound2 = QStringLiteral("1");
    state.settings.soundfile = folder.filePath(QStringLiteral("old.ogg"));
    auto dialog = open();
    QStringList listed;
    QString types;
    QTimer::singleShot(0, [&] {
        auto *chooser = qobject_cast<frmFileSelect *>(QApplication::activeModalWidget());
        ASSERT_NE(chooser, nullptr);
        auto *files = chooser->findChild<QListWidget *>(QStringLiteral("filFile"));
        for (int i = 0; i < files->count(); ++i)
            listed << files->item(i)->text();
        types = chooser->findChild<QComboBox *>(QStringLiteral("FilesSelect"))->currentText();
        chooser->filFile_Click(QStringLiteral("tide.ogg"));
        chooser->cmdOk_Click();
    });
    control<QPushButton>(dialog.get(), "cb_SoundSel")->click();
    EXPECT_EQ(types, QStringLiteral("サウンドファイル(ogg,opus,flac,mp3,wav,m4a)"));
    EXPECT_EQ(listed, QStringList{QStringLiteral("tide.ogg")});
    EXPECT_EQ(control<QLineEdit>(dialog.get(), "Text_soundfile")->text(), song);
    EXPECT_EQ(state.handOff.fileTarget, QStringLiteral("Text_soundfile"));
    EXPECT_EQ(state.settings.soundfile, folder.filePath(QStringLiteral("old.ogg")));
}

TEST_F(SetupDialog, AGrayedCheckBoxIsKeptUntilTheUserClicksIt)
{
    state.settings.namevisible = QStringLiteral("2");
    auto dialog = open();
    QCheckBox *names = check(dialog.get(), "Check_NameVisible");
    EXPECT_EQ(names->checkState(), Qt::PartiallyChecked);
    names->click();
    EXPECT_EQ(names->checkState(), Qt::Checked);
    names->click();
    names->click();
    EXPECT_EQ(names->checkState(), Qt::Checked); // never grayed by the user
}

TEST_F(SetupDialog, OkGivesTheRunningAquariumItsIntervalAndTheNewColoursAtOnce)
{
    test::FakeAquarium aquarium;
    state.savedInterval = 50;
    auto dialog = open(&aquarium);
    control<ColourBox>(dialog.get(), "pic_NameColor")->setColour(0x0000FF);
    control<ColourBox>(dialog.get(), "Pic_BackColor")->setColour(0x804000);
    dialog->Ok_Click();
    EXPECT_EQ(aquarium.interval, 50);
    EXPECT_EQ(aquarium.foreColor, 0x0000FFu);
    EXPECT_EQ(aquarium.backColor, 0x804000u);
    EXPECT_EQ(stored("system", "backcolor"), QString::number(0x804000));
}

TEST_F(SetupDialog, CancelGivesOnlyTheIntervalBack)
{
    test::FakeAquarium aquarium;
    state.savedInterval = 33;
    auto dialog = open(&aquarium);
    dialog->reject(); // Escape or the window's close button
    EXPECT_EQ(aquarium.interval, 33);
    EXPECT_EQ(aquarium.colourCalls, 0);
}

TEST_F(SetupDialog, FishBoughtAndLeftUnnamedAreNamedAtOk)
{
    state.fish.count = 1;
    state.fish.at(1) = FishRecord(QStringLiteral("0") + QStringLiteral("ﾊﾅｺ").leftJustified(10) +
                                  QStringLiteral("460001"));
    auto dialog = open();
    state.workingFish.count = 2;
    state.workingFish.at(2) =
        FishRecord(QStringLiteral("3") + QString(10, QLatin1Char(' ')) + QStringLiteral("460010"));
    dialog->Ok_Click();
    ASSERT_EQ(state.fish.count, 2);
    const QString name = state.fish.at(2).name().trimmed().toString();
    EXPECT_FALSE(name.isEmpty());
    EXPECT_EQ(stored("fish", "f02").mid(1, 10).trimmed(), name);
}

TEST_F(SetupDialog, DoubleClickOnTheNameColourOpensTheChooserOnThatColour)
{
    state.settings.forecolor = QString::number(18 + 52 * 256 + 86 * 65536);
    auto dialog = open();
    ColourBox *names = control<ColourBox>(dialog.get(), "pic_NameColor");
    std::uint32_t shown = 0;
    QTimer::singleShot(0, [&shown] {
        auto *chooser = qobject_cast<frmColorSelect *>(QApplication::activeModalWidget());
        ASSERT_NE(chooser, nullptr);
        shown = chooser->selectedColour();
        chooser->Picture_Click(19);
        chooser->cb_Ok_Click();
    });
    emit names->doubleClicked();
    EXPECT_EQ(shown, 18u + 52u * 256u + 86u * 65536u);
    EXPECT_EQ(names->colour(), 255u + 128u * 256u);
    EXPECT_EQ(state.handOff.colorCaller, QStringLiteral("frmSetup"));
    EXPECT_EQ(state.handOff.colorTarget, QStringLiteral("pic_NameColor"));
    EXPECT_EQ(control<ColourBox>(dialog.get(), "Pic_BackColor")->colour(), 0u);

    // Cancel in the dialog afterwards discards the chosen colour.
    dialog->Cancel_Click();
    EXPECT_EQ(state.settings.forecolor, QString::number(18 + 52 * 256 + 86 * 65536));
}

TEST_F(SetupDialog, AFileThatCannotBeWrittenIsReportedAndTheSettingsKeptInMemory)
{
    state.settingsPath = folder.filePath(QStringLiteral("no-such-folder/FINWICKS.INI"));
    auto dialog = open();
    bar(dialog.get(), "HScroll_wtemp")->setValue(30);
    QString title;
    QTimer::singleShot(0, [&title] {
        QWidget *box = QApplication::activeModalWidget();
        ASSERT_NE(box, nullptr);
        title = box->windowTitle();
        box->close();
    });
    dialog->Ok_Click();
    EXPECT_EQ(title, QStringLiteral("エラーメッセージ"));
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_EQ(state.settings.wtemp, QStringLiteral("30"));
}

} // namespace
} // namespace fw
