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

void SoundSwitch::update()
{
    Sound *sound = output();
    if (!sound)
        return;
    sound->setBubbling(m_wish.effects ? m_bubbling : std::nullopt);
    sound->setMusic(m_tankRunning ? m_wish.music : QString());
}

void SoundSwitch::setBubbling(std::optional<double> pan)
{
    m_bubbling = pan;
    if (m_wish.effects)
        if (Sound *sound = output())
            sound->setBubbling(pan);
}

void SoundSwitch::splash(double pan)
{
    if (m_wish.effects)
        if (Sound *sound = output())
            sound->splash(pan);
}

void SoundSwitch::chime()
{
    if (m_wish.effects)
        if (Sound *sound = output())
            sound->chime();
}

} // namespace fw
