#pragma once
// Character classes and case of Windows-1252 characters and texts, independent
// of the C library's locale.
#include <string>
#include <string_view>

namespace pixa {

// True for '0' to '9'.
bool AnsiIsDigit(char c);
// True for the letters of Windows-1252 (A-Z, a-z and the accented letters).
bool AnsiIsAlpha(char c);
// The upper-case form of a Windows-1252 letter; any other character unchanged.
char AnsiToUpper(char c);
// The lower-case form of a Windows-1252 letter; any other character unchanged.
char AnsiToLower(char c);
// The text with every Windows-1252 letter in upper case. (Names avoid AnsiUpper:
// <windows.h> defines AnsiUpper and AnsiLower as macros.)
std::string AnsiUpperText(std::string_view text);
// The text with every Windows-1252 letter in lower case.
std::string AnsiLowerText(std::string_view text);

}  // namespace pixa
