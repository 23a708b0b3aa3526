#pragma once

// The entry points of the sound library. The program opens it only when a
// sound is wanted, so that a silent tank never loads the audio stack (the
// sound server's client library and FFmpeg's decoders).

namespace fw {
class Sound;
}

extern "C" {
// Must equal FinwicksSoundAbi in the program that opens the library.
int finwicks_sound_abi();
// A new sound output that plays through the sound server; the caller owns
// it. Problems (no sound server, music that cannot play) are told on
// standard error once and leave it silent.
fw::Sound *finwicks_sound_create();
}

inline constexpr int FinwicksSoundAbi = 2;
