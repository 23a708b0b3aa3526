#include "dialogs/AboutSwimmer.h"

#include "platform/Conversions.h"
#include "platform/Random.h"

#include <cmath>

namespace fw {

AboutSwimmer::AboutSwimmer(QRect tank, QRect fish) : m_tank(tank), m_fish(fish) {}

void AboutSwimmer::start(Random &random)
{
    m_speed = draw(random, 30) + 20;
    chooseCourse(random);
}

void AboutSwimmer::chooseCourse(Random &random)
{
    if (draw(random, 2) != 0) {
        m_facesLeft = true;
        m_dx = -draw(random, m_speed) - 10;
    } else {
        m_facesLeft = false;
        m_dx = draw(random, m_speed) + 10;
    }
    const bool rounded = draw(random, 2) == 0;
    const double slope = m_dx / 2.0 * random.next();
    m_dy = rounded ? nearestInt(slope) : -int(std::floor(slope));
}

void AboutSwimmer::tick(Random &random)
{
    if (draw(random, 10) == 0)
        chooseCourse(random);
    // QRect's right() and bottom() are the last pixel inside; compare the
    // edges themselves.
    const int fishRight = m_fish.x() + m_fish.width();
    const int tankRight = m_tank.x() + m_tank.width();
    // After a bounce the picture follows the new direction, even in the odd
    // case of a fish that was already heading away from the wall.
    if (m_fish.x() + m_dx < m_tank.x()) {
        m_dx = -m_dx;
        m_facesLeft = m_dx < 0;
    }
    if (fishRight + m_dx > tankRight) {
        m_dx = -m_dx;
        m_facesLeft = m_dx < 0;
    }
    if (m_fish.y() + m_dy < m_tank.y())
        m_dy = -m_dy;
    if (m_fish.y() + m_fish.height() + m_dy > m_tank.y() + m_tank.height())
        m_dy = -m_dy;
    m_fish.translate(m_dx, m_dy);
}

} // namespace fw
