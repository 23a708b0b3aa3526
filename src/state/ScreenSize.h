#pragma once

namespace fw {

// The primary screen's size in pixels, taken once at start-up.
struct ScreenSize
{
    int width = 0;
    int height = 0;
};

} // namespace fw
