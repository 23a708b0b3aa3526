#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QString>
#include <QTimer>

#include <functional>
#include <memory>

class QAudioOutput;
class QMediaPlayer;

namespace fw {

// Plays one file over and over on the default audio device, fading in over
// about a second at the start. Silent the moment it is destroyed.
class MusicLoop final : public QObject
{
public:
    // `failed` hears why the file cannot play; the loop is then silent.
    MusicLoop(QString file, std::function<void(const QString &)> failed);
    ~MusicLoop() override;

private:
    // One pass through the file: a player and its output.
    struct Round
    {
        std::unique_ptr<QAudioOutput> output;
        std::unique_ptr<QMediaPlayer> player;
    };
    Round makeRound(float volume);
    void prepareNext();
    void roundEnded(QMediaPlayer *player);
    void fadeStep();
    static void retire(Round &round);

    QString m_file;
    std::function<void(const QString &)> m_failed;
    Round m_current;
    Round m_next;
    bool m_broken = false;
    QTimer m_fade;
    QElapsedTimer m_fadeClock;
};

} // namespace fw
