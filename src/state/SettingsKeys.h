#pragma once

#include "state/ScreenSize.h"
#include "state/SettingsRecord.h"

#include <QString>
#include <QStringView>

#include <cstdint>
#include <span>

namespace fw {

class Clock;

// How a setting is held in memory.
enum class SettingForm
{
    Text,   // exactly as read or as the dialog set it
    Number, // a double, written as plain decimal
    Int16,  // a 16-bit integer; a value out of range is not assigned
};

// Values that are computed rather than stated.
enum class SettingSource
{
    Literal,        // the text given in the table
    Today,          // today as "YYYY/MM/DD"
    Now,            // the time of day as "HH:MM:SS"
    ScreenWidth90,  // 90 % of the screen width, truncated
    ScreenHeight90, // 90 % of the screen height, truncated
};

// One key of the sections "system" and "case". The table below lists them in
// the order the file is read and written.
struct SettingKey
{
    const char16_t *section;
    const char16_t *name;
    SettingForm form;

    SettingSource firstRunSource;
    const char16_t *firstRunText;

    SettingSource missingSource; // when the key is absent from an existing file
    const char16_t *missingText;

    // The range of a key the configuration dialog edits with a scroll bar;
    // minimum > maximum means the key has none.
    int minimum = 1;
    int maximum = 0;

    // The member of SettingsRecord that holds the value (one of the three).
    QString SettingsRecord::*text = nullptr;
    double SettingsRecord::*number = nullptr;
    std::int16_t SettingsRecord::*int16 = nullptr;

    bool hasRange() const { return minimum <= maximum; }
    QStringView sectionName() const { return QStringView(section); }
    QStringView keyName() const { return QStringView(name); }
};

// Every key of "system" followed by every key of "case", in file order.
std::span<const SettingKey> settingKeys();

// The key of that name (matched without regard to case), or null.
const SettingKey *findSettingKey(QStringView name);

// The value a fresh settings file gets, and the one a missing key reads as.
QString firstRunValue(const SettingKey &key, const Clock &clock, ScreenSize screen);
QString missingValue(const SettingKey &key, ScreenSize screen);

// The held value as the file writes it: texts as held, numbers as plain
// decimal without padding.
QString settingValue(const SettingsRecord &record, const SettingKey &key);
// By name; empty for an unknown key.
QString settingValue(const SettingsRecord &record, QStringView name);

// Stores a value read as text: texts unchanged, numbers through the
// decimal-prefix conversion, 16-bit keys then rounded to the nearest integer.
// False, with the record unchanged, when a 16-bit value is out of range.
bool assignSetting(SettingsRecord &record, const SettingKey &key, QStringView value);
// By name; false for an unknown key.
bool assignSetting(SettingsRecord &record, QStringView name, QStringView value);

// A number as the file writes it ("1", "0.5", "-3").
QString formatSettingNumber(double value);

// "YYYY/MM/DD" and "HH:MM:SS" of the clock's present moment.
QString dateText(const Clock &clock);
QString timeText(const Clock &clock);
// A stored "YYYY/MM/DD" date as the user's language writes dates (the form of
// its clock); any other text as it stands.
QString shownDate(const QString &stored);

} // namespace fw
