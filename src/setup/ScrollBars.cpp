#include "setup/ScrollBars.h"

#include "setup/SetupTable.h"
#include "state/SettingsKeys.h"

#include <QCoreApplication>

#include <array>

namespace fw {

namespace {

const std::array<ScrollSpec, 11> specs{{
    {u"HScroll_fishspeed", u"Label_fishspeed", u"fishmovespeed", 1, 10, 3, u"ms"},
    {u"HScroll_screencleartime", u"Label_screencleartime", u"screencleartime", 1, 10, 2, u"分"},
    {u"HScroll_food1", u"Label_food1", u"foodtime1", 1, 1, 2, u"時"},
    {u"HScroll_food2", u"Label_food2", u"foodtime2", 1, 1, 2, u"時"},
    {u"HScroll_lighton", u"Label_lighton", u"lighton", 1, 1, 2, u"時"},
    {u"HScroll_lightoff", u"Label_lightoff", u"lightoff", 1, 1, 2, u"時"},
    {u"HScroll_wtemp", u"Label_wtemp", u"wtemp", 1, 1, 0, u"℃"},
    {u"HScroll_wquantity", u"Label_wquantity", u"wquantity", 5, 10, 2, u"㍑"},
    {u"HScroll_wchangeinterval", u"Label_wchangeinterval", u"wchangeinterval", 1, 1, 2, u"日"},
    {u"HScroll_bubble_count_max", u"Label_bubble_count_max", u"bubble_count_max", 1, 10, 0, u""},
    {u"HScroll_bubble_limity", u"Label_bubble_limity", u"bubble_limity", 1, 10, 0, u"%"},
}};

// The units above, for the translation tools; unitText looks them up by the
// value, so a language can give any of them its plural forms.
[[maybe_unused]] const char *const unitSources[] = {
    QT_TRANSLATE_N_NOOP("Units", "分"), QT_TRANSLATE_N_NOOP("Units", "時"),
    QT_TRANSLATE_N_NOOP("Units", "㍑"), QT_TRANSLATE_N_NOOP("Units", "日"),
    QT_TRANSLATE_N_NOOP("Units", "ms"), QT_TRANSLATE_N_NOOP("Units", "℃"),
};

} // namespace

QString unitText(const char16_t *unit, int count)
{
    if (!unit || !*unit)
        return {};
    return QCoreApplication::translate("Units", QString::fromUtf16(unit).toUtf8().constData(),
                                       nullptr, count);
}

QString valueWithUnit(const QString &number, int count, const char16_t *unit)
{
    const QString text = unitText(unit, qAbs(count));
    if (text.contains(QLatin1String("%1")))
        return text.arg(count);
    return number + text;
}

int ScrollSpec::minimum() const
{
    const SettingKey *setting = findSettingKey(QStringView(key));
    return setting ? setting->minimum : 0;
}

int ScrollSpec::maximum() const
{
    const SettingKey *setting = findSettingKey(QStringView(key));
    return setting ? setting->maximum : 0;
}

QString ScrollSpec::labelText(int value) const
{
    const QString number = digits > 0 ? zeroPadded(value, digits) : QString::number(value);
    return valueWithUnit(number, value, unit);
}

std::span<const ScrollSpec> scrollSpecs()
{
    return specs;
}

const ScrollSpec *findScrollSpec(QStringView control)
{
    for (const ScrollSpec &spec : specs) {
        if (spec.controlName().compare(control, Qt::CaseInsensitive) == 0)
            return &spec;
    }
    return nullptr;
}

} // namespace fw
