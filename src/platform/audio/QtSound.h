#pragma once

#include "MusicLoop.h"
#include "platform/EffectMixer.h"
#include "platform/Sound.h"

#include <QAudioDevice>
#include <QAudioFormat>
#include <QIODevice>
#include <QObject>

#include <memory>
#include <mutex>

class QAudioSink;

namespace fw {

// Reads the effect mix as an endless stereo stream. The audio stack may read
// from a thread of its own, so the mix is only touched under `lock`.
class EffectStream final : public QIODevice
{
public:
    EffectStream(EffectMixer &mixer, std::mutex &lock) : m_mixer(mixer), m_lock(lock) {}
    bool isSequential() const override { return true; }
    qint64 bytesAvailable() const override { return 1 << 16; }

protected:
    qint64 readData(char *data, qint64 maxSize) override;
    qint64 writeData(const char *, qint64) override { return -1; }

private:
    EffectMixer &m_mixer;
    std::mutex &m_lock;
};

// The tank's sounds through Qt Multimedia: the effects mixed into one audio
// stream, the music through a media player that fades it in.
class QtSound final : public QObject, public Sound
{
public:
    QtSound();
    ~QtSound() override;

    void setBubbling(std::optional<double> pan) override;
    void splash(double pan) override;
    void chime() override;
    void setMusic(const QString &file) override;

private:
    QAudioDevice outputDevice();
    bool startEffects();
    void musicFailed(const QString &reason);
    static void report(const QString &line);

    std::mutex m_lock;
    EffectMixer m_mixer;
    EffectMixer::Clip m_splash;
    EffectMixer::Clip m_chime;
    EffectStream m_stream{m_mixer, m_lock};
    std::unique_ptr<QAudioSink> m_sink;
    bool m_effectsBroken = false;
    bool m_noDeviceReported = false;

    std::unique_ptr<MusicLoop> m_music;
    QString m_musicFile;
};

} // namespace fw
