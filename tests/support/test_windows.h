#pragma once
// Test windows that go with their holder: a guard that destroys a window when it
// goes, and a modeless test dialog built on it.
#include <windows.h>

#include <memory>
#include <utility>

#include "framework/window/dialog.h"
#include "tests/support/layers.h"

namespace pixa::test {

// Destroys a window when the guard goes, unless it is gone already: a framework
// object's (whatever window it has by then) or a native one. Move-only; an empty
// guard (or one moved from) does nothing.
class WindowGuard {
public:
    WindowGuard() = default;
    explicit WindowGuard(std::shared_ptr<TWindow> window) : window_(std::move(window)) {}
    explicit WindowGuard(HWND native) : native_(native) {}
    ~WindowGuard() { Close(); }
    WindowGuard(WindowGuard&& other) noexcept
        : window_(std::move(other.window_)), native_(std::exchange(other.native_, nullptr)) {}
    WindowGuard& operator=(WindowGuard&& other) noexcept;
    WindowGuard(const WindowGuard&) = delete;
    WindowGuard& operator=(const WindowGuard&) = delete;

    // Destroys the window now.
    void Close();

private:
    std::shared_ptr<TWindow> window_;
    HWND native_ = nullptr;
};

// A modeless test dialog in pixel coordinates; closed when the object goes away.
class TestDialog {
public:
    explicit TestDialog(int width = 480, int height = 320, std::shared_ptr<TFont> font = {});
    ~TestDialog();
    TestDialog(const TestDialog&) = delete;
    TestDialog& operator=(const TestDialog&) = delete;

    // The dialog object; controls built with it as parent become template items.
    const std::shared_ptr<TDialog>& operator->() const { return dialog_; }
    const std::shared_ptr<TDialog>& get() const { return dialog_; }
    // Creates and shows the dialog with its controls.
    void Show(Action bInit = {});

private:
    std::shared_ptr<TDialog> dialog_;
    WindowGuard closing_;
};

}  // namespace pixa::test
