#pragma once
// Tests and benchmarks reach every layer's names unqualified (also as pixa::Name),
// as the shell does.
#include "app/shell/namespace.h"

namespace pixa {
using namespace pixa::shell;
}  // namespace pixa
