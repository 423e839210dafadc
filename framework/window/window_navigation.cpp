// TWindow: child controls, enabling conditions and moving the focus between them.
#include "framework/window/control.h"
#include "framework/window/tooltip.h"
#include "framework/window/window.h"

namespace pixa::window {

namespace {
bool IsRadio(HWND h) {
    DWORD kind = GetWindowLongA(h, GWL_STYLE) & 0x0F;
    return UpperClassName(h) == "BUTTON" && (kind == BS_RADIOBUTTON || kind == BS_AUTORADIOBUTTON);
}

bool IsActiveTabStop(const TControl& c) {
    if (!c.hWnd || !IsWindowEnabled(c.hWnd)) return false;
    // In a group of radio buttons only the checked one is a stop (the platform's tab order).
    if (IsRadio(c.hWnd)) return SendMessageA(c.hWnd, BM_GETCHECK, 0, 0) == BST_CHECKED;
    return GetWindowLongA(c.hWnd, GWL_STYLE) & WS_TABSTOP;
}

// Moves the focus to the next or previous tab stop from a child, in the platform's tab order.
void GoCtrl(TWindow& w, HWND from, bool previous) {
    if (!w.hWnd) return;
    // Only from inside this window: a top-level dialog's owner (disabled while a modal
    // dialog runs) is asked with the dialog as "child", and the focus must not go there.
    if (from && !IsChild(w.hWnd, from)) return;
    HWND to = GetNextDlgTabItem(w.hWnd, from, previous);
    if (to == from) {
        // The only tab stop here (an edit field alone in a frame): look one level up.
        if (auto parent = w.Parent()) {
            previous ? parent->GoPrevCtrl(w.hWnd) : parent->GoNextCtrl(w.hWnd);
            return;
        }
    }
    if (!to) return;
    w.hCtlFocus = to;
    SetFocus(to);
}
}  // namespace

void TWindow::AddControl(const std::shared_ptr<TControl>& control) {
    aControls.push_back(control);
    lValidating = false;
}

void TWindow::AEvalWhen() {
    // A copy: an enabling condition may add or end controls.
    auto controls = aControls;
    for (auto& control : controls) {
        if (!control->bWhen) continue;
        if (control->lWhen())
            control->Enable();
        else
            control->Disable();
    }
}

void TWindow::GoNextCtrl(HWND hCtl) { GoCtrl(*this, hCtl, false); }

void TWindow::GoPrevCtrl(HWND hCtl) { GoCtrl(*this, hCtl, true); }

bool TWindow::TabToSibling(int nKey) {
    auto parent = Parent();
    if (nKey != VK_TAB || !parent) return false;
    if (GetKeyState(VK_SHIFT) & 0x8000)
        parent->GoPrevCtrl(hWnd);
    else
        parent->GoNextCtrl(hWnd);
    return true;
}

std::shared_ptr<TControl> TWindow::ControlById(int id) const {
    for (auto& control : aControls)
        if (control->nId == id) return control;
    return nullptr;
}

std::shared_ptr<TControl> TWindow::FirstActiveCtrl() const {
    for (auto& control : aControls)
        if (IsActiveTabStop(*control)) return control;
    return aControls.empty() ? nullptr : aControls.front();
}

std::shared_ptr<TControl> TWindow::LastActiveCtrl() const {
    for (auto it = aControls.rbegin(); it != aControls.rend(); ++it)
        if (IsActiveTabStop(**it)) return *it;
    return aControls.empty() ? nullptr : aControls.front();
}

void TWindow::CheckToolTip() { ToolTips::Instance().Check(*this); }

void TWindow::ShowToolTip(std::optional<int> nRow, std::optional<int> nCol, Value cText) {
    ToolTips::Instance().Show(*this, nRow.value_or(nHeight() + 7), nCol.value_or(7),
                              cText.IsAbsent() ? cToolTip : cText);
}

void TWindow::DestroyToolTip() { ToolTips::Instance().Forget(nullptr); }

}  // namespace pixa::window
