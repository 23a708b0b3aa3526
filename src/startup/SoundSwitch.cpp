#include "startup/SoundSwitch.h"

#include "state/SettingsRecord.h"

namespace fw {

SoundWish soundWish(const SettingsRecord &settings)
{
    SoundWish wish;
    wish.effects = settings.sound1 == u"1";
    if (settings.sound2 == u"1")
        wish.music = settings.soundfile;
    return wish;
}

bool mayPlaySound(bool ownsSettings, const HostRequest &host, QSize hostWindow, QSize screen)
{
    if (!ownsSettings || host.mode == HostMode::WindowId)
        return false;
    if (!host.hosted())
        return true;
    const bool thumbnail =
        hostWindow.width() * 2 < screen.width() && hostWindow.height() * 2 < screen.height();
    return !thumbnail;
}

SoundSwitch::SoundSwitch(bool allowed, Opener open) : m_allowed(allowed), m_open(std::move(open)) {}

SoundSwitch::~SoundSwitch() = default;

void SoundSwitch::follow(const SettingsRecord &settings)
{
    m_wish = m_allowed ? soundWish(settings) : SoundWish{};
    update();
}

void SoundSwitch::setTankRunning(bool running)
{
    m_tankRunning = running;
    update();
}

Sound *SoundSwitch::output()
{
    if (!m_opened && m_wish.any()) {
        m_opened = true;
        m_output = m_open();
    }
    return m_output.get();
}

Sound *SoundSwitch::effects()
{
    return m_wish.effects ? output() : nullptr;
}

void SoundSwitch::update()
{
    Sound *sound = output();
    if (!sound)
        return;
    sound->setEffectsLevel(m_effectsLevel);
    sound->setMusic(m_tankRunning ? m_wish.music : QString());
}

void SoundSwitch::bubble(int size, double pan)
{
    if (Sound *sound = effects())
        sound->bubble(size, pan);
}

void SoundSwitch::splash(double pan)
{
    if (Sound *sound = effects())
        sound->splash(pan);
}

void SoundSwitch::chime()
{
    if (Sound *sound = effects())
        sound->chime();
}

void SoundSwitch::foodFalls(double pan)
{
    if (Sound *sound = effects())
        sound->foodFalls(pan);
}

void SoundSwitch::waterChange()
{
    if (Sound *sound = effects())
        sound->waterChange();
}

void SoundSwitch::setEffectsLevel(double level)
{
    m_effectsLevel = level;
    if (Sound *sound = effects())
        sound->setEffectsLevel(level);
}

} // namespace fw
