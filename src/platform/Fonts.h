#pragma once

#include <QFont>

namespace fw {

// The fonts of the program. Each asks for a Japanese face that fontconfig can
// supply (Noto Sans CJK JP on Debian) and falls back to whatever else covers
// Japanese, so the texts never turn into boxes.

// The aquarium surface's font: "System" 13.5 pt bold italic with the Japanese
// character set. At 96 dpi 13.5 pt is 18 pixels; the size is given in pixels
// so the aquarium looks the same on every screen.
QFont surfaceFont();

// The font of the dialogs' labels, buttons and lists.
QFont uiFont();

// A fixed-pitch font in which a full-width character takes exactly two
// half-width cells, for lists laid out in columns of characters.
QFont fixedPitchFont();

// Whether `font` gives every full-width character twice the advance of a
// half-width one, measured on a sample of both kinds.
bool hasDoubleWidthCells(const QFont &font);

} // namespace fw
