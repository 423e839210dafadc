#pragma once
// The shell uses the framework's and the transfer's names unqualified.
namespace pixa::window {}
namespace pixa::controls {}
namespace pixa::services {}
namespace pixa::transfer {}

namespace pixa::shell {
using namespace pixa::window;
using namespace pixa::controls;
using namespace pixa::services;
using namespace pixa::transfer;
}  // namespace pixa::shell
