#include "platform/ui/ScreenMirrors.h"

#include "platform/ui/MirrorView.h"

#include <QGuiApplication>
#include <QScreen>
#include <QTimer>
#include <QWidget>

#include <algorithm>

namespace fw {

ScreenMirrors::ScreenMirrors(QWidget *main) : QObject(main), m_main(main) {}

ScreenMirrors::~ScreenMirrors()
{
    for (MirrorView *view : m_views)
        delete view;
}

void ScreenMirrors::start(std::function<void(InputView *)> connectInput)
{
    if (m_started)
        return;
    m_started = true;
    m_connectInput = std::move(connectInput);
    // A screen that goes has its windows moved elsewhere first; what is left
    // is sorted out once Qt has done so.
    connect(qGuiApp, &QGuiApplication::screenAdded, this, &ScreenMirrors::syncLater);
    connect(qGuiApp, &QGuiApplication::screenRemoved, this, &ScreenMirrors::syncLater);
    connect(qGuiApp, &QGuiApplication::primaryScreenChanged, this, &ScreenMirrors::syncLater);
    sync();
}

void ScreenMirrors::syncLater()
{
    if (m_syncQueued)
        return;
    m_syncQueued = true;
    QTimer::singleShot(0, this, [this] {
        m_syncQueued = false;
        sync();
    });
}

void ScreenMirrors::sync()
{
    const QScreen *mainScreen = m_main ? m_main->screen() : nullptr;
    const QList<QScreen *> screens = QGuiApplication::screens();
    // Mirrors whose screen went, or that now share the main window's.
    for (auto it = m_views.begin(); it != m_views.end();) {
        MirrorView *view = *it;
        if (!screens.contains(view->shownScreen()) || view->shownScreen() == mainScreen) {
            view->hide();
            view->deleteLater();
            it = m_views.erase(it);
        } else {
            ++it;
        }
    }
    for (QScreen *screen : screens) {
        const bool shown = std::any_of(m_views.begin(), m_views.end(), [screen](MirrorView *v) {
            return v->shownScreen() == screen;
        });
        if (screen != mainScreen && !shown)
            addMirror(screen);
    }
}

void ScreenMirrors::addMirror(QScreen *screen)
{
    auto *view = new MirrorView(screen);
    if (m_connectInput)
        m_connectInput(view);
    m_views.push_back(view);
    view->showOverScreen();
}

void ScreenMirrors::present(const QImage &image, const DirtyRegion &dirty, QSize scene,
                            const QRect &place)
{
    for (MirrorView *view : m_views) {
        view->setScene(scene, place);
        view->present(image, dirty);
    }
}

} // namespace fw
