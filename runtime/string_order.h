#pragma once
// The program's string order: character codes compared as unsigned 8-bit
// values, a leading part before the longer string, no case folding, no locale.
#include <string>
#include <string_view>
#include <vector>

#include "runtime/value.h"

namespace pixa {

// True when a sorts before b in the string order.
bool StringLess(std::string_view a, std::string_view b);
// True when a sorts before b; strings in the string order, numbers, dates and
// logicals by value, and values of different types by type (absent, logical,
// number, date, string, then the rest).
bool ValueLess(const Value& a, const Value& b);

// Sorts the strings ascending in the string order (equal strings keep their order).
void ASort(std::vector<std::string>& strings);
// Sorts the array's elements ascending by ValueLess (equal elements keep their order).
void ASort(Array& values);
// Sorts the shared array of an array value in place and returns the same value;
// any other value is returned unchanged.
Value ASort(const Value& array);

}  // namespace pixa
