// finwicks-bench [--width W] [--height H] [--fish N] [--bubbles N]
//                [--picture | --plain] [--night | --murky | --fed] [--frames N] [--save]
//                [--light-step]
//
// Runs animation ticks (behaviour step and frame routine) on a headless
// surface and prints the median and 99th-percentile time per frame and the
// heap allocations per frame. Without --fish it runs the standard set: 28
// fish with 100 bubbles and 99 fish with 400 bubbles, each over the plain
// background and over a full-screen picture, and unless a size is given the
// full tank over a picture on a 3840x2160 screen as well. Then the full tank
// over a picture by day, at night, in murky water and with 60 flakes of food
// side by side, and what one change of the light's level costs. --save saves the
// running tank every second of its clock (20 frames), as the aquarium does
// every five minutes, and prints the longest frame with a save and without,
// and the longest time the frame itself spent on a save (the copy of the
// state; the file is written on the saver's own thread).

#include "AllocationCounter.h"
#include "aquarium/AquariumModel.h"
#include "aquarium/Behaviour.h"
#include "aquarium/FrameRoutine.h"
#include "aquarium/SpriteCatalogue.h"
#include "aquarium/life/TankLife.h"
#include "aquarium/life/TankLook.h"
#include "platform/Clock.h"
#include "platform/Random.h"
#include "platform/Surface.h"
#include "state/AppState.h"
#include "state/Fish.h"
#include "state/StateKeeper.h"

#include <QGuiApplication>
#include <QPainter>
#include <QStringList>
#include <QTemporaryDir>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <optional>
#include <vector>

namespace {

// How the living tank stands: full daylight in clear water, moonlight,
// water left unchanged for two months, or daylight with 60 flakes of food
// in the water (topped up between frames, outside the timing).
enum class Look
{
    Day,
    Night,
    Murky,
    Fed,
};

struct BenchSettings
{
    Look look = Look::Day;
    int width = 1920;
    int height = 1080;
    int fish = 28;
    int bubbles = 100;
    bool picture = false;
    int frames = 2000;
    bool save = false;
};

struct BenchResult
{
    double medianMs = 0;
    double p99Ms = 0;
    double allocationsPerFrame = 0;
    std::uint64_t maxAllocationsInAFrame = 0;
    double liveBubbles = 0;
    // Pixels the window would repaint per frame (the changed region).
    double repaintedPixels = 0;
    // The behaviour step on its own (it runs on about one tick in four).
    double behaviourMedianMs = 0;
    std::uint64_t behaviourAllocations = 0;
    // With --save: the frames that saved, and the longest with and without.
    int saves = 0;
    double longestSavingMs = 0;
    double longestOtherMs = 0;
    double longestCopyMs = 0;
    double medianCopyMs = 0;
};

// A clock that moves 50 ms per frame, as at 20 frames a second, so tails
// flick and the clock text changes as they would on screen.
class SteppingClock final : public fw::Clock
{
public:
    explicit SteppingClock(QTime start = QTime(10, 0, 0)) : m_now(QDate(2026, 6, 1), start) {}
    QDateTime now() const override { return m_now; }
    void step() { m_now = m_now.addMSecs(50); }

private:
    QDateTime m_now;
};

QImage makePicture(int width, int height)
{
    QImage picture(width, height, QImage::Format_RGB32);
    QPainter painter(&picture);
    QLinearGradient water(0, 0, 0, height);
    water.setColorAt(0, QColor(20, 90, 140));
    water.setColorAt(1, QColor(5, 20, 40));
    painter.fillRect(picture.rect(), water);
    painter.setPen(QColor(40, 120, 60));
    for (int x = 0; x < width; x += 37)
        painter.drawLine(x, height, x + 20, height - 200 - (x * 7) % 150);
    return picture;
}

void populate(fw::AppState &state, fw::Random &random, const fw::Clock &clock,
              const BenchSettings &bench)
{
    const fw::ScreenSize screen{bench.width, bench.height};
    // The starter mix, repeated until the count is reached.
    const int species[] = {0, 0, 1, 1, 1, 2, 2, 2, 3, 4, 5};
    for (int i = 0; state.fish.count < bench.fish; ++i)
        fw::AddFish(state, random, clock, screen, 1, species[i % 11], 0, 0, true);
    for (int i = 1; i <= state.fish.count; ++i) {
        const QString name = QStringLiteral("Fish%1").arg(i, 2, 10, QLatin1Char('0'));
        fw::SetFishField(state, i, u"name", name.leftJustified(10, u' '), false);
        state.values[i].left = static_cast<std::int16_t>(state.fish.at(i).left());
        state.values[i].top = static_cast<std::int16_t>(state.fish.at(i).top());
        state.values[i].topspeed = 10;
    }
}

void configure(fw::SettingsRecord &s, const BenchSettings &bench)
{
    s.lighton = QStringLiteral("09");
    s.lightoff = QStringLiteral("21");
    s.wtemp = QStringLiteral("28");
    s.wautochange = QStringLiteral("0");
    s.wquantity = QStringLiteral("15");
    s.wturbidity = QStringLiteral("0");
    s.wchangedate =
        bench.look == Look::Murky ? QStringLiteral("2026/04/01") : QStringLiteral("2026/06/01");
    s.screenvisible = bench.picture ? QStringLiteral("1") : QStringLiteral("0");
    s.screenclear = QStringLiteral("0");
    s.namevisible = QStringLiteral("1");
    s.timevisible = QStringLiteral("1");
    s.timestyle = QStringLiteral("00");
    s.timeposition = QStringLiteral("00");
    s.bubble_view = 1;
    s.bubble_dist = 1;
    s.bubble_initx = static_cast<std::int16_t>(bench.width / 2);
    s.bubble_inity = static_cast<std::int16_t>(bench.height - 40);
    s.bubble_init_rand = 1;
    s.bubble_init_time = 0;
    s.bubble_limity = 0;
    s.bubble_count_max = static_cast<std::int16_t>(bench.bubbles);
}

// Starts with every bubble slot in use, spread over the height, so the
// measurement sees a full stream from the first frame.
void fillBubbles(fw::Bubbles &bubbles, fw::Random &random, const BenchSettings &bench)
{
    for (int j = 1; j <= std::min(bench.bubbles, fw::Bubbles::Capacity); ++j) {
        fw::BubbleSlot &slot = bubbles.entries[j];
        slot.kind = static_cast<std::int16_t>(1 + j % fw::Bubbles::KindCount);
        slot.x = static_cast<std::int16_t>(random.next() * (bench.width - 10));
        slot.y = static_cast<std::int16_t>(10 + random.next() * (bench.height - 60));
    }
}

void topUpFood(fw::TankLife &life, const fw::AppState &state, fw::Random &random,
               const BenchSettings &bench)
{
    // All of them falling: one that has come to rest is taken away.
    for (int slot = 0; slot < fw::Flakes::Capacity; ++slot) {
        if (life.flakes()[slot].state == fw::FlakeState::Landed)
            life.flakes().eat(slot);
    }
    while (life.flakes().count() < fw::Flakes::Capacity)
        life.dropPortion(state, random, bench.width * random.next(),
                         bench.height * 0.2 + bench.height * 0.5 * random.next(), bench.width,
                         bench.height);
}

double changedArea(const fw::DirtyRegion &region)
{
    double area = 0;
    for (int i = 0; i < region.count(); ++i)
        area += static_cast<double>(region.at(i).width()) * region.at(i).height();
    return area;
}

double percentile(std::vector<double> sorted, double p)
{
    std::sort(sorted.begin(), sorted.end());
    const auto index = static_cast<std::size_t>(p * static_cast<double>(sorted.size() - 1));
    return sorted[index];
}

BenchResult run(const BenchSettings &bench)
{
    fw::SeededRandom random(12345);
    SteppingClock clock(bench.look == Look::Night ? QTime(23, 0, 0) : QTime(10, 0, 0));
    fw::AppState state;
    populate(state, random, clock, bench);
    configure(state.settings, bench);

    fw::Surface surface(QSize(bench.width, bench.height));
    surface.setForeColor(0x00ffff);
    surface.setBackColor(0x000000);
    surface.cls();
    const fw::SpriteCatalogue sprites;
    fw::AquariumModel model;
    model.pictureStartTime = clock.now();
    model.clockDirection = 2;
    if (bench.picture) {
        const QImage picture = fw::toSurfaceFormat(makePicture(bench.width, bench.height));
        surface.bitBlt(0, 0, bench.width, bench.height, picture, 0, 0, fw::RasterOp::SrcCopy);
        model.backgroundCopy = picture;
        model.pictureCopy = picture;
    }
    fillBubbles(model.bubbles, random, bench);

    QTemporaryDir folder;
    state.settingsPath = folder.filePath(QStringLiteral("FINWICKS.INI"));
    fw::StateKeeper keeper(state, clock, std::chrono::seconds(1));

    fw::TankLife life;
    fw::FrameContext frame{state, model, surface, sprites, random, clock, &life};
    // Warm-up of a simulated 20 seconds: names and every clock digit get
    // measured, caches fill.
    for (int i = 0; i < 400; ++i) {
        clock.step();
        fw::runAnimationTick(frame, 50);
        surface.clearDirty();
    }

    std::vector<double> times;
    times.reserve(static_cast<std::size_t>(bench.frames));
    std::vector<double> copies; // the frame's own part of each save
    BenchResult result;
    std::uint64_t allocations = 0;
    double bubbleSum = 0;
    double repainted = 0;
    for (int i = 0; i < bench.frames; ++i) {
        // Saves come on frames 0, 20, 40...: each finds the writer idle, as
        // one every five minutes does, and the frames after it run while it
        // writes.
        if (bench.save && i % 20 == 0)
            keeper.settle();
        clock.step();
        if (bench.look == Look::Fed)
            topUpFood(life, state, random, bench);
        const auto start = std::chrono::steady_clock::now();
        const std::uint64_t made = fw::allocationsDuring([&] { fw::runAnimationTick(frame, 50); });
        const auto ticked = std::chrono::steady_clock::now();
        const bool saved = bench.save && keeper.keep();
        const auto end = std::chrono::steady_clock::now();
        if (saved)
            copies.push_back(std::chrono::duration<double, std::milli>(end - ticked).count());
        const double ms = std::chrono::duration<double, std::milli>(end - start).count();
        double &longest = saved ? result.longestSavingMs : result.longestOtherMs;
        longest = std::max(longest, ms);
        result.saves += saved ? 1 : 0;
        repainted += changedArea(surface.dirty());
        surface.clearDirty();
        times.push_back(ms);
        allocations += made;
        result.maxAllocationsInAFrame = std::max(result.maxAllocationsInAFrame, made);
        bubbleSum += model.bubbles.liveCount();
    }
    if (!copies.empty()) {
        result.medianCopyMs = percentile(copies, 0.5);
        result.longestCopyMs = percentile(copies, 1.0);
    }
    result.medianMs = percentile(times, 0.5);
    result.p99Ms = percentile(times, 0.99);
    result.allocationsPerFrame = static_cast<double>(allocations) / bench.frames;
    result.liveBubbles = bubbleSum / bench.frames;
    result.repaintedPixels = repainted / bench.frames;

    times.clear();
    for (int i = 0; i < bench.frames; ++i) {
        const auto start = std::chrono::steady_clock::now();
        result.behaviourAllocations +=
            fw::allocationsDuring([&] { fw::runBehaviourStep(state, random, 0, surface.width()); });
        const auto end = std::chrono::steady_clock::now();
        times.push_back(std::chrono::duration<double, std::milli>(end - start).count());
    }
    result.behaviourMedianMs = percentile(times, 0.5);
    return result;
}

const char *lookName(Look look)
{
    switch (look) {
    case Look::Day:
        return "day";
    case Look::Night:
        return "night";
    case Look::Murky:
        return "murky";
    case Look::Fed:
        return "fed";
    }
    return "";
}

// What one step of the light costs the full screen: grading the sprites, the
// bubble strip and the picture, and repainting the whole tank.
void printLevelChange(int width, int height)
{
    fw::Surface surface(QSize(width, height));
    const fw::SpriteCatalogue sprites;
    fw::AquariumModel model;
    model.pictureCopy = fw::toSurfaceFormat(makePicture(width, height));
    model.backgroundCopy = model.pictureCopy;
    fw::TankLook look;
    std::vector<double> times;
    for (int step = 0; step < 2 * fw::TankLook::Steps; ++step) {
        const double light = 1 - double(step % fw::TankLook::Steps) / (fw::TankLook::Steps - 1);
        const auto start = std::chrono::steady_clock::now();
        look.follow(light, 0.3, {sprites, model, surface, 0, true});
        const auto end = std::chrono::steady_clock::now();
        times.push_back(std::chrono::duration<double, std::milli>(end - start).count());
    }
    std::printf("%4dx%-4d one change of the light's level: median %.2f ms  max %.2f ms\n", width,
                height, percentile(times, 0.5), percentile(times, 1.0));
    std::fflush(stdout);
}

void print(const BenchSettings &bench, const BenchResult &result)
{
    std::printf(
        "%4dx%-4d %2d fish %3d bubbles (%5.1f live) %-7s %-5s  median %.3f ms  p99 %.3f ms  "
        "allocations/frame %.3f (max %llu)  behaviour step %.4f ms, %llu allocations  "
        "repainted %.0f px/frame\n",
        bench.width, bench.height, bench.fish, bench.bubbles, result.liveBubbles,
        bench.picture ? "picture" : "plain", lookName(bench.look), result.medianMs, result.p99Ms,
        result.allocationsPerFrame, static_cast<unsigned long long>(result.maxAllocationsInAFrame),
        result.behaviourMedianMs, static_cast<unsigned long long>(result.behaviourAllocations),
        result.repaintedPixels);
    if (bench.save)
        std::printf("  %d saves: longest frame with a save %.3f ms, without %.3f ms; "
                    "the copy for a save median %.3f ms, longest %.3f ms\n",
                    result.saves, result.longestSavingMs, result.longestOtherMs,
                    result.medianCopyMs, result.longestCopyMs);
    std::fflush(stdout);
}

std::optional<int> numberAfter(const QStringList &args, int &i)
{
    if (i + 1 >= args.size())
        return std::nullopt;
    bool ok = false;
    const int value = args[++i].toInt(&ok);
    if (!ok || value < 0)
        return std::nullopt;
    return value;
}

int usage()
{
    std::fputs("usage: finwicks-bench [--width W] [--height H] [--fish N] [--bubbles N]\n"
               "                      [--picture | --plain] [--night | --murky | --fed] [--frames "
               "N] [--save]\n",
               stderr);
    return 2;
}

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    const QStringList args = QCoreApplication::arguments();

    BenchSettings bench;
    bool single = false;
    bool sized = false;
    for (int i = 1; i < args.size(); ++i) {
        const QString &arg = args[i];
        std::optional<int> value;
        if (arg == u"--light-step") { // only the cost of a change of the light's level
            printLevelChange(bench.width, bench.height);
            return 0;
        }
        if (arg == u"--save") {
            bench.save = true;
            continue;
        }
        if (arg == u"--night" || arg == u"--murky" || arg == u"--fed") {
            bench.look = arg == u"--night"   ? Look::Night
                         : arg == u"--murky" ? Look::Murky
                                             : Look::Fed;
            single = true;
            continue;
        }
        if (arg == u"--picture" || arg == u"--plain") {
            bench.picture = arg == u"--picture";
            single = true;
            continue;
        }
        value = numberAfter(args, i);
        if (!value)
            return usage();
        if (arg == u"--width")
            bench.width = std::max(64, *value), sized = true;
        else if (arg == u"--height")
            bench.height = std::max(64, *value), sized = true;
        else if (arg == u"--fish")
            bench.fish = std::min(*value, 99), single = true;
        else if (arg == u"--bubbles")
            bench.bubbles = std::min(*value, 400), single = true;
        else if (arg == u"--frames")
            bench.frames = std::max(1, *value);
        else
            return usage();
    }

    if (single) {
        print(bench, run(bench));
        return 0;
    }
    for (auto [fish, bubbles] : {std::pair{28, 100}, std::pair{99, 400}}) {
        for (bool picture : {false, true}) {
            BenchSettings each = bench;
            each.fish = fish;
            each.bubbles = bubbles;
            each.picture = picture;
            print(each, run(each));
        }
    }
    if (!sized) {
        BenchSettings large = bench;
        large.width = 3840;
        large.height = 2160;
        large.fish = 99;
        large.bubbles = 400;
        large.picture = true;
        print(large, run(large));
    }
    // Day, night and murky water taken in turn, twice, so a drift of the
    // machine's speed falls on all three alike.
    BenchSettings living = bench;
    living.fish = 99;
    living.bubbles = 400;
    living.picture = true;
    for (int round = 0; round < 2; ++round) {
        for (Look look : {Look::Day, Look::Night, Look::Murky, Look::Fed}) {
            living.look = look;
            print(living, run(living));
        }
    }
    printLevelChange(bench.width, bench.height);
    return 0;
}
