#pragma once
// Process-wide run-time settings, fixed at start-up and read wherever they matter.
#include <string>

namespace pixa {

struct RuntimeSettings {
    bool confirm = false;        // a field typed full beeps and keeps the focus instead of moving on
    bool century = false;        // dates shown as "dd.mm.yyyy" instead of "dd.mm.yy"
    bool deletedHidden = false;  // records marked deleted are skipped by every table read
    std::string helpFile;        // the program's help file, relative to the current folder
    bool insert = false;         // entry fields insert typed characters instead of overwriting (Insert toggles)
};

// The one instance of the settings.
RuntimeSettings& Settings();

}  // namespace pixa
