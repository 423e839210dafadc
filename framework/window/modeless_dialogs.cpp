#include "framework/window/modeless_dialogs.h"

#include <algorithm>
#include <array>

namespace pixa::window {

namespace {
struct ModelessTable {
    std::array<HWND, ModelessDialogs::kCapacity> entries{};
    HWND last = nullptr;  // the dialog that last accepted a message is asked first
};
ModelessTable& Table() {
    static ModelessTable table;
    return table;
}
}  // namespace

bool ModelessDialogs::Add(HWND hDlg) {
    auto& table = Table().entries;
    auto free = std::find(table.begin(), table.end(), nullptr);
    if (free == table.end()) return false;
    *free = hDlg;
    return true;
}

void ModelessDialogs::Remove(HWND hDlg) {
    auto& table = Table().entries;
    std::replace(table.begin(), table.end(), hDlg, static_cast<HWND>(nullptr));
    if (Table().last == hDlg) Table().last = nullptr;
}

bool ModelessDialogs::Full() {
    auto& table = Table().entries;
    return std::find(table.begin(), table.end(), nullptr) == table.end();
}

bool ModelessDialogs::Route(MSG& msg) {
    ModelessTable& s = Table();
    if (s.last && IsWindow(s.last) && IsDialogMessageA(s.last, &msg)) return true;
    for (HWND dialog : s.entries) {
        if (dialog && dialog != s.last && IsWindow(dialog) && IsDialogMessageA(dialog, &msg)) {
            s.last = dialog;
            return true;
        }
    }
    return false;
}

}  // namespace pixa::window
