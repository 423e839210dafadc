#include "tests/transfer_ui/window_probe.h"
#include "tests/support/layers.h"

#include <vector>

namespace pixa::test {

namespace {
std::vector<HWND> Children(HWND parent) {
    std::vector<HWND> found;
    EnumChildWindows(
        parent,
        [](HWND w, LPARAM list) {
            reinterpret_cast<std::vector<HWND>*>(list)->push_back(w);
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&found));
    return found;
}

std::string RawText(HWND window) {
    char text[1024] = {};
    // WM_GETTEXT reaches controls of another process as well.
    SendMessageTimeoutA(window, WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text), SMTO_ABORTIFHUNG, 2000,
                        nullptr);
    return text;
}
}  // namespace

HWND FindTop(DWORD process, const std::string& caption, const std::string& childText) {
    struct Search {
        DWORD process;
        const std::string* caption;
        const std::string* childText;
        HWND found = nullptr;
    } search{process, &caption, &childText};
    EnumWindows(
        [](HWND w, LPARAM p) {
            auto* s = reinterpret_cast<Search*>(p);
            DWORD owner = 0;
            GetWindowThreadProcessId(w, &owner);
            if (owner != s->process || !IsWindowVisible(w) || RawText(w) != *s->caption) return TRUE;
            if (!s->childText->empty() && !ChildWithText(w, *s->childText)) return TRUE;
            s->found = w;
            return FALSE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.found;
}

HWND ChildWithText(HWND dialog, const std::string& text) {
    for (HWND child : Children(dialog))
        if (GetParent(child) == dialog && RawText(child) == text) return child;
    return nullptr;
}

RECT UnitsOf(HWND child, HWND dialog) {
    RECT rc;
    GetWindowRect(child, &rc);
    MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&rc), 2);
    return {rc.left / 2, rc.top / 2, (rc.right - rc.left) / 2, (rc.bottom - rc.top) / 2};
}

HWND ChildAt(HWND dialog, int row, int col) {
    for (HWND child : Children(dialog)) {
        if (GetParent(child) != dialog) continue;
        RECT units = UnitsOf(child, dialog);
        if (units.top == row && units.left == col) return child;
    }
    return nullptr;
}

std::string Trimmed(HWND window) {
    std::string text = RawText(window);
    auto first = text.find_first_not_of(' ');
    if (first == std::string::npos) return {};
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

std::string BoxText(HWND box) { return RawText(GetDlgItem(box, 0xFFFF)); }

void Press(HWND button) { PostMessageA(button, BM_CLICK, 0, 0); }

void Answer(HWND box, int id) { PostMessageA(box, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), 0); }

void ClickAt(HWND window, int x, int y, bool doubleClick) {
    LPARAM at = MAKELPARAM(x, y);
    PostMessageA(window, WM_MOUSEMOVE, 0, at);
    PostMessageA(window, WM_LBUTTONDOWN, MK_LBUTTON, at);
    PostMessageA(window, WM_LBUTTONUP, 0, at);
    if (!doubleClick) return;
    PostMessageA(window, WM_LBUTTONDBLCLK, MK_LBUTTON, at);
    PostMessageA(window, WM_LBUTTONUP, 0, at);
}

void RightClickAt(HWND window, int x, int y) {
    LPARAM at = MAKELPARAM(x, y);
    PostMessageA(window, WM_MOUSEMOVE, 0, at);
    PostMessageA(window, WM_RBUTTONDOWN, MK_RBUTTON, at);
    PostMessageA(window, WM_RBUTTONUP, 0, at);
}

}  // namespace pixa::test
