#pragma once
// A calendar date as a day number; day 0 is the empty date.
#include <cstdint>

namespace pixa {

struct Date {
    // Days since 1 January 4713 BC (Julian day number); 0 means empty.
    std::int32_t julian = 0;

    bool IsEmpty() const { return julian == 0; }
    bool operator==(const Date&) const = default;
    auto operator<=>(const Date&) const = default;
};

}  // namespace pixa
