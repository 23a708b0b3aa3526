#pragma once

#include <QString>

#include <optional>

namespace fw {

// Where the tank's sound effects go. The tank only says what happens; whether
// and how it is heard is the implementation's business. A pan runs from -1
// (far left) through 0 (centre) to 1 (far right).
class SoundEffects
{
public:
    virtual ~SoundEffects() = default;

    // The soft bubbling of a running bubble stream, or quiet (empty).
    virtual void setBubbling(std::optional<double> pan) = 0;
    // A fish let go into the water.
    virtual void splash(double pan) = 0;
    // A fish bought in the shop.
    virtual void chime() = 0;
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
