#pragma once

#include <QtGlobal>

#include <array>
#include <cstdint>

class QImage;

namespace fw {

class Random;
class Surface;
struct FlakeStrip;

enum class FlakeState : std::uint8_t
{
    Gone,     // a free slot
    Floating, // on the surface, for a moment after it fell
    Sinking,
    Landed, // on the bottom, until a corydoras finds it or it dissolves
};

struct Flake
{
    float x = 0; // top-left corner, surface pixels
    float y = 0;
    float drift = 0; // sideways pixels per frame while it sinks
    FlakeState state = FlakeState::Gone;
    std::uint8_t shade = 0;     // frame of the flake strip
    std::int16_t claimedBy = 0; // the fish going for it, 0 for none
    qint64 since = 0;           // when its present state began, ms since the epoch
    // Where it was drawn last, for the restore; valid when `drawn`.
    std::int16_t drawnX = 0;
    std::int16_t drawnY = 0;
    bool drawn = false;
};

// The food in the water: at most 60 flakes, in slots that are reused.
class Flakes
{
public:
    static constexpr int Capacity = 60;
    static constexpr int Size = 4; // pixels, square

    int count() const { return m_count; }
    bool empty() const { return m_count == 0; }
    Flake &operator[](int slot) { return m_flakes[slot]; }
    const Flake &operator[](int slot) const { return m_flakes[slot]; }

    // The surface's water line and the line flakes come to rest on, for a
    // tank `height` pixels high: within the depth bands of the hatchetfish
    // and of the corydoras, which feed there.
    static int surfaceLine(int height);
    static int bottomLine(int height);

    // A small cloud of up to `portion` flakes around (x, y), as many as there
    // are free slots; flakes at the water line float for a moment first.
    // Returns how many fell.
    int drop(int portion, double x, double y, int width, int height, Random &random, qint64 now);

    // Flakes float, sink with a little drift, come to rest on the bottom and
    // dissolve there after a few minutes.
    void move(Random &random, int width, int height, qint64 now);

    void eat(int slot);

    // Restores where each flake was drawn from the background copy, and
    // draws every flake where it is now.
    void restore(Surface &surface, const QImage &background);
    void draw(Surface &surface, const FlakeStrip &strip);

private:
    std::array<Flake, Capacity> m_flakes{};
    int m_count = 0;
};

} // namespace fw
