#pragma once
// The error report's description of the open work tables: per area its number,
// alias, driver, position and flags; the program keeps no indexes or relations.
#include <string>
#include <vector>

#include "app/shell/namespace.h"

namespace pixa::shell {

std::vector<std::string> OpenTablesReport();

}  // namespace pixa::shell
