#include "runtime/date.h"

#include <cstdio>
#include <ctime>
#include <vector>

#include "runtime/ansi_chars.h"
#include "runtime/settings.h"

namespace pixa {

namespace {

bool IsLeapYear(int year) { return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0; }

int DaysInMonth(int year, int month) {
    static constexpr int kDays[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return month == 2 && IsLeapYear(year) ? 29 : kDays[month - 1];
}

// Two-digit years are read as 1950 to 2049.
int FullYear(int year, std::size_t digits) {
    if (digits > 2) return year;
    return year < 50 ? 2000 + year : 1900 + year;
}

}  // namespace

Date Date::FromYmd(int year, int month, int day) {
    if (year < 1 || year > 9999 || month < 1 || month > 12 || day < 1 || day > DaysInMonth(year, month))
        return Date{};
    // Fliegel and Van Flandern's day number of the Gregorian calendar.
    const std::int64_t y = year, m = month, d = day;
    const std::int64_t a = (m - 14) / 12;
    const std::int64_t jdn = (1461 * (y + 4800 + a)) / 4 + (367 * (m - 2 - 12 * a)) / 12 -
                             (3 * ((y + 4900 + a) / 100)) / 4 + d - 32075;
    return Date{static_cast<std::int32_t>(jdn)};
}

Ymd Date::ToYmd() const {
    if (IsEmpty()) return Ymd{};
    std::int64_t l = static_cast<std::int64_t>(julian) + 68569;
    const std::int64_t n = 4 * l / 146097;
    l -= (146097 * n + 3) / 4;
    const std::int64_t i = 4000 * (l + 1) / 1461001;
    l = l - 1461 * i / 4 + 31;
    const std::int64_t j = 80 * l / 2447;
    const std::int64_t day = l - 2447 * j / 80;
    l = j / 11;
    const std::int64_t month = j + 2 - 12 * l;
    const std::int64_t year = 100 * (n - 49) + i + l;
    return Ymd{static_cast<int>(year), static_cast<int>(month), static_cast<int>(day)};
}

Date Date::Today() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
#ifdef _WIN32
    localtime_s(&local, &now);
#else
    localtime_r(&now, &local);
#endif
    return FromYmd(local.tm_year + 1900, local.tm_mon + 1, local.tm_mday);
}

std::string DateText(Date date) {
    const bool century = Settings().century;
    if (date.IsEmpty()) return century ? "  .  .    " : "  .  .  ";
    const Ymd ymd = date.ToYmd();
    char text[16];
    if (century)
        std::snprintf(text, sizeof text, "%02d.%02d.%04d", ymd.day, ymd.month, ymd.year);
    else
        std::snprintf(text, sizeof text, "%02d.%02d.%02d", ymd.day, ymd.month, ymd.year % 100);
    return text;
}

Date DateFromText(std::string_view text, bool* valid) {
    struct Group {
        int value = 0;
        std::size_t digits = 0;
    };
    std::vector<Group> groups;
    bool inGroup = false;
    for (char c : text) {
        if (!AnsiIsDigit(c)) {
            inGroup = false;
            continue;
        }
        if (!inGroup) groups.push_back({});
        inGroup = true;
        Group& g = groups.back();
        if (g.digits < 5) g.value = g.value * 10 + (c - '0');
        ++g.digits;
    }
    if (valid) *valid = groups.empty();
    if (groups.size() != 3) return Date{};
    const Date date = Date::FromYmd(FullYear(groups[2].value, groups[2].digits), groups[1].value, groups[0].value);
    if (valid) *valid = !date.IsEmpty();
    return date;
}

}  // namespace pixa
