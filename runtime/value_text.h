#pragma once
// Values as text: the plain value text, the detailed text of the error report
// and the text a message box shows for a non-text argument.
#include <cstdint>
#include <string>
#include <string_view>

#include "runtime/value.h"

namespace pixa {

// An integer as plain decimal text ("-42").
std::string NumberText(std::int64_t n);
// A floating number as the shortest decimal text that reads back as the same
// number, without exponent and without trailing zeros ("2.5", "0.1", "3");
// magnitudes from 1e17 up and below 1e-6 use exponent notation ("1e+20").
std::string NumberText(double d);
// A number value trimmed: integers as integers, floating numbers as above.
std::string NumberText(const Value& number);

// Text right-aligned in a field of the given width; longer text is kept whole.
std::string PadLeft(std::string_view text, std::size_t width);
// A number trimmed and right-aligned in the given width (10 when none is stated).
std::string Str(const Value& number, std::size_t width = 10);
// Text left-aligned in a field of the given width; longer text is kept whole.
std::string PadRight(std::string_view text, std::size_t width);
// The text without trailing blanks.
std::string TrimRight(std::string_view text);

// The value text: text unchanged, a date in the date format, a logical as ".t."
// or ".f.", a number trimmed, an action as "{|| ... }", an array as "{ ... }",
// an object as "Object", absent as empty text.
std::string cValToChar(const Value& value);
// The detailed value text: text in double quotes, an object as "Class: " and its
// class name, an array as "Len: " and its length in width 4, else the value text.
std::string cGetInfo(const Value& value);
// The text a message box shows for its argument: text unchanged, absent as "nil",
// a number as its whole part (towards zero), a date, logical or anything else as
// its value text.
std::string MsgValueText(const Value& value);

}  // namespace pixa
