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
// The window's icon, else the platform's application icon.
HICON CaptionIcon(const std::shared_ptr<WindowIcon>& icon) {
    return icon && icon->IconHandle() ? icon->IconHandle() : LoadIconA(nullptr, IDI_APPLICATION);
}
Value Optional(std::optional<int> n) { return n ? Value(*n) : Value(); }
}  // namespace

MsgResult TWindow::HandleEvent(UINT nMsg, WPARAM wp, LPARAM lp) {
    UINT keys = static_cast<UINT>(wp);
    switch (nMsg) {
        case WM_DESTROY: return Destroy();
        case WM_MOVE: return Moved(Hi(lp), Lo(lp));
        case WM_SIZE: return ReSize(static_cast<int>(wp), Lo(lp), Hi(lp));
        case WM_SETFOCUS: return GotFocus(reinterpret_cast<HWND>(wp));
        case WM_KILLFOCUS: return LostFocus(reinterpret_cast<HWND>(wp));
        case WM_PAINT: return Display();
        case WM_CLOSE: return Close(static_cast<int>(wp));
        case WM_QUERYENDSESSION: return QueryEndSession();
        case WM_ERASEBKGND: return EraseBkGnd(reinterpret_cast<HDC>(wp));
        case WM_GETMINMAXINFO: return GetMinMaxInfo(reinterpret_cast<MINMAXINFO*>(lp));
        case WM_DRAWITEM:
        case XM_DRAWITEM: return DrawItem(static_cast<int>(wp), reinterpret_cast<DRAWITEMSTRUCT*>(lp));
        case WM_MEASUREITEM: return MeasureItem(static_cast<int>(wp), reinterpret_cast<MEASUREITEMSTRUCT*>(lp));
        case WM_QUERYDRAGICON: return QueryDragIcon();
        case WM_COMMNOTIFY: return CallAnswer(bCommNotify, static_cast<long long>(wp), static_cast<long long>(lp));
        case WM_NOTIFY: return std::nullopt;
        case WM_NCACTIVATE: return NcActivate(wp != 0);
        case WM_GETDLGCODE: return GetDlgCode(static_cast<int>(wp));
        case WM_NCMOUSEMOVE: return NcMouseMove(static_cast<int>(wp), Hi(lp), Lo(lp));
        case WM_KEYDOWN: return KeyDown(static_cast<int>(wp), static_cast<UINT>(lp));
        case WM_CHAR: return KeyChar(static_cast<int>(wp), static_cast<UINT>(lp));
        case WM_COMMAND: return Command(LOWORD(wp), HIWORD(wp), reinterpret_cast<HWND>(lp));
        case WM_SYSCOMMAND: return SysCommand(static_cast<UINT>(wp), Lo(lp));
        case WM_TIMER: return Timer(static_cast<UINT_PTR>(wp));
        case WM_HSCROLL: return HScroll(LOWORD(wp), HIWORD(wp), reinterpret_cast<HWND>(lp));
        case WM_VSCROLL: return VScroll(LOWORD(wp), HIWORD(wp), reinterpret_cast<HWND>(lp));
        case WM_INITMENUPOPUP: return InitMenuPopup(reinterpret_cast<HMENU>(wp), Lo(lp), Hi(lp) != 0);
        case WM_MENUSELECT: return MenuSelect(LOWORD(wp), HIWORD(wp), reinterpret_cast<HMENU>(lp));
        case WM_CTLCOLOREDIT:
        case WM_CTLCOLORLISTBOX:
        case WM_CTLCOLORSTATIC: return CtlColor(reinterpret_cast<HWND>(lp), reinterpret_cast<HDC>(wp));
        case WM_MOUSEMOVE: return MouseMove(Hi(lp), Lo(lp), keys);
        case WM_LBUTTONDOWN: return LButtonDown(Hi(lp), Lo(lp), keys);
        case WM_LBUTTONUP: return LButtonUp(Hi(lp), Lo(lp), keys);
        case WM_LBUTTONDBLCLK: return LDblClick(Hi(lp), Lo(lp), keys);
        case WM_RBUTTONDOWN: return RButtonDown(Hi(lp), Lo(lp), keys);
        case WM_RBUTTONUP: return RButtonUp(Hi(lp), Lo(lp), keys);
        case WM_MBUTTONDOWN: return MButtonDown(Hi(lp), Lo(lp), keys);
        case WM_MBUTTONUP: return MButtonUp(Hi(lp), Lo(lp), keys);
        case WM_MOUSEWHEEL:
            return MouseWheel(LOWORD(wp), static_cast<short>(HIWORD(wp)), static_cast<short>(LOWORD(lp)),
                              static_cast<short>(HIWORD(lp)));
        case WM_DROPFILES: return DropFiles(reinterpret_cast<HDROP>(wp));
        case WM_QUERYNEWPALETTE: return hWnd && IsIconic(hWnd) ? MsgResult(0) : std::nullopt;
        case WM_PALETTECHANGED: return std::nullopt;
        case XM_HELPF1: return HelpF1();
        case XM_DROPOVER: return DropOver(Lo(lp), Hi(lp), lp);
        default: return std::nullopt;  // everything else: the platform's default processing
    }
}

MsgResult TWindow::Destroy() {
    if (!hWnd) return std::nullopt;
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
    return std::nullopt;  // the platform's default processing runs as well
}

MsgResult TWindow::Moved(int, int) {
    CoorsUpdate();
    if (OnMove) OnMove.Call(shared_from_this());
    if (bMoved) bMoved.Call(nTop, nLeft, shared_from_this());
    return std::nullopt;
}

MsgResult TWindow::ReSize(std::optional<int> nType, std::optional<int> width, std::optional<int> height) {
    CoorsUpdate();
    if (OnResize) OnResize.Call(shared_from_this());
    if (bResized) bResized.Call(Optional(nType), Optional(width), Optional(height));
    return std::nullopt;
}

MsgResult TWindow::GotFocus(HWND) {
    lFocused = true;
    if (bGotFocus) bGotFocus();
    if (hCtlFocus && IsWindow(hCtlFocus)) {
        ::SetFocus(hCtlFocus);
    } else if (!aControls.empty() && aControls.front()->hWnd) {
        hCtlFocus = aControls.front()->hWnd;
        ::SetFocus(hCtlFocus);
    }
    return 0;
}

MsgResult TWindow::LostFocus(HWND hWndNew) {
    lFocused = false;
    ToolTips::Instance().DestroyTipWindow();
    return CallAnswer(bLostFocus, Handle(hWndNew));
}

MsgResult TWindow::Display() {
    PaintScope painting(*this);
    Paint();
    return std::nullopt;
}

MsgResult TWindow::Paint() {
    if (hWnd && IsIconic(hWnd)) {
        DefWindowProcA(hWnd, WM_ICONERASEBKGND, reinterpret_cast<WPARAM>(hDC), 0);
        DrawIcon(hDC, 0, 0, CaptionIcon(oIcon));
        return std::nullopt;
    }
    if (OnPaint) OnPaint.Call(shared_from_this());
    return CallAnswer(bPainted, Handle(hDC), Handle(&cPS), shared_from_this());
}

MsgResult TWindow::Close(int) { return std::nullopt; }

MsgResult TWindow::QueryEndSession() { return End() ? 1 : 0; }

MsgResult TWindow::EraseBkGnd(HDC dc) {
    RECT rc;
    if (!hWnd) return std::nullopt;
    GetClientRect(hWnd, &rc);
    if (IsIconic(hWnd)) {
        auto parent = Parent();
        if (!parent) return 0;
        if (parent->oBrush && parent->oBrush->hBrush) FillRect(dc, &rc, parent->oBrush->hBrush);
        return 1;
    }
    if (oBrush && oBrush->hBrush) {
        FillRect(dc, &rc, oBrush->hBrush);
        return 1;
    }
    return std::nullopt;
}

MsgResult TWindow::GetMinMaxInfo(MINMAXINFO* info) {
    if (aMinMaxInfo.size() < 4 || !info) return std::nullopt;
    info->ptMaxSize = aMinMaxInfo[0];
    info->ptMaxPosition = aMinMaxInfo[1];
    info->ptMinTrackSize = aMinMaxInfo[2];
    info->ptMaxTrackSize = aMinMaxInfo[3];
    return 0;
}

// Identifier 0 is a menu's: owner-drawn menus are not used.
MsgResult TWindow::DrawItem(int id, DRAWITEMSTRUCT* pItem) {
    auto control = id ? ControlById(id) : nullptr;
    return control ? control->DrawItem(id, pItem) : std::nullopt;
}

MsgResult TWindow::MeasureItem(int id, MEASUREITEMSTRUCT* pItem) {
    auto control = id ? ControlById(id) : nullptr;
    return control ? control->MeasureItem(id, pItem) : std::nullopt;
}

MsgResult TWindow::QueryDragIcon() {
    return reinterpret_cast<LRESULT>(CaptionIcon(oIcon));
}

MsgResult TWindow::NcActivate(bool lActivating) {
    HWND focus = GetFocus();
    if (!lActivating && focus != hWnd && bLostFocus) bLostFocus.Call(Handle(focus));
    return std::nullopt;
}

MsgResult TWindow::GetDlgCode(int) { return std::nullopt; }

MsgResult TWindow::NcMouseMove(int, int, int) {
    ToolTips::Instance().MakeCold();
    return std::nullopt;
}

MsgResult TWindow::KeyDown(int nKey, UINT nFlags) {
    if (TabToSibling(nKey)) return 0;
    if (Action hotKey = KeyAction(nKey)) {
        hotKey.Call("", 0, shared_from_this());
        return 0;
    }
    if (nKey == VK_F1) {
        HelpTopic();
        return 0;
    }
    if (OnKeyDown) OnKeyDown.Call(shared_from_this(), nKey, nFlags);
    if (bKeyDown) return AnswerOf(bKeyDown.Call(nKey, nFlags));
    auto parent = Parent();
    if (parent && parent->hWnd && IsChild(parent->hWnd, hWnd)) return parent->KeyDown(nKey, nFlags);
    return std::nullopt;
}

MsgResult TWindow::KeyChar(int nKey, UINT nFlags) {
    // Bit 24 marks an extended key: those reach the key table from here.
    if (nFlags & (1 << 24))
        if (Action hotKey = KeyAction(nKey)) return AnswerOf(hotKey.Call("", 0, shared_from_this()));
    if (bKeyChar) return AnswerOf(bKeyChar.Call(nKey, nFlags));
    auto parent = Parent();
    if (nKey == VK_ESCAPE && parent) return parent->KeyChar(VK_ESCAPE, nFlags);
    return std::nullopt;
}

MsgResult TWindow::Command(int nId, int nCode, HWND hCtl) {
    if (oPopup) return oPopup->Command(nId);
    if (!hCtl && oMenu) return oMenu->Command(nId);
    if (hCtl) {
        if (nCode == BN_CLICKED) SendMessageA(hCtl, XM_CLICK, 0, 0);
        else if (nCode == CBN_CLOSEUP) SendMessageA(hCtl, XM_CLOSEUP, 0, 0);
        else if (nCode == CBN_SELCHANGE) SendMessageA(hCtl, XM_CHANGE, 0, 0);
    }
    return std::nullopt;
}

MsgResult TWindow::SysCommand(UINT nCmd, int) {
    UINT command = nCmd & 0xFFF0;
    if (command == SC_KEYMENU) {
        if (Action f10 = KeyAction(VK_F10)) {
            f10.Call("", 0, shared_from_this());
            return 0;
        }
    }
    if (oSysMenu && nCmd < 61440) return oSysMenu->Command(static_cast<int>(nCmd));
    // Caption close button and Alt+F4 take the same path as End(): through bValid.
    if (command == SC_CLOSE) {
        End();
        return 0;
    }
    return std::nullopt;
}

MsgResult TWindow::Timer(UINT_PTR id) {
    if (id == ToolTips::kTimerId) {
        ToolTips::Instance().TimerFired(*this);
        return 0;
    }
    if (Services().runTimer) Services().runTimer(*this, id);
    return std::nullopt;
}

namespace {
// The scroll-bar action of a window for a scroll code, or the private message for a scroll-bar control.
MsgResult Scroll(TWindow& w, int code, int pos, HWND bar, bool vertical) {
    if (bar) {
        static const UINT forward[] = {XM_SCROLLUP, XM_SCROLLDOWN, XM_SCROLLPGUP, XM_SCROLLPGDN};
        LPARAM lp = reinterpret_cast<LPARAM>(bar);
        if (code >= SB_LINEUP && code <= SB_PAGEDOWN) SendMessageA(bar, forward[code], MAKEWPARAM(code, pos), lp);
        else if (code == SB_THUMBPOSITION) SendMessageA(bar, XM_THUMBPOS, pos, lp);
        else if (code == SB_THUMBTRACK) SendMessageA(bar, XM_THUMBTRACK, pos, lp);
        return std::nullopt;
    }
    const Action* actions[] = {vertical ? &w.bUp : &w.bLeft, vertical ? &w.bDown : &w.bRight,
                               vertical ? &w.bPgUp : &w.bPgLeft, vertical ? &w.bPgDn : &w.bPgRight};
    if (code >= SB_LINEUP && code <= SB_PAGEDOWN && *actions[code]) {
        (*actions[code])();
        return 0;
    }
    return std::nullopt;
}
}  // namespace

MsgResult TWindow::VScroll(int nCode, int nPos, HWND hBar) { return Scroll(*this, nCode, nPos, hBar, true); }

MsgResult TWindow::HScroll(int nCode, int nPos, HWND hBar) { return Scroll(*this, nCode, nPos, hBar, false); }

MsgResult TWindow::InitMenuPopup(HMENU hPopup, int nPos, bool lSystem) {
    // The system menu, else a shown context menu, else the menu bar (which also finds its submenus).
    auto menu = lSystem ? oSysMenu : oPopup ? oPopup : oMenu;
    return menu ? menu->InitMenuPopup(hPopup, nPos, lSystem) : std::nullopt;
}

MsgResult TWindow::MenuSelect(int nIdItem, int nFlags, HMENU hMenu) {
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
    return std::nullopt;
}

MsgResult TWindow::CtlColor(HWND child, HDC dc) {
    if (GetDlgCtrlID(child) == 65535 || GetParent(child) != hWnd) return std::nullopt;
    LRESULT brush = SendMessageA(child, XM_COLOR, reinterpret_cast<WPARAM>(dc), 0);
    // No brush (a foreign child, or a control keeping the platform colours): default colours.
    return brush ? MsgResult(brush) : std::nullopt;
}

MsgResult TWindow::MouseMove(int nRow, int nCol, UINT nFlags) {
    SetCursor(oCursor && oCursor->CursorHandle() ? oCursor->CursorHandle() : ArrowCursor());
    SetMsg(cMsg);
    CheckToolTip();
    if (OnMouseMove) OnMouseMove.Call(shared_from_this(), nRow, nCol, nFlags);
    return bMMoved ? AnswerOf(bMMoved.Call(nRow, nCol, nFlags)) : 0;
}

MsgResult TWindow::LButtonDown(int nRow, int nCol, UINT nFlags) { return CallAnswer(bLClicked, nRow, nCol, nFlags); }

MsgResult TWindow::LButtonUp(int nRow, int nCol, UINT nFlags) {
    if (OnClick) OnClick.Call(shared_from_this(), nRow, nCol);
    return CallAnswer(bLButtonUp, nRow, nCol, nFlags);
}

MsgResult TWindow::LDblClick(int nRow, int nCol, UINT nFlags) { return CallAnswer(bLDblClick, nRow, nCol, nFlags); }

MsgResult TWindow::RButtonDown(int nRow, int nCol, UINT nFlags) {
    return CallAnswer(bRClicked, nRow, nCol, nFlags, shared_from_this());
}

MsgResult TWindow::RButtonUp(int nRow, int nCol, UINT nFlags) { return CallAnswer(bRButtonUp, nRow, nCol, nFlags); }

MsgResult TWindow::MButtonDown(int nRow, int nCol, UINT nFlags) { return CallAnswer(bMButtonDown, nRow, nCol, nFlags); }

MsgResult TWindow::MButtonUp(int nRow, int nCol, UINT nFlags) { return CallAnswer(bMButtonUp, nRow, nCol, nFlags); }

MsgResult TWindow::MouseWheel(int, int, int, int) { return std::nullopt; }

MsgResult TWindow::DropFiles(HDROP hDropped) {
    hDrop = hDropped;
    if (!bDropFiles) return std::nullopt;
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
    return AnswerOf(bDropFiles.Call(at.y, at.x, Value(files)));
}

MsgResult TWindow::HelpF1() {
    const Value& item = MenuItemSelected();
    if (!item.IsAbsent() && Services().showMenuItemHelp && Services().showMenuItemHelp(*this, item)) return 0;
    HelpTopic();
    return 0;
}

MsgResult TWindow::DropOver(int nRow, int nCol, LPARAM nLParam) {
    return CallAnswer(bDropOver, nRow, nCol, static_cast<long long>(nLParam));
}

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
