#pragma once

#include "platform/Sound.h"

#include <memory>

namespace fw {

// Opens the sound library (the sound server's client and FFmpeg's decoders) and
// makes its sound output. Null, with the reason on standard error, when the
// library is missing or does not fit this program.
std::unique_ptr<Sound> openSoundLibrary();

} // namespace fw
