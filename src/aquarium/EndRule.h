#pragma once

namespace fw {

class Clock;
struct SettingsRecord;

// Whether mouse input ends the screen saver under `endpattern`: "0" always,
// "1" when the state was last saved today (`date`), anything else never.
bool endRuleSaysEnd(const SettingsRecord &settings, const Clock &clock);

} // namespace fw
