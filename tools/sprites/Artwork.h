#pragma once

#include <QDir>

namespace fw::sprites {

// The about box's tank and its two small tetras.
bool writeAboutPictures(const QDir &dir);

// The application icon at every size the desktop asks for.
bool writeIcons(const QDir &dir);

} // namespace fw::sprites
