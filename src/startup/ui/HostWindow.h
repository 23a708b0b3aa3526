#pragma once

#include <QObject>
#include <QPointer>
#include <QSize>
#include <QString>
#include <QTimer>

#include <cstdint>
#include <memory>

class QWidget;
class QWindow;

namespace fw {

struct HostRequest;

// A window that belongs to a screen saver host (or the root window), and our
// aquarium embedded in it. The aquarium becomes a child of that window at its
// size, follows it when it changes size, and takes no mouse or key input:
// the host handles input and stops us with a signal.
class HostWindow final : public QObject
{
    Q_OBJECT
public:
    // Id 0 stands for the root window of the screen.
    explicit HostWindow(std::uint32_t windowId, QObject *parent = nullptr);
    ~HostWindow() override;

    // Checks that we run on an X server and the window exists, and reads its
    // size (in logical pixels: its device pixels over the screen's ratio).
    // False with a reason in error() otherwise.
    bool open();
    QString error() const { return m_error; }
    QSize size() const { return m_size; }
    std::uint32_t windowId() const { return m_windowId; }

    // Turns the top-level widget into a child of the host window covering it,
    // transparent for input, and shows it. Call after open() succeeded and
    // before the widget is shown.
    void embed(QWidget *widget);

protected:
    // Drops every key, mouse and touch event of the program.
    bool eventFilter(QObject *watched, QEvent *event) override;

signals:
    // The host window changed its size; the embedded widget has it already.
    void resized(QSize size);
    // The host window no longer exists.
    void gone();

private:
    void poll();

    std::uint32_t m_windowId;
    bool m_isRoot;
    QSize m_size;
    QString m_error;
    QWindow *m_foreign = nullptr;
    QPointer<QWidget> m_widget;
    QTimer m_pollTimer;
};

// Drawing into another window is an X11 convention: hosted mode runs on the
// xcb platform (XWayland in a Wayland session) whatever the session's own.
// False, with the reason on standard error, when no X server is reachable.
bool chooseX11ForHosting();

// Opens the window a screen saver host named (or the root window); null,
// with the reason on standard error, when there is no X server or no such
// window.
std::unique_ptr<HostWindow> openHostWindow(const HostRequest &request);

} // namespace fw
