#pragma once
// A calendar date as a day number; day 0 is the empty date.
#include <cstdint>
#include <string>
#include <string_view>

namespace pixa {

// A date broken into its parts; all zero for the empty date.
struct Ymd {
    int year = 0;   // 1 to 9999
    int month = 0;  // 1 to 12
    int day = 0;    // 1 to 31
    bool operator==(const Ymd&) const = default;
};

struct Date {
    // Days since 1 January 4713 BC (Julian day number); 0 means empty.
    std::int32_t julian = 0;

    bool IsEmpty() const { return julian == 0; }
    bool operator==(const Date&) const = default;
    auto operator<=>(const Date&) const = default;

    // The date of a Gregorian year, month and day; empty when there is no such day
    // or the year lies outside 1 to 9999.
    static Date FromYmd(int year, int month, int day);
    // Today's date in local time.
    static Date Today();
    // Year, month and day of this date; all zero when empty.
    Ymd ToYmd() const;
};

// The date in the program's date format: "dd.mm.yy", or "dd.mm.yyyy" when the
// century is shown; an empty date as blanks of the same shape ("  .  .  ").
std::string DateText(Date date);
// Reads a date written in the program's date format (day, month, year separated
// by any non-digits). A two-digit year means 1950 to 2049. Text without digits
// (blanks) gives the empty date; text that names no valid day also gives the
// empty date and sets *valid to false when given.
Date DateFromText(std::string_view text, bool* valid = nullptr);

}  // namespace pixa
