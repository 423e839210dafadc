#include "tests/controls/gui.h"

#include "framework/window/event_loop.h"

namespace pixa::test {

TestDialog::TestDialog(int width, int height, std::shared_ptr<TFont> font)
    : dialog_(TDialog::New({.nTop = 20, .nLeft = 20, .cCaption = "Test", .lPixel = true, .oFont = font,
                            .nWidth = width, .nHeight = height})) {}

TestDialog::~TestDialog() {
    if (dialog_->hWnd && IsWindow(dialog_->hWnd)) DestroyWindow(dialog_->hWnd);
    Pump();
}

void TestDialog::Show(Action bInit) {
    dialog_->Activate({.lModal = false, .bInit = bInit});
    SetForegroundWindow(dialog_->hWnd);
    Pump();
}

void Pump() {
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        if (ModelessDialogs::Route(msg)) continue;
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
}

void PressKey(WPARAM key) {
    HWND focus = GetFocus();
    UINT scan = MapVirtualKeyA(static_cast<UINT>(key), 0);
    PostMessageA(focus, WM_KEYDOWN, key, 1 | (scan << 16));
    Pump();
    PostMessageA(GetFocus(), WM_KEYUP, key, 1 | (scan << 16) | (3u << 30));
    Pump();
}

void TypeChar(char c) {
    PostMessageA(GetFocus(), WM_CHAR, static_cast<unsigned char>(c), 1);
    Pump();
}

void PressAlt(char letter) {
    PostMessageA(GetFocus(), WM_SYSCHAR, static_cast<unsigned char>(letter), 1 | (1u << 29));
    Pump();
}

std::string TextOf(HWND hWnd) {
    char text[512] = "";
    GetWindowTextA(hWnd, text, sizeof text);
    return text;
}

void ClickButton(HWND hWnd) {
    SendMessageA(hWnd, BM_CLICK, 0, 0);
    Pump();
}

}  // namespace pixa::test
