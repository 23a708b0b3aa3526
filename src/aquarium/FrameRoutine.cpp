#include "aquarium/FrameRoutine.h"

#include "aquarium/AquariumModel.h"
#include "aquarium/SpriteCatalogue.h"
#include "aquarium/life/TankLife.h"
#include "platform/Clock.h"
#include "platform/Conversions.h"
#include "platform/Surface.h"
#include "state/AppState.h"
#include "state/FishCondition.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <limits>

namespace fw {

namespace {

std::int16_t clampInt16(int value)
{
    return static_cast<std::int16_t>(std::clamp<int>(
        value, std::numeric_limits<std::int16_t>::min(), std::numeric_limits<std::int16_t>::max()));
}

// Wall-clock seconds, so "later than" compares whole seconds of local time.
double wallSeconds(const QDateTime &when)
{
    return static_cast<double>(when.date().toJulianDay()) * 86400.0 +
           when.time().msecsSinceStartOfDay() / 1000;
}

QStringView withoutTrailingBlanks(QStringView text)
{
    qsizetype length = text.size();
    while (length > 0 && text[length - 1] == u' ')
        --length;
    return text.first(length);
}

// One side of a fish's pictures.
struct Sprite
{
    const QImage &image;
    const QImage &mask;
    const SpriteSpans &spans;
};

class Frame
{
public:
    explicit Frame(FrameContext &c)
        : m_c(c), m_settings(c.state.settings), m_model(c.model), m_surface(c.surface),
          m_sprites(c.life ? c.life->sprites(c.sprites) : c.sprites), m_width(c.surface.width()),
          m_height(c.surface.height()), m_now(c.clock.now()),
          m_today(Clock::dayNumberOf(m_now.date())),
          m_namesShown(c.state.settings.namevisible == u"1")
    {}

    void run()
    {
        m_model.informationShown = false;
        applyClearRule();
        m_pictureShown = m_settings.screenvisible == u"1" && !m_model.pictureCleared;
        if (!m_pictureShown)
            m_surface.cls();
        firstPass();
        moveFood();
        prepareClock();
        runBubbleStep(m_model.bubbles, m_settings, m_surface, m_model.backgroundCopy, m_c.random,
                      {m_model.clockX, m_clockWidth, m_height - m_clockHeight, m_pictureShown,
                       m_model.airPlacement, m_c.state.sound});
        if (m_settings.bubble_dist == 1)
            drawBubbles(m_model.bubbles, m_settings, m_surface, m_sprites.bubbleStrip());
        if (m_c.life) // the fish come over the food they go for
            m_c.life->flakes().draw(m_surface, m_sprites.flakes());
        secondPass();
        if (m_settings.bubble_dist == 0)
            drawBubbles(m_model.bubbles, m_settings, m_surface, m_sprites.bubbleStrip());
        printNames();
        printClock();
    }

private:
    int fishCount() const { return std::clamp(m_c.state.fish.count, 0, FishTable::Capacity); }

    // The species of fish i as 0..5, or -1 for a code this program does not
    // know; such a fish is kept but neither moved nor drawn.
    int species(int i) const { return m_c.state.fish.at(i).speciesIndex(); }

    const SpriteSet &spritesOf(int i, int speciesIndex) const
    {
        const bool young = m_today - m_c.state.fish.at(i).birthDay() < YoungFishDays;
        return m_sprites.set(speciesIndex, young);
    }

    void applyClearRule()
    {
        if (m_settings.screenvisible != u"1" || m_model.pictureCleared ||
            m_settings.screenclear != u"1")
            return;
        const double minutes = decimalPrefix(m_settings.screencleartime);
        if (wallSeconds(m_now) > wallSeconds(m_model.pictureStartTime) + minutes * 60)
            m_model.pictureCleared = true;
    }

    void restore(int x, int y, int w, int h)
    {
        m_surface.bitBlt(x, y, w, h, m_model.backgroundCopy, x, y, RasterOp::SrcCopy);
    }

    // The label text of fish i (trimmed), measured once per distinct name.
    const LabelCache &label(int i)
    {
        LabelCache &cache = m_model.labels[i];
        const QStringView name = withoutTrailingBlanks(m_c.state.fish.at(i).name());
        if (!cache.measured || cache.text != name) {
            cache.text = name.toString();
            cache.width = m_surface.textWidth(name);
            cache.height = m_surface.textHeight(name);
            cache.measured = true;
        }
        return cache;
    }

    bool namesShown() const { return m_namesShown; }

    void firstPass()
    {
        const int margin = truncInt(m_width * 0.05);
        for (int i = 1; i <= fishCount(); ++i) {
            const int speciesIndex = species(i);
            if (speciesIndex < 0)
                continue;
            const SpriteSet &set = spritesOf(i, speciesIndex);
            FishValues &v = m_c.state.values[i];
            v.width = clampInt16(set.left.width());
            v.height = clampInt16(set.left.height());
            applyWallRules(v, margin);
            applyDepthBand(v, speciesTraits[speciesIndex], bandShift(speciesIndex));
            if (m_pictureShown)
                restoreFish(i, v, set);
            v.left = clampInt16(v.left + pacedStep(i, 0, v.movex, speciesIndex));
            v.top = clampInt16(v.top + pacedStep(i, 1, v.movey, speciesIndex));
        }
    }

    // The food in the water: taken off where it was, then on.
    void moveFood()
    {
        if (!m_c.life)
            return;
        Flakes &flakes = m_c.life->flakes();
        if (m_pictureShown)
            flakes.restore(m_surface, m_model.backgroundCopy);
        flakes.move(m_c.random, m_width, m_height, Clock::wallMs(m_now));
    }

    void applyWallRules(FishValues &v, int margin)
    {
        const int x = v.left, w = v.width;
        int dx = v.movex, f = v.facing;
        if (x + dx < 5 && dx < 0) {
            dx = 0;
            f = 1;
        }
        if (x + dx < margin) {
            if (dx == 0 && draw(m_c.random, 10) == 0)
                f = 1;
            if (dx < 0)
                dx += 1;
        }
        if (x + dx + w > m_width - 8 && dx > 0) {
            dx = 0;
            f = -1;
        }
        if (x + dx + w > m_width - margin) {
            if (dx == 0 && draw(m_c.random, 10) == 0)
                f = -1;
            if (dx > 0)
                dx -= 1;
        }
        v.movex = clampInt16(dx);
        v.facing = clampInt16(f);
    }

    float bandShift(int speciesIndex) const
    {
        return m_c.life ? m_c.life->bandShift(speciesIndex) : 0.0f;
    }

    int pacedStep(int i, int axis, int move, int speciesIndex)
    {
        return m_c.life ? m_c.life->pacedStep(i, axis, move, speciesIndex) : move;
    }

    // `shift` percent lower in the water, for a fish ill at ease.
    void applyDepthBand(FishValues &v, const SpeciesTraits &traits, float shift)
    {
        const float height = static_cast<float>(m_height);
        const float top = height * (traits.bandTop + shift) / 100.0f;
        const float bottom = height - height * (traits.bandBottom - shift) / 100.0f;
        const int y = v.top, h = v.height;
        int dx = v.movex, dy = v.movey;
        const int f = v.facing;
        if (top > static_cast<float>(y + dy) || top > static_cast<float>(y)) {
            if (dy < 0)
                dy = 0;
            if (bottom > static_cast<float>(y + dy - 10) && draw(m_c.random, 3) == 0) {
                dy = 2;
                dx = 2 * f;
            }
        }
        if (static_cast<float>(y + dy + h) > bottom || static_cast<float>(y + dy) > bottom) {
            if (dy > 0)
                dy = 0;
            if (static_cast<float>(y + dy + 10) > bottom && draw(m_c.random, 3) == 0) {
                dy = -2;
                dx = 2 * f;
            }
        }
        v.movex = clampInt16(dx);
        v.movey = clampInt16(dy);
    }

    void restoreFish(int i, const FishValues &v, const SpriteSet &set)
    {
        const QImage &mask = set.leftMask;
        restore(v.left, v.top, mask.width(), mask.height());
        if (!namesShown())
            return;
        const QStringView name = m_c.state.fish.at(i).name();
        if (withoutTrailingBlanks(name).isEmpty() || name.startsWith(u"* "))
            return;
        const LabelCache &text = label(i);
        restoreText(v.left, v.top + mask.height(), text.width, text.height);
    }

    void prepareClock()
    {
        ClockCache &clock = m_model.clock;
        if (m_settings.timevisible == u"1") {
            if (clock.format.isEmpty() || clock.style != m_settings.timestyle) {
                clock.style = m_settings.timestyle;
                clock.format = ClockFormat(clock.style);
            }
            clock.text.format(m_now, clock.format);
        } else
            clock.text.assign(u"     ");
        if (!clock.measured || !(clock.measuredText == clock.text)) {
            clock.width = clockTextWidth(clock.text.view());
            clock.height = m_surface.textHeight(clock.text.view());
            clock.measuredText = clock.text;
            clock.measured = true;
        }
        m_clockWidth = clock.width;
        m_clockHeight = clock.height;
        if (m_pictureShown)
            restoreText(m_model.clockX, m_height - m_clockHeight, m_clockWidth, m_clockHeight);
    }

    // The clock is measured and printed a character at a time: its few
    // characters keep their layouts, while a whole new text every second
    // would be laid out (and allocated) anew.
    double clockTextWidth(QStringView text) const
    {
        double width = 0;
        for (qsizetype i = 0; i < text.size(); ++i)
            width += m_surface.textWidth(text.mid(i, 1));
        return width;
    }

    // Italic glyphs lean out of their measured box; restoring the same lean
    // the print marked takes them away too. Nothing is drawn yet when
    // restores run, so the extra copy covers nothing of this frame.
    void restoreText(double x, double y, double width, double height)
    {
        const int lean = m_surface.italicLean();
        restore(nearestInt(x) - lean, nearestInt(y), nearestInt(width) + 2 * lean,
                nearestInt(height));
    }

    void secondPass()
    {
        const int second = m_now.time().second();
        const double t = m_now.time().msecsSinceStartOfDay() / 1000.0;
        for (int i = 1; i <= fishCount(); ++i) {
            const int speciesIndex = species(i);
            if (speciesIndex < 0)
                continue;
            drawFish(i, m_c.state.values[i], spritesOf(i, speciesIndex),
                     speciesTraits[speciesIndex], second, t);
        }
    }

    void drawFish(int i, FishValues &v, const SpriteSet &set, const SpeciesTraits &traits,
                  int second, double t)
    {
        const int speed = std::abs(v.movex);
        const int period = std::max(1, traits.tailPeriodBase - speed);
        double u = t - std::floor(t);
        if (speed > 1)
            u *= 2;
        if (u >= 1)
            u -= 1;

        if (v.movex < 0)
            v.facing = -1;
        else if (v.movex > 0)
            v.facing = 1;
        else if (v.facing == 0)
            v.facing = i % 2 == 0 ? -1 : 1;

        const bool left = v.facing == -1;
        const Sprite sprite = left ? Sprite{set.left, set.leftMask, set.leftSpans}
                                   : Sprite{set.right, set.rightMask, set.rightSpans};
        if (second % period != 0) {
            maskedDraw(sprite, v.left, v.top, 0, sprite.image.width());
            return;
        }
        flickTail(sprite, v, left, traits.tailShare, u);
    }

    // The fish in two pieces with the rear one shifted a pixel towards the
    // head, which reads as a beat of the tail.
    void flickTail(const Sprite &sprite, const FishValues &v, bool left, double share, double u)
    {
        const double width = sprite.image.width();
        const double x = v.left;
        const double k = left ? 1 - share + share * u : share - share * u;
        const int split = nearestInt(width * k);
        const int rest = nearestInt(width * (1 - k));
        if (left) {
            maskedDraw(sprite, nearestInt(x), v.top, 0, split);
            maskedDraw(sprite, nearestInt(x + width * k - 1), v.top, split, rest);
        } else {
            maskedDraw(sprite, nearestInt(x + 1), v.top, 0, split);
            maskedDraw(sprite, nearestInt(x + width * k), v.top, split, rest);
        }
    }

    void maskedDraw(const Sprite &sprite, int x, int y, int sourceX, int width)
    {
        m_surface.maskedBlt(x, y, width, sprite.image.height(), sprite.image, sprite.mask,
                            sprite.spans, sourceX, 0);
    }

    void printNames()
    {
        if (!namesShown())
            return;
        for (int i = 1; i <= fishCount(); ++i) {
            if (species(i) < 0)
                continue;
            const QStringView name = m_c.state.fish.at(i).name();
            if (withoutTrailingBlanks(name).isEmpty() || name.startsWith(u'*'))
                continue;
            const FishValues &v = m_c.state.values[i];
            m_surface.currentX = v.left;
            m_surface.currentY = v.top + v.height;
            m_surface.print(QStringView(label(i).text));
        }
    }

    void moveClock()
    {
        const QString &position = m_settings.timeposition;
        double &x = m_model.clockX;
        int &direction = m_model.clockDirection;
        if (position == u"00") {
            if (direction == 0) {
                x += 1;
                if (x >= m_width - m_clockWidth)
                    direction = 1;
            } else if (direction == 1) {
                x -= 1;
                if (x <= 0)
                    direction = 0;
            } else {
                x = 0;
                direction = 0;
            }
        } else if (position == u"01") {
            x = (m_width - m_clockWidth) / 2;
        } else if (position == u"02") {
            x = m_width - m_clockWidth;
        } else if (position == u"03") {
            x = 0;
        }
    }

    void printClock()
    {
        moveClock();
        m_surface.currentX = m_model.clockX;
        m_surface.currentY = m_height - m_clockHeight;
        const QStringView text = m_model.clock.text.view();
        for (qsizetype i = 0; i < text.size(); ++i) {
            // Text has no box behind it, so a blank only moves the position;
            // the hidden clock's five blanks then cost nothing to show.
            if (text[i] == u' ')
                m_surface.currentX += m_surface.textWidth(text.mid(i, 1));
            else
                m_surface.printInline(text.mid(i, 1));
        }
    }

    FrameContext &m_c;
    SettingsRecord &m_settings;
    AquariumModel &m_model;
    Surface &m_surface;
    // The pictures as the light and the water show them.
    const SpriteCatalogue &m_sprites;
    const int m_width;
    const int m_height;
    // The clock is read once: the clear rule, the young-fish test, the clock
    // text and the tail beat all see the same instant, and the local time is
    // worked out once a frame rather than three times.
    const QDateTime m_now;
    const int m_today;
    // Looked at for every fish, twice: compared once a frame.
    const bool m_namesShown;
    bool m_pictureShown = false;
    double m_clockWidth = 0;
    double m_clockHeight = 0;
};

} // namespace

void runFrame(FrameContext &frame)
{
    Frame(frame).run();
}

} // namespace fw
