#pragma once

#include <Qt>

namespace fw {

// The pointer shapes the windows ask for.
enum class MousePointer
{
    Default,
    CrossHair,
    UpArrow,
};

constexpr Qt::CursorShape cursorShape(MousePointer pointer)
{
    switch (pointer) {
    case MousePointer::CrossHair:
        return Qt::CrossCursor;
    case MousePointer::UpArrow:
        return Qt::UpArrowCursor;
    case MousePointer::Default:
        break;
    }
    return Qt::ArrowCursor;
}

} // namespace fw
