#include "framework/window/window_registry.h"

#include "framework/window/window.h"

namespace pixa::window {

WindowRegistry& WindowRegistry::Instance() {
    static WindowRegistry registry;
    return registry;
}

int WindowRegistry::Add(const std::shared_ptr<TWindow>& window) {
    int slot = 0;
    for (std::size_t i = 0; i < slots_.size(); ++i) {
        if (!slots_[i]) {
            slot = static_cast<int>(i) + 1;
            slots_[i] = window;
            break;
        }
    }
    if (!slot) {
        slots_.push_back(window);
        slot = static_cast<int>(slots_.size());
    }
    window->nSlot_ = slot;
    byHandle_[window->hWnd] = slot;
    return slot;
}

void WindowRegistry::Remove(TWindow& window) {
    int slot = window.nSlot_;
    if (slot < 1 || slot > SlotCount()) return;
    for (auto it = byHandle_.begin(); it != byHandle_.end();) {
        it = it->second == slot ? byHandle_.erase(it) : std::next(it);
    }
    window.nSlot_ = 0;
    // Moved out first: dropping the last reference may run the destructor, which must
    // not find itself half-removed from the registry.
    auto keep = std::move(slots_[slot - 1]);
    slots_[slot - 1] = nullptr;
}

std::shared_ptr<TWindow> WindowRegistry::Find(HWND hWnd) const {
    auto it = byHandle_.find(hWnd);
    return it == byHandle_.end() ? nullptr : slots_[it->second - 1];
}

std::shared_ptr<TWindow> WindowRegistry::AtSlot(int slot) const {
    return slot >= 1 && slot <= SlotCount() ? slots_[slot - 1] : nullptr;
}

std::shared_ptr<TWindow> oWndFromHwnd(HWND hWnd) { return hWnd ? WindowRegistry::Instance().Find(hWnd) : nullptr; }

}  // namespace pixa::window
