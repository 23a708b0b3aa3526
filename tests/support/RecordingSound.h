#pragma once

#include "platform/Sound.h"

#include <QString>
#include <QStringList>

#include <optional>
#include <vector>

namespace fw::test {

// Writes down every sound it is asked for, in order.
class RecordingSound final : public Sound
{
public:
    void setBubbling(std::optional<double> pan) override { bubbling.push_back(pan); }
    void splash(double pan) override { splashes.push_back(pan); }
    void chime() override { ++chimes; }
    void setMusic(const QString &file) override { music.append(file); }

    std::vector<std::optional<double>> bubbling;
    std::vector<double> splashes;
    int chimes = 0;
    QStringList music;
};

} // namespace fw::test
