#pragma once

#include <QString>

#include <cstdint>

namespace fw {

struct AquariumModel;
struct SettingsRecord;
class Surface;

// A colour setting as a 24-bit value; an empty or broken one gives `fallback`.
std::uint32_t colourSetting(const QString &text, std::uint32_t fallback);

// The tank as the window's load leaves it: the name colour and the background
// from the settings (white on black where they are broken), a wiped surface,
// no bubbles, no air placement, no click under way, and the first focus still
// to come.
void startTank(AquariumModel &model, Surface &surface, const SettingsRecord &settings);

} // namespace fw
