#pragma once

#include <QString>
#include <QtGlobal>

#include <functional>

namespace fw {

// Qt ends the process by itself when the display server goes away: on X11 it
// warns "The X11 connection broke" and calls exit(1) from its event loop; on
// Wayland its event thread warns "The Wayland connection broke" and calls
// _exit(1). Neither passes through EndProgram, which saves. This runs a last
// action on those paths: from an exit() handler, and from the message handler
// when Qt reports a lost connection or a fatal error (before _exit or abort).
// The action runs on the main thread only, between two of its events, where
// the state is whole: a report from another thread has the main thread run
// it and waits up to two seconds for that; should the main thread not get
// there, the last periodic save stands.
//
// The action must use no display: the connection is gone.
void runBeforeAbruptEnd(std::function<void()> action);
// Disarms it (the orderly end is under way, or the tank has gone).
void clearBeforeAbruptEnd();

// Whether a message from Qt announces that the process is about to end.
bool announcesAbruptEnd(QtMsgType type, const QString &message);

} // namespace fw
