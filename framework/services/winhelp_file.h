#pragma once
// Reads the topic names of a WinHelp file: the viewer opens a topic by the hash of
// its name, looked up in the file's |CONTEXT tree.
#include <cstdint>
#include <string>

#include "framework/services/namespace.h"

namespace pixa::services {

// The viewer's hash of a topic name (letters without regard to case, digits, "."
// and "_"; other characters do not count).
std::int32_t WinHelpTopicHash(const std::string& name);

// True when the WinHelp file holds a topic of that name; false for a missing or
// unreadable file.
bool WinHelpFileHasTopic(const std::string& file, const std::string& name);

}  // namespace pixa::services
