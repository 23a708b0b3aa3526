#pragma once

#include "aquarium/AquariumModel.h"
#include "aquarium/FrameRoutine.h"
#include "aquarium/SpriteCatalogue.h"
#include "aquarium/life/TankLife.h"
#include "state/AquariumLink.h"

#include <QSize>
#include <QWidget>

#include <functional>
#include <optional>

class QLabel;
class QPushButton;
class QScreen;

namespace fw {

class Clock;
class InputView;
class IntervalTimer;
class ProgramControl;
class Random;
class ScreenMirrors;
class StateKeeper;
class SurfaceView;
struct AppState;

// The screen saver's window: covers the primary screen, shows the aquarium on
// `PictureScreen`, ends on any key or a press of any button but the left, and
// under the end pattern on mouse use. Its three buttons appear while the
// mouse moves and hide again three seconds after the last counting move.
class frmAquarium final : public QWidget, public AquariumLink
{
    Q_OBJECT

public:
    frmAquarium(AppState &state, Random &random, const Clock &clock, ProgramControl &control,
                QSize screen, QWidget *parent = nullptr);
    ~frmAquarium() override;

    // What Configration opens (the configuration dialog, modally); set by
    // the start-up code, which alone knows the dialog.
    void setConfigurationOpener(std::function<void()> open)
    {
        m_openConfiguration = std::move(open);
    }

    // Places the window over the whole primary screen, above the others,
    // shows it and takes the keyboard focus; every further screen shows the
    // same tank.
    void showOverScreen();
    // Inside a host's window: messages go to standard error, as no box of
    // ours could be reached there.
    void setHosted(bool hosted) { m_hosted = hosted; }
    // Saves the tank now and then as it runs; without one (a further
    // instance that must not write the file) only the end saves.
    void setStateKeeper(StateKeeper *keeper) { m_keeper = keeper; }
    // Follows a new screen (or host window) size: lays the window out again
    // and prepares the scene for it.
    void resizeToScreen(QSize screen);

    // Stops both timers, releases the background copy and saves everything.
    // Runs once, however often it is called.
    void Form_Unload();

    // AquariumLink, for the configuration dialog.
    int animationInterval() const override;
    void setAnimationInterval(int milliseconds) override;
    void applyColours(std::uint32_t foreColor, std::uint32_t backColor) override;

    // For tests and the window's own wiring.
    const AquariumModel &model() const { return m_model; }
    const TankLife &life() const { return m_life; }
    SurfaceView *pictureScreen() const { return m_pictureScreen; }
    QPushButton *exitButton() const { return m_commandExit; }
    QPushButton *configButton() const { return m_commandConfig; }
    QPushButton *airButton() const { return m_commandAir; }
    QPushButton *foodButton() const { return m_commandFood; }
    bool informationTimerRunning() const;
    void Timer_FishMove_Timer();
    void Timer_InformationClear_Timer();
    void PictureScreen_MouseMove(int x, int y);
    void PictureScreen_MouseDown(Qt::MouseButton button, int x, int y);
    void PictureScreen_MouseUp(int x, int y);
    void PictureScreen_GotFocus();

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    void Form_Load();
    void followScreen(QScreen *screen);
    void placeOverScreen(QScreen *screen);
    void connectInput(InputView *view);
    void pressOutsideSurface(Qt::MouseButton button);
    void layOutButtons();
    void Command_Exit_Click();
    void Command_Config_Click();
    void Command_Air_Click();
    void Command_Food_Click();
    void reportPictureTooSmall();
    void releaseCoverPixels();
    void showButtons();
    void setButtonsVisible(bool visible);
    void takeKeyboard();
    void restartInformationTimer();
    void stopInformationTimer();
    void present();
    void setFishMoveInterval(int milliseconds);
    FrameContext frameContext();
    void keepState();

    AppState &m_state;
    Random &m_random;
    const Clock &m_clock;
    ProgramControl &m_control;
    QSize m_screen;
    StateKeeper *m_keeper = nullptr;

    AquariumModel m_model;
    SpriteCatalogue m_sprites;
    TankLife m_life;

    SurfaceView *m_pictureScreen = nullptr;
    ScreenMirrors *m_mirrors = nullptr;
    QLabel *m_pictureScreenMask = nullptr;
    QPushButton *m_commandExit = nullptr;
    QPushButton *m_commandConfig = nullptr;
    QPushButton *m_commandAir = nullptr;
    QPushButton *m_commandFood = nullptr;
    IntervalTimer *m_timerFishMove = nullptr;
    IntervalTimer *m_timerInformationClear = nullptr;

    std::function<void()> m_openConfiguration;
    QMetaObject::Connection m_screenGeometry;
    bool m_preparing = false;
    bool m_hosted = false;
    bool m_unloaded = false;
};

} // namespace fw
