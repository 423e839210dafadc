#pragma once
// Telling the user that the configuration file cannot be written, so that changed
// settings do not vanish silently at the next start.
#include <string>

#include "app/shell/namespace.h"

namespace pixa::shell {

// To be called right after a write of `file` failed: the first time in a run it
// shows which file could not be written and the platform's reason (its last
// error); later failures say nothing more.
void SettingsWriteFailed(const std::string& file);

}  // namespace pixa::shell
