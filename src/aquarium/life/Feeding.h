#pragma once

#include <QtGlobal>

#include <array>
#include <cstdint>

namespace fw {

class Flakes;
class Random;
struct AppState;

// Which fish goes for which flake, and how it gets there. Each species feeds
// in its own layer: hatchetfish at the surface, tetras and angelfish from the
// sinking food in the middle water, corydoras from the bottom; every fish
// within its own depth band. A fish picks one flake that no other fish has
// picked, steers to it, slowing as it arrives, eats it and goes back to its
// ways for a while. Neon tetras follow their leader to the food.
class Feeding
{
public:
    struct Tank
    {
        AppState &state;
        Flakes &flakes;
        Random &random;
        int height;
        double light; // 1 by day: at night fish are slower to notice food
        qint64 now;   // ms since the epoch
    };

    // Steers the fish that go for food and lets fish eat what they reach.
    // Returns how many flakes were eaten. Takes no draw and changes nothing
    // while the water holds no food.
    int tend(const Tank &tank);

    // How many flakes have been eaten since the tank started.
    int eaten() const { return m_eaten; }

    // The flake fish `fish` goes for, or -1.
    int claimOf(int fish) const { return m_claim[fish] - 1; }

private:
    bool eatWithin(const Tank &tank, int fish);
    void claim(const Tank &tank, int fish);
    void steer(const Tank &tank, int fish);

    // Index = fish position; the flake slot + 1 it goes for, 0 for none.
    std::array<std::int16_t, 100> m_claim{};
    // Until when a fish that has eaten goes back to its ways, ms.
    std::array<qint64, 100> m_satedUntil{};
    int m_eaten = 0;
};

} // namespace fw
