#pragma once

#include <cstdint>

namespace fw {

// What the configuration dialog may do to a running aquarium: give its
// animation timer an interval back and apply new colours at once. The start-up
// code hands the dialog this link (or none in configuration mode), so the
// aquarium and the dialog never include each other.
class AquariumLink
{
public:
    virtual ~AquariumLink() = default;
    virtual int animationInterval() const = 0;
    virtual void setAnimationInterval(int milliseconds) = 0;
    // Colours as the settings store them: 24 bits, red in the low byte.
    virtual void applyColours(std::uint32_t foreColor, std::uint32_t backColor) = 0;
};

} // namespace fw
