#pragma once

#include <QString>
#include <QStringView>

#include <span>

namespace fw {

// A scroll bar of the configuration dialog with its value label: the setting
// whose range it takes, its steps and how the label shows the value.
struct ScrollSpec
{
    const char16_t *control;
    const char16_t *label;
    const char16_t *key; // the setting; its range is the scroll bar's range
    int smallStep;
    int largeStep;
    int digits; // zero-padded to this many digits; 0 for plain decimal
    const char16_t *unit;

    int minimum() const;
    int maximum() const;
    QString labelText(int value) const;
    QStringView controlName() const { return QStringView(control); }
    QStringView labelName() const { return QStringView(label); }
};

// A value label's unit ("時", "分") in the user's language, in its form for
// `count` where the language has plurals; null gives none.
QString unitText(const char16_t *unit, int count);
// A value label's text: `number` as written (zero-padded, as the Japanese
// labels have it) and its unit; a translation whose unit holds "%1" places
// the plain count there instead ("%1 days").
QString valueWithUnit(const QString &number, int count, const char16_t *unit);

std::span<const ScrollSpec> scrollSpecs();
// The scroll bar of that control name, or null.
const ScrollSpec *findScrollSpec(QStringView control);

} // namespace fw
