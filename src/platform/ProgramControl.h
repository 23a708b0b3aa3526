#pragma once

namespace fw {

// The three program-wide routines the windows call to leave the program and to
// hide or show the mouse cursor. The start-up code implements them, because
// whether the cursor hides depends on how the program was started.
class ProgramControl
{
public:
    virtual ~ProgramControl() = default;
    // Closes the aquarium window (which saves everything), shows the cursor and
    // ends the process. Does not return to the caller's logic.
    virtual void EndProgram() = 0;
    virtual void HideMouseCursor() = 0;
    virtual void ShowMouseCursor() = 0;
};

} // namespace fw
