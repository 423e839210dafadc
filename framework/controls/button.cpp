#include "framework/controls/button.h"

#include <algorithm>

#include "framework/controls/control_setup.h"
#include "framework/window/brackets.h"
#include "framework/window/messages.h"
#include "framework/controls/namespace.h"

namespace pixa::controls {

ButtonLayout LayoutButton(const ButtonNew& a) {
    int width = a.nWidth.value_or(std::max(6 * static_cast<int>(a.cCaption.size()), 30));
    int top = a.lPixel ? a.nRow : a.nRow * 18;
    int left = a.lPixel ? a.nCol : a.nCol * 6;
    DWORD style = WS_CHILD | WS_VISIBLE | WS_TABSTOP;
    if (a.lDefault) style |= BS_DEFPUSHBUTTON;
    if (a.lDesign) style |= WS_CLIPSIBLINGS;
    return {top, left, top + a.nHeight, left + width, style};
}

std::shared_ptr<TButton> TButton::New(const ButtonNew& a) {
    auto button = std::make_shared<TButton>();
    auto parent = DefaultParent(a.oWnd);
    ButtonLayout layout = LayoutButton(a);
    button->nTop = layout.nTop;
    button->nLeft = layout.nLeft;
    button->nBottom = layout.nBottom;
    button->nRight = layout.nRight;
    button->nStyle = layout.nStyle;
    button->cCaption = a.cCaption;
    button->bAction = a.bAction;
    button->oFont = a.oFont;
    TakeCommonArgs(*button, a);
    TakeHelpArgs(*button, a);
    button->lDefault = a.lDefault;
    button->lCancel = a.lCancel;
    button->Attach(parent, "BUTTON");
    return button;
}

void TButton::Initiate(HWND hDlg) {
    TControl::Initiate(hDlg);
    if (!hWnd) return;
    lDefault = (GetWindowLongA(hWnd, GWL_STYLE) & 0x0F) == BS_DEFPUSHBUTTON;
    lProcessing = false;
    if (!cCaption.empty()) SetWindowTextA(hWnd, cCaption.c_str());
}

void TButton::SetButtonStyle(bool asDefault) {
    if (hWnd) SendMessageA(hWnd, BM_SETSTYLE, asDefault ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON, TRUE);
}

MsgResult TButton::Click() {
    if (lProcessing) return std::nullopt;  // the previous click's action is still running
    auto self = shared_from_this();   // the action may end the dialog and drop the last reference
    FlagScope processing(lProcessing);
    if (bAction) bAction();
    TControl::Click();
    if (hWnd && IsWindow(hWnd)) {
        if (GetFocus() == hWnd)
            SetButtonStyle(true);
        else if (!lDefault)
            SetButtonStyle(false);
    }
    return std::nullopt;
}

MsgResult TButton::GotFocus(HWND hWndOld) {
    SetButtonStyle(true);
    return TControl::GotFocus(hWndOld);
}

MsgResult TButton::LostFocus(HWND hWndNew) {
    if (!lDefault) SetButtonStyle(false);
    return TControl::LostFocus(hWndNew);
}

MsgResult TButton::KeyDown(int nKey, UINT nFlags) {
    auto parent = Parent();
    if (parent) parent->nLastKey = static_cast<int>(nKey);
    switch (nKey) {
        case VK_UP:
        case VK_LEFT:
            if (parent) parent->GoPrevCtrl(hWnd);
            return 0;
        case VK_DOWN:
        case VK_RIGHT:
            if (parent) parent->GoNextCtrl(hWnd);
            return 0;
        case VK_RETURN:
            PostClick();
            return 0;
        default:
            return TControl::KeyDown(nKey, nFlags);
    }
}

MsgResult TButton::GetDlgCode(int nKey) { return ButtonDlgCode(nKey); }

}  // namespace pixa::controls
