#pragma once

#include "platform/DirtyRegion.h"

#include <QImage>
#include <QObject>
#include <QPointer>
#include <QRect>
#include <QSize>

#include <functional>
#include <vector>

class QScreen;
class QWidget;

namespace fw {

class InputView;
class MirrorView;

// Keeps a MirrorView on every screen but the one the main window shows, as
// screens come and go, and passes each frame's changes on to them.
class ScreenMirrors final : public QObject
{
public:
    explicit ScreenMirrors(QWidget *main);
    ~ScreenMirrors() override;

    // Shows the mirrors and from now on follows the screens; each new
    // mirror's input is connected by `connectInput`.
    void start(std::function<void(InputView *)> connectInput);
    // Shows the changed rectangles of `image`, which lies at `place` in the
    // main window's `scene`.
    void present(const QImage &image, const DirtyRegion &dirty, QSize scene, const QRect &place);

    int count() const { return int(m_views.size()); }
    MirrorView *view(int i) const { return m_views[std::size_t(i)]; }

private:
    void sync();
    void syncLater();
    void addMirror(QScreen *screen);

    QPointer<QWidget> m_main;
    std::function<void(InputView *)> m_connectInput;
    std::vector<MirrorView *> m_views;
    bool m_started = false;
    bool m_syncQueued = false;
};

} // namespace fw
