#pragma once
// Work that must still be done when the program ends at once, without its normal
// shutdown (Quit in the error dialog, the fallback handler): a half-written file on
// a card must not outlive the program.
#include <functional>
#include <list>

#include "framework/services/namespace.h"

namespace pixa::services {

// Registers an action for a hard end while the object lives.
class HardExitHook {
public:
    explicit HardExitHook(std::function<void()> action);
    ~HardExitHook();
    HardExitHook(const HardExitHook&) = delete;
    HardExitHook& operator=(const HardExitHook&) = delete;

private:
    std::list<std::function<void()>>::iterator entry_;
};

// Runs the registered actions, the latest first, each at most once.
void RunHardExitHooks();

}  // namespace pixa::services
