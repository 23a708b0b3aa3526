#pragma once

#include "state/AppState.h"

#include <QString>

namespace fw::test {

// A tank filled fish by fish, for tests that need only species and values.
struct TankBuilder
{
    AppState state;

    // Appends a fish and returns its 1-based position.
    int add(QChar species, FishValues values)
    {
        const int position = ++state.fish.count;
        state.fish.at(position) = FishRecord(QString(species));
        state.values[position] = values;
        return position;
    }

    FishValues &operator[](int position) { return state.values[position]; }
};

// Position, step, size and facing in the order the rules name them.
inline FishValues swimmer(int x, int y, int dx, int dy, int w = 42, int h = 17, int f = 1)
{
    FishValues v;
    v.left = static_cast<std::int16_t>(x);
    v.top = static_cast<std::int16_t>(y);
    v.movex = static_cast<std::int16_t>(dx);
    v.movey = static_cast<std::int16_t>(dy);
    v.width = static_cast<std::int16_t>(w);
    v.height = static_cast<std::int16_t>(h);
    v.facing = static_cast<std::int16_t>(f);
    return v;
}

} // namespace fw::test
