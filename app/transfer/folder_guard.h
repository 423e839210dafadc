#pragma once
// Whether one folder is another or lies in it, compared as the file system
// identifies folders so that no other spelling of a path slips through.
#include <string>

#include "app/transfer/namespace.h"

namespace pixa::transfer {

// True when folder is ancestor or lies below it. Where the identity of either cannot
// be read (a folder that is missing), their full, case-folded paths are compared instead.
// A blank ancestor holds nothing.
bool IsSameOrBelowFolder(const std::string& folder, const std::string& ancestor);

// True when both name the same folder, with the same fallback.
bool IsSameFolder(const std::string& one, const std::string& other);

}  // namespace pixa::transfer
