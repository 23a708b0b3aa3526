#pragma once

#include "state/SettingsRecord.h"

namespace fw::test {

// Settings for a quiet tank: no picture, names, bubbles or moving clock, so a
// frame draws only the fish and takes no random draws a test did not ask for.
inline void makeQuiet(SettingsRecord &s)
{
    s.screenvisible = QStringLiteral("0");
    s.namevisible = QStringLiteral("0");
    s.timevisible = QStringLiteral("0");
    s.timestyle = QStringLiteral("00");
    s.timeposition = QStringLiteral("03");
    s.screenclear = QStringLiteral("0");
    s.bubble_view = 0;
    s.bubble_dist = 2;
    s.bubble_count_max = 10;
}

} // namespace fw::test
