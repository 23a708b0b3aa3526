#pragma once

#include "platform/Sound.h"

#include <QString>
#include <QStringList>

#include <utility>
#include <vector>

namespace fw::test {

// Writes down every sound it is asked for, in order.
class RecordingSound final : public Sound
{
public:
    void bubble(int size, double pan) override { bubbles.emplace_back(size, pan); }
    void splash(double pan) override { splashes.push_back(pan); }
    void chime() override { ++chimes; }
    void foodFalls(double pan) override { food.push_back(pan); }
    void waterChange() override { ++waterChanges; }
    void setEffectsLevel(double level) override { levels.push_back(level); }
    void setMusic(const QString &file) override { music.append(file); }

    std::vector<std::pair<int, double>> bubbles; // size, pan
    std::vector<double> splashes;
    int chimes = 0;
    std::vector<double> food;
    int waterChanges = 0;
    std::vector<double> levels;
    QStringList music;
};

} // namespace fw::test
