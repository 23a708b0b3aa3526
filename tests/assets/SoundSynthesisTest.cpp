#include "Synthesis.h"

#include <QFile>

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

using namespace fw::sounds;

namespace {

// The strongest frequency of `ring` between 200 Hz and 8 kHz, to 10 Hz.
double strongestFrequency(const std::vector<double> &ring)
{
    double best = 0;
    double bestPower = -1;
    for (double f = 200; f <= 8000; f += 10) {
        double re = 0;
        double im = 0;
        for (std::size_t i = 0; i < ring.size(); ++i) {
            const double angle = 2 * std::numbers::pi * f * double(i) / SampleRate;
            re += ring[i] * std::cos(angle);
            im += ring[i] * std::sin(angle);
        }
        if (re * re + im * im > bestPower) {
            bestPower = re * re + im * im;
            best = f;
        }
    }
    return best;
}

int peak(const Samples &samples)
{
    int highest = 0;
    for (std::int16_t s : samples)
        highest = std::max(highest, std::abs(int(s)));
    return highest;
}

TEST(SoundSynthesis, ABubbleRingsAtItsSizesResonance)
{
    for (double radius : {1.0, 2.0, 3.3}) {
        SCOPED_TRACE(radius);
        EXPECT_DOUBLE_EQ(bubblePitch(radius), 3300 / radius);
        // The ring rises a little as it fades, so its weight sits just above.
        const double heard = strongestFrequency(bubble(radius));
        EXPECT_GE(heard, bubblePitch(radius) * 0.98);
        EXPECT_LE(heard, bubblePitch(radius) * 1.1);
    }
}

TEST(SoundSynthesis, TheEffectsAreQuietShortAndEndInSilence)
{
    for (const Samples &effect : {splash(), chime(), patter(), pour()}) {
        EXPECT_LE(peak(effect), 32767 * 0.3 + 1); // about -10 dBFS at the loudest
        EXPECT_GT(peak(effect), 32767 * 0.1);
        EXPECT_LE(effect.size(), std::size_t(2 * SampleRate));
        // No click when it stops.
        EXPECT_LT(std::abs(effect.back()), 32767 * 0.01);
    }
    // The food patters softly, below the splash of a fish.
    EXPECT_LT(peak(patter()), peak(splash()));
}

TEST(SoundSynthesis, TheCommittedFilesAreWhatTheSynthesiserWrites)
{
    const struct
    {
        const char *name;
        Samples samples;
    } files[] = {{"splash.wav", splash()},
                 {"chime.wav", chime()},
                 {"patter.wav", patter()},
                 {"pour.wav", pour()}};
    for (const auto &file : files) {
        SCOPED_TRACE(file.name);
        QFile committed(QStringLiteral(FINWICKS_ASSETS_DIR "/sounds/") + file.name);
        ASSERT_TRUE(committed.open(QIODevice::ReadOnly));
        const QByteArray bytes = committed.readAll();
        const std::string written = wavFile(file.samples);
        EXPECT_TRUE(bytes == QByteArray(written.data(), qsizetype(written.size())))
            << "run the sounds target again";
        EXPECT_EQ(bytes.mid(0, 4), "RIFF");
        EXPECT_EQ(bytes.size(), 44 + qsizetype(file.samples.size()) * 2);
    }
}

} // namespace
