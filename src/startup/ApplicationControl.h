#pragma once

#include "platform/ProgramControl.h"

#include <QString>

#include <functional>

namespace fw {

// Ends the program and hides or shows the mouse cursor. The cursor is hidden
// only when a host started the program (a non-empty command line), so a
// directly started aquarium keeps its cursor. Calls do not stack: one show
// undoes any number of hides.
class ApplicationControl final : public ProgramControl
{
public:
    explicit ApplicationControl(QString commandLine,
                                std::function<void()> terminate = defaultTerminate());

    // The aquarium registers how to unload its window (which saves).
    void setAquariumUnload(std::function<void()> unload) { m_unload = std::move(unload); }
    // Runs just before the process ends (releasing the instance lock).
    void setBeforeExit(std::function<void()> beforeExit) { m_beforeExit = std::move(beforeExit); }

    void EndProgram() override;
    void HideMouseCursor() override;
    void ShowMouseCursor() override;

    bool cursorHidden() const { return m_cursorHidden; }

    // Flushes the standard streams and ends the process without running any
    // further event.
    static std::function<void()> defaultTerminate();

private:
    QString m_commandLine;
    std::function<void()> m_terminate;
    std::function<void()> m_unload;
    std::function<void()> m_beforeExit;
    bool m_cursorHidden = false;
    bool m_ending = false;
};

} // namespace fw
