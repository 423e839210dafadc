#pragma once
// Paths that Windows-1252 cannot hold, carried in the program's 8-bit strings.
//
// Every text of the program is Windows-1252, and so is every path it keeps: in the
// program-wide values, the INI file, the work table's side list, the collection's lists.
// A character of a file-system name that Windows-1252 has no byte for (Cyrillic, Polish,
// Greek, Japanese, emoji), and any control character, is carried in place as an escape:
// the byte 0x01 followed by four hexadecimal digits of its UTF-16 code unit (two escapes
// for a character beyond the basic plane). No Windows name holds the byte 0x01, so the
// carried form names its file exactly, joins and splits at "\" like any path, and the
// byte-wise string order still sorts it (the escaped characters before every printable
// one, among themselves by code unit). Only the platform layer turns a carried path into
// the wide form that the file-system calls take (WidePath); what is shown on the screen,
// in the work table's fields and in the error log is ShownPath, with "?" for each
// character that Windows-1252 lacks.
#include <string>
#include <string_view>

namespace pixa::platform {

// The byte that starts an escaped character.
inline constexpr char kEscape = '\x01';

// The wide form of a carried path (or of any Windows-1252 text).
std::wstring WidePath(std::string_view carried);

// The carried form of a wide path: Windows-1252 where it can hold the character, escapes elsewhere.
std::string CarriedPath(std::wstring_view wide);

// The carried path as shown: each escaped character (a pair for one beyond the basic plane) as "?".
std::string ShownPath(std::string_view carried);

// Text passed through a wide call unchanged, such as an INI value: each byte as its
// Windows-1252 character, escapes left as they are (the marker becomes U+0001).
std::wstring WideText(std::string_view text);

// The inverse of WideText: control characters stay as they are (so an escape read back
// from a file is an escape again), characters Windows-1252 lacks are escaped.
std::string NarrowText(std::wstring_view wide);

// True when the carried path holds an escaped character.
bool HasEscapes(std::string_view carried);

}  // namespace pixa::platform
