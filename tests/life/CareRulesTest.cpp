#include "aquarium/life/LightSchedule.h"
#include "aquarium/life/WaterTemperature.h"
#include "platform/Clock.h"
#include "state/SettingsRecord.h"
#include "state/WaterCare.h"
#include "support/FixedClock.h"

#include <gtest/gtest.h>

#include <set>

namespace fw::test {
namespace {

SettingsRecord lights(const char16_t *on, const char16_t *off)
{
    SettingsRecord s;
    s.lighton = QString::fromUtf16(on);
    s.lightoff = QString::fromUtf16(off);
    return s;
}

double levelAt(const SettingsRecord &s, int hour, int minute, int second = 0)
{
    return lightAt(s, QTime(hour, minute, second)).level;
}

TEST(LightSchedule, RampsAreSmoothMonotonicAndTimedFromTheHour)
{
    const SettingsRecord s = lights(u"09", u"21");
    EXPECT_EQ(lightAt(s, QTime(12, 0)).phase, LightPhase::Day);
    EXPECT_EQ(levelAt(s, 20, 59, 59), 1.0);
    EXPECT_EQ(lightAt(s, QTime(21, 0)).phase, LightPhase::Dusk);
    EXPECT_DOUBLE_EQ(levelAt(s, 21, 15), 0.5);
    EXPECT_EQ(lightAt(s, QTime(21, 30)).phase, LightPhase::Night);
    EXPECT_EQ(levelAt(s, 23, 30), 0.0);
    EXPECT_EQ(levelAt(s, 8, 59, 59), 0.0);
    EXPECT_EQ(lightAt(s, QTime(9, 0)).phase, LightPhase::Dawn);
    EXPECT_EQ(levelAt(s, 9, 30), 1.0);

    // Second by second through both ramps: never a step back, never a jump,
    // and many more than 32 distinct levels on the way.
    for (const int start : {21 * 3600, 9 * 3600}) {
        std::set<double> levels;
        double last = levelAt(s, start / 3600, 0);
        for (int t = start; t <= start + 1800; ++t) {
            const double level = levelAt(s, t / 3600, t / 60 % 60, t % 60);
            EXPECT_LE(std::abs(level - last), 1.0 / 32) << t;
            EXPECT_TRUE(start == 9 * 3600 ? level >= last : level <= last) << t;
            levels.insert(level);
            last = level;
        }
        EXPECT_GT(levels.size(), 64u);
    }
}

TEST(LightSchedule, HoursWrapMidnightAndOddSettingsKeepTheLightOn)
{
    const SettingsRecord night = lights(u"22", u"06");
    EXPECT_EQ(levelAt(night, 2, 0), 1.0);
    EXPECT_EQ(levelAt(night, 12, 0), 0.0);
    EXPECT_EQ(lightAt(night, QTime(22, 10)).phase, LightPhase::Dawn);
    EXPECT_EQ(lightAt(night, QTime(6, 10)).phase, LightPhase::Dusk);

    // Off at 23: the dusk ramp runs across midnight's side of the hour.
    const SettingsRecord late = lights(u"0", u"23");
    EXPECT_DOUBLE_EQ(levelAt(late, 23, 15), 0.5);
    EXPECT_DOUBLE_EQ(levelAt(late, 0, 15), 0.5);

    for (const auto &[on, off] : {std::pair{u"07", u"07"},
                                  {u"", u"21"},
                                  {u"9", u"x"},
                                  {u"24", u"21"},
                                  {u"9.5", u"21"},
                                  {u"-1", u"21"}}) {
        const SettingsRecord s = lights(on, off);
        for (int hour = 0; hour < 24; ++hour)
            EXPECT_EQ(lightAt(s, QTime(hour, 45)).level, 1.0) << hour;
    }
    EXPECT_EQ(levelAt(lights(u" 9 ", u"21"), 22, 0), 0.0);
}

SettingsRecord water(const QString &changed, const QString &litres = QStringLiteral("15"),
                     const QString &left = QStringLiteral("0"))
{
    SettingsRecord s;
    s.wchangedate = changed;
    s.wquantity = litres;
    s.wturbidity = left;
    s.wautochange = QStringLiteral("1");
    s.wchangeinterval = QStringLiteral("14");
    return s;
}

TEST(WaterCare, HazeGathersFromAWeekAndIsMurkyAfterAMonth)
{
    const int today = Clock::dayNumberOf(QDate(2026, 12, 8));
    auto hazeAfter = [&](int days) {
        const QString date = QDate(2026, 12, 8).addDays(-days).toString(u"yyyy/MM/dd");
        return waterHaze(water(date), today);
    };
    EXPECT_EQ(hazeAfter(0), 0);
    EXPECT_EQ(hazeAfter(7), 0);
    EXPECT_GT(hazeAfter(8), 0);
    EXPECT_LT(hazeAfter(14), ClearWaterLimit);
    EXPECT_GE(hazeAfter(30), CloudyWaterLimit);
    for (int days = 1; days < 60; ++days)
        EXPECT_GE(hazeAfter(days), hazeAfter(days - 1)) << days;

    // Unreadable or future dates give no age, and so no gathered haze.
    EXPECT_EQ(waterAgeDays(water(QStringLiteral("2026/02/30")), today), std::nullopt);
    EXPECT_EQ(waterAgeDays(water(QStringLiteral("soon")), today), std::nullopt);
    EXPECT_EQ(waterAgeDays(water(QStringLiteral("2027/01/01")), today), 0);
    EXPECT_EQ(waterAgeDays(water(QStringLiteral(" 2026/12/1 ")), today), 7);
    EXPECT_EQ(waterHaze(water({}, QStringLiteral("15"), QStringLiteral("250")), today), 1.0);
}

TEST(WaterCare, AChangeClearsInProportionToTheWaterChanged)
{
    const FixedClock clock;
    const int today = clock.dayNumber();
    for (const auto &[litres, left] : {std::pair{u"60", 0.0},
                                       {u"0", 1.0},
                                       {u"15", 0.75},
                                       {u"30", 0.5},
                                       {u"45", 0.25},
                                       {u"99", 0.0}}) {
        SettingsRecord s = water(QStringLiteral("2026/10/01"), QString::fromUtf16(litres));
        const double before = waterHaze(s, today);
        ASSERT_EQ(before, 1.0);
        changeWater(s, before, clock);
        EXPECT_EQ(s.wchangedate, u"2026/12/08");
        EXPECT_DOUBLE_EQ(waterHaze(s, today), left) << QString::fromUtf16(litres).toStdString();
    }
}

TEST(WaterCare, TheFirstRunRegimeKeepsTheWaterClearForAYear)
{
    FixedClock clock(QDateTime(QDate(2026, 1, 1), QTime(12, 0)));
    SettingsRecord s = water(QStringLiteral("2026/01/01"));
    int changes = 0;
    for (int day = 0; day < 365; ++day) {
        const int today = clock.dayNumber();
        EXPECT_LT(waterHaze(s, today), ClearWaterLimit) << day;
        if (automaticChangeDue(s, today)) {
            changeWater(s, waterHaze(s, today), clock);
            ++changes;
        }
        clock.advanceMs(24 * 3600 * 1000);
    }
    EXPECT_EQ(changes, 26);
}

TEST(WaterCare, AnAutomaticChangeIsDueAfterItsInterval)
{
    const int today = Clock::dayNumberOf(QDate(2026, 12, 8));
    EXPECT_FALSE(automaticChangeDue(water(QStringLiteral("2026/11/25")), today)); // 13 days
    EXPECT_TRUE(automaticChangeDue(water(QStringLiteral("2026/11/24")), today));  // 14 days
    SettingsRecord off = water(QStringLiteral("2026/01/01"));
    off.wautochange = QStringLiteral("0");
    EXPECT_FALSE(automaticChangeDue(off, today));
    // A date that cannot be read is mended by the change.
    EXPECT_TRUE(automaticChangeDue(water(QStringLiteral("gestern")), today));
    SettingsRecord oddInterval = water(QStringLiteral("2026/12/07"));
    oddInterval.wchangeinterval = QStringLiteral("x");
    EXPECT_TRUE(automaticChangeDue(oddInterval, today)); // read as the least, one day
}

TEST(WaterTemperature, ActivityDoublesPerTenDegreesBelowAndEasesAbove)
{
    EXPECT_EQ(temperatureActivity(28), 1.0);
    EXPECT_DOUBLE_EQ(temperatureActivity(18), 0.5);
    EXPECT_NEAR(temperatureActivity(36), 1.5, 1e-12);
    for (int t = 18; t < 36; ++t)
        EXPECT_LT(temperatureActivity(t), temperatureActivity(t + 1)) << t;
    EXPECT_EQ(temperatureActivity(-40), temperatureActivity(18));
    EXPECT_EQ(temperatureActivity(90), temperatureActivity(36));
    EXPECT_EQ(waterTemperature(u"hot"), 28);
    EXPECT_EQ(waterTemperature(u" 31 "), 31);

    for (int species = 0; species < 6; ++species)
        EXPECT_EQ(temperatureFeel(species, 28), TemperatureFeel::Comfortable) << species;
    EXPECT_EQ(temperatureFeel(0, 23), TemperatureFeel::TooCold);
    EXPECT_EQ(temperatureFeel(0, 30), TemperatureFeel::Comfortable);
    EXPECT_EQ(temperatureFeel(2, 29), TemperatureFeel::TooWarm);
    EXPECT_EQ(temperatureFeel(2, 20), TemperatureFeel::Comfortable);
}

} // namespace
} // namespace fw::test
