#include "TankSound.h"

#include "SoundPlugin.h"

#include <QFile>

#include <cstdio>
#include <cstring>

namespace fw {

namespace {

// Sounds the tank asked for while the server was away are not saved up to
// play all at once when it is back.
constexpr auto StaleAfter = std::chrono::milliseconds(250);
constexpr std::size_t MostEvents = 128;

void report(const QString &line)
{
    std::fprintf(stderr, "finwicks: %s\n", qUtf8Printable(line));
}

// The samples of one of our own WAV files (mono, 16 bits, the clips' rate);
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
    if (little(22, 2) != 1 || little(24, 4) != EffectMixer::ClipRate || little(34, 2) != 16)
        return {};
    const qsizetype dataBytes = std::min<qsizetype>(little(40, 4), bytes.size() - Header);
    EffectMixer::Clip clip(dataBytes / 2);
    std::memcpy(clip.data(), bytes.constData() + Header, clip.size() * 2);
    return clip;
}

} // namespace

TankSound::TankSound()
    : m_splash(loadClip(QStringLiteral(":/sounds/splash.wav"))),
      m_chime(loadClip(QStringLiteral(":/sounds/chime.wav"))),
      m_patter(loadClip(QStringLiteral(":/sounds/patter.wav"))),
      m_pour(loadClip(QStringLiteral(":/sounds/pour.wav"))), m_random(SeededRandom::fromClock()),
      m_mixer(m_random),
      m_output(std::make_unique<PulseOutput>(
          EffectMixer::Rate, [this](std::span<std::int16_t> stereo) { render(stereo); }))
{}

TankSound::~TankSound()
{
    // The thread goes first: it uses everything else.
    m_output.reset();
}

void TankSound::note(Event event)
{
    event.when = std::chrono::steady_clock::now();
    const std::lock_guard guard(m_lock);
    if (m_notes.events.size() < MostEvents)
        m_notes.events.push_back(event);
}

void TankSound::bubble(int size, double pan)
{
    note({{}, std::max(size, 1), nullptr, pan});
}

void TankSound::splash(double pan)
{
    note({{}, 0, &m_splash, pan});
}

void TankSound::chime()
{
    note({{}, 0, &m_chime, 0});
}

void TankSound::foodFalls(double pan)
{
    note({{}, 0, &m_patter, pan});
}

void TankSound::waterChange()
{
    note({{}, 0, &m_pour, 0});
}

void TankSound::setEffectsLevel(double level)
{
    const std::lock_guard guard(m_lock);
    m_notes.level = std::clamp(level, 0.0, 1.0);
}

void TankSound::setMusic(const QString &file)
{
    if (file == m_musicFile)
        return;
    m_musicFile = file;
    const std::lock_guard guard(m_lock);
    m_notes.music = file;
}

void TankSound::render(std::span<std::int16_t> stereo)
{
    Notes notes;
    {
        const std::lock_guard guard(m_lock);
        std::swap(notes, m_notes);
    }
    const auto now = std::chrono::steady_clock::now();
    for (const Event &event : notes.events) {
        if (now - event.when > StaleAfter)
            continue;
        if (event.size > 0)
            m_mixer.bubble(event.size, event.pan);
        else
            m_mixer.play(*event.clip, event.pan);
    }
    if (notes.level)
        m_mixer.setEffectsLevel(*notes.level);
    if (notes.music)
        playMusic(*notes.music);
    m_mixer.mix(stereo);
    followMusic();
}

void TankSound::playMusic(const QString &file)
{
    m_mixer.setMusic(nullptr);
    m_music.reset();
    m_playing = file;
    if (file.isEmpty())
        return;
    QString why;
    m_music = MusicDecoder::open(file, why);
    if (!m_music) {
        report(QStringLiteral("cannot play the music \"%1\": %2; the tank stays without music")
                   .arg(file, why));
        return;
    }
    m_mixer.setMusic(m_music.get());
}

void TankSound::followMusic()
{
    if (!m_music)
        return;
    if (const std::optional<QString> problem = m_music->takeProblem())
        report(QStringLiteral("the music \"%1\" is damaged (%2); what can be decoded plays on")
                   .arg(m_playing, *problem));
    if (m_music->exhausted()) {
        report(QStringLiteral("the music \"%1\" gives no sound; the tank stays without music")
                   .arg(m_playing));
        m_mixer.setMusic(nullptr);
        m_music.reset();
    }
}

} // namespace fw

extern "C" {

Q_DECL_EXPORT int finwicks_sound_abi()
{
    return FinwicksSoundAbi;
}

Q_DECL_EXPORT fw::Sound *finwicks_sound_create()
{
    return new fw::TankSound;
}
}
