#pragma once

#include <QString>

namespace fw {

// Whether the file starts the way a sound file of a common format does: Ogg
// (Vorbis, Opus, FLAC), FLAC, WAV, MP3, AAC (ADTS or MP4) or Matroska/WebM.
// Reads a few bytes only; whether the installed decoders play it shows when
// it plays.
bool looksLikeSoundFile(const QString &path);

} // namespace fw
