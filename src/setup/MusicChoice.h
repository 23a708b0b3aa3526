#pragma once

#include <QString>

#include <optional>

namespace fw {

// Why OK cannot take the background music as chosen, or empty when it can:
// music needs a file that exists and holds sound.
std::optional<QString> musicRefusal(bool musicOn, const QString &file);

} // namespace fw
