#pragma once
// The registry of live window objects: numbered slots (0 = free, reused lowest
// first) and the handle -> object map through which the framework's window and
// dialog procedures find the object of a native window. While an object sits in
// the registry it is kept alive by it, even when the application has let go.
#include <windows.h>

#include <memory>
#include <unordered_map>
#include <vector>

namespace pixa::window {

class TWindow;

class WindowRegistry {
public:
    // The one registry of the program.
    static WindowRegistry& Instance();
    // Puts the window (hWnd set) into the lowest free slot, or appends it; yields the 1-based slot.
    int Add(const std::shared_ptr<TWindow>& window);
    // Frees the window's slot and forgets its handle.
    void Remove(TWindow& window);
    // The object linked to a native window, or null.
    std::shared_ptr<TWindow> Find(HWND hWnd) const;
    // The object in a 1-based slot, or null when the slot is free.
    std::shared_ptr<TWindow> AtSlot(int slot) const;
    // Number of slots, free or used.
    int SlotCount() const { return static_cast<int>(slots_.size()); }

private:
    std::vector<std::shared_ptr<TWindow>> slots_;
    std::unordered_map<HWND, int> byHandle_;
};

// The linked object whose hWnd is this handle, or null.
std::shared_ptr<TWindow> oWndFromHwnd(HWND hWnd);

}  // namespace pixa::window
