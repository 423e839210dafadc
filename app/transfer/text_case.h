#pragma once
// Upper and lower case of Windows-1252 texts, independent of the locale.
#include <string>
#include <string_view>

namespace pixa {

// The text with every Windows-1252 letter in upper case.
std::string UpperText(std::string_view text);
// The text with every Windows-1252 letter in lower case.
std::string LowerText(std::string_view text);
// The text without trailing blanks.
std::string TrimRight(std::string_view text);

}  // namespace pixa
