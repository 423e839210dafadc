#pragma once
// The record of graphic objects that could not be released: one line per
// failure appended to "resources.txt" in the current folder.
#include <string>

namespace pixa::window {

// Appends one line (the failure text and its details) to "resources.txt".
void LogResourceFailure(const std::string& text, const std::string& details);

}  // namespace pixa::window
