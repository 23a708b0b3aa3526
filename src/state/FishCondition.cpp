#include "state/FishCondition.h"

#include "platform/Conversions.h"
#include "state/AppState.h"
#include "state/EggClutches.h"
#include "state/Fish.h"

#include <QCoreApplication>

namespace fw {

FishCondition fishCondition(const AppState &state, const Clock &clock, int position, bool working)
{
    const FishRecord &record = state.table(working).at(position);
    if (!state.settings.eggs.isEmpty() &&
        carriesEggs(parseEggClutches(state.settings.eggs), record.speciesIndex(),
                    trimmedSpaces(record.name())))
        return FishCondition::WithEggs;
    const int age = ageInDays(clock, record.birthDay());
    if (age < FryDays)
        return FishCondition::Fry;
    return age < YoungFishDays ? FishCondition::Young : FishCondition::Adult;
}

QString fishConditionText(FishCondition condition)
{
    switch (condition) {
    case FishCondition::Fry:
        return QCoreApplication::translate("Fish", "稚魚");
    case FishCondition::Young:
        return QCoreApplication::translate("Fish", "幼魚");
    case FishCondition::Adult:
        break;
    case FishCondition::WithEggs:
        return QCoreApplication::translate("Fish", "抱卵中");
    }
    return QCoreApplication::translate("Fish", "成魚");
}

} // namespace fw
