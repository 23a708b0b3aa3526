#pragma once

#include "platform/Clock.h"
#include "state/AppState.h"
#include "state/FishRecord.h"
#include "support/FixedClock.h"

#include <QString>

namespace fw::test {

// A record as the settings file would hold it: species digit, name in ten
// characters, birth day, sex digit, the rest blank.
inline FishRecord shopRecord(int species, const QString &name, int birthDay, int sex)
{
    return FishRecord(QString::number(species) + name.leftJustified(10, u' ', true) +
                      QStringLiteral("%1").arg(birthDay, 5, 10, QLatin1Char('0')) +
                      QString::number(sex));
}

// Fills the working table with `count` fish named F1, F2, ... (or blank when
// `named` is false), alternating species and sex, born `age` days ago.
inline void fillWorking(AppState &state, const Clock &clock, int count, bool named = true,
                        int age = 120)
{
    state.workingFish.count = count;
    for (int i = 1; i <= count; ++i) {
        const QString name = named ? QStringLiteral("F%1").arg(i) : QString();
        state.workingFish.at(i) = shopRecord(i % 6, name, clock.dayNumber() - age, i % 2);
    }
}

} // namespace fw::test
