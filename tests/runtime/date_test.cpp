#include "runtime/date.h"

#include <gtest/gtest.h>

#include "tests/runtime/settings_guard.h"

using pixa::Date;
using pixa::Ymd;

TEST(Date, DayNumbersOfKnownDays) {
    EXPECT_EQ(Date::FromYmd(2000, 1, 1).julian, 2451545);
    EXPECT_EQ(Date::FromYmd(1970, 1, 1).julian, 2440588);
    EXPECT_EQ(Date::FromYmd(1582, 10, 15).julian, 2299161);  // first Gregorian day
    EXPECT_EQ(Date::FromYmd(2000, 3, 1).julian - Date::FromYmd(2000, 2, 28).julian, 2);
    EXPECT_EQ(Date::FromYmd(1900, 3, 1).julian - Date::FromYmd(1900, 2, 28).julian, 1);
}

TEST(Date, EveryDayRoundTripsAndFollowsTheDayBefore) {
    Date previous = Date::FromYmd(1799, 12, 31);
    for (int year = 1800; year <= 2400; ++year) {
        for (int month = 1; month <= 12; ++month) {
            for (int day = 1; day <= 31; ++day) {
                const Date d = Date::FromYmd(year, month, day);
                if (d.IsEmpty()) continue;
                ASSERT_EQ(d.julian, previous.julian + 1) << year << "-" << month << "-" << day;
                ASSERT_EQ(d.ToYmd(), (Ymd{year, month, day}));
                previous = d;
            }
        }
    }
    EXPECT_EQ(previous, Date::FromYmd(2400, 12, 31));
    EXPECT_EQ(Date::FromYmd(1, 1, 1).ToYmd(), (Ymd{1, 1, 1}));
    EXPECT_EQ(Date::FromYmd(9999, 12, 31).ToYmd(), (Ymd{9999, 12, 31}));
}

TEST(Date, ImpossibleDaysAreEmpty) {
    EXPECT_TRUE(Date::FromYmd(1900, 2, 29).IsEmpty());
    EXPECT_FALSE(Date::FromYmd(2000, 2, 29).IsEmpty());
    EXPECT_FALSE(Date::FromYmd(2024, 2, 29).IsEmpty());
    EXPECT_TRUE(Date::FromYmd(2023, 2, 29).IsEmpty());
    EXPECT_TRUE(Date::FromYmd(2026, 4, 31).IsEmpty());
    EXPECT_TRUE(Date::FromYmd(2026, 13, 1).IsEmpty());
    EXPECT_TRUE(Date::FromYmd(2026, 0, 1).IsEmpty());
    EXPECT_TRUE(Date::FromYmd(2026, 1, 0).IsEmpty());
    EXPECT_TRUE(Date::FromYmd(0, 1, 1).IsEmpty());
    EXPECT_TRUE(Date::FromYmd(10000, 1, 1).IsEmpty());
    EXPECT_EQ(Date{}.ToYmd(), Ymd{});
}

TEST(Date, TodayIsAPlausibleDay) {
    const Ymd today = Date::Today().ToYmd();
    EXPECT_GE(today.year, 2024);
    EXPECT_LE(today.year, 2100);
}

TEST(Date, TextFollowsTheCenturySetting) {
    pixa::test::SettingsGuard guard;
    const Date d = Date::FromYmd(2026, 12, 8);
    pixa::Settings().century = false;
    EXPECT_EQ(pixa::DateText(d), "08.12.26");
    EXPECT_EQ(pixa::DateText(Date::FromYmd(1905, 3, 1)), "01.03.05");
    EXPECT_EQ(pixa::DateText(Date{}), "  .  .  ");
    pixa::Settings().century = true;
    EXPECT_EQ(pixa::DateText(d), "08.12.2026");
    EXPECT_EQ(pixa::DateText(Date::FromYmd(33, 7, 4)), "04.07.0033");
    EXPECT_EQ(pixa::DateText(Date{}), "  .  .    ");
}

TEST(Date, ReadingTextBack) {
    bool valid = false;
    EXPECT_EQ(pixa::DateFromText("08.12.26", &valid), Date::FromYmd(2026, 12, 8));
    EXPECT_TRUE(valid);
    EXPECT_EQ(pixa::DateFromText("31.12.49"), Date::FromYmd(2049, 12, 31));
    EXPECT_EQ(pixa::DateFromText("01.01.50"), Date::FromYmd(1950, 1, 1));
    EXPECT_EQ(pixa::DateFromText("01.01.1850"), Date::FromYmd(1850, 1, 1));
    EXPECT_EQ(pixa::DateFromText(" 1. 2.2026"), Date::FromYmd(2026, 2, 1));

    EXPECT_TRUE(pixa::DateFromText("  .  .  ", &valid).IsEmpty());
    EXPECT_TRUE(valid);
    EXPECT_TRUE(pixa::DateFromText("31.02.26", &valid).IsEmpty());
    EXPECT_FALSE(valid);
    EXPECT_TRUE(pixa::DateFromText("12.26", &valid).IsEmpty());
    EXPECT_FALSE(valid);
    EXPECT_TRUE(pixa::DateFromText("99999999999.1.2026", &valid).IsEmpty());
    EXPECT_FALSE(valid);
}
