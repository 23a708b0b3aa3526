#include "aquarium/MouseHandling.h"

#include "aquarium/AquariumModel.h"
#include "aquarium/BackgroundPreparation.h"
#include "aquarium/ClockText.h"
#include "aquarium/EndRule.h"
#include "aquarium/life/TankStatus.h"
#include "aquarium/life/WaterTemperature.h"
#include "platform/Clock.h"
#include "platform/Conversions.h"
#include "platform/Surface.h"
#include "state/AppState.h"
#include "state/Fish.h"
#include "state/FishCondition.h"
#include "state/SettingsKeys.h"
#include "state/WaterCare.h"

#include <QCoreApplication>

#include <algorithm>

namespace fw {

namespace {

QString withoutTrailingSpaces(QString text)
{
    qsizetype length = text.size();
    while (length > 0 && text.at(length - 1) == u' ')
        --length;
    text.truncate(length);
    return text;
}

// A whole number as "#####" formats it: no digits at all for 0.
QString hashFormat(double value)
{
    const int whole = nearestInt(value);
    return whole == 0 ? QString() : QString::number(whole);
}

QString field(const AppState &state, const Clock &clock, int position, QStringView key, bool asText)
{
    return GetFishField(state, clock, position, key, asText, false).value_or(QString());
}

std::int16_t toSurfaceUnit(double value, std::int16_t fallback)
{
    return toInt16(value).value_or(fallback);
}

// The placing click of air placement mode: the bubble source goes to the
// pointer, or to the clock when the click is on the clock's text.
void placeBubbleSource(MouseContext &mouse, double x, double y)
{
    SettingsRecord &settings = mouse.state.settings;
    settings.bubble_initx = toSurfaceUnit(x, settings.bubble_initx);
    settings.bubble_inity = toSurfaceUnit(y, settings.bubble_inity);
    mouse.model.airPlacement = false;
    settings.bubble_init_time = 0;

    ClockText text;
    text.format(mouse.clock.now(), ClockFormat(settings.timestyle));
    const double height = mouse.surface.textHeight(text.view());
    const int tw = nearestInt(mouse.surface.textWidth(text.view()));
    const int th = nearestInt(height);
    const int cx = nearestInt(mouse.model.clockX);
    const int cy = nearestInt(mouse.surface.height() - height);
    if (cx <= x && x <= cx + tw && cy <= y && y <= cy + th)
        settings.bubble_init_time = 1;
}

// The topmost fish under the pointer (the last drawn), or 0.
int fishAt(const AppState &state, double x, double y)
{
    for (int i = std::clamp(state.fish.count, 0, FishTable::Capacity); i >= 1; --i) {
        const FishValues &v = state.values[i];
        if (v.left <= x && x <= v.left + v.width && v.top <= y && y <= v.top + v.height)
            return i;
    }
    return 0;
}

// The drop coordinate of one axis: the pointer less the grab offset, kept so
// that the fish lies wholly inside an extent of `limit`.
double dropAxis(double pointer, int offset, int size, int limit)
{
    double v = pointer - offset;
    if (v < 0)
        v = 0;
    if (v + size >= limit)
        v = limit - size;
    return v;
}

} // namespace

QString fishInformation(const AppState &state, const Clock &clock, int position)
{
    const QString name = withoutTrailingSpaces(field(state, clock, position, u"name", false));
    const double days = decimalPrefix(field(state, clock, position, u"age", true));
    const QString sexCode = field(state, clock, position, u"sex", false);
    const QString sex = sexWord(sexCode.isEmpty() ? QChar() : sexCode.front());
    const QString condition = fishConditionText(fishCondition(state, clock, position, false));
    // The age chooses the plural where the language has one.
    QString text = QCoreApplication::translate("FishInformation",
                                               "  名前:%1\n  生後:%2日\n  性別:%3\n  状態:%4\n",
                                               nullptr, qAbs(nearestInt(days)))
                       .arg(name, hashFormat(days), sex, condition);
    const QString warning = temperatureWarning(state.fish.at(position).speciesIndex(),
                                               waterTemperature(state.settings.wtemp));
    if (!warning.isEmpty())
        text += QStringLiteral("  ") + warning + u'\n';
    return text;
}

QString tankInformation(const AppState &state, const Clock &clock)
{
    const SettingsRecord &s = state.settings;
    const QDateTime now = clock.now();
    const int today = Clock::dayNumberOf(now.date());
    return QCoreApplication::translate("FishInformation",
                                       "  水温:%1℃\n  水質:%2 %3\n  前回水換日:%4\n  状態:%5\n")
        .arg(s.wtemp, waterClarityWord(waterHaze(s, today)), waterDayText(waterAgeDays(s, today)),
             shownDate(s.wchangedate), lightPhaseWord(lightAt(s, now.time()).phase));
}

MouseOutcome mouseDown(MouseContext &mouse, bool leftButton, double x, double y)
{
    MouseOutcome outcome;
    if (!leftButton || endRuleSaysEnd(mouse.state.settings, mouse.clock)) {
        outcome.endProgram = true;
        return outcome;
    }
    if (mouse.model.foodPlacement) {
        mouse.model.foodPlacement = false;
        outcome.dropFood = QPointF(x, y);
        return outcome;
    }
    if (mouse.model.airPlacement) {
        placeBubbleSource(mouse, x, y);
        outcome.airPlacementEnded = true;
    }
    if (mouse.model.informationShown)
        return outcome;
    mouse.model.informationShown = true;
    outcome.animationInterval = 0;

    QString text;
    if (const int hit = fishAt(mouse.state, x, y)) {
        const FishValues &v = mouse.state.values[hit];
        text = fishInformation(mouse.state, mouse.clock, hit);
        MouseClickState &click = mouse.model.mouseClick;
        click.grabbedFish = static_cast<std::int16_t>(hit);
        click.grabOffsetY = nearestInt(y - v.top);
        click.grabOffsetX = nearestInt(x - v.left);
    } else {
        text = tankInformation(mouse.state, mouse.clock);
    }
    mouse.surface.currentX = 0;
    mouse.surface.currentY = 0;
    mouse.surface.print(text);
    return outcome;
}

MouseOutcome mouseUp(MouseContext &mouse, double x, double y)
{
    const SettingsRecord &settings = mouse.state.settings;
    Surface &surface = mouse.surface;
    if (settings.screenvisible != u"0" && !mouse.model.pictureCleared) {
        if (mouse.model.backgroundCopy.isNull()) // a plain background
            surface.fill(0, 0, surface.width(), surface.height());
        else
            surface.bitBlt(0, 0, surface.width(), surface.height(), mouse.model.backgroundCopy, 0,
                           0, RasterOp::SrcCopy);
    }

    MouseClickState &click = mouse.model.mouseClick;
    if (click.grabbedFish >= 1 && click.grabbedFish <= mouse.state.fish.count) {
        FishValues &v = mouse.state.values[click.grabbedFish];
        v.top = toSurfaceUnit(nearest(dropAxis(y, click.grabOffsetY, v.height, surface.height())),
                              v.top);
        v.left = toSurfaceUnit(nearest(dropAxis(x, click.grabOffsetX, v.width, surface.width())),
                               v.left);
        mouse.state.sound->splash(panAt(v.left + v.width / 2.0, surface.width()));
        // A fish put where the user wants it should stay there after a crash.
        mouse.state.requestSave();
    }
    click.grabbedFish = 0;

    MouseOutcome outcome;
    outcome.animationInterval = animationIntervalOf(settings);
    return outcome;
}

} // namespace fw
