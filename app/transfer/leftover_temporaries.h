#pragma once
// Temporary files that an earlier run left on the card when it ended in the middle of
// a copy (a crash, the plug pulled, the process ended).
#include <string>

#include "app/transfer/namespace.h"

namespace pixa::transfer {

// Deletes the files in folder whose names are of the program's temporary pattern.
// A file that cannot be deleted (in use by a copy still running, read-only) stays.
void RemoveLeftoverTemporaries(const std::string& folder);

}  // namespace pixa::transfer
