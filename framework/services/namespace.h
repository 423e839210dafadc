#pragma once
// The services are built on the window core and the controls and use their names unqualified.
namespace pixa::window {}
namespace pixa::controls {}

namespace pixa::services {
using namespace pixa::window;
using namespace pixa::controls;
}  // namespace pixa::services
