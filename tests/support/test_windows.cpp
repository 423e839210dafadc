// The support library is also built natively for the run-time tests; windows exist only
// in the Windows build.
#ifdef _WIN32
#include "tests/support/test_windows.h"

#include "tests/support/input.h"

namespace pixa::test {

WindowGuard& WindowGuard::operator=(WindowGuard&& other) noexcept {
    if (this != &other) {
        Close();
        window_ = std::move(other.window_);
        native_ = std::exchange(other.native_, nullptr);
    }
    return *this;
}

void WindowGuard::Close() {
    HWND window = window_ ? window_->hWnd : native_;
    if (window && IsWindow(window)) DestroyWindow(window);
    window_.reset();
    native_ = nullptr;
}

TestDialog::TestDialog(int width, int height, std::shared_ptr<TFont> font)
    : dialog_(TDialog::New({.nTop = 20, .nLeft = 20, .cCaption = "Test", .lPixel = true, .oFont = font,
                            .nWidth = width, .nHeight = height})),
      closing_(dialog_) {}

TestDialog::~TestDialog() {
    closing_.Close();
    Pump();
}

void TestDialog::Show(Action bInit) {
    dialog_->Activate({.lModal = false, .bInit = bInit});
    SetForegroundWindow(dialog_->hWnd);
    Pump();
}

}  // namespace pixa::test

#endif  // _WIN32
