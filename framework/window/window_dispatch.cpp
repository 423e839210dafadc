// TWindow: the one place where a platform message becomes a named operation,
// and the base behaviour of those operations.

#include "framework/window/brackets.h"
#include "framework/window/control.h"
#include "framework/window/event_loop.h"
#include "framework/window/hot_keys.h"
#include "framework/window/messages.h"
#include "framework/window/tooltip.h"
#include "framework/window/window.h"
#include "framework/window/window_registry.h"
#include "framework/window/window_services.h"

namespace pixa::window {

namespace {
int Lo(LPARAM v) { return LOWORD(v); }
int Hi(LPARAM v) { return HIWORD(v); }
Value Num(WPARAM v) { return Value(static_cast<long long>(v)); }
Value Num(LPARAM v) { return Value(static_cast<long long>(v)); }
Value Handle(const void* h) { return Value(static_cast<long long>(reinterpret_cast<INT_PTR>(h))); }
// The result of an action, or absent when there is none.
template <typename... A>
Value CallIf(const Action& action, A&&... args) {
    return action ? action.Call(std::forward<A>(args)...) : Value();
}
}  // namespace

Value TWindow::HandleEvent(UINT nMsg, WPARAM wp, LPARAM lp) {
    switch (nMsg) {
        case WM_DESTROY: return Destroy();
        case WM_MOVE: return Moved(Hi(lp), Lo(lp));
        case WM_SIZE: return ReSize(Num(wp), Lo(lp), Hi(lp));
        case WM_SETFOCUS: return GotFocus(reinterpret_cast<HWND>(wp));
        case WM_KILLFOCUS: return LostFocus(reinterpret_cast<HWND>(wp));
        case WM_PAINT: return Display();
        case WM_CLOSE: return Close(wp);
        case WM_QUERYENDSESSION: return QueryEndSession();
        case WM_ERASEBKGND: return EraseBkGnd(reinterpret_cast<HDC>(wp));
        case WM_GETMINMAXINFO: return GetMinMaxInfo(lp);
        case WM_DRAWITEM: return DrawItem(wp, lp);
        case WM_MEASUREITEM: return MeasureItem(wp, lp);
        case WM_QUERYDRAGICON: return QueryDragIcon();
        case WM_COMMNOTIFY: return CallIf(bCommNotify, Num(wp), Num(lp));
        case WM_NOTIFY: return Value();
        case WM_NCACTIVATE: return NcActivate(wp != 0);
        case WM_GETDLGCODE: return GetDlgCode(wp);
        case WM_NCMOUSEMOVE: return NcMouseMove(wp, Hi(lp), Lo(lp));
        case WM_KEYDOWN: return KeyDown(wp, lp);
        case WM_CHAR: return KeyChar(wp, lp);
        case WM_COMMAND: return Command(wp, lp);
        case WM_SYSCOMMAND: return SysCommand(wp, lp);
        case WM_TIMER: return Timer(wp, lp);
        case WM_HSCROLL: return HScroll(wp, lp);
        case WM_VSCROLL: return VScroll(wp, lp);
        case WM_INITMENUPOPUP: return InitMenuPopup(reinterpret_cast<HMENU>(wp), Lo(lp), Hi(lp) != 0);
        case WM_MENUSELECT: return MenuSelect(LOWORD(wp), HIWORD(wp), reinterpret_cast<HMENU>(lp));
        case WM_CTLCOLOREDIT:
        case WM_CTLCOLORLISTBOX:
        case WM_CTLCOLORSTATIC: return CtlColor(reinterpret_cast<HWND>(lp), reinterpret_cast<HDC>(wp));
        case WM_MOUSEMOVE: return MouseMove(Hi(lp), Lo(lp), wp);
        case WM_LBUTTONDOWN: return LButtonDown(Hi(lp), Lo(lp), wp);
        case WM_LBUTTONUP: return LButtonUp(Hi(lp), Lo(lp), wp);
        case WM_LBUTTONDBLCLK: return LDblClick(Hi(lp), Lo(lp), wp);
        case WM_RBUTTONDOWN: return RButtonDown(Hi(lp), Lo(lp), wp);
        case WM_RBUTTONUP: return RButtonUp(Hi(lp), Lo(lp), wp);
        case WM_MBUTTONDOWN: return MButtonDown(Hi(lp), Lo(lp), wp);
        case WM_MBUTTONUP: return MButtonUp(Hi(lp), Lo(lp), wp);
        case WM_MOUSEWHEEL:
            return MouseWheel(LOWORD(wp), static_cast<short>(HIWORD(wp)), static_cast<short>(LOWORD(lp)),
                              static_cast<short>(HIWORD(lp)));
        case WM_DROPFILES: return DropFiles(reinterpret_cast<HDROP>(wp));
        case WM_QUERYNEWPALETTE: return hWnd && IsIconic(hWnd) ? Value(0) : Value();
        case WM_PALETTECHANGED: return Value();
        case XM_DRAWITEM: return DrawItem(wp, lp);
        case XM_HELPF1: return HelpF1();
        case XM_DROPOVER: return DropOver(Lo(lp), Hi(lp), lp);
        default: return Value();  // everything else: the platform's default processing
    }
}

Value TWindow::Destroy() {
    if (!hWnd) return Value();
    EndResources();
    if (hDrop) DragFinish(hDrop);
    hDrop = nullptr;
    ToolTips::Instance().Forget(hWnd);
    HWND own = hWnd;
    auto keep = shared_from_this();  // UnLink may drop the registry's reference
    UnLink();
    if (own == GetWndApp()) PostQuitMessage(0);
    if (GetWndDefault() == keep) SetWndDefault(nullptr);
    hWnd = nullptr;
    return Value();  // the platform's default processing runs as well
}

Value TWindow::Moved(int, int) {
    CoorsUpdate();
    if (OnMove) OnMove.Call(shared_from_this());
    if (bMoved) bMoved.Call(nTop, nLeft, shared_from_this());
    return Value();
}

Value TWindow::ReSize(const Value& nType, const Value& width, const Value& height) {
    CoorsUpdate();
    if (OnResize) OnResize.Call(shared_from_this());
    if (bResized) bResized(Args{nType, width, height});
    return Value();
}

Value TWindow::GotFocus(HWND) {
    lFocused = true;
    if (bGotFocus) bGotFocus();
    if (hCtlFocus && IsWindow(hCtlFocus)) {
        ::SetFocus(hCtlFocus);
    } else if (!aControls.empty() && aControls.front()->hWnd) {
        hCtlFocus = aControls.front()->hWnd;
        ::SetFocus(hCtlFocus);
    }
    return Value(0);
}

Value TWindow::LostFocus(HWND hWndNew) {
    lFocused = false;
    ToolTips::Instance().DestroyTipWindow();
    return CallIf(bLostFocus, Handle(hWndNew));
}

Value TWindow::Display() {
    PaintScope painting(*this);
    Paint();
    return Value();
}

Value TWindow::Paint() {
    if (hWnd && IsIconic(hWnd)) {
        DefWindowProcA(hWnd, WM_ICONERASEBKGND, reinterpret_cast<WPARAM>(hDC), 0);
        HICON icon = oIcon && oIcon->IconHandle() ? oIcon->IconHandle() : LoadIconA(nullptr, IDI_APPLICATION);
        DrawIcon(hDC, 0, 0, icon);
        return Value();
    }
    if (OnPaint) OnPaint.Call(shared_from_this());
    return CallIf(bPainted, Handle(hDC), Handle(&cPS), shared_from_this());
}

Value TWindow::Close(WPARAM) { return Value(); }

Value TWindow::QueryEndSession() { return Value(End() ? 1 : 0); }

Value TWindow::EraseBkGnd(HDC dc) {
    RECT rc;
    if (!hWnd) return Value();
    GetClientRect(hWnd, &rc);
    if (IsIconic(hWnd)) {
        auto parent = Parent();
        if (!parent) return Value(0);
        if (parent->oBrush && parent->oBrush->hBrush) FillRect(dc, &rc, parent->oBrush->hBrush);
        return Value(1);
    }
    if (oBrush && oBrush->hBrush) {
        FillRect(dc, &rc, oBrush->hBrush);
        return Value(1);
    }
    return Value();
}

Value TWindow::GetMinMaxInfo(LPARAM pInfo) {
    if (aMinMaxInfo.size() < 4 || !pInfo) return Value();
    auto* info = reinterpret_cast<MINMAXINFO*>(pInfo);
    info->ptMaxSize = aMinMaxInfo[0];
    info->ptMaxPosition = aMinMaxInfo[1];
    info->ptMinTrackSize = aMinMaxInfo[2];
    info->ptMaxTrackSize = aMinMaxInfo[3];
    return Value(0);
}

Value TWindow::DrawItem(WPARAM id, LPARAM pItem) {
    if (id == 0) return Value();  // owner-drawn menus are not used
    for (auto& control : aControls)
        if (control->nId == static_cast<int>(id)) return control->DrawItem(id, pItem);
    return Value();
}

Value TWindow::MeasureItem(WPARAM id, LPARAM pItem) {
    if (id == 0) return Value();
    for (auto& control : aControls)
        if (control->nId == static_cast<int>(id)) return control->MeasureItem(id, pItem);
    return Value();
}

Value TWindow::QueryDragIcon() {
    HICON icon = oIcon && oIcon->IconHandle() ? oIcon->IconHandle() : LoadIconA(nullptr, IDI_APPLICATION);
    return Handle(icon);
}

Value TWindow::NcActivate(bool lActivating) {
    HWND focus = GetFocus();
    if (!lActivating && focus != hWnd && bLostFocus) bLostFocus.Call(Handle(focus));
    return Value();
}

Value TWindow::GetDlgCode(WPARAM) { return Value(); }

Value TWindow::NcMouseMove(WPARAM, int, int) {
    ToolTips::Instance().MakeCold();
    return Value();
}

Value TWindow::KeyDown(WPARAM nKey, LPARAM nFlags) {
    if (TabToSibling(nKey)) return Value(0);
    if (Action hotKey = KeyAction(static_cast<int>(nKey))) {
        hotKey.Call("", 0, shared_from_this());
        return Value(0);
    }
    if (nKey == VK_F1) {
        HelpTopic();
        return Value(0);
    }
    if (OnKeyDown) OnKeyDown.Call(shared_from_this(), Num(nKey), Num(nFlags));
    if (bKeyDown) return bKeyDown.Call(Num(nKey), Num(nFlags));
    auto parent = Parent();
    if (parent && parent->hWnd && IsChild(parent->hWnd, hWnd)) return parent->KeyDown(nKey, nFlags);
    return Value();
}

Value TWindow::KeyChar(WPARAM nKey, LPARAM nFlags) {
    // Bit 24 marks an extended key: those reach the key table from here.
    if (nFlags & (1 << 24))
        if (Action hotKey = KeyAction(static_cast<int>(nKey))) return hotKey.Call("", 0, shared_from_this());
    if (bKeyChar) return bKeyChar.Call(Num(nKey), Num(nFlags));
    auto parent = Parent();
    if (nKey == VK_ESCAPE && parent) return parent->KeyChar(VK_ESCAPE, nFlags);
    return Value();
}

Value TWindow::Command(WPARAM wp, LPARAM lp) {
    int id = LOWORD(wp), code = HIWORD(wp);
    HWND control = reinterpret_cast<HWND>(lp);
    if (oPopup) return oPopup->Command(id);
    if (!control && oMenu) return oMenu->Command(id);
    if (control) {
        if (code == BN_CLICKED) SendMessageA(control, XM_CLICK, 0, 0);
        else if (code == CBN_CLOSEUP) SendMessageA(control, XM_CLOSEUP, 0, 0);
        else if (code == CBN_SELCHANGE) SendMessageA(control, XM_CHANGE, 0, 0);
    }
    return Value();
}

Value TWindow::SysCommand(WPARAM nCmd, LPARAM) {
    UINT command = static_cast<UINT>(nCmd) & 0xFFF0;
    if (command == SC_KEYMENU) {
        if (Action f10 = KeyAction(VK_F10)) {
            f10.Call("", 0, shared_from_this());
            return Value(0);
        }
    }
    if (oSysMenu && nCmd < 61440) return oSysMenu->Command(static_cast<int>(nCmd));
    // Caption close button and Alt+F4 take the same path as End(): through bValid.
    if (command == SC_CLOSE) return Value(End());
    return Value();
}

Value TWindow::Timer(WPARAM id, LPARAM) {
    if (id == ToolTips::kTimerId) {
        ToolTips::Instance().TimerFired(*this);
        return Value(0);
    }
    if (Services().runTimer) Services().runTimer(*this, id);
    return Value();
}

namespace {
// The scroll-bar action of a window for a scroll code, or the private message for a scroll-bar control.
Value Scroll(TWindow& w, WPARAM wp, LPARAM lp, bool vertical) {
    HWND bar = reinterpret_cast<HWND>(lp);
    int code = LOWORD(wp);
    if (bar) {
        static const UINT forward[] = {XM_SCROLLUP, XM_SCROLLDOWN, XM_SCROLLPGUP, XM_SCROLLPGDN};
        if (code >= SB_LINEUP && code <= SB_PAGEDOWN) SendMessageA(bar, forward[code], wp, lp);
        else if (code == SB_THUMBPOSITION) SendMessageA(bar, XM_THUMBPOS, HIWORD(wp), lp);
        else if (code == SB_THUMBTRACK) SendMessageA(bar, XM_THUMBTRACK, HIWORD(wp), lp);
        return Value();
    }
    const Action* actions[] = {vertical ? &w.bUp : &w.bLeft, vertical ? &w.bDown : &w.bRight,
                               vertical ? &w.bPgUp : &w.bPgLeft, vertical ? &w.bPgDn : &w.bPgRight};
    if (code >= SB_LINEUP && code <= SB_PAGEDOWN && *actions[code]) {
        (*actions[code])();
        return Value(0);
    }
    return Value();
}
}  // namespace

Value TWindow::VScroll(WPARAM wp, LPARAM lp) { return Scroll(*this, wp, lp, true); }

Value TWindow::HScroll(WPARAM wp, LPARAM lp) { return Scroll(*this, wp, lp, false); }

Value TWindow::InitMenuPopup(HMENU hPopup, int nPos, bool lSystem) {
    // The system menu, else a shown context menu, else the menu bar (which also finds its submenus).
    auto menu = lSystem ? oSysMenu : oPopup ? oPopup : oMenu;
    return menu ? menu->InitMenuPopup(hPopup, nPos, lSystem) : Value();
}

Value TWindow::MenuSelect(int nIdItem, int nFlags, HMENU hMenu) {
    ToolTips::Instance().DestroyTipWindow();
    Value item;
    if (nFlags == 0xFFFF && !hMenu) {
        MenuItemSelected() = Value();
    } else if (auto menu = oPopup ? oPopup : oMenu) {
        std::string message;
        // An entry that opens a submenu comes by position; menus know it by the submenu's handle.
        if ((nFlags & MF_POPUP) && hMenu)
            nIdItem = static_cast<int>(reinterpret_cast<INT_PTR>(GetSubMenu(hMenu, nIdItem)));
        item = menu->ItemById(nIdItem, &message);
        MenuItemSelected() = item;
        SetMsg(message);
    }
    if (bMenuSelect) bMenuSelect.Call(item, nFlags, Handle(hMenu));
    return Value();
}

Value TWindow::CtlColor(HWND child, HDC dc) {
    if (GetDlgCtrlID(child) == 65535 || GetParent(child) != hWnd) return Value();
    LRESULT brush = SendMessageA(child, XM_COLOR, reinterpret_cast<WPARAM>(dc), 0);
    // No brush (a foreign child, or a control keeping the platform colours): default colours.
    return brush ? Value(static_cast<long long>(brush)) : Value();
}

Value TWindow::MouseMove(int nRow, int nCol, WPARAM nFlags) {
    SetCursor(oCursor && oCursor->CursorHandle() ? oCursor->CursorHandle() : ArrowCursor());
    SetMsg(cMsg);
    CheckToolTip();
    if (OnMouseMove) OnMouseMove.Call(shared_from_this(), nRow, nCol, Num(nFlags));
    return bMMoved ? bMMoved.Call(nRow, nCol, Num(nFlags)) : Value(0);
}

Value TWindow::LButtonDown(int nRow, int nCol, WPARAM nFlags) { return CallIf(bLClicked, nRow, nCol, Num(nFlags)); }

Value TWindow::LButtonUp(int nRow, int nCol, WPARAM nFlags) {
    if (OnClick) OnClick.Call(shared_from_this(), nRow, nCol);
    return CallIf(bLButtonUp, nRow, nCol, Num(nFlags));
}

Value TWindow::LDblClick(int nRow, int nCol, WPARAM nFlags) { return CallIf(bLDblClick, nRow, nCol, Num(nFlags)); }

Value TWindow::RButtonDown(int nRow, int nCol, WPARAM nFlags) {
    return CallIf(bRClicked, nRow, nCol, Num(nFlags), shared_from_this());
}

Value TWindow::RButtonUp(int nRow, int nCol, WPARAM nFlags) { return CallIf(bRButtonUp, nRow, nCol, Num(nFlags)); }

Value TWindow::MButtonDown(int nRow, int nCol, WPARAM nFlags) {
    return CallIf(bMButtonDown, nRow, nCol, Num(nFlags));
}

Value TWindow::MButtonUp(int nRow, int nCol, WPARAM nFlags) { return CallIf(bMButtonUp, nRow, nCol, Num(nFlags)); }

Value TWindow::MouseWheel(int, int, int, int) { return Value(); }

Value TWindow::DropFiles(HDROP hDropped) {
    hDrop = hDropped;
    if (!bDropFiles) return Value();
    auto files = std::make_shared<Array>();
    UINT count = DragQueryFileA(hDropped, 0xFFFFFFFF, nullptr, 0);
    for (UINT i = 0; i < count; ++i) {
        char name[MAX_PATH];
        if (DragQueryFileA(hDropped, i, name, MAX_PATH)) files->push_back(Value(std::string(name)));
    }
    POINT at{};
    DragQueryPoint(hDropped, &at);
    DragFinish(hDropped);
    hDrop = nullptr;
    return bDropFiles.Call(at.y, at.x, Value(files));
}

Value TWindow::HelpF1() {
    const Value& item = MenuItemSelected();
    if (!item.IsAbsent() && Services().showMenuItemHelp && Services().showMenuItemHelp(*this, item)) return Value(0);
    HelpTopic();
    return Value(0);
}

Value TWindow::DropOver(int nRow, int nCol, LPARAM nLParam) { return CallIf(bDropOver, nRow, nCol, Num(nLParam)); }

void TWindow::HelpTopic() {
    if (nHelpId) {
        if (Services().showHelp) Services().showHelp(*this, nHelpId);
    } else if (auto parent = Parent()) {
        parent->HelpTopic();
    } else if (Services().showHelp) {
        Services().showHelp(*this, 0);
    }
}

void TWindow::SetMsg(const std::string& cText, bool lDefault) {
    if (oMsgBar) {
        if (Services().showStatus) Services().showStatus(*this, cText, lDefault);
    } else if (auto parent = Parent()) {
        parent->SetMsg(cText, lDefault);
    }
}

namespace {
void CallEditHook(TWindow& w, const Action& hook) {
    if (hook) hook.Call(w.shared_from_this());
}
}  // namespace

void TWindow::Copy() { CallEditHook(*this, bCopy); }
void TWindow::Cut() { CallEditHook(*this, bCut); }
void TWindow::Find() { CallEditHook(*this, bFind); }
void TWindow::Paste() { CallEditHook(*this, bPaste); }
void TWindow::Print() { CallEditHook(*this, bPrint); }
void TWindow::UnDo() { CallEditHook(*this, bUnDo); }
void TWindow::ReDo() { CallEditHook(*this, bReDo); }
void TWindow::Delete() { CallEditHook(*this, bDelete); }
void TWindow::SelectAll() { CallEditHook(*this, bSelectAll); }
void TWindow::FindNext() { CallEditHook(*this, bFindNext); }
void TWindow::Replace() { CallEditHook(*this, bReplace); }
void TWindow::Properties() { CallEditHook(*this, bProperties); }

Value& MenuItemSelected() {
    static Value item;
    return item;
}

}  // namespace pixa::window
