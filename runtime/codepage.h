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

}  // namespace pixa
