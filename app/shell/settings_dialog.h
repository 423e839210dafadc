#pragma once
// The settings dialog "Pixaport - Einstellungen": the transfer defaults, edited in
// the program-wide values and written to the configuration file on "&Speichern".
#include <memory>
#include <string>

#include "app/shell/namespace.h"

namespace pixa::window {
class TWindow;
}

namespace pixa::shell {

// Shows the settings dialog modally with the given owner. Always true.
bool Setup(const std::shared_ptr<TWindow>& oWnd);

// A folder as it is saved: empty when it holds only blanks, else without trailing
// blanks and with exactly one final backslash.
std::string SavedFolder(const std::string& folder);

// Tidies the folders and the file type ("JPG" for blanks only) and writes the
// seven settings into section "Data".
void SaveSettings();

}  // namespace pixa::shell
