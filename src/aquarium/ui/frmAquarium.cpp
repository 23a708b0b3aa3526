#include "aquarium/ui/frmAquarium.h"

#include "aquarium/BackgroundPreparation.h"
#include "aquarium/FrameRoutine.h"
#include "aquarium/MouseHandling.h"
#include "aquarium/MovementResponse.h"
#include "aquarium/TankStart.h"
#include "platform/Clock.h"
#include "platform/ProgramControl.h"
#include "platform/Surface.h"
#include "platform/ui/IntervalTimer.h"
#include "platform/ui/MessageBox.h"
#include "platform/ui/ScreenMirrors.h"
#include "platform/ui/SurfaceView.h"
#include "state/AppState.h"
#include "state/SettingsFile.h"
#include "state/StateKeeper.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPalette>
#include <QPushButton>
#include <QTimer>
#include <QWindow>

#include <cstdio>

namespace fw {

namespace {

constexpr int StartInterval = 1000;
constexpr int InformationDelay = 3000;

QPushButton *makeButton(QWidget *parent, const QString &caption, const QString &tip)
{
    auto *button = new QPushButton(caption, parent);
    button->setToolTip(tip);
    // The keyboard stays with the surface, where any key ends the program.
    button->setFocusPolicy(Qt::NoFocus);
    button->adjustSize();
    button->hide();
    return button;
}

} // namespace

frmAquarium::frmAquarium(AppState &state, Random &random, const Clock &clock,
                         ProgramControl &control, QSize screen, QWidget *parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint),
      m_state(state), m_random(random), m_clock(clock), m_control(control), m_screen(screen)
{
    setWindowTitle(QString()); // the dialog finds the aquarium by its empty caption
    setMouseTracking(true);
    // The window paints only its margin around a centred picture, in its
    // own background, black as every further monitor's around the tank.
    setAttribute(Qt::WA_OpaquePaintEvent);
    QPalette background = palette();
    background.setColor(QPalette::Window, Qt::black);
    setPalette(background);

    m_pictureScreen = new SurfaceView(this);
    m_pictureScreenMask = new QLabel(this);
    m_pictureScreenMask->setAlignment(Qt::AlignCenter);
    m_pictureScreenMask->setAutoFillBackground(true);
    QPalette cover = m_pictureScreenMask->palette();
    cover.setColor(QPalette::Window, Qt::black);
    cover.setColor(QPalette::WindowText, Qt::white);
    m_pictureScreenMask->setPalette(cover);
    m_pictureScreenMask->hide();

    m_commandExit =
        makeButton(this, QCoreApplication::translate("frmAquarium", "EXIT"),
                   QCoreApplication::translate("frmAquarium", "スクリーンセーバーを終了します"));
    m_commandConfig =
        makeButton(this, QCoreApplication::translate("frmAquarium", "Configration"),
                   QCoreApplication::translate("frmAquarium", "各種の設定を行います"));
    m_commandAir = makeButton(
        this, QCoreApplication::translate("frmAquarium", "Air"),
        QCoreApplication::translate(
            "frmAquarium", "泡の出る位置を指定します（時計をクリックすると時計から泡が出ます）"));
    m_commandFood =
        makeButton(this, QCoreApplication::translate("frmAquarium", "Food"),
                   QCoreApplication::translate("frmAquarium",
                                               "餌をやります（クリックしたところに餌が落ちます）"));

    // Over a surface that is a window of its own, only windows show.
    if (m_pictureScreen->paintsOnScreen()) {
        for (QWidget *overlay : std::initializer_list<QWidget *>{
                 m_pictureScreenMask, m_commandExit, m_commandConfig, m_commandAir, m_commandFood})
            overlay->setAttribute(Qt::WA_NativeWindow);
    }

    m_timerFishMove = new IntervalTimer(this);
    m_timerInformationClear = new IntervalTimer(this);

    connect(m_timerFishMove, &IntervalTimer::tick, this, &frmAquarium::Timer_FishMove_Timer);
    connect(m_timerInformationClear, &IntervalTimer::tick, this,
            &frmAquarium::Timer_InformationClear_Timer);
    connect(m_commandExit, &QPushButton::clicked, this, &frmAquarium::Command_Exit_Click);
    connect(m_commandConfig, &QPushButton::clicked, this, &frmAquarium::Command_Config_Click);
    connect(m_commandAir, &QPushButton::clicked, this, &frmAquarium::Command_Air_Click);
    connect(m_commandFood, &QPushButton::clicked, this, &frmAquarium::Command_Food_Click);
    m_mirrors = new ScreenMirrors(this);
    connectInput(m_pictureScreen);
    connect(m_pictureScreen, &SurfaceView::gotFocus, this, &frmAquarium::PictureScreen_GotFocus);

    Form_Load();
}

frmAquarium::~frmAquarium() = default;

void frmAquarium::connectInput(InputView *view)
{
    // The surface and every further screen's view of it speak in the
    // surface's coordinates; a mirror's margin lies outside the surface.
    connect(view, &InputView::mouseMove, this,
            [this](Qt::MouseButtons, Qt::KeyboardModifiers, int x, int y) {
                PictureScreen_MouseMove(x, y);
            });
    connect(view, &InputView::mouseDown, this,
            [this](Qt::MouseButton button, Qt::KeyboardModifiers, int x, int y) {
                if (m_pictureScreen->rect().contains(x, y))
                    PictureScreen_MouseDown(button, x, y);
                else
                    pressOutsideSurface(button);
            });
    connect(view, &InputView::mouseUp, this,
            [this](Qt::MouseButton, Qt::KeyboardModifiers, int x, int y) {
                PictureScreen_MouseUp(x, y);
            });
    connect(view, &InputView::keyDown, this,
            [this](int, Qt::KeyboardModifiers) { m_control.EndProgram(); });
}

void frmAquarium::Form_Load()
{
    setGeometry(0, 0, m_screen.width(), m_screen.height());
    m_pictureScreen->setGeometry(0, 0, m_screen.width(), m_screen.height());
    m_pictureScreenMask->setGeometry(0, 0, m_screen.width(), m_screen.height());
    layOutButtons();

    startTank(m_model, m_pictureScreen->surface(), m_state.settings);

    m_timerInformationClear->setInterval(0);
    m_timerInformationClear->setEnabled(false);
    setFishMoveInterval(StartInterval);
    m_timerFishMove->setEnabled(true);
}

FrameContext frmAquarium::frameContext()
{
    return {m_state, m_model, m_pictureScreen->surface(), m_sprites, m_random, m_clock, &m_life};
}

void frmAquarium::Timer_FishMove_Timer()
{
    FrameContext frame = frameContext();
    const bool changed = runAnimationTick(frame, m_timerFishMove->interval());
    present();
    if (changed) // a water change, eggs and fry outlive a crash
        m_state.requestSave();
    keepState();
}

void frmAquarium::keepState()
{
    if (m_keeper)
        m_keeper->keep();
}

void frmAquarium::setFishMoveInterval(int milliseconds)
{
    m_timerFishMove->setInterval(milliseconds);
}

void frmAquarium::present()
{
    m_mirrors->present(m_pictureScreen->surface().image(), m_pictureScreen->surface().dirty(),
                       m_screen, m_pictureScreen->geometry());
    m_pictureScreen->present();
}

void frmAquarium::Timer_InformationClear_Timer()
{
    setButtonsVisible(false);
    m_control.HideMouseCursor();
    stopInformationTimer();
}

void frmAquarium::Command_Exit_Click()
{
    m_control.EndProgram();
}

void frmAquarium::Command_Config_Click()
{
    m_state.savedInterval = m_timerFishMove->interval();
    setFishMoveInterval(0);
    stopInformationTimer();
    // The dialog's OK saves; no save of ours may land after it.
    if (m_keeper)
        m_keeper->settle();
    if (m_openConfiguration)
        m_openConfiguration();
    takeKeyboard();
}

void frmAquarium::takeKeyboard()
{
    // The keyboard belongs to the surface again, whose focus prepares the
    // scene anew. Without a window manager nobody hands the focus back once
    // a dialog has gone, and Qt may still count the window as active, so the
    // request goes to the window system itself, after the dialog has gone.
    QTimer::singleShot(0, this, [this] {
        if (QWindow *handle = windowHandle())
            handle->requestActivate();
        m_pictureScreen->setFocus(Qt::OtherFocusReason);
    });
}

void frmAquarium::Command_Air_Click()
{
    m_model.foodPlacement = false;
    m_model.airPlacement = true;
    m_pictureScreen->setMousePointer(
        m_state.settings.bubble_init_rand == 0 ? MousePointer::CrossHair : MousePointer::UpArrow);
}

void frmAquarium::Command_Food_Click()
{
    m_model.airPlacement = false;
    m_model.foodPlacement = true;
    m_pictureScreen->setMousePointer(MousePointer::CrossHair);
}

void frmAquarium::PictureScreen_MouseMove(int x, int y)
{
    switch (movementResponse(m_model, m_state.settings, m_clock, x, y)) {
    case MovementOutcome::End:
        m_control.EndProgram();
        break;
    case MovementOutcome::ShowButtons:
        showButtons();
        break;
    case MovementOutcome::Nothing:
        break;
    }
}

void frmAquarium::PictureScreen_MouseDown(Qt::MouseButton button, int x, int y)
{
    MouseContext mouse{m_state, m_model, m_pictureScreen->surface(), m_clock};
    const MouseOutcome outcome = mouseDown(mouse, button == Qt::LeftButton, x, y);
    if (outcome.endProgram) {
        m_control.EndProgram();
        return;
    }
    if (outcome.airPlacementEnded)
        m_pictureScreen->setMousePointer(MousePointer::Default);
    if (outcome.dropFood) {
        m_pictureScreen->setMousePointer(MousePointer::Default);
        const Surface &surface = m_pictureScreen->surface();
        m_life.dropPortion(m_state, m_random, outcome.dropFood->x(), outcome.dropFood->y(),
                           surface.width(), surface.height());
    }
    if (outcome.animationInterval)
        setFishMoveInterval(*outcome.animationInterval);
    present();
}

void frmAquarium::PictureScreen_MouseUp(int x, int y)
{
    MouseContext mouse{m_state, m_model, m_pictureScreen->surface(), m_clock};
    const MouseOutcome outcome = mouseUp(mouse, x, y);
    if (outcome.endProgram) {
        m_control.EndProgram();
        return;
    }
    if (outcome.animationInterval)
        setFishMoveInterval(*outcome.animationInterval);
    present();
    keepState();
}

void frmAquarium::PictureScreen_GotFocus()
{
    if (m_preparing)
        return;
    m_preparing = true;
    // The light and the water as they stand now, before anything is shown.
    const bool waterChanged = m_life.advance(m_state.settings, m_clock);
    if (waterChanged)
        m_state.requestSave(); // kept with the first tick
    FrameContext tank = frameContext();
    followTankSound(tank, waterChanged);
    BackgroundHooks hooks;
    hooks.showCover = [this] {
        m_pictureScreenMask->setText(m_state.settings.screenvisible == u"1" ? pictureCoverCaption()
                                                                            : QString());
        m_pictureScreenMask->show();
        m_pictureScreenMask->raise();
        m_pictureScreenMask->repaint();
    };
    hooks.hideCover = [this] {
        m_pictureScreenMask->clear();
        m_pictureScreenMask->hide();
        releaseCoverPixels();
    };
    hooks.placeSurface = [this](QRect place) { m_pictureScreen->setGeometry(place); };
    hooks.showSurfaceNow = [this] {
        m_pictureScreenMask->hide();
        present();
        m_pictureScreen->repaint();
    };
    hooks.reportPictureTooSmall = [this] { reportPictureTooSmall(); };
    hooks.setAnimationInterval = [this](int ms) { setFishMoveInterval(ms); };
    prepareBackground(m_state, m_model, m_pictureScreen->surface(), m_clock, m_screen, hooks);
    followTankLook(tank); // a night scene never shows its picture by day first
    present();
    m_preparing = false;
}

void frmAquarium::reportPictureTooSmall()
{
    // In a host's window no box of ours could be reached or even seen.
    if (m_hosted) {
        std::fprintf(stderr, "finwicks: %s: %s\n", qUtf8Printable(pictureTooSmallTitle()),
                     qUtf8Printable(pictureTooSmallText()));
        return;
    }
    // The tiled picture stays behind the box as it was: no frame runs.
    const int interval = m_timerFishMove->interval();
    setFishMoveInterval(0);
    showInformation(this, pictureTooSmallTitle(), pictureTooSmallText());
    setFishMoveInterval(interval);
}

void frmAquarium::showButtons()
{
    setButtonsVisible(true);
    m_control.ShowMouseCursor();
    restartInformationTimer();
}

void frmAquarium::setButtonsVisible(bool visible)
{
    for (QPushButton *button : {m_commandExit, m_commandConfig, m_commandAir, m_commandFood}) {
        // A button that is a window of its own leaves its last pixels in our
        // backing store, which an expose would show again.
        if (!visible && button->isVisible())
            update(button->geometry());
        button->setVisible(visible);
        if (visible)
            button->raise();
    }
}

void frmAquarium::restartInformationTimer()
{
    m_timerInformationClear->setEnabled(false);
    m_timerInformationClear->setEnabled(true);
    m_timerInformationClear->setInterval(InformationDelay);
}

void frmAquarium::stopInformationTimer()
{
    m_timerInformationClear->setInterval(0);
    m_timerInformationClear->setEnabled(false);
}

bool frmAquarium::informationTimerRunning() const
{
    return m_timerInformationClear->isRunning();
}

void frmAquarium::Form_Unload()
{
    if (m_unloaded)
        return;
    m_unloaded = true;
    setFishMoveInterval(0);
    m_timerInformationClear->setInterval(0);
    m_model.backgroundCopy = QImage();
    m_model.pictureCopy = QImage();
    if (m_keeper)
        m_keeper->finish();
    SaveAll(m_state, m_clock);
}

int frmAquarium::animationInterval() const
{
    return m_timerFishMove->interval();
}

void frmAquarium::setAnimationInterval(int milliseconds)
{
    setFishMoveInterval(milliseconds);
}

void frmAquarium::applyColours(std::uint32_t foreColor, std::uint32_t backColor)
{
    Surface &surface = m_pictureScreen->surface();
    surface.setForeColor(foreColor);
    surface.setBackColor(backColor);
}

void frmAquarium::keyPressEvent(QKeyEvent *)
{
    m_control.EndProgram();
}

void frmAquarium::mouseMoveEvent(QMouseEvent *event)
{
    // Moves over the window around a centred picture count as well, in the
    // surface's coordinates like every other move, so that crossing the
    // picture's edge is no jump.
    const QPoint at = pixelAt(event->position()) - m_pictureScreen->pos();
    PictureScreen_MouseMove(at.x(), at.y());
}

void frmAquarium::mousePressEvent(QMouseEvent *event)
{
    pressOutsideSurface(event->button());
}

void frmAquarium::pressOutsideSurface(Qt::MouseButton button)
{
    // Outside the surface only the ending presses matter.
    if (button != Qt::LeftButton)
        m_control.EndProgram();
}

void frmAquarium::closeEvent(QCloseEvent *event)
{
    // Closed from outside (a window manager's close): end like EXIT.
    event->ignore();
    m_control.EndProgram();
}

} // namespace fw
