#include "framework/services/hard_exit.h"
#include "framework/services/namespace.h"

#include <utility>

namespace pixa::services {

namespace {
std::list<std::function<void()>>& Hooks() {
    static std::list<std::function<void()>> hooks;
    return hooks;
}
}  // namespace

HardExitHook::HardExitHook(std::function<void()> action)
    : entry_(Hooks().insert(Hooks().end(), std::move(action))) {}

HardExitHook::~HardExitHook() { Hooks().erase(entry_); }

void RunHardExitHooks() {
    // An action is emptied before it runs, so an action that ends the program again
    // (an error inside it) does not run twice; the hook objects keep their entries.
    for (auto it = Hooks().rbegin(); it != Hooks().rend(); ++it)
        if (auto action = std::exchange(*it, {})) action();
}

}  // namespace pixa::services
