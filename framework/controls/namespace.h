#pragma once
// The controls are built on the window core and use its names unqualified.
namespace pixa::window {}

namespace pixa::controls {
using namespace pixa::window;
}  // namespace pixa::controls
