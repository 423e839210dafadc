#pragma once
// A plain top-level test window in pixels, shown; destroyed with the holder.
#include <windows.h>

#include <memory>
#include <string>

#include "framework/window/window.h"
#include "tests/support/layers.h"

namespace pixa::test {

class ShownWindow {
public:
    explicit ShownWindow(const std::string& title, std::shared_ptr<WindowMenu> menu = {})
        : window_(TWindow::New({.nTop = 50, .nLeft = 50, .nBottom = 300, .nRight = 450, .cTitle = title,
                                .oMenu = std::move(menu), .lPixel = true})) {
        ShowWindow(window_->hWnd, SW_SHOW);
        SetForegroundWindow(window_->hWnd);
    }
    ~ShownWindow() {
        if (window_->hWnd) DestroyWindow(window_->hWnd);
    }
    ShownWindow(const ShownWindow&) = delete;
    ShownWindow& operator=(const ShownWindow&) = delete;

    const std::shared_ptr<TWindow>& operator->() const { return window_; }
    const std::shared_ptr<TWindow>& get() const { return window_; }

private:
    std::shared_ptr<TWindow> window_;
};

// The platform's drop-down window while a menu is open.
inline bool MenuIsOpen() {
    HWND menu = FindWindowA("#32768", nullptr);
    return menu && IsWindowVisible(menu);
}

// Opens the menu-bar entry with this hot key, as Alt+letter does.
inline void OpenMenuBarEntry(HWND window, char letter) { PostMessageA(window, WM_SYSCOMMAND, SC_KEYMENU, letter); }

}  // namespace pixa::test
