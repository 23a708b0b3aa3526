#include "MusicDecoder.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

#include <sys/stat.h>

namespace fw {
namespace {

constexpr int FileRate = 22050;
constexpr double Tone = 441;

void putLittle(QByteArray &out, quint32 value, int bytes)
{
    for (int i = 0; i < bytes; ++i)
        out.append(char((value >> (8 * i)) & 0xff));
}

// A mono 16-bit WAV file of a sine at `Tone` lasting `seconds`.
QString writeTone(const QString &path, double seconds)
{
    const int samples = int(seconds * FileRate);
    QByteArray bytes("RIFF");
    putLittle(bytes, 36 + samples * 2, 4);
    bytes += "WAVEfmt ";
    putLittle(bytes, 16, 4);
    putLittle(bytes, 1, 2);
    putLittle(bytes, 1, 2);
    putLittle(bytes, FileRate, 4);
    putLittle(bytes, FileRate * 2, 4);
    putLittle(bytes, 2, 2);
    putLittle(bytes, 16, 2);
    bytes += "data";
    putLittle(bytes, samples * 2, 4);
    for (int i = 0; i < samples; ++i)
        putLittle(bytes,
                  quint16(qint16(16000 * std::sin(2 * std::numbers::pi * Tone * i / FileRate))), 2);
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
    return path;
}

// Reads `seconds` of the decoder in pieces as the mixer would.
std::vector<float> play(MusicDecoder &music, double seconds)
{
    std::vector<float> all;
    std::vector<float> piece(2 * 882);
    for (int i = 0; i < seconds * EffectMixer::Rate / 882; ++i) {
        EXPECT_EQ(music.read(piece), piece.size() / 2);
        all.insert(all.end(), piece.begin(), piece.end());
    }
    return all;
}

// Every 20 ms of the left channel is heard, both channels are the same and
// the tone keeps its pitch: the file played without a gap.
void expectSteadyTone(const std::vector<float> &stereo)
{
    const std::size_t window = EffectMixer::Rate / 50;
    int crossings = 0;
    for (std::size_t at = 0; at + window <= stereo.size() / 2; at += window) {
        double sum = 0;
        for (std::size_t f = at; f < at + window; ++f) {
            sum += stereo[2 * f] * stereo[2 * f];
            ASSERT_EQ(stereo[2 * f], stereo[2 * f + 1]);
            if (f > 0 && stereo[2 * f - 2] < 0 && stereo[2 * f] >= 0)
                ++crossings;
        }
        ASSERT_GT(std::sqrt(sum / window), 0.2) << "silent at " << at;
    }
    const double seconds = double(stereo.size() / 2) / EffectMixer::Rate;
    EXPECT_NEAR(crossings / seconds, Tone, Tone * 0.02);
}

TEST(MusicDecoder, PlaysANameOutsideLatin1OverAndOverAtTheMixersRate)
{
    QTemporaryDir folder;
    // A name that a URL would have mangled.
    const QString path = writeTone(folder.filePath(QStringLiteral("水 #1%41.wav")), 0.25);
    QString why;
    auto music = MusicDecoder::open(path, why);
    ASSERT_TRUE(music) << why.toStdString();
    expectSteadyTone(play(*music, 1.2)); // almost five rounds
    EXPECT_FALSE(music->exhausted());
    EXPECT_EQ(music->takeProblem(), std::nullopt);
}

TEST(MusicDecoder, AFileDeletedWhilePlayingPlaysOn)
{
    QTemporaryDir folder;
    const QString path = writeTone(folder.filePath(QStringLiteral("sea.wav")), 0.3);
    QString why;
    auto music = MusicDecoder::open(path, why);
    ASSERT_TRUE(music);
    ASSERT_TRUE(QFile::remove(path));
    expectSteadyTone(play(*music, 1.0));
}

TEST(MusicDecoder, SaysWhyAFileCannotPlayAndNeverWaitsOnAPipe)
{
    QTemporaryDir folder;
    const QString fifo = folder.filePath(QStringLiteral("pipe.ogg"));
    ASSERT_EQ(mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    const QString text = folder.filePath(QStringLiteral("notes.ogg"));
    QFile notes(text);
    ASSERT_TRUE(notes.open(QIODevice::WriteOnly));
    notes.write(QByteArray(4096, 'x'));
    notes.close();
    const struct
    {
        QString path;
        const char *why;
    } cases[] = {
        {folder.filePath(QStringLiteral("gone.ogg")), "the file is not there"},
        {folder.path(), "it is not a regular file"},
        {fifo, "it is not a regular file"},
        {QStringLiteral("/dev/zero"), "it is not a regular file"},
        {text, "it is no sound file this program can play"},
    };
    for (const auto &c : cases) {
        QString why;
        EXPECT_EQ(MusicDecoder::open(c.path, why), nullptr) << c.path.toStdString();
        EXPECT_EQ(why.toStdString(), c.why);
    }
}

TEST(MusicDecoder, AFileWithoutSoundEndsInsteadOfSpinning)
{
    QTemporaryDir folder;
    const QString path = writeTone(folder.filePath(QStringLiteral("empty.wav")), 0);
    QString why;
    auto music = MusicDecoder::open(path, why);
    if (!music) { // refused at once is as good
        EXPECT_FALSE(why.isEmpty());
        return;
    }
    std::vector<float> piece(2 * 882, 1.0f);
    EXPECT_EQ(music->read(piece), 0u);
    EXPECT_TRUE(music->exhausted());
    EXPECT_EQ(piece[0], 0.0f);
}

} // namespace
} // namespace fw
