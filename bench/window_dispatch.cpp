// Prints the cost of one message through the framework's dispatch (window procedure,
// handle lookup, HandleEvent, default processing) against a window with the
// platform's default procedure only.
#include <windows.h>

#include <chrono>
#include <cstdio>

#include "framework/window/window.h"
#include "tests/support/layers.h"

namespace {
double NanosecondsPerMessage(HWND window, UINT message, int count) {
    auto start = std::chrono::steady_clock::now();
    for (int i = 0; i < count; ++i) SendMessageA(window, message, 0, 0);
    std::chrono::duration<double, std::nano> spent = std::chrono::steady_clock::now() - start;
    return spent.count() / count;
}
}  // namespace

int main() {
    constexpr int kCount = 200000;
    auto framework = pixa::TWindow::New({.nTop = 0, .nLeft = 0, .nBottom = 100, .nRight = 100, .lPixel = true});
    HWND plain = CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 100, 100, nullptr, nullptr, nullptr, nullptr);
    // WM_NULL: not in the dispatch table (default processing); WM_COMMAND: decoded, handled.
    std::printf("plain window, WM_NULL:          %7.0f ns/message\n", NanosecondsPerMessage(plain, WM_NULL, kCount));
    std::printf("framework window, WM_NULL:      %7.0f ns/message\n",
                NanosecondsPerMessage(framework->hWnd, WM_NULL, kCount));
    std::printf("framework window, WM_COMMAND:   %7.0f ns/message\n",
                NanosecondsPerMessage(framework->hWnd, WM_COMMAND, kCount));
    DestroyWindow(plain);
    DestroyWindow(framework->hWnd);
    return 0;
}
