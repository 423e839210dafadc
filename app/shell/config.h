#pragma once
// The configuration file "PIXAPORT.INI" in the program folder: loading the
// program-wide values, the remembered window rectangle, and storing the folders.
#include <climits>
#include <string>

#include "app/shell/namespace.h"

namespace pixa::shell {

// Section and key names of the configuration file.
namespace ini {
inline constexpr const char* kFile = "PIXAPORT.INI";
inline constexpr const char* kProject = "Project";
inline constexpr const char* kData = "Data";
inline constexpr const char* kWindow = "Pixaport";
}  // namespace ini

// The copyright-holder line written at every start.
inline constexpr const char* kCopyright = "Copyright (c) 2026 Qor Software";

// Creates the program-wide values, reads the configuration and writes the
// identification keys ("Product", "Copyright", "MyPath"). Always true.
bool LoadPublics();

// Reads the remembered main-window rectangle (defaults 0, 0, 480, 640). Always true.
bool GetCoords(long& top, long& left, long& bottom, long& right);

// Writes the current source and target folders into section "Data". Always true.
bool CheckIni();

// Writes one key of the configuration file `cIniFile`; the first failed write of a
// run tells the user that the settings cannot be saved.
void WriteIni(const char* section, const char* key, const std::string& value);

// The largest card capacity in MB that the settings can hold, and the field's picture.
inline constexpr long kMaxSpeicher = 9'999'999;
inline constexpr const char* kSpeicherPicture = "9999999";

// Value rules of the file: a logical is true when its text begins with "1";
// a number is the text's leading number (0 when there is none), and the fallback
// when that number lies outside low..high, so that a value its field cannot hold
// never turns into another one; the file type is cut or padded with blanks to
// exactly 3 characters.
bool IniLogical(const std::string& text);
long IniNumber(const std::string& text, long fallback, long low = LONG_MIN, long high = LONG_MAX);
std::string IniExtension(const std::string& text);
// How logicals and numbers are written: "1"/"0" and plain decimal text.
std::string IniText(bool value);
std::string IniText(long value);

// Current drive letter, colon, backslash and current folder, without a trailing
// backslash unless the folder is a drive root.
std::string CurrentProgramPath();

}  // namespace pixa::shell
