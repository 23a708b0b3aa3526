#include "state/SettingsKeys.h"

#include "platform/Clock.h"
#include "platform/Conversions.h"

#include <QCoreApplication>
#include <QDate>

#include <algorithm>
#include <array>
#include <cmath>

namespace fw {

namespace {

using R = SettingsRecord;
constexpr SettingSource Lit = SettingSource::Literal;

constexpr SettingKey text(const char16_t *section, const char16_t *name, QString R::*member,
                          SettingSource firstSource, const char16_t *first, const char16_t *missing,
                          int minimum = 1, int maximum = 0)
{
    SettingKey key{section, name, SettingForm::Text, firstSource, first, Lit, missing};
    key.minimum = minimum;
    key.maximum = maximum;
    key.text = member;
    return key;
}

constexpr SettingKey system(const char16_t *name, QString R::*member, const char16_t *first,
                            const char16_t *missing, int minimum = 1, int maximum = 0)
{
    return text(u"system", name, member, Lit, first, missing, minimum, maximum);
}

constexpr SettingKey tank(const char16_t *name, QString R::*member, const char16_t *first,
                          const char16_t *missing, int minimum = 1, int maximum = 0)
{
    return text(u"case", name, member, Lit, first, missing, minimum, maximum);
}

constexpr SettingKey number(const char16_t *name, double R::*member, const char16_t *first,
                            const char16_t *missing)
{
    SettingKey key{u"case", name, SettingForm::Number, Lit, first, Lit, missing};
    key.number = member;
    return key;
}

constexpr SettingKey int16(const char16_t *name, std::int16_t R::*member, SettingSource firstSource,
                           const char16_t *first, SettingSource missingSource,
                           const char16_t *missing, int minimum = 1, int maximum = 0)
{
    SettingKey key{u"case", name, SettingForm::Int16, firstSource, first, missingSource, missing};
    key.minimum = minimum;
    key.maximum = maximum;
    key.int16 = member;
    return key;
}

constexpr SettingSource Today = SettingSource::Today;

const std::array<SettingKey, 40> keys{{
    system(u"version", &R::version, u"0.34b", u""),
    text(u"system", u"date", &R::date, Today, u"", u""),
    text(u"system", u"time", &R::time, SettingSource::Now, u"", u""),
    system(u"endpattern", &R::endpattern, u"2", u""),
    system(u"fishmovespeed", &R::fishmovespeed, u"50", u"10", 1, 1000),
    system(u"sound1", &R::sound1, u"0", u""),
    system(u"sound2", &R::sound2, u"0", u""),
    system(u"soundfile", &R::soundfile, u"", u""),
    system(u"forecolor", &R::forecolor, u"16776960", u""),
    system(u"backcolor", &R::backcolor, u"0", u""),
    system(u"namevisible", &R::namevisible, u"0", u""),
    system(u"screenvisible", &R::screenvisible, u"0", u""),
    system(u"screenbitmap", &R::screenbitmap, u"", u""),
    system(u"screenclear", &R::screenclear, u"1", u"1"),
    system(u"screencleartime", &R::screencleartime, u"30", u"30", 1, 120),
    system(u"timevisible", &R::timevisible, u"0", u"1"),
    system(u"timestyle", &R::timestyle, u"0", u"2"),
    system(u"timeposition", &R::timeposition, u"1", u"1"),

    tank(u"food1", &R::food1, u"1", u""),
    tank(u"food2", &R::food2, u"0", u""),
    tank(u"foodtime1", &R::foodtime1, u"12", u"", 0, 23),
    tank(u"foodtime2", &R::foodtime2, u"00", u"", 0, 23),
    tank(u"lighton", &R::lighton, u"09", u"", 0, 23),
    tank(u"lightoff", &R::lightoff, u"21", u"", 0, 23),
    tank(u"wtemp", &R::wtemp, u"28", u"", 18, 36),
    tank(u"wautochange", &R::wautochange, u"1", u""),
    tank(u"wchangeinterval", &R::wchangeinterval, u"14", u"", 1, 99),
    tank(u"wquantity", &R::wquantity, u"15", u"", 0, 60),
    text(u"case", u"wchangedate", &R::wchangedate, Today, u"", u""),
    number(u"bubble_view", &R::bubble_view, u"1", u"1"),
    int16(u"bubble_dist", &R::bubble_dist, Lit, u"1", Lit, u"1"),
    int16(u"bubble_initx", &R::bubble_initx, SettingSource::ScreenWidth90, u"",
          SettingSource::ScreenWidth90, u""),
    int16(u"bubble_inity", &R::bubble_inity, SettingSource::ScreenHeight90, u"",
          SettingSource::ScreenHeight90, u""),
    int16(u"bubble_init_rand", &R::bubble_init_rand, Lit, u"0", Lit, u"0"),
    number(u"bubble_init_time", &R::bubble_init_time, u"0", u"0"),
    int16(u"bubble_limity", &R::bubble_limity, Lit, u"0", Lit, u"0", 0, 90),
    int16(u"bubble_count_max", &R::bubble_count_max, Lit, u"100", Lit, u"100", 1, 400),
    tank(u"wturbidity", &R::wturbidity, u"0", u"0"),
    tank(u"fry", &R::fry, u"1", u"1"),
    tank(u"eggs", &R::eggs, u"", u""),
}};

QString sourcedValue(SettingSource source, const char16_t *literal, const Clock *clock,
                     ScreenSize screen)
{
    switch (source) {
    case SettingSource::Literal:
        return QString::fromUtf16(literal);
    case SettingSource::Today:
        return clock ? dateText(*clock) : QString();
    case SettingSource::Now:
        return clock ? timeText(*clock) : QString();
    case SettingSource::ScreenWidth90:
        return QString::number(truncInt(screen.width * 0.9));
    case SettingSource::ScreenHeight90:
        return QString::number(truncInt(screen.height * 0.9));
    }
    return {};
}

} // namespace

std::span<const SettingKey> settingKeys()
{
    return keys;
}

const SettingKey *findSettingKey(QStringView name)
{
    for (const SettingKey &key : keys) {
        if (key.keyName().compare(name, Qt::CaseInsensitive) == 0)
            return &key;
    }
    return nullptr;
}

QString firstRunValue(const SettingKey &key, const Clock &clock, ScreenSize screen)
{
    return sourcedValue(key.firstRunSource, key.firstRunText, &clock, screen);
}

QString missingValue(const SettingKey &key, ScreenSize screen)
{
    return sourcedValue(key.missingSource, key.missingText, nullptr, screen);
}

QString formatSettingNumber(double value)
{
    // Written as it reads back: the reading takes no exponent, so the
    // writing uses none. Past 15 digits no value is exact anyway: larger
    // ones are held at the largest 15-digit number.
    constexpr double Largest = 999999999999999.0;
    if (std::isnan(value) || value == 0)
        return QStringLiteral("0"); // also for -0
    value = std::clamp(value, -Largest, Largest);
    if (std::abs(value) >= 1e-4)
        return QString::number(value, 'g', 15);
    QString text = QString::number(value, 'f', 15);
    while (text.endsWith(u'0'))
        text.chop(1);
    if (text.endsWith(u'.'))
        text.chop(1);
    return text == u"0" || text == u"-0" ? QStringLiteral("0") : text;
}

QString settingValue(const SettingsRecord &record, const SettingKey &key)
{
    switch (key.form) {
    case SettingForm::Text:
        return record.*key.text;
    case SettingForm::Number:
        return formatSettingNumber(record.*key.number);
    case SettingForm::Int16:
        return QString::number(record.*key.int16);
    }
    return {};
}

QString settingValue(const SettingsRecord &record, QStringView name)
{
    const SettingKey *key = findSettingKey(name);
    return key ? settingValue(record, *key) : QString();
}

bool assignSetting(SettingsRecord &record, const SettingKey &key, QStringView value)
{
    switch (key.form) {
    case SettingForm::Text:
        record.*key.text = value.toString();
        return true;
    case SettingForm::Number:
        record.*key.number = decimalPrefix(value);
        return true;
    case SettingForm::Int16:
        if (const auto converted = toInt16(decimalPrefix(value))) {
            record.*key.int16 = *converted;
            return true;
        }
        return false;
    }
    return false;
}

bool assignSetting(SettingsRecord &record, QStringView name, QStringView value)
{
    const SettingKey *key = findSettingKey(name);
    return key && assignSetting(record, *key, value);
}

QString dateText(const Clock &clock)
{
    return clock.now().date().toString(QStringLiteral("yyyy/MM/dd"));
}

QString shownDate(const QString &stored)
{
    const QDate date = QDate::fromString(stored, QStringLiteral("yyyy/MM/dd"));
    if (!date.isValid())
        return stored;
    QString form = QCoreApplication::translate("ClockFormat", "yyyy/mm/dd");
    form.replace(QStringLiteral("yyyy"), QString::number(date.year()).rightJustified(4, u'0'));
    form.replace(QStringLiteral("mm"), QString::number(date.month()).rightJustified(2, u'0'));
    form.replace(QStringLiteral("dd"), QString::number(date.day()).rightJustified(2, u'0'));
    return form;
}

QString timeText(const Clock &clock)
{
    return clock.now().time().toString(QStringLiteral("HH:mm:ss"));
}

} // namespace fw
