#pragma once
// The kit uses the framework's names unqualified.
namespace pixa::window {}
namespace pixa::controls {}
namespace pixa::services {}

namespace pixa::kit {
using namespace pixa::window;
using namespace pixa::controls;
using namespace pixa::services;
}  // namespace pixa::kit
