#include "QtSound.h"

#include "MusicLoop.h"
#include "SoundPlugin.h"

#include <QAudioDevice>
#include <QAudioSink>
#include <QFile>
#include <QFileInfo>
#include <QLoggingCategory>
#include <QMediaDevices>

#include <cstdio>
#include <cstring>
#include <utility>

namespace fw {

namespace {

constexpr int EffectRate = 22050;

// The samples of one of our own WAV files (mono, 16 bits, EffectRate);
// empty for anything else.
EffectMixer::Clip loadClip(const QString &resource)
{
    QFile file(resource);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const QByteArray bytes = file.readAll();
    constexpr int Header = 44;
    if (bytes.size() <= Header || !bytes.startsWith("RIFF") || bytes.mid(8, 8) != "WAVEfmt " ||
        bytes.mid(36, 4) != "data")
        return {};
    auto little = [&bytes](int at, int count) {
        quint32 value = 0;
        for (int i = 0; i < count; ++i)
            value |= quint32(quint8(bytes[at + i])) << (8 * i);
        return value;
    };
    if (little(22, 2) != 1 || little(24, 4) != EffectRate || little(34, 2) != 16)
        return {};
    const qsizetype dataBytes = std::min<qsizetype>(little(40, 4), bytes.size() - Header);
    EffectMixer::Clip clip(dataBytes / 2);
    std::memcpy(clip.data(), bytes.constData() + Header, clip.size() * 2);
    return clip;
}

} // namespace

qint64 EffectStream::readData(char *data, qint64 maxSize)
{
    const qint64 frames = maxSize / 4;
    const std::lock_guard guard(m_lock);
    m_mixer.mix({reinterpret_cast<std::int16_t *>(data), std::size_t(frames * 2)});
    return frames * 4;
}

QtSound::QtSound()
{
    m_mixer.setLoop(loadClip(QStringLiteral(":/sounds/bubbling.wav")));
    m_splash = loadClip(QStringLiteral(":/sounds/splash.wav"));
    m_chime = loadClip(QStringLiteral(":/sounds/chime.wav"));
}

QtSound::~QtSound()
{
    // Silent at once; what the audio stack does after that is not heard.
    m_music.reset();
    if (m_sink)
        m_sink->stop();
}

void QtSound::report(const QString &line)
{
    std::fprintf(stderr, "finwicks: %s\n", qUtf8Printable(line));
}

QAudioDevice QtSound::outputDevice()
{
    // Without a sound server Qt warns of its failed connection; the one line
    // below says it for the user.
    QLoggingCategory::setFilterRules(QStringLiteral("default.debug=false\ndefault.warning=false"));
    const QAudioDevice device = QMediaDevices::defaultAudioOutput();
    QLoggingCategory::setFilterRules(QStringLiteral("default.debug=false"));
    if (device.isNull() && !std::exchange(m_noDeviceReported, true))
        report(QStringLiteral("no audio output device (is a sound server running?); the tank "
                              "stays silent"));
    return device;
}

bool QtSound::startEffects()
{
    if (m_sink)
        return true;
    if (m_effectsBroken)
        return false;
    m_effectsBroken = true; // until it works: one report, no retries
    const QAudioDevice device = outputDevice();
    if (device.isNull())
        return false;
    QAudioFormat format;
    format.setSampleRate(EffectRate);
    format.setChannelCount(2);
    format.setSampleFormat(QAudioFormat::Int16);
    if (!device.isFormatSupported(format)) {
        report(QStringLiteral("the audio device \"%1\" takes no 16-bit stereo; the sound effects "
                              "stay silent")
                   .arg(device.description()));
        return false;
    }
    m_sink = std::make_unique<QAudioSink>(device, format);
    // A little over a frame's worth of slack: the tank's ticks never starve it.
    m_sink->setBufferSize(EffectRate * 4 / 6);
    m_stream.open(QIODevice::ReadOnly);
    m_sink->start(&m_stream);
    if (m_sink->error() != QAudio::NoError) {
        report(QStringLiteral("the audio device \"%1\" cannot be opened; the sound effects stay "
                              "silent")
                   .arg(device.description()));
        m_sink.reset();
        return false;
    }
    m_effectsBroken = false;
    return true;
}

void QtSound::setBubbling(std::optional<double> pan)
{
    if (pan && !startEffects())
        return;
    const std::lock_guard guard(m_lock);
    m_mixer.setLoopPan(pan);
}

void QtSound::splash(double pan)
{
    if (!startEffects())
        return;
    const std::lock_guard guard(m_lock);
    m_mixer.play(m_splash, pan);
}

void QtSound::chime()
{
    if (!startEffects())
        return;
    const std::lock_guard guard(m_lock);
    m_mixer.play(m_chime, 0);
}

void QtSound::setMusic(const QString &file)
{
    if (file == m_musicFile)
        return;
    m_music.reset();
    m_musicFile = file;
    if (file.isEmpty())
        return;
    const QFileInfo info(file);
    if (!info.isFile() || !info.isReadable()) {
        musicFailed(QStringLiteral("the file cannot be read"));
        return;
    }
    if (outputDevice().isNull())
        return;
    m_music = std::make_unique<MusicLoop>(info.absoluteFilePath(), [this](const QString &reason) {
        musicFailed(reason);
        // Not inside its own signal.
        if (m_music)
            m_music.release()->deleteLater();
    });
}

void QtSound::musicFailed(const QString &reason)
{
    report(QStringLiteral("cannot play the music \"%1\": %2; the tank stays without music")
               .arg(m_musicFile, reason));
}

} // namespace fw

extern "C" {

Q_DECL_EXPORT int finwicks_sound_abi()
{
    return FinwicksSoundAbi;
}

Q_DECL_EXPORT fw::Sound *finwicks_sound_create()
{
    // Qt 6.4's GStreamer backend goes silent after a few rounds of a looped
    // file on PulseAudio; its FFmpeg backend keeps playing. Chosen before
    // Qt Multimedia first looks, unless the user chose for themselves.
    if (qEnvironmentVariableIsEmpty("QT_MEDIA_BACKEND"))
        qputenv("QT_MEDIA_BACKEND", "ffmpeg");
    // That backend's chatter goes to Qt's default category; the program
    // itself puts out nothing there.
    QLoggingCategory::setFilterRules(QStringLiteral("default.debug=false"));
    return new fw::QtSound;
}
}
