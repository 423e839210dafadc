#pragma once
// Formatting of values by picture strings (see runtime/picture.h).
#include <string>
#include <string_view>

#include "runtime/value.h"

namespace pixa {

// The value formatted with the picture:
// - a number with a template: right-aligned in the template's width, rounded
//   (half away from zero) to the template's decimals, thousands separators only
//   between digits, a minus sign before the first digit, the whole field '*'
//   when the number does not fit; "@E" swaps '.' and ',' (1.234.567,89);
//   "@Z" gives blanks for zero. Without a template: the trimmed number text.
// - a text with a template: the value's characters in the value positions (!
//   upper-cased), literals in between, blanks after the value's end; without a
//   template the text itself. "@!" upper-cases every character.
// - a date: the date text; a logical: "T" or "F"; anything else: its value text.
std::string Transform(const Value& value, std::string_view picture);

// A number laid out in a number template as Transform does it.
std::string FormatNumber(const Value& number, std::string_view mask, bool european);
// A text laid out in a text template as Transform does it.
std::string FormatText(std::string_view text, std::string_view mask, bool upperAll);

}  // namespace pixa
