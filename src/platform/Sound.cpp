#include "platform/Sound.h"

#include <algorithm>

namespace fw {

namespace {

class Silence final : public SoundEffects
{
public:
    void bubble(int, double) override {}
    void splash(double) override {}
    void chime() override {}
    void foodFalls(double) override {}
    void waterChange() override {}
    void setEffectsLevel(double) override {}
};

} // namespace

SoundEffects &silence()
{
    static Silence none;
    return none;
}

double panAt(double x, double width)
{
    if (!(width > 0))
        return 0;
    return std::clamp(2 * x / width - 1, -1.0, 1.0);
}

} // namespace fw
