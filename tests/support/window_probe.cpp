// The support library is also built natively for the run-time tests; windows exist only
// in the Windows build.
#ifdef _WIN32
#include "tests/support/window_probe.h"

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
}  // namespace

std::string TextOf(HWND window) {
    // WM_GETTEXT reaches controls of another process as well (GetWindowText reads only captions there).
    DWORD_PTR length = 0;
    if (!SendMessageTimeoutA(window, WM_GETTEXTLENGTH, 0, 0, SMTO_ABORTIFHUNG, 2000, &length)) return {};
    std::string text(length + 1, '\0');
    DWORD_PTR copied = 0;
    if (!SendMessageTimeoutA(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()), SMTO_ABORTIFHUNG,
                             2000, &copied))
        return {};
    text.resize(copied);
    return text;
}

HWND FindDialog(const std::string& caption) {
    HWND found = FindWindowA("#32770", caption.c_str());
    DWORD process = 0;
    if (found) GetWindowThreadProcessId(found, &process);
    return process == GetCurrentProcessId() ? found : nullptr;
}

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
            if (owner != s->process || !IsWindowVisible(w) || TextOf(w) != *s->caption) return TRUE;
            if (!s->childText->empty() && !ChildWithText(w, *s->childText)) return TRUE;
            s->found = w;
            return FALSE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.found;
}

HWND ChildWithText(HWND dialog, const std::string& text) {
    for (HWND child : Children(dialog))
        if (GetParent(child) == dialog && TextOf(child) == text) return child;
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
    std::string text = TextOf(window);
    auto first = text.find_first_not_of(' ');
    if (first == std::string::npos) return {};
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

std::string BoxText(HWND box) { return TextOf(GetDlgItem(box, 0xFFFF)); }

HWND Item(HWND parent, int id) { return GetDlgItem(parent, id); }

RECT RectIn(HWND window, HWND relativeTo) {
    RECT rc;
    GetWindowRect(window, &rc);
    MapWindowPoints(nullptr, relativeTo, reinterpret_cast<POINT*>(&rc), 2);
    return rc;
}

POINT CenterOf(HWND window) {
    RECT rc;
    GetWindowRect(window, &rc);
    return {(rc.left + rc.right) / 2, (rc.top + rc.bottom) / 2};
}

}  // namespace pixa::test

#endif  // _WIN32
