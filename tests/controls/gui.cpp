#include "tests/controls/gui.h"

#include "framework/window/modeless_dialogs.h"
#include "tests/support/layers.h"

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

namespace {
void SetModifiers(bool shift, bool control) {
    BYTE state[256];
    GetKeyboardState(state);
    for (BYTE key : {VK_SHIFT, VK_LSHIFT}) state[key] = shift ? 0x80 : 0;
    for (BYTE key : {VK_CONTROL, VK_LCONTROL}) state[key] = control ? 0x80 : 0;
    SetKeyboardState(state);
}
}  // namespace

void Press(WORD key, bool shift, bool control) {
    LPARAM scan = static_cast<LPARAM>(MapVirtualKeyA(key, 0)) << 16;
    SetModifiers(shift, control);
    PostMessageA(GetFocus(), WM_KEYDOWN, key, 1 | scan);
    Pump();
    SetModifiers(false, false);
    PostMessageA(GetFocus(), WM_KEYUP, key, 1 | scan | (LPARAM(3) << 30));
    Pump();
}

void Type(const std::string& text) {
    for (char c : text) {
        PostMessageA(GetFocus(), WM_CHAR, static_cast<unsigned char>(c), 1);
        Pump();
    }
}

void PressAlt(char letter) {
    PostMessageA(GetFocus(), WM_SYSCHAR, static_cast<unsigned char>(letter), 1 | (1u << 29));
    Pump();
}

void ClickButton(HWND hWnd) {
    SendMessageA(hWnd, BM_CLICK, 0, 0);
    Pump();
}

}  // namespace pixa::test
