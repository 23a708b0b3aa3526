#pragma once

#include <QPainter>
#include <QPainterPath>
#include <QSizeF>

namespace fw::sprites {

// How one sprite is to be painted. Every fish is designed facing right
// (head at the larger x) in its own design units.
struct Pose
{
    bool young = false;         // the small image: bigger eye and head
    bool lightFromHead = false; // light falls from the head side instead of the tail side
    double px = 1.0;            // one output pixel, in design units
};

class FishArt
{
public:
    virtual ~FishArt() = default;
    virtual QSizeF designSize() const = 0;
    // Everything that belongs to the fish, fins included; the mask is made
    // from this alone so species that share a mask share this path.
    virtual QPainterPath outline(const Pose &pose) const = 0;
    // Paints colours; only what falls inside the outline is kept.
    virtual void paint(QPainter &painter, const Pose &pose) const = 0;
};

} // namespace fw::sprites
