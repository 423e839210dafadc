// TControl: identifiers, construction, binding, colours, keyboard and mouse.
#include "framework/window/control.h"

#include "framework/window/dialog.h"
#include "framework/window/event_loop.h"
#include "framework/window/framework_error.h"
#include "framework/window/messages.h"
#include "framework/window/window_registry.h"

namespace pixa::window {

int& TControl::nInitID() {
    static int counter = 100;
    return counter;
}

int TControl::GetNewId() { return ++nInitID(); }

std::shared_ptr<TWindow> TControl::DefaultParent(const std::shared_ptr<TWindow>& given) {
    return given ? given : GetWndDefault();
}

void TControl::Attach(const std::shared_ptr<TWindow>& parent, const std::string& cClassName) {
    oWnd = parent;
    cPlatformClass = cClassName;
    if (!nId) nId = GetNewId();
    if (!nStyle) nStyle = kDefaultStyle;
    auto self = std::static_pointer_cast<TControl>(shared_from_this());
    if (parent && parent->hWnd) {
        if (!Create(cClassName)) return;
        ApplyFont();
        parent->AddControl(self);
    } else if (auto dialog = std::dynamic_pointer_cast<TDialog>(parent)) {
        dialog->DefControl(self);
    }
}

DialogItem TControl::TemplateItem(const DialogUnits& units) {
    if (!nId) nId = GetNewId();
    if (!nStyle) nStyle = kDefaultStyle;
    DialogItem item;
    item.style = nStyle;
    item.x = units.ItemX(nLeft);
    item.y = units.ItemY(nTop);
    item.cx = units.ItemX(nRight) - item.x + 1;
    item.cy = units.ItemY(nBottom) - item.y + 1;
    item.id = nId;
    item.className = cPlatformClass.empty() ? ClassName() : cPlatformClass;
    item.text = cCaption;
    return item;
}

std::string TControl::cToChar() {
    // An empty header: the item bytes are what follows its 24 bytes.
    DialogTemplate single(DialogHeader{});
    single.Add(TemplateItem(DialogUnits::FromPlatform()));
    return single.Bytes().substr(24);
}

void TControl::Initiate(HWND hDlg) {
    hWnd = GetDlgItem(hDlg, nId);
    if (!hWnd) {
        RaiseFrameworkError(FrameworkError::NonDefinedId, IdDetail(nId));
        return;
    }
    if (lActive)
        Enable();
    else
        Disable();
    Link(true);
    ApplyFont();
}

void TControl::ShowOrTakeCaption() {
    if (!hWnd) return;
    if (cCaption.empty())
        cCaption = GetText();
    else
        SetWindowTextA(hWnd, cCaption.c_str());
}

void TControl::Default() {
    lDrag = false;
    lCaptured = false;
}

MsgResult TControl::HandleEvent(UINT nMsg, WPARAM wp, LPARAM lp) {
    switch (nMsg) {
        case XM_CLICK: return Click();
        case WM_HELP: HelpTopic(); return 1;
        case WM_KILLFOCUS: return KillFocus(reinterpret_cast<HWND>(wp));
        case XM_CHANGE: return Change();
        case XM_COLOR: return Colors(reinterpret_cast<HDC>(wp));
        case XM_LOSTFOCUS: return VLLostFocus(reinterpret_cast<HWND>(wp));
        default: return TWindow::HandleEvent(nMsg, wp, lp);
    }
}

MsgResult TControl::Click() {
    if (auto parent = Parent()) parent->AEvalWhen();
    return std::nullopt;
}

MsgResult TControl::Colors(HDC dc) {
    if (!nClrText) nClrText = GetTextColor(dc);
    if (!nClrPane) nClrPane = GetBkColor(dc);
    if (!oBrush) oBrush = TBrush::Solid(*nClrPane);
    SetTextColor(dc, *nClrText);
    SetBkColor(dc, *nClrPane);
    return reinterpret_cast<LRESULT>(oBrush->hBrush);
}

Value TControl::VarGet() { return bSetGet ? bSetGet() : Value(); }

void TControl::VarPut(const Value& xValue) {
    if (bSetGet) bSetGet.Call(xValue);
}

void TControl::SetFocus() {
    if (!hWnd) return;
    if (lWhen()) {
        ::SetFocus(hWnd);
        return;
    }
    HWND next = GetWindow(hWnd, GW_HWNDNEXT);
    HWND parent = GetParent(hWnd);
    ::SetFocus(next && GetParent(next) == parent ? next : GetWindow(parent, GW_CHILD));
}

MsgResult TControl::KeyChar(int nKey, UINT nFlags) {
    if (TabToSibling(nKey)) return 0;
    auto parent = Parent();
    if (nKey == VK_ESCAPE && parent) {
        parent->KeyChar(VK_ESCAPE, nFlags);
        return 0;
    }
    if (nKey == VK_RETURN && parent && parent->hWnd) {
        LRESULT defId = SendMessageA(parent->hWnd, DM_GETDEFID, 0, 0);
        HWND button = HIWORD(defId) == DC_HASDEFID ? GetDlgItem(parent->hWnd, LOWORD(defId)) : nullptr;
        if (button && button != hWnd && (GetWindowLongA(button, GWL_STYLE) & 0x0F) == BS_DEFPUSHBUTTON)
            SendMessageA(button, WM_KEYDOWN, VK_RETURN, 0);
        return 0;
    }
    return TWindow::KeyChar(nKey, nFlags);
}

MsgResult TControl::GetDlgCode(int nKey) {
    auto parent = Parent();
    if (parent && !parent->lValidating &&
        (nKey == VK_RETURN || nKey == VK_TAB || nKey == VK_DOWN || nKey == VK_UP))
        parent->nLastKey = nKey;
    return nDlgCode ? MsgResult(*nDlgCode) : std::nullopt;
}

MsgResult TControl::ButtonDlgCode(int nKey) {
    TControl::GetDlgCode(nKey);
    LRESULT standard = nOldProc ? CallWindowProcA(nOldProc, hWnd, WM_GETDLGCODE, nKey, 0) : DLGC_BUTTON;
    return standard | DLGC_WANTARROWS;
}

MsgResult TControl::SysCommand(UINT nCmd, int nChar) {
    if ((nCmd & 0xFFF0) != SC_KEYMENU) return TWindow::SysCommand(nCmd, nChar);
    // The parent dialog first, then the dialog that holds the parent's own window.
    auto parent = Parent();
    for (auto host = parent; host; ) {
        if (auto dialog = std::dynamic_pointer_cast<TDialog>(host)) {
            HWND match = dialog->GetHotPos(nChar, hWnd);
            for (auto& control : dialog->aControls) {
                if (match && control->hWnd == match) {
                    ::SetFocus(match);
                    control->PostClick();
                    return 0;
                }
            }
        }
        if (host != parent) break;
        auto up = host->Parent();
        host = up ? up->Parent() : nullptr;
    }
    return std::nullopt;
}

MsgResult TControl::LButtonDown(int nRow, int nCol, UINT nFlags) {
    // A mouse click: the validation after leaving must not move the focus on.
    if (auto parent = Parent()) parent->nLastKey = 1002;
    lMouseDown = true;
    nLastRow = nRow, nLastCol = nCol;
    return TWindow::LButtonDown(nRow, nCol, nFlags);
}

MsgResult TControl::MouseMove(int nRow, int nCol, UINT nFlags) {
    TWindow::MouseMove(nRow, nCol, nFlags);
    return std::nullopt;
}

MsgResult TControl::LButtonUp(int nRow, int nCol, UINT nFlags) {
    lMouseDown = false;
    return TWindow::LButtonUp(nRow, nCol, nFlags);
}

bool TControl::End() {
    auto self = shared_from_this();  // the parent's list may hold the last other reference
    if (auto parent = Parent()) {
        auto& list = parent->aControls;
        for (auto it = list.begin(); it != list.end(); ++it) {
            if (it->get() == this) {
                list.erase(it);
                break;
            }
        }
        if (parent->oCtlFocus.lock().get() == this) parent->oCtlFocus.reset();
    }
    return TWindow::End();
}

void TControl::ChangeFocus() { PostMsg(XM_CHANGEFOCUS); }

void TControl::PostClick() {
    auto parent = Parent();
    if (!parent || !parent->hWnd) {
        PostMsg(XM_CLICK);
        return;
    }
    PostMessageA(parent->hWnd, WM_COMMAND, MAKEWPARAM(nId, BN_CLICKED), reinterpret_cast<LPARAM>(hWnd));
}

}  // namespace pixa::window
