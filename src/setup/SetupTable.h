#pragma once

#include "state/SettingsRecord.h"

#include <QString>
#include <QStringView>

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

namespace fw {

class Clock;

// How the configuration dialog fills a control from a stored value.
enum class LoadAs
{
    Int,     // the whole text as a 16-bit integer; anything else fails
    NumInt,  // the leading number of the text, then to a 16-bit integer
    Colour,  // the text as a 24-bit colour
    Text,    // the text as stored
    Number,  // the record's number to a 16-bit integer
    Special, // set by a step of its own
};

// How the value of a control goes back into the settings record on OK.
enum class CommitAs
{
    Decimal,   // plain decimal ("0", "1", "16776960")
    TwoDigits, // "07"
    ThreeDigits,
    Text,      // as typed
    WaterDate, // today, only after a water change
};

// One row of the dialog's loading and commit table.
struct SetupRow
{
    const char16_t *key;
    const char16_t *control; // the control that holds the value
    LoadAs load;
    CommitAs commit;
    const char16_t *label = nullptr; // a label that shows the stored text with a unit
    const char16_t *unit = nullptr;
    bool labelFirst = false; // the label is written before the value
};

// Every row, in the order the dialog loads and commits them.
std::span<const SetupRow> setupRows();

// One step of loading the dialog: write `text` or `number` into `control`.
// A step without a number whose kind needs one failed its conversion and is
// skipped.
struct LoadStep
{
    enum class Kind
    {
        Value, // a scroll bar, check box, list or option group takes `number`
        Caption,
        Colour,
    };
    QString control;
    Kind kind = Kind::Value;
    std::optional<std::int64_t> number;
    QString text;
};

// The state the controls start in before the stored values are loaded: the
// values of a fresh settings file. A stored value that cannot be loaded leaves
// its control there, so OK then writes a sound value instead of a bare
// minimum.
SettingsRecord designRecord(const Clock &clock);

// The steps that fill the controls from the record, in table order. The
// bubble count is left to bubbleCountForDialog.
std::vector<LoadStep> loadSteps(const SettingsRecord &record);

// The most bubbles the dialog can show. A larger stored count is lowered to
// it in the record itself when the dialog opens.
inline constexpr int DialogBubbleLimit = 400;
int bubbleCountForDialog(SettingsRecord &record);

// What the controls hold when OK is pressed. An empty result means no choice
// (an option group or list with nothing selected): that key stays as it was.
class ControlReader
{
public:
    virtual ~ControlReader() = default;
    virtual std::optional<std::int64_t> number(QStringView control) const = 0;
    virtual QString text(QStringView control) const = 0;
};

// Stores every setting from its control in its committed format, in table order.
void commitSettings(SettingsRecord &record, const ControlReader &controls, bool waterChanged,
                    const Clock &clock);

// A 24-bit colour (red in the low byte) from its stored decimal text; empty
// for a text that is no number or no such colour.
std::optional<std::uint32_t> colourFromText(QStringView text);

// A number with at least `digits` digits, zeros in front ("07", "-05").
QString zeroPadded(int value, int digits);

} // namespace fw
