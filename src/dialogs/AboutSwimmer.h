#pragma once

#include <QRect>

namespace fw {

class Random;

// The tetra of the about box: a speed chosen once per opening, a course of
// (dx, dy) per tick that changes now and then, and bounces off the walls of
// the tank picture. Coordinates are twips (15 to a pixel), the unit the steps
// are given in, so a slow fish still moves smoothly.
class AboutSwimmer
{
public:
    static constexpr int TwipsPerPixel = 15;

    // `tank` bounds the swimming; the fish starts at `fish`.
    AboutSwimmer(QRect tank, QRect fish);

    // Picks the speed (20..49) and the first course.
    void start(Random &random);
    // A new direction and step at the current speed.
    void chooseCourse(Random &random);
    // One tick of the timer: perhaps a new course, bounces, then the move.
    void tick(Random &random);

    int speed() const { return m_speed; }
    int dx() const { return m_dx; }
    int dy() const { return m_dy; }
    bool facesLeft() const { return m_facesLeft; }
    const QRect &tank() const { return m_tank; }
    const QRect &fish() const { return m_fish; }

private:
    QRect m_tank;
    QRect m_fish;
    int m_speed = 20;
    int m_dx = 0;
    int m_dy = 0;
    bool m_facesLeft = false;
};

} // namespace fw
