#pragma once

#include <QString>

namespace fw {

// Where the tank's sound effects go. The tank only says what happens; whether
// and how it is heard is the implementation's business. A pan runs from -1
// (far left) through 0 (centre) to 1 (far right).
class SoundEffects
{
public:
    virtual ~SoundEffects() = default;

    // A bubble `size` pixels across has just left its source at `pan`.
    virtual void bubble(int size, double pan) = 0;
    // A fish let go into the water.
    virtual void splash(double pan) = 0;
    // A fish bought in the shop.
    virtual void chime() = 0;
    // Food flakes landing on the water at `pan`.
    virtual void foodFalls(double pan) = 0;
    // Fresh water poured in for a water change.
    virtual void waterChange() = 0;
    // How loud the effects play: 1 by day, about 0.5 at night.
    virtual void setEffectsLevel(double level) = 0;
};

// A sound output: the effects and the background music.
class Sound : public SoundEffects
{
public:
    // Loops the file as background music; an empty path stops it at once.
    virtual void setMusic(const QString &file) = 0;
};

// Effects that are never heard: what everything uses unless sound is on.
SoundEffects &silence();

// The pan of horizontal position `x` on a surface `width` wide; the middle
// of the surface is 0 and positions beyond its edges count as the edge.
double panAt(double x, double width);

} // namespace fw
