#include "platform/EffectMixer.h"
#include "platform/Sound.h"
#include "platform/SoundFiles.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

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

TEST(EffectMixer, TheLoopIsLouderOnTheSideOfItsPanAndKeepsItsPower)
{
    EffectMixer mixer;
    mixer.setLoop(tone(1000));
    mixer.setLoopPan(-0.6);
    mixed(mixer, EffectMixer::RampFrames); // past the fade-in
    const Loudness left = mixed(mixer, 5000);
    EXPECT_GT(left.left, 4 * left.right);
    mixer.setLoopPan(0.6);
    mixed(mixer, 2 * EffectMixer::RampFrames);
    const Loudness right = mixed(mixer, 5000);
    EXPECT_GT(right.right, 4 * right.left);
    EXPECT_NEAR(left.left + left.right, right.left + right.right, 0.02 * (left.left + left.right));
    mixer.setLoopPan(0);
    mixed(mixer, 2 * EffectMixer::RampFrames);
    const Loudness centre = mixed(mixer, 5000);
    EXPECT_NEAR(centre.left, centre.right, 0.01 * centre.left);
}

TEST(EffectMixer, StartsAndStopsWithoutAClickAndIsSilentWhenOff)
{
    EffectMixer mixer;
    mixer.setLoop(EffectMixer::Clip(100, 20000)); // a constant: any jump would show
    EXPECT_EQ(mixed(mixer, 100).left, 0);
    mixer.setLoopPan(0);
    std::vector<std::int16_t> stereo(EffectMixer::RampFrames * 4);
    mixer.mix(stereo);
    int largestStep = std::abs(stereo[0]);
    for (std::size_t f = 1; f < stereo.size() / 2; ++f)
        largestStep = std::max(largestStep, std::abs(stereo[2 * f] - stereo[2 * f - 2]));
    EXPECT_LT(largestStep, 60);
    mixer.setLoopPan(std::nullopt);
    mixer.mix(stereo);
    EXPECT_EQ(stereo.back(), 0);
    EXPECT_LT(std::abs(stereo[0] - 20000 * std::cos(std::acos(-1.0) / 4)), 60);
}

TEST(EffectMixer, OneShotsPlayOnceAtTheirOwnPanBesideTheLoop)
{
    EffectMixer mixer;
    const EffectMixer::Clip splash = tone(300);
    mixer.play(splash, 1);
    mixer.play(splash, -1);
    EXPECT_EQ(mixer.playingShots(), 2);
    const Loudness both = mixed(mixer, 300);
    EXPECT_NEAR(both.left, both.right, 1);
    EXPECT_GT(both.left, 1e6);
    EXPECT_EQ(mixer.playingShots(), 0);
    EXPECT_EQ(mixed(mixer, 300).left, 0);

    mixer.play(splash, 1);
    const Loudness right = mixed(mixer, 300);
    EXPECT_LT(right.left, 1);
    // Far more than anyone clicks: the oldest give way, the mix never clips.
    const EffectMixer::Clip loud(50, 30000);
    for (int i = 0; i < 20; ++i)
        mixer.play(loud, 0);
    EXPECT_EQ(mixer.playingShots(), 8);
    std::vector<std::int16_t> stereo(100);
    mixer.mix(stereo);
    EXPECT_EQ(stereo[0], 32767);
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
