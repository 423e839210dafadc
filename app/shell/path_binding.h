#pragma once
// The binding of an entry field to a folder value that may name a folder outside
// Windows-1252: the field shows the folder with "?" for what the code page lacks, and
// the exact value stays as long as the user leaves the shown text as it is.
#include <string>

#include "runtime/value.h"
#include "app/shell/namespace.h"

namespace pixa::shell {

Action BindPath(std::string& value);

}  // namespace pixa::shell
