#pragma once
// The transfer uses the framework's names unqualified.
namespace pixa::window {}
namespace pixa::controls {}
namespace pixa::services {}

namespace pixa::transfer {
using namespace pixa::window;
using namespace pixa::controls;
using namespace pixa::services;
}  // namespace pixa::transfer
