#include "framework/window/hot_keys.h"

#include <map>

namespace pixa::window {

namespace {
std::map<int, Action>& Table() {
    static std::map<int, Action> table;
    return table;
}
}  // namespace

Action SetKey(int nKey, Action action) {
    Action previous = KeyAction(nKey);
    if (action)
        Table()[nKey] = std::move(action);
    else
        Table().erase(nKey);
    return previous;
}

Action KeyAction(int nKey) {
    auto it = Table().find(nKey);
    return it == Table().end() ? Action() : it->second;
}

}  // namespace pixa::window
