// The support library is also built natively for the run-time tests; windows exist only
// in the Windows build.
#ifdef _WIN32
#include "tests/support/input.h"

#include <utility>
#include <vector>

#include "framework/window/modeless_dialogs.h"
#include "tests/support/layers.h"

namespace pixa::test {

namespace {

// Modifier keys held for a posted key until the next tick has seen it processed.
bool& ModifiersHeld() {
    static bool held = false;
    return held;
}

// Button releases wait for the next tick, as with a real click: what the press
// posted (a deferred validation) is handled before the release arrives.
std::vector<std::pair<HWND, LPARAM>>& PendingReleases() {
    static std::vector<std::pair<HWND, LPARAM>> releases;
    return releases;
}

void SetKeyDown(BYTE* state, int vk, bool down) { state[vk] = down ? 0x80 : 0; }

void HoldModifiers(bool shift, bool control) {
    BYTE state[256];
    GetKeyboardState(state);
    SetKeyDown(state, VK_SHIFT, shift), SetKeyDown(state, VK_LSHIFT, shift);
    SetKeyDown(state, VK_CONTROL, control), SetKeyDown(state, VK_LCONTROL, control);
    SetKeyboardState(state);
    ModifiersHeld() = shift || control;
}

LPARAM KeyFlags(WORD vk, bool up) {
    LPARAM scan = static_cast<LPARAM>(MapVirtualKeyA(vk, MAPVK_VK_TO_VSC)) << 16;
    return 1 | scan | (up ? (LPARAM(1) << 30) | (LPARAM(1) << 31) : 0);
}

void PostButton(HWND window, UINT down, WPARAM held, UINT up, LPARAM at) {
    PostMessageA(window, down, held, at);
    PostMessageA(window, up, 0, at);
}

}  // namespace

void PressKey(WORD vk, bool shift, bool control) {
    HWND target = GetFocus();
    if (!target) return;
    HoldModifiers(shift, control);
    // TranslateMessage turns the key-down into WM_CHAR where the key has a character.
    PostMessageA(target, WM_KEYDOWN, vk, KeyFlags(vk, false));
    PostMessageA(target, WM_KEYUP, vk, KeyFlags(vk, true));
}

void TypeText(const std::string& text) {
    HWND target = GetFocus();
    if (!target) return;
    for (char c : text) PostMessageA(target, WM_CHAR, static_cast<unsigned char>(c), 1);
}

void MouseOver(HWND window, POINT client) {
    PostMessageA(window, WM_MOUSEMOVE, 0, MAKELPARAM(client.x, client.y));
}

void Click(HWND window) {
    RECT rc;
    GetClientRect(window, &rc);
    LPARAM at = MAKELPARAM(rc.right / 2, rc.bottom / 2);
    PostMessageA(window, WM_MOUSEMOVE, 0, at);
    PostMessageA(window, WM_LBUTTONDOWN, MK_LBUTTON, at);
    PendingReleases().push_back({window, at});
}

void ClickAt(HWND window, int x, int y, bool doubleClick) {
    LPARAM at = MAKELPARAM(x, y);
    PostMessageA(window, WM_MOUSEMOVE, 0, at);
    PostButton(window, WM_LBUTTONDOWN, MK_LBUTTON, WM_LBUTTONUP, at);
    if (doubleClick) PostButton(window, WM_LBUTTONDBLCLK, MK_LBUTTON, WM_LBUTTONUP, at);
}

void RightClickAt(HWND window, int x, int y) {
    LPARAM at = MAKELPARAM(x, y);
    PostMessageA(window, WM_MOUSEMOVE, 0, at);
    PostButton(window, WM_RBUTTONDOWN, MK_RBUTTON, WM_RBUTTONUP, at);
}

void Press(HWND button) { PostMessageA(button, BM_CLICK, 0, 0); }

void Answer(HWND box, int id) { PostMessageA(box, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), 0); }

void ReleaseHeldInput() {
    if (ModifiersHeld()) HoldModifiers(false, false);
    auto releases = std::move(PendingReleases());
    PendingReleases().clear();
    for (auto& [window, at] : releases)
        if (IsWindow(window)) PostMessageA(window, WM_LBUTTONUP, 0, at);
}

void Pump() {
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        if (ModelessDialogs::Route(msg)) continue;
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
}

void Press(WORD key, bool shift, bool control) {
    HoldModifiers(shift, control);
    PostMessageA(GetFocus(), WM_KEYDOWN, key, KeyFlags(key, false));
    Pump();
    HoldModifiers(false, false);
    PostMessageA(GetFocus(), WM_KEYUP, key, KeyFlags(key, true));
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

#endif  // _WIN32
