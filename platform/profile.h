#pragma once
// Names differ from the Win32 ones, which windows.h defines as macros.
// Reading and writing one key of an INI file through the platform's private-profile API.
#include <string>

namespace pixa::platform {

// The longest value a read returns; longer values are cut to this many characters.
inline constexpr std::size_t kProfileValueMax = 1022;

// The value of a key, or `fallback` when the file, section or key is missing.
// A key present with an empty value reads as empty text.
std::string ReadIniValue(const std::string& file, const std::string& section, const std::string& key,
                              const std::string& fallback);

// Writes one key, creating the file and the section as needed; false when the write failed.
bool WriteIniValue(const std::string& file, const std::string& section, const std::string& key,
                        const std::string& value);

}  // namespace pixa::platform
