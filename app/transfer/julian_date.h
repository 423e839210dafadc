#pragma once
// Conversion of calendar dates to the run-time's day numbers.
#include "runtime/date.h"

namespace pixa {

// The date of the given Gregorian year, month (1-12) and day.
Date DateFromYmd(int year, int month, int day);

}  // namespace pixa
