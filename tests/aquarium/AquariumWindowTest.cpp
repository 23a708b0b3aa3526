#include "aquarium/BackgroundPreparation.h"
#include "aquarium/ui/frmAquarium.h"
#include "platform/ProgramControl.h"
#include "platform/Random.h"
#include "platform/ui/SurfaceView.h"
#include "state/AppState.h"
#include "support/FixedClock.h"
#include "support/RecordingSound.h"

#include <QApplication>
#include <QCoreApplication>
#include <QFile>
#include <QKeyEvent>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>

#include <gtest/gtest.h>

namespace fw::test {
namespace {

class CountingControl final : public ProgramControl
{
public:
    void EndProgram() override { ++ended; }
    void HideMouseCursor() override { ++hidden; }
    void ShowMouseCursor() override { ++shown; }
    int ended = 0;
    int hidden = 0;
    int shown = 0;
};

class AquariumWindow : public ::testing::Test
{
protected:
    AquariumWindow()
    {
        state.settingsPath = dir.filePath(QStringLiteral("FINWICKS.INI"));
        SettingsRecord &s = state.settings;
        s.endpattern = QStringLiteral("2");
        s.date = QStringLiteral("2020/01/01");
        s.fishmovespeed = QStringLiteral("50");
        s.forecolor = QStringLiteral("16777215");
        s.backcolor = QStringLiteral("not a colour");
        s.screenvisible = QStringLiteral("0");
        s.bubble_view = 0;
        window = std::make_unique<frmAquarium>(state, random, clock, control, QSize(640, 480));
    }

    // Shows a picture of the given size as the background, on a new window
    // of the given screen size.
    void usePicture(QSize picture, QSize screen)
    {
        const QString path = dir.filePath(QStringLiteral("picture.bmp"));
        QImage image(picture, QImage::Format_RGB32);
        image.fill(Qt::darkGreen);
        ASSERT_TRUE(image.save(path, "BMP"));
        state.settings.screenvisible = QStringLiteral("1");
        state.settings.screenbitmap = path;
        window = std::make_unique<frmAquarium>(state, random, clock, control, screen);
    }

    QTemporaryDir dir;
    AppState state;
    SeededRandom random{7};
    FixedClock clock;
    CountingControl control;
    std::unique_ptr<frmAquarium> window;
};

TEST_F(AquariumWindow, ButtonsSitRightAlignedAtTheTopAndStartHidden)
{
    QPushButton *exit = window->exitButton();
    QPushButton *config = window->configButton();
    QPushButton *air = window->airButton();
    QPushButton *food = window->foodButton();
    EXPECT_EQ(exit->text(), u"EXIT");
    EXPECT_EQ(config->text(), u"Configration");
    EXPECT_EQ(air->text(), u"Air");
    EXPECT_EQ(exit->toolTip(), u"スクリーンセーバーを終了します");
    EXPECT_EQ(config->toolTip(), u"各種の設定を行います");
    EXPECT_EQ(air->toolTip(),
              u"泡の出る位置を指定します（時計をクリックすると時計から泡が出ます）");
    EXPECT_EQ(exit->geometry().right() + 1, 640);
    EXPECT_EQ(config->geometry().right() + 1, exit->x());
    EXPECT_EQ(food->text(), u"Food");
    EXPECT_EQ(food->toolTip(), u"餌をやります（クリックしたところに餌が落ちます）");
    EXPECT_EQ(food->geometry().right() + 1, config->x());
    EXPECT_EQ(air->geometry().right() + 1, food->x());
    for (QPushButton *button : {exit, config, air, food}) {
        EXPECT_EQ(button->y(), 0);
        EXPECT_TRUE(button->isHidden());
    }
    EXPECT_EQ(window->geometry(), QRect(0, 0, 640, 480));
    EXPECT_EQ(window->windowTitle(), QString());
    // An unreadable colour setting falls back to black; the window opens.
    EXPECT_EQ(window->pictureScreen()->surface().backColor(), 0u);
    EXPECT_EQ(window->pictureScreen()->surface().foreColor(), 0xffffffu);
}

TEST_F(AquariumWindow, CountingMoveShowsButtonsUntilTheInformationTimerFires)
{
    window->PictureScreen_MouseMove(100, 100);
    EXPECT_TRUE(window->exitButton()->isHidden());
    window->PictureScreen_MouseMove(102, 98);
    EXPECT_TRUE(window->exitButton()->isHidden());
    window->PictureScreen_MouseMove(105, 98);
    EXPECT_FALSE(window->exitButton()->isHidden());
    EXPECT_FALSE(window->airButton()->isHidden());
    EXPECT_FALSE(window->foodButton()->isHidden());
    EXPECT_EQ(control.shown, 1);
    EXPECT_TRUE(window->informationTimerRunning());

    window->Timer_InformationClear_Timer();
    EXPECT_TRUE(window->exitButton()->isHidden());
    EXPECT_TRUE(window->configButton()->isHidden());
    EXPECT_TRUE(window->foodButton()->isHidden());
    EXPECT_EQ(control.hidden, 1);
    EXPECT_FALSE(window->informationTimerRunning());
    EXPECT_EQ(control.ended, 0);
}

TEST_F(AquariumWindow, CountingMoveEndsUnderPatternZero)
{
    state.settings.endpattern = QStringLiteral("0");
    window->PictureScreen_MouseMove(100, 100);
    window->PictureScreen_MouseMove(100, 103);
    EXPECT_EQ(control.ended, 1);
    EXPECT_TRUE(window->exitButton()->isHidden());
}

TEST_F(AquariumWindow, KeysAndOtherButtonsEnd)
{
    QKeyEvent key(QEvent::KeyPress, Qt::Key_A, Qt::NoModifier, QStringLiteral("a"));
    QCoreApplication::sendEvent(window.get(), &key);
    EXPECT_EQ(control.ended, 1);
    window->PictureScreen_MouseDown(Qt::RightButton, 10, 10);
    EXPECT_EQ(control.ended, 2);
    window->exitButton()->click();
    EXPECT_EQ(control.ended, 3);
}

TEST_F(AquariumWindow, ConfigrationPausesStoresTheIntervalAndOpensTheDialog)
{
    window->PictureScreen_GotFocus();
    EXPECT_EQ(window->animationInterval(), 50);
    window->PictureScreen_MouseMove(100, 100);
    window->PictureScreen_MouseMove(200, 100);
    ASSERT_TRUE(window->informationTimerRunning());

    int opened = 0;
    int intervalWhileOpen = -1;
    window->setConfigurationOpener([&] {
        ++opened;
        intervalWhileOpen = window->animationInterval();
        window->setAnimationInterval(state.savedInterval); // as the dialog does
    });
    window->configButton()->click();
    EXPECT_EQ(opened, 1);
    EXPECT_EQ(state.savedInterval, 50);
    EXPECT_EQ(intervalWhileOpen, 0);
    EXPECT_FALSE(window->informationTimerRunning());
    EXPECT_FALSE(window->exitButton()->isHidden()); // the buttons stay as they are
    EXPECT_EQ(window->animationInterval(), 50);
}

TEST_F(AquariumWindow, AirPicksThePointerByTheRandomSetting)
{
    window->airButton()->click();
    EXPECT_TRUE(window->model().airPlacement);
    EXPECT_EQ(window->pictureScreen()->mousePointer(), MousePointer::CrossHair);
    state.settings.bubble_init_rand = 1;
    window->airButton()->click();
    EXPECT_EQ(window->pictureScreen()->mousePointer(), MousePointer::UpArrow);
}

TEST_F(AquariumWindow, FoodThenAClickDropsAPortionThereInsteadOfInformation)
{
    window->PictureScreen_GotFocus();
    window->airButton()->click();
    window->foodButton()->click();
    EXPECT_FALSE(window->model().airPlacement);
    EXPECT_TRUE(window->model().foodPlacement);
    EXPECT_EQ(window->pictureScreen()->mousePointer(), MousePointer::CrossHair);
    window->PictureScreen_MouseDown(Qt::LeftButton, 200, 150);
    window->PictureScreen_MouseUp(200, 150);
    EXPECT_EQ(window->pictureScreen()->mousePointer(), MousePointer::Default);
    EXPECT_FALSE(window->model().informationShown);
    EXPECT_EQ(window->animationInterval(), 50);
    const Flakes &flakes = window->life().flakes();
    ASSERT_EQ(flakes.count(), 6); // the smallest portion, for a tank without fish
    for (int slot = 0; slot < flakes.count(); ++slot) {
        EXPECT_NEAR(flakes[slot].x, 200, 26);
        EXPECT_NEAR(flakes[slot].y, 153, 4);
        EXPECT_EQ(flakes[slot].state, FlakeState::Sinking);
    }
}

TEST_F(AquariumWindow, PausedTimerDrawsNothing)
{
    window->PictureScreen_GotFocus();
    window->setAnimationInterval(0);
    Surface &surface = window->pictureScreen()->surface();
    surface.clearDirty();
    window->Timer_FishMove_Timer();
    EXPECT_TRUE(surface.dirty().isEmpty());
}

TEST_F(AquariumWindow, BubblesAreHeardAtTheSourceWhileTheTankMoves)
{
    RecordingSound sound;
    state.sound = &sound;
    state.settings.bubble_view = 1;
    state.settings.bubble_count_max = 400;
    state.settings.bubble_initx = 160;
    state.settings.bubble_inity = 400;
    state.settings.endpattern = QStringLiteral("2");
    window = std::make_unique<frmAquarium>(state, random, clock, control, QSize(640, 480));
    window->PictureScreen_GotFocus();
    for (int i = 0; i < 20; ++i)
        window->Timer_FishMove_Timer();
    ASSERT_GT(sound.bubbles.size(), 10u);
    for (const auto &[size, pan] : sound.bubbles) {
        EXPECT_GE(size, 7);
        EXPECT_LE(size, 10);
        EXPECT_NEAR(pan, -0.5, 0.01);
    }
    const std::size_t heard = sound.bubbles.size();

    window->setAnimationInterval(0); // paused: no bubble is born
    window->Timer_FishMove_Timer();
    EXPECT_EQ(sound.bubbles.size(), heard);
    window->Form_Unload();
    EXPECT_TRUE(sound.splashes.empty());
    state.sound = &silence();
}

TEST_F(AquariumWindow, UnloadStopsReleasesAndSavesOnce)
{
    usePicture(QSize(640, 480), QSize(640, 480));
    window->PictureScreen_GotFocus();
    ASSERT_FALSE(window->model().backgroundCopy.isNull());
    window->Form_Unload();
    EXPECT_EQ(window->animationInterval(), 0);
    EXPECT_TRUE(window->model().backgroundCopy.isNull());
    EXPECT_TRUE(QFile::exists(state.settingsPath));
    QFile::remove(state.settingsPath);
    window->Form_Unload();
    EXPECT_FALSE(QFile::exists(state.settingsPath));
}

TEST_F(AquariumWindow, ApplyColoursReachesTheSurfaceAtOnce)
{
    window->applyColours(0x123456, 0x654321);
    EXPECT_EQ(window->pictureScreen()->surface().foreColor(), 0x123456u);
    EXPECT_EQ(window->pictureScreen()->surface().backColor(), 0x654321u);
}

TEST_F(AquariumWindow, NoFrameRunsWhileTheRefusedPictureMessageIsOpen)
{
    usePicture(QSize(320, 240), QSize(640, 480));
    int intervalDuringBox = -1;
    bool boxSeen = false;
    auto *poll = new QTimer;
    QObject::connect(poll, &QTimer::timeout, [&, poll] {
        if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget())) {
            boxSeen = true;
            intervalDuringBox = window->animationInterval();
            box->accept();
            poll->deleteLater();
        }
    });
    poll->start(10);
    window->PictureScreen_GotFocus();
    EXPECT_TRUE(boxSeen);
    EXPECT_EQ(intervalDuringBox, 0);
    EXPECT_EQ(window->animationInterval(), 50);
}

TEST_F(AquariumWindow, HostedTheRefusedPictureIsReportedOnStandardError)
{
    usePicture(QSize(320, 240), QSize(640, 480));
    window->setHosted(true);
    bool boxSeen = false;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget())) {
            boxSeen = true;
            box->accept();
        }
    });
    poll.start(10);
    testing::internal::CaptureStderr();
    window->PictureScreen_GotFocus();
    const std::string written = testing::internal::GetCapturedStderr();
    EXPECT_FALSE(boxSeen);
    EXPECT_NE(written.find("finwicks: "), std::string::npos);
    EXPECT_NE(written.find(pictureTooSmallText().toStdString()), std::string::npos);
}

// Creeping in 1-pixel steps from the window's margin onto a centred picture
// is no jump: both report in the surface's coordinates.
TEST_F(AquariumWindow, MovesAcrossACentredPictureEdgeAreSmallSteps)
{
    state.settings.endpattern = QStringLiteral("0");
    usePicture(QSize(800, 600), QSize(1024, 768));
    window->PictureScreen_GotFocus();
    SurfaceView *surface = window->pictureScreen();
    ASSERT_EQ(surface->pos(), QPoint(112, 84));
    for (int x = 101; x <= 125; ++x) {
        QWidget *target = x < 112 ? static_cast<QWidget *>(window.get()) : surface;
        const QPointF at = QPointF(x, 300) - (target == surface ? QPointF(112, 84) : QPointF());
        QMouseEvent move(QEvent::MouseMove, at, target->mapToGlobal(at), Qt::NoButton, Qt::NoButton,
                         Qt::NoModifier);
        QCoreApplication::sendEvent(target, &move);
    }
    EXPECT_EQ(control.ended, 0);
}

} // namespace
} // namespace fw::test
