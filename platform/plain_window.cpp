#include "platform/plain_window.h"

#include <windows.h>

namespace pixa::platform {

namespace {

constexpr const char* kClassName = "PixaPlainWindow";

LRESULT CALLBACK PlainWindowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_DESTROY) {
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcA(hwnd, msg, wParam, lParam);
}

// Owns the background brush for the window's lifetime.
class BrushHandle {
public:
    explicit BrushHandle(COLORREF colour) : brush_(CreateSolidBrush(colour)) {}
    ~BrushHandle() { DeleteObject(brush_); }
    BrushHandle(const BrushHandle&) = delete;
    BrushHandle& operator=(const BrushHandle&) = delete;
    HBRUSH get() const { return brush_; }

private:
    HBRUSH brush_;
};

}  // namespace

bool RunPlainWindow(const PlainWindowParams& params) {
    HINSTANCE instance = GetModuleHandleA(nullptr);
    BrushHandle brush(static_cast<COLORREF>(params.background));
    HICON icon = params.iconResource.empty() ? nullptr : LoadIconA(instance, params.iconResource.c_str());

    WNDCLASSA wc{};
    wc.lpfnWndProc = PlainWindowProc;
    wc.hInstance = instance;
    wc.hIcon = icon ? icon : LoadIconA(nullptr, reinterpret_cast<LPCSTR>(IDI_APPLICATION));
    wc.hCursor = LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW));
    wc.hbrBackground = brush.get();
    wc.lpszClassName = kClassName;
    RegisterClassA(&wc);

    HWND hwnd = CreateWindowExA(0, kClassName, params.title.c_str(), params.style, params.left, params.top,
                                params.right - params.left + 1, params.bottom - params.top + 1, nullptr, nullptr,
                                instance, nullptr);
    if (!hwnd) {
        UnregisterClassA(kClassName, instance);
        return false;
    }
    ShowWindow(hwnd, SW_SHOWNORMAL);
    UpdateWindow(hwnd);

    MSG msg;
    while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
    UnregisterClassA(kClassName, instance);
    return true;
}

}  // namespace pixa::platform
