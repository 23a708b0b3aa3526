#pragma once

// The entry points of the sound library. The program opens it only when a
// sound is wanted, so that a silent tank never loads Qt Multimedia and its
// audio stack.

namespace fw {
class Sound;
}

extern "C" {
// Must equal FinwicksSoundAbi in the program that opens the library.
int finwicks_sound_abi();
// A new sound output that plays on the default audio device; the caller
// owns it. Problems (no device, no sound server) are told on standard error
// once and leave it silent.
fw::Sound *finwicks_sound_create();
}

inline constexpr int FinwicksSoundAbi = 1;
