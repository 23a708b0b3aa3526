#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace fw::sounds {

// Mono 16-bit samples at this rate: plenty for sounds that stay below 7 kHz.
inline constexpr int SampleRate = 22050;

using Samples = std::vector<std::int16_t>;

// The resonance of an air bubble in water of radius `radiusMm` millimetres:
// about 3.3 kHz for a bubble of 1 mm, falling as the bubble grows.
double bubblePitch(double radiusMm);

// One bubble: a short ring at its pitch that rises a little as it fades.
std::vector<double> bubble(double radiusMm);

// A small splash: a soft burst of water noise and a few tiny bubbles.
Samples splash();
// Food flakes pattering on the water.
Samples patter();
// A short pour of fresh water.
Samples pour();
// A short two-note chime.
Samples chime();

// The samples as a complete WAV file.
std::string wavFile(const Samples &samples);

} // namespace fw::sounds
