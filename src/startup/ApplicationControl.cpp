#include "startup/ApplicationControl.h"

#include <QCursor>
#include <QGuiApplication>

#include <cstdio>
#include <cstdlib>

namespace fw {

ApplicationControl::ApplicationControl(QString commandLine, std::function<void()> terminate)
    : m_commandLine(std::move(commandLine)), m_terminate(std::move(terminate))
{}

std::function<void()> ApplicationControl::defaultTerminate()
{
    return [] {
        std::fflush(nullptr);
        std::_Exit(0);
    };
}

void ApplicationControl::EndProgram()
{
    // The unload handler may itself end the program (a closing window that
    // calls back); the second call only finishes the first.
    if (!m_ending) {
        m_ending = true;
        if (m_unload) {
            const auto unload = std::move(m_unload);
            m_unload = nullptr;
            unload();
        }
    }
    ShowMouseCursor();
    if (m_beforeExit)
        m_beforeExit();
    m_terminate();
}

void ApplicationControl::HideMouseCursor()
{
    if (m_commandLine.isEmpty() || m_cursorHidden || !qGuiApp)
        return;
    QGuiApplication::setOverrideCursor(QCursor(Qt::BlankCursor));
    m_cursorHidden = true;
}

void ApplicationControl::ShowMouseCursor()
{
    if (!m_cursorHidden || !qGuiApp)
        return;
    QGuiApplication::restoreOverrideCursor();
    m_cursorHidden = false;
}

} // namespace fw
