#pragma once
// Conversion between the OEM code page 850 (some literal texts are kept in it)
// and Windows-1252, by our own table: the machine's OEM page may differ (437).
#include <string>
#include <string_view>

namespace pixa {

// Code page 850 text as Windows-1252; characters without a counterpart
// (line drawing, shades) become the closest plain character.
std::string Cp850ToAnsi(std::string_view oem);
// Windows-1252 text as code page 850; characters without a counterpart become '?'.
std::string AnsiToCp850(std::string_view ansi);
// The Unicode code point of a Windows-1252 character (the five unassigned bytes
// keep their own value, as the platform converts them).
char32_t AnsiToCodePoint(unsigned char c);
// Windows-1252 text as UTF-8.
std::string AnsiToUtf8(std::string_view ansi);

}  // namespace pixa
