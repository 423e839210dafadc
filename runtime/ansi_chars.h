#pragma once
// Character classes and case of single Windows-1252 characters, independent
// of the C library's locale.

namespace pixa {

// True for '0' to '9'.
bool AnsiIsDigit(char c);
// True for the letters of Windows-1252 (A-Z, a-z and the accented letters).
bool AnsiIsAlpha(char c);
// The upper-case form of a Windows-1252 letter; any other character unchanged.
char AnsiUpper(char c);

}  // namespace pixa
