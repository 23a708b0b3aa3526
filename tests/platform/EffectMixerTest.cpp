#include "platform/EffectMixer.h"
#include "platform/Random.h"
#include "platform/Sound.h"
#include "platform/SoundFiles.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

namespace fw {
namespace {

struct Loudness
{
    double left = 0;
    double right = 0;
};

// The mean square of each channel over `frames` frames of the mix.
Loudness mixed(EffectMixer &mixer, int frames)
{
    std::vector<std::int16_t> stereo(frames * 2);
    mixer.mix(stereo);
    Loudness sum;
    for (int f = 0; f < frames; ++f) {
        sum.left += double(stereo[2 * f]) * stereo[2 * f];
        sum.right += double(stereo[2 * f + 1]) * stereo[2 * f + 1];
    }
    return {sum.left / frames, sum.right / frames};
}

EffectMixer::Clip tone(int frames, double amplitude = 8000)
{
    EffectMixer::Clip clip(frames);
    for (int i = 0; i < frames; ++i)
        clip[i] = std::int16_t(amplitude * std::sin(i * 0.3));
    return clip;
}

// Music of a constant level on both channels, as long as the test likes.
class SteadyMusic final : public MusicSource
{
public:
    std::size_t read(std::span<float> stereo) override
    {
        std::fill(stereo.begin(), stereo.end(), 0.5f);
        return stereo.size() / 2;
    }
};

TEST(EffectMixer, OneShotsPlayOnceAtTheirOwnPanAndNeverPileUp)
{
    SeededRandom random(1);
    EffectMixer mixer(random);
    const EffectMixer::Clip splash = tone(300);
    mixer.play(splash, 1);
    mixer.play(splash, -1);
    EXPECT_EQ(mixer.playingShots(), 2);
    // A clip's samples are half the mix's rate: it lasts twice its length.
    const Loudness both = mixed(mixer, 600);
    EXPECT_NEAR(both.left, both.right, 1);
    EXPECT_GT(both.left, 1e6);
    EXPECT_EQ(mixer.playingShots(), 0);
    EXPECT_EQ(mixed(mixer, 300).left, 0);

    mixer.play(splash, 1);
    const Loudness right = mixed(mixer, 600);
    EXPECT_LT(right.left, 1);
    // Far more than anyone clicks: the oldest give way, the mix never wraps.
    const EffectMixer::Clip loud(50, 30000);
    for (int i = 0; i < 20; ++i)
        mixer.play(loud, 0);
    EXPECT_EQ(mixer.playingShots(), 8);
    std::vector<std::int16_t> stereo(100);
    mixer.mix(stereo);
    EXPECT_EQ(stereo[0], 32767);
}

TEST(EffectMixer, MusicFadesInBesideTheEffectsAndStopsAtOnce)
{
    SeededRandom random(1);
    EffectMixer mixer(random);
    SteadyMusic music;
    mixer.setMusic(&music);
    const double full = 0.5 * EffectMixer::MusicVolume * 32767;
    EXPECT_LT(std::sqrt(mixed(mixer, 441).left), 0.01 * full); // the first 10 ms
    mixed(mixer, EffectMixer::MusicFadeFrames);
    EXPECT_NEAR(std::sqrt(mixed(mixer, 441).left), full, 1);
    // Night lowers the effects, never the music.
    mixer.setEffectsLevel(0.5);
    mixed(mixer, EffectMixer::RampFrames);
    EXPECT_NEAR(std::sqrt(mixed(mixer, 441).right), full, 1);
    mixer.setMusic(nullptr);
    EXPECT_EQ(mixed(mixer, 441).left, 0);
}

TEST(EffectMixer, AtNightTheEffectsPlayAtHalfTheirLevelWithoutAClick)
{
    SeededRandom random(1);
    EffectMixer day(random);
    EffectMixer night(random);
    night.setEffectsLevel(0.5);
    mixed(night, EffectMixer::RampFrames);
    const EffectMixer::Clip clip = tone(2000);
    day.play(clip, 0);
    night.play(clip, 0);
    EXPECT_NEAR(std::sqrt(mixed(night, 4000).left / mixed(day, 4000).left), 0.5, 0.01);

    // A constant clip shows any jump as the level changes.
    const EffectMixer::Clip constant(4000, 20000);
    day.play(constant, 0);
    mixed(day, 100);
    day.setEffectsLevel(0.5);
    std::vector<std::int16_t> stereo(1000);
    day.mix(stereo);
    int largestStep = 0;
    for (std::size_t f = 1; f < stereo.size() / 2; ++f)
        largestStep = std::max(largestStep, std::abs(stereo[2 * f] - stereo[2 * f - 2]));
    EXPECT_LT(largestStep, 60);
}

TEST(Sound, PanRunsFromTheLeftEdgeToTheRightEdge)
{
    EXPECT_EQ(panAt(0, 640), -1);
    EXPECT_EQ(panAt(320, 640), 0);
    EXPECT_EQ(panAt(480, 640), 0.5);
    EXPECT_EQ(panAt(-100, 640), -1);
    EXPECT_EQ(panAt(1e9, 640), 1);
    EXPECT_EQ(panAt(10, 0), 0);
}

TEST(SoundFiles, KnowsTheCommonFormatsByTheirFirstBytes)
{
    QTemporaryDir dir;
    const auto file = [&dir](const char *name, const QByteArray &bytes) {
        const QString path = dir.filePath(QString::fromLatin1(name));
        QFile out(path);
        EXPECT_TRUE(out.open(QIODevice::WriteOnly));
        out.write(bytes);
        return path;
    };
    for (const QByteArray &head :
         {QByteArrayLiteral("OggS\0\2\0\0"), QByteArrayLiteral("fLaC\0\0\0\x22"),
          QByteArrayLiteral("RIFF\x24\0\0\0WAVEfmt "), QByteArrayLiteral("ID3\4\0\0\0\0"),
          QByteArrayLiteral("\xff\xfb\x90\x64"), QByteArrayLiteral("\xff\xf1\x50\x80"),
          QByteArrayLiteral("\0\0\0\x20"
                            "ftypM4A "),
          QByteArrayLiteral("\x1a\x45\xdf\xa3\x9f")})
        EXPECT_TRUE(looksLikeSoundFile(file("sound", head))) << head.toHex().constData();
    for (const QByteArray &head :
         {QByteArray("BM6\0"), QByteArray("\x89PNG\r\n"), QByteArrayLiteral("RIFF\0\0\0\0AVI LIST"),
          QByteArray("la la la"), QByteArray("Og"), QByteArray()})
        EXPECT_FALSE(looksLikeSoundFile(file("other", head))) << head.toHex().constData();
    EXPECT_FALSE(looksLikeSoundFile(dir.filePath("missing.ogg")));
    EXPECT_FALSE(looksLikeSoundFile(dir.path()));
}

} // namespace
} // namespace fw
