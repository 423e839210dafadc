#pragma once
// Value bindings of controls to the program-wide values: called without an
// argument they yield the value, with one they store it. The values live for the
// whole run, so the bindings may outlive any dialog.
#include <string>

#include "runtime/value.h"
#include "app/shell/namespace.h"

namespace pixa::shell {

Action BindText(std::string& value);
Action BindLogical(bool& value);
Action BindNumber(long& value);

}  // namespace pixa::shell
