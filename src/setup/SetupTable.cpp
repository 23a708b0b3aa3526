#include "setup/SetupTable.h"

#include "platform/Clock.h"
#include "platform/Conversions.h"
#include "setup/ScrollBars.h"
#include "state/SettingsKeys.h"

#include <array>

namespace fw {

namespace {

using L = LoadAs;
using C = CommitAs;

const std::array<SetupRow, 32> rows{{
    {u"endpattern", u"Option_endpattern", L::Int, C::Decimal},
    {u"fishmovespeed", u"HScroll_fishspeed", L::NumInt, C::ThreeDigits},
    {u"sound1", u"Check_sound1", L::Int, C::Decimal},
    {u"sound2", u"Check_sound2", L::Int, C::Decimal},
    {u"soundfile", u"Text_soundfile", L::Text, C::Text},
    {u"forecolor", u"pic_NameColor", L::Colour, C::Decimal},
    {u"backcolor", u"Pic_BackColor", L::Colour, C::Decimal},
    {u"namevisible", u"Check_NameVisible", L::Int, C::Decimal},
    {u"screenvisible", u"Check_BackScreenVisible", L::Int, C::Decimal},
    {u"screenbitmap", u"txb_BackPicture", L::Text, C::Text},
    {u"screenclear", u"Check_screenclear", L::Int, C::Decimal},
    {u"screencleartime", u"HScroll_screencleartime", L::Int, C::TwoDigits, u"Label_screencleartime",
     u"分"},
    {u"timevisible", u"Check_timeVisible", L::Int, C::Decimal},
    {u"timestyle", u"Combo_timeStyle", L::Int, C::TwoDigits},
    {u"timeposition", u"Combo_timeposition", L::Int, C::TwoDigits},
    {u"food1", u"Check_food1", L::Int, C::Decimal},
    {u"foodtime1", u"HScroll_food1", L::Int, C::TwoDigits, u"Label_food1", u"時"},
    {u"food2", u"Check_food2", L::Int, C::Decimal},
    {u"foodtime2", u"HScroll_food2", L::Int, C::TwoDigits, u"Label_food2", u"時"},
    {u"lighton", u"HScroll_lighton", L::Int, C::TwoDigits, u"Label_lighton", u"時"},
    {u"lightoff", u"HScroll_lightoff", L::Int, C::TwoDigits, u"Label_lightoff", u"時"},
    {u"wtemp", u"HScroll_wtemp", L::NumInt, C::TwoDigits, u"Label_wtemp", u"℃", true},
    {u"wautochange", u"Check_wautochange", L::Int, C::Decimal},
    {u"wchangeinterval", u"HScroll_wchangeinterval", L::Int, C::TwoDigits, u"Label_wchangeinterval",
     u"日"},
    {u"wquantity", u"HScroll_wquantity", L::Int, C::TwoDigits, u"Label_wquantity", u"㍑"},
    {u"wchangedate", u"Label_wchangedate", L::Text, C::WaterDate},
    {u"bubble_view", u"Check_bubble_view", L::Number, C::Decimal},
    {u"bubble_dist", u"Check_bubble_dist", L::Number, C::Decimal},
    {u"bubble_init_rand", u"Check_bubble_init_rand", L::Number, C::Decimal},
    {u"bubble_limity", u"HScroll_bubble_limity", L::Number, C::Decimal},
    {u"bubble_count_max", u"HScroll_bubble_count_max", L::Special, C::Decimal},
    {u"fry", u"Check_fry", L::Int, C::Decimal},
}};

QString storedText(const SettingsRecord &record, const SetupRow &row)
{
    return settingValue(record, QStringView(row.key));
}

std::optional<std::int64_t> loadedNumber(const SettingsRecord &record, const SetupRow &row)
{
    const QString text = storedText(record, row);
    switch (row.load) {
    case LoadAs::Int:
        return textToInt16(text);
    case LoadAs::NumInt:
    case LoadAs::Number:
        return toInt16(decimalPrefix(text));
    case LoadAs::Colour:
        return colourFromText(text);
    case LoadAs::Text:
    case LoadAs::Special:
        break;
    }
    return std::nullopt;
}

LoadStep valueStep(const SettingsRecord &record, const SetupRow &row)
{
    LoadStep step;
    step.control = QString::fromUtf16(row.control);
    switch (row.load) {
    case LoadAs::Text:
        step.kind = LoadStep::Kind::Caption;
        // The water change's date is shown as the language writes dates.
        step.text = row.commit == CommitAs::WaterDate ? shownDate(storedText(record, row))
                                                      : storedText(record, row);
        break;
    case LoadAs::Colour:
        step.kind = LoadStep::Kind::Colour;
        step.number = loadedNumber(record, row);
        break;
    default:
        step.number = loadedNumber(record, row);
        break;
    }
    return step;
}

LoadStep labelStep(const SettingsRecord &record, const SetupRow &row)
{
    LoadStep step;
    step.control = QString::fromUtf16(row.label);
    step.kind = LoadStep::Kind::Caption;
    const QString stored = storedText(record, row);
    step.text = valueWithUnit(stored, nearestInt(decimalPrefix(stored)), row.unit);
    return step;
}

std::optional<QString> committedText(const SetupRow &row, const ControlReader &controls,
                                     bool waterChanged, const Clock &clock)
{
    const QStringView control(row.control);
    switch (row.commit) {
    case CommitAs::Text:
        return controls.text(control);
    case CommitAs::WaterDate:
        if (!waterChanged)
            return std::nullopt;
        return dateText(clock);
    default:
        break;
    }
    const std::optional<std::int64_t> value = controls.number(control);
    if (!value)
        return std::nullopt;
    switch (row.commit) {
    case CommitAs::TwoDigits:
        return zeroPadded(int(*value), 2);
    case CommitAs::ThreeDigits:
        return zeroPadded(int(*value), 3);
    default:
        return QString::number(*value);
    }
}

} // namespace

std::span<const SetupRow> setupRows()
{
    return rows;
}

SettingsRecord designRecord(const Clock &clock)
{
    SettingsRecord record;
    for (const SettingKey &key : settingKeys())
        assignSetting(record, key, firstRunValue(key, clock, {}));
    return record;
}

std::vector<LoadStep> loadSteps(const SettingsRecord &record)
{
    std::vector<LoadStep> steps;
    for (const SetupRow &row : rows) {
        if (row.load == LoadAs::Special)
            continue;
        if (row.label && row.labelFirst)
            steps.push_back(labelStep(record, row));
        steps.push_back(valueStep(record, row));
        if (row.label && !row.labelFirst)
            steps.push_back(labelStep(record, row));
    }
    return steps;
}

int bubbleCountForDialog(SettingsRecord &record)
{
    if (record.bubble_count_max > DialogBubbleLimit)
        record.bubble_count_max = DialogBubbleLimit;
    return record.bubble_count_max;
}

void commitSettings(SettingsRecord &record, const ControlReader &controls, bool waterChanged,
                    const Clock &clock)
{
    for (const SetupRow &row : rows) {
        if (const auto text = committedText(row, controls, waterChanged, clock))
            assignSetting(record, QStringView(row.key), *text);
    }
}

std::optional<std::uint32_t> colourFromText(QStringView text)
{
    const std::optional<double> number = textToNumber(text);
    if (!number)
        return std::nullopt;
    const double value = nearest(*number);
    if (value < 0 || value > 0xFFFFFF)
        return std::nullopt;
    return std::uint32_t(value);
}

QString zeroPadded(int value, int digits)
{
    const QString magnitude =
        QString::number(qAbs(qint64(value))).rightJustified(digits, QLatin1Char('0'));
    return value < 0 ? QLatin1Char('-') + magnitude : magnitude;
}

} // namespace fw
