#include "platform/EffectMixer.h"
#include "platform/Random.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <numeric>

namespace fw {
namespace {

constexpr int Rate = EffectMixer::Rate;
// The tank's frames, and the chance for each bubble slot to make a bubble in
// a frame, as on a 768-pixel-high screen with the source near the bottom.
constexpr int FrameMs = 50;
constexpr double BirthChance = 1.0 / 230;
// The bubbling this replaced: one 2-second loop, the same at any count, at an
// RMS of 0.0308 of full scale (about -33 dBFS on each channel).
constexpr double LoopRms = 0.0308 * 32767;

struct Render
{
    std::vector<float> left;
    std::vector<float> right;
};

// `seconds` of the mix of a tank with `bubbles` slots whose source stands at
// `pan`: bubbles born frame by frame from one fixed generator, their sounds
// varied by another.
Render render(int bubbles, double pan, double seconds = 10)
{
    SeededRandom tank(2024);
    SeededRandom voices(77);
    EffectMixer mixer(voices);
    Render out;
    std::vector<std::int16_t> frame(Rate * FrameMs / 1000 * 2);
    for (int t = 0; t < seconds * 1000 / FrameMs; ++t) {
        for (int slot = 0; slot < bubbles; ++slot)
            if (tank.next() < BirthChance)
                mixer.bubble(7 + int(tank.next() * 4), pan);
        mixer.mix(frame);
        for (std::size_t f = 0; f < frame.size() / 2; ++f) {
            out.left.push_back(frame[2 * f]);
            out.right.push_back(frame[2 * f + 1]);
        }
    }
    return out;
}

double rms(const std::vector<float> &samples)
{
    const double sum = std::inner_product(samples.begin(), samples.end(), samples.begin(), 0.0);
    return std::sqrt(sum / double(samples.size()));
}

// Both channels together, so the level does not depend on the pan.
double level(const Render &mix)
{
    return std::hypot(rms(mix.left), rms(mix.right));
}

double decibels(double ratio)
{
    return 20 * std::log10(ratio);
}

// The loudness envelope, one RMS value per 10 ms.
std::vector<double> envelope(const Render &mix)
{
    const int window = Rate / 100;
    std::vector<double> out;
    for (std::size_t at = 0; at + window <= mix.left.size(); at += window) {
        double sum = 0;
        for (std::size_t i = at; i < at + window; ++i)
            sum += double(mix.left[i]) * mix.left[i] + double(mix.right[i]) * mix.right[i];
        out.push_back(std::sqrt(sum / window));
    }
    return out;
}

// The largest normalised autocorrelation of `values` at lags from `from` to
// `to` steps.
double largestCorrelation(std::vector<double> values, int from, int to)
{
    const double mean = std::accumulate(values.begin(), values.end(), 0.0) / values.size();
    for (double &v : values)
        v -= mean;
    const double energy = std::inner_product(values.begin(), values.end(), values.begin(), 0.0);
    double largest = -1;
    for (int lag = from; lag <= to; ++lag) {
        const double sum =
            std::inner_product(values.begin() + lag, values.end(), values.begin(), 0.0);
        largest = std::max(largest, sum / energy);
    }
    return largest;
}

TEST(BubbleMix, TenSecondsOfAStreamNeverRepeat)
{
    for (int bubbles : {100, 400}) {
        SCOPED_TRACE(bubbles);
        const Render mix = render(bubbles, 0);
        // Lags of 0.5 s to 5 s, in steps of 10 ms.
        const double largest = largestCorrelation(envelope(mix), 50, 500);
        std::printf("%d bubbles: largest envelope correlation %.3f\n", bubbles, largest);
        EXPECT_LT(largest, 0.3);
        // The measure hears a loop: the first 2 s played five times.
        Render loop;
        for (int round = 0; round < 5; ++round) {
            loop.left.insert(loop.left.end(), mix.left.begin(), mix.left.begin() + 2 * Rate);
            loop.right.insert(loop.right.end(), mix.right.begin(), mix.right.begin() + 2 * Rate);
        }
        EXPECT_GT(largestCorrelation(envelope(loop), 50, 500), 0.7);
    }
}

TEST(BubbleMix, SparseTanksAreQuietAndDenseOnesNoMoreThan6dBAboveTheOldLoop)
{
    const double one = level(render(1, 0));
    const double hundred = level(render(100, 0));
    const double most = level(render(400, 0));
    std::printf("bubble mix: 1 %.1f dB, 100 %.1f dB, 400 %.1f dB beside the old loop\n",
                decibels(one / LoopRms), decibels(hundred / LoopRms), decibels(most / LoopRms));
    EXPECT_LT(decibels(one / LoopRms), -12);
    EXPECT_NEAR(decibels(hundred / LoopRms), 0, 3);
    EXPECT_GT(most, hundred * 1.2);
    EXPECT_LT(decibels(most / LoopRms), 6);
    EXPECT_LT(decibels(most / hundred), 4.5);
}

TEST(BubbleMix, ThePanFollowsTheSource)
{
    const Render left = render(100, -0.8, 3);
    const Render right = render(100, 0.8, 3);
    EXPECT_GT(rms(left.left), 4 * rms(left.right));
    EXPECT_GT(rms(right.right), 4 * rms(right.left));
    EXPECT_NEAR(level(left), level(right), 0.2 * level(left));
}

// One bubble of `size` alone, from the generator's `seed`.
std::vector<float> alone(int size, std::uint64_t seed)
{
    SeededRandom random(seed);
    BubbleVoices voices(random, Rate);
    voices.start(size, 0);
    std::vector<float> stereo(Rate / 2);
    voices.mixInto(stereo);
    std::vector<float> left;
    for (std::size_t f = 0; f < stereo.size() / 2; ++f)
        left.push_back(stereo[2 * f]);
    return left;
}

// The frequency over samples [from, to) by counting rising zero crossings.
double frequency(const std::vector<float> &samples, std::size_t from, std::size_t to)
{
    std::vector<std::size_t> crossings;
    for (std::size_t i = from + 1; i < to; ++i)
        if (samples[i - 1] < 0 && samples[i] >= 0)
            crossings.push_back(i);
    if (crossings.size() < 2)
        return 0;
    return double(crossings.size() - 1) * Rate / double(crossings.back() - crossings.front());
}

TEST(BubbleMix, SmallBubblesRingHigherRiseAsTheyFadeAndNoTwoAreAlike)
{
    EXPECT_GT(BubbleVoices::pitchOf(7), 1.5 * BubbleVoices::pitchOf(10));
    double quietest = 1e9;
    double loudest = 0;
    std::size_t shortest = SIZE_MAX;
    std::size_t longest = 0;
    for (std::uint64_t seed = 1; seed <= 12; ++seed) {
        const std::vector<float> ring = alone(8, seed);
        const auto first = std::find_if(ring.begin(), ring.end(), [](float v) { return v != 0; });
        const auto last = std::find_if(ring.rbegin(), ring.rend(), [](float v) { return v != 0; });
        ASSERT_NE(first, ring.end());
        const std::size_t start = std::size_t(first - ring.begin());
        const std::size_t end = ring.size() - std::size_t(last - ring.rbegin());
        shortest = std::min(shortest, end - start);
        longest = std::max(longest, end - start);
        const float peak = *std::max_element(ring.begin(), ring.end());
        quietest = std::min(quietest, double(peak));
        loudest = std::max(loudest, double(peak));
        const std::size_t third = (end - start) / 3;
        const double early = frequency(ring, start, start + third);
        const double late = frequency(ring, start + third, start + 2 * third);
        EXPECT_GT(late, early * 1.03);
        EXPECT_LT(late, early * 1.3);
        EXPECT_NEAR(early, BubbleVoices::pitchOf(8), 0.15 * BubbleVoices::pitchOf(8));
    }
    EXPECT_GT(loudest, 1.5 * quietest);
    EXPECT_GT(double(longest), 1.2 * double(shortest));
}

TEST(BubbleMix, AFloodOfBubblesRingsWithABoundedNumberOfVoices)
{
    SeededRandom random(5);
    EffectMixer mixer(random);
    for (int i = 0; i < 1000; ++i)
        mixer.bubble(7, 0);
    EXPECT_EQ(mixer.playingBubbles(), BubbleVoices::MostVoices);
    std::vector<std::int16_t> stereo(Rate);
    mixer.mix(stereo);
    EXPECT_LT(*std::max_element(stereo.begin(), stereo.end()), 32767);
    mixer.mix(stereo);
    EXPECT_EQ(mixer.playingBubbles(), 0);
}

} // namespace
} // namespace fw
