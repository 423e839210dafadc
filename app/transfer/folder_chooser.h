#pragma once
// The platform's folder chooser.
#include <string>

#include "app/transfer/namespace.h"

namespace pixa::transfer {

// Lets the user choose a file-system folder under the given title, owned by the
// active window. Returns its full path (a trailing "\" only for a drive root), or
// an empty string when cancelled. The start folder is accepted and not used.
std::string cGetDir(const std::string& title, const std::string& startFolder = "");

}  // namespace pixa::transfer
