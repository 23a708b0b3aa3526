#include "MusicLoop.h"

#include <QAudioDevice>
#include <QAudioOutput>
#include <QMediaDevices>
#include <QMediaPlayer>
#include <QUrl>

#include <utility>

#include <dlfcn.h>

namespace fw {

namespace {

// The music stays below full scale, as the effects do: the tank is calm.
constexpr float MusicVolume = 0.7f;
constexpr int FadeInMs = 1000;
constexpr int FadeStepMs = 25;

// FFmpeg reports every odd frame of a file on standard error, where the
// program says only what the user must know. Its library is loaded, and Qt's
// backend has set it up, once a player exists.
void quietenDecoders()
{
    static bool done = false;
    if (std::exchange(done, true))
        return;
    if (void *avutil = dlopen("libavutil.so.57", RTLD_NOW | RTLD_NOLOAD)) {
        using SetLevel = void (*)(int);
        if (auto setLevel = reinterpret_cast<SetLevel>(dlsym(avutil, "av_log_set_level")))
            setLevel(-8); // AV_LOG_QUIET
        dlclose(avutil);
    }
}

} // namespace

MusicLoop::MusicLoop(QString file, std::function<void(const QString &)> failed)
    : m_file(std::move(file)), m_failed(std::move(failed))
{
    m_fade.setInterval(FadeStepMs);
    connect(&m_fade, &QTimer::timeout, this, &MusicLoop::fadeStep);
    m_current = makeRound(0);
    connect(m_current.player.get(), &QMediaPlayer::playbackStateChanged, this,
            [this](QMediaPlayer::PlaybackState state) {
                // The fade starts with the first sound, not with the request.
                if (state == QMediaPlayer::PlayingState && !m_fadeClock.isValid()) {
                    m_fadeClock.start();
                    m_fade.start();
                }
            });
    m_current.player->play();
}

void MusicLoop::prepareNext()
{
    // Qt's own endless loop, and a seek back to the start, fall silent after
    // a few rounds. So each round is a player of its own, the next one made
    // ready once the current one plays, and started the moment it ends.
    if (m_next.player || m_broken)
        return;
    m_next = makeRound(MusicVolume);
    m_next.player->pause();
}

MusicLoop::~MusicLoop()
{
    for (Round *round : {&m_current, &m_next}) {
        if (round->output)
            round->output->setMuted(true);
        if (round->player) {
            round->player->disconnect(this);
            round->player->stop();
        }
    }
}

MusicLoop::Round MusicLoop::makeRound(float volume)
{
    Round round;
    round.output = std::make_unique<QAudioOutput>(QMediaDevices::defaultAudioOutput());
    round.output->setVolume(volume);
    round.player = std::make_unique<QMediaPlayer>();
    round.player->setAudioOutput(round.output.get());
    quietenDecoders();
    QMediaPlayer *player = round.player.get();
    connect(player, &QMediaPlayer::mediaStatusChanged, this,
            [this, player](QMediaPlayer::MediaStatus status) {
                if (status == QMediaPlayer::BufferedMedia && player == m_current.player.get())
                    prepareNext();
                if (status == QMediaPlayer::EndOfMedia)
                    roundEnded(player);
            });
    connect(player, &QMediaPlayer::errorOccurred, this,
            [this](QMediaPlayer::Error, const QString &reason) {
                if (std::exchange(m_broken, true))
                    return;
                m_fade.stop();
                retire(m_current);
                retire(m_next);
                if (m_failed)
                    m_failed(reason);
            });
    player->setSource(QUrl::fromLocalFile(m_file));
    return round;
}

void MusicLoop::roundEnded(QMediaPlayer *player)
{
    if (player != m_current.player.get() || !m_next.player)
        return;
    m_next.player->play();
    if (m_fade.isActive()) {
        m_fade.stop();
        m_next.output->setVolume(MusicVolume);
    }
    retire(m_current);
    m_current = std::move(m_next);
    prepareNext();
}

void MusicLoop::retire(Round &round)
{
    // A player may be the one whose signal is running: it goes once control
    // is back in the event loop.
    if (round.player) {
        round.player->disconnect();
        round.player->stop();
        round.player.release()->deleteLater();
    }
    if (round.output)
        round.output.release()->deleteLater();
}

void MusicLoop::fadeStep()
{
    const double done = std::min(1.0, m_fadeClock.elapsed() / double(FadeInMs));
    if (m_current.output)
        m_current.output->setVolume(float(MusicVolume * done * done));
    if (done >= 1)
        m_fade.stop();
}

} // namespace fw
