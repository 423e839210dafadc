#pragma once
// Whether a copy's target folder can still be written to.
#include <string>

#include "app/transfer/namespace.h"

namespace pixa::transfer {

// True when folder ("" for the current one, else ending in "\" or ":") exists and a
// new file can be created in it. False for a card that was pulled, a drive letter that
// is gone, a write-protected or read-only medium. Leaves nothing behind.
bool TakesFiles(const std::string& folder);

}  // namespace pixa::transfer
