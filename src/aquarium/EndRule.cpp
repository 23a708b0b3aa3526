#include "aquarium/EndRule.h"

#include "platform/Clock.h"
#include "state/SettingsRecord.h"

#include <QDate>

namespace fw {

bool endRuleSaysEnd(const SettingsRecord &settings, const Clock &clock)
{
    if (settings.endpattern == u"0")
        return true;
    if (settings.endpattern == u"1") {
        // Read leniently, so a hand-written "2026/1/5" still means that day.
        const QDate saved = QDate::fromString(settings.date.trimmed(), u"yyyy/M/d");
        return saved.isValid() && saved == clock.today();
    }
    return false;
}

} // namespace fw
