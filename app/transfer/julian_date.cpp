#include "app/transfer/julian_date.h"

namespace pixa {

Date DateFromYmd(int year, int month, int day) {
    // Fliegel and Van Flandern's integer formula for the Julian day number.
    int a = (14 - month) / 12;
    int y = year + 4800 - a;
    int m = month + 12 * a - 3;
    return Date{day + (153 * m + 2) / 5 + 365 * y + y / 4 - y / 100 + y / 400 - 32045};
}

}  // namespace pixa
