#include "framework/window/dialog.h"

#include <cctype>

#include "framework/window/brackets.h"
#include "framework/window/control.h"
#include "framework/window/event_loop.h"
#include "framework/window/modeless_dialogs.h"
#include "framework/window/framework_error.h"
#include "framework/window/messages.h"
#include "framework/window/window_procedure.h"
#include "framework/window/window_registry.h"

namespace pixa::window {

namespace {
int& Depth() {
    static int depth = 0;
    return depth;
}

// Counts a running Activate for as long as it runs, however it ends.
class ActivationCount {
public:
    ActivationCount() { ++Depth(); }
    ~ActivationCount() { --Depth(); }
    ActivationCount(const ActivationCount&) = delete;
    ActivationCount& operator=(const ActivationCount&) = delete;
};

bool HasHotKey(HWND h, int nChar) {
    char text[256] = {};
    GetWindowTextA(h, text, sizeof text);
    for (const char* p = text; *p && p[1]; ++p) {
        if (*p == '&' && std::toupper(static_cast<unsigned char>(p[1])) == std::toupper(nChar & 0xFF)) return true;
    }
    return false;
}
}  // namespace

int TDialog::ActivationDepth() { return Depth(); }

std::string DialogErrorDetail(const TDialog& d) {
    return d.cResName.empty() ? "\r\nTitle: " + d.cCaption : "\r\nResource: " + d.cResName;
}

std::shared_ptr<TDialog> TDialog::New(const DialogNew& args) {
    auto dialog = std::make_shared<TDialog>();
    dialog->Construct(args);
    return dialog;
}

void TDialog::Construct(const DialogNew& a) {
    bool lPixel = a.lPixel || a.nWidth || a.nHeight;
    int top = a.nTop, left = a.nLeft;
    int bottom = a.nWidth || a.nHeight ? a.nHeight : a.nBottom;
    int right = a.nWidth || a.nHeight ? a.nWidth : a.nRight;
    aControls.clear();
    cResName = a.cResName;
    cCaption = a.cCaption.value_or("");
    hResources = a.hResources ? a.hResources : GetModuleHandleA(nullptr);
    nStyle = a.nStyle;
    oWnd = a.oWnd;
    oIcon = a.oIcon;
    oFont = a.oFont;
    nHelpId = a.nHelpId;
    lModify = true;
    lVisible = false;
    nResult = 0;
    nLastKey = 0;
    SetColor(a.nClrText, a.nClrPane ? a.nClrPane : std::optional<std::uint32_t>(GetSysColor(COLOR_BTNFACE)), a.oBrush);
    if (lPixel) {
        nTop = top, nLeft = left, nBottom = bottom, nRight = right;
    } else {
        nTop = static_cast<int>(top * 15.1), nLeft = static_cast<int>(left * 7.9);
        nBottom = static_cast<int>(bottom * 15.1), nRight = static_cast<int>(right * 7.9);
    }
    Register(CS_VREDRAW | CS_HREDRAW);
    SetWndDefault(shared_from_this());
}

void TDialog::DefControl(const std::shared_ptr<TControl>& control) {
    if (!control->nId) control->nId = TControl::GetNewId();
    if (ControlById(control->nId)) {
        RaiseFrameworkError(FrameworkError::DuplicatedId, IdDetail(control->nId));
        return;
    }
    aControls.push_back(control);
    control->hWnd = nullptr;
}

std::string TDialog::cToChar(HWND hWndOwner) {
    DialogUnits units = DialogUnits::FromPlatform();
    RECT owner{0, 0, 0, 0};
    if (hWndOwner) GetWindowRect(hWndOwner, &owner);
    DialogHeader header;
    header.style = nStyle;
    header.count = static_cast<int>(aControls.size());
    header.x = units.DialogX(nLeft, owner.left);
    header.y = units.DialogY(nTop, owner.top);
    header.cx = units.DialogX(nRight, owner.left) - header.x + 1;
    header.cy = units.DialogY(nBottom, owner.top) - header.y + 1;
    header.caption = cCaption;
    DialogTemplate dialogTemplate(header);
    for (auto& control : aControls) dialogTemplate.Add(control->TemplateItem(units));
    return dialogTemplate.Bytes();
}

HWND TDialog::OwnerWindow() const {
    if (auto owner = Parent()) return owner->hWnd;
    // Depth 1 is this dialog's own activation.
    if (Depth() > 1 || lWRunning()) return GetActiveWindow();
    return GetWndApp();
}

void TDialog::Activate(const DialogActivate& a) {
    auto self = shared_from_this();  // alive until the dialog has closed, whatever the caller drops
    ActivationCount counting;
    nLastKey = 0;
    HWND owner = OwnerWindow();
    bLClicked = a.bLClicked, bMoved = a.bMoved, bPainted = a.bPainted, lCentered = a.lCentered;
    bValid = a.bValid, lModal = a.lModal, bInit = a.bInit, bRClicked = a.bRClicked, bWhen = a.bWhen;
    nResult = Value();
    oCtlFocus.reset();
    lValidating = false;
    lVisible = true;
    if (bWhen && !lWhen()) {
        nResult = 2;
        lVisible = false;
        return;
    }
    AEvalWhen();
    if (lModal) {
        RunModal(owner);
        lVisible = false;
    } else {
        RunModeless(owner);
    }
}

void TDialog::RunModal(HWND owner) {
    std::string bytes = cResData.empty() ? cToChar(owner) : cResData;
    HCURSOR previous = SetCursor(LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_WAIT)));
    PlatformTemplate platformTemplate(bytes);
    SetCursor(previous);
    INT_PTR result = -1;
    {
        DialogCreationScope creating(*this);
        bool wasRunning = SetWRunning(true);
        if (creating.Pushed() && platformTemplate.Get())
            result = DialogBoxIndirectParamA(hResources, platformTemplate.Get(), owner, FrameworkDialogProc, 0);
        SetWRunning(wasRunning);
    }
    nResult = static_cast<long long>(result & 0xFFFF);
    if (nResult.AsInteger() == 65535) RaiseFrameworkError(FrameworkError::CannotCreateDialog, DialogErrorDetail(*this));
}

void TDialog::RunModeless(HWND owner) {
    static const char* kTableFull = "Not possible to create more non-modal Dialogs";
    if (!aControls.empty() && ModelessDialogs::Full()) {
        MessageBoxA(owner, kTableFull, "Alert", MB_OK | MB_ICONEXCLAMATION);
        return;
    }
    std::string bytes = cResData.empty() ? cToChar(owner) : cResData;
    PlatformTemplate platformTemplate(bytes);
    HWND created = nullptr;
    {
        DialogCreationScope creating(*this);
        if (creating.Pushed() && platformTemplate.Get())
            created = CreateDialogIndirectParamA(hResources, platformTemplate.Get(), owner, FrameworkDialogProc, 0);
    }
    if (!created) {
        RaiseFrameworkError(FrameworkError::CannotCreateDialog, DialogErrorDetail(*this));
        return;
    }
    if (!aControls.empty() && !ModelessDialogs::Add(created)) {
        SendMessageA(created, WM_CLOSE, 0, 0);
        MessageBoxA(owner, kTableFull, "Alert", MB_OK | MB_ICONEXCLAMATION);
        return;
    }
    ShowWindow(created, SW_SHOWNORMAL);
}

MsgResult TDialog::HandleEvent(UINT nMsg, WPARAM wp, LPARAM lp) {
    switch (nMsg) {
        case WM_INITDIALOG: return Initiate(reinterpret_cast<HWND>(wp), reinterpret_cast<HWND>(lp));
        default: return TWindow::HandleEvent(nMsg, wp, lp);
    }
}

MsgResult TDialog::Initiate(HWND, HWND hDlg) {
    hWnd = hDlg;
    if (!lModal) Link(true);  // from now on dispatched like any window
    ApplyFont();
    // Every control is bound and the dialog finished even when a binding or bInit
    // throws; the first failure is raised at the end.
    FirstFailure failures;
    auto controls = aControls;  // a control's binding may end others
    for (auto& control : controls) failures.Run([&] { control->Initiate(hWnd); });
    if (lCentered) {
        Center();
    } else {
        RECT rc;
        GetWindowRect(hWnd, &rc);
        POINT at{nLeft, nTop};
        MoveWindow(hWnd, at.x, at.y, rc.right - rc.left, rc.bottom - rc.top, TRUE);
    }
    if (!cCaption.empty()) SetWindowTextA(hWnd, cCaption.c_str());
    bool focusFirst = true;
    if (bInit) failures.Run([&] { focusFirst = !Refuses(bInit.Call(shared_from_this())); });
    if (!lHelpIcon) lHelpIcon = true;
    if (*lHelpIcon && hWnd) {
        SetWindowLongA(hWnd, GWL_EXSTYLE, GetWindowLongA(hWnd, GWL_EXSTYLE) | WS_EX_CONTEXTHELP);
        SetWindowPos(hWnd, nullptr, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
    }
    if (oIcon && hWnd) SendMsg(WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(oIcon->IconHandle()));
    failures.Rethrow();
    return focusFirst ? TRUE : FALSE;  // TRUE: the platform focuses the first control
}

MsgResult TDialog::Display() {
    TWindow::Display();
    if (bStart) {
        Action start = bStart;
        bStart = Action();  // once only, even if the action paints again
        start.Call(shared_from_this());
    }
    return 0;  // painted: nothing is left for the platform to paint
}

MsgResult TDialog::EraseBkGnd(HDC dc) {
    if (!oBrush || !oBrush->hBrush || !hWnd) return std::nullopt;
    RECT rc;
    GetClientRect(hWnd, &rc);
    FillRect(dc, &rc, oBrush->hBrush);
    return 1;
}

bool TDialog::End(int result) {
    if (!lModal) {
        PostMsg(WM_CLOSE, static_cast<WPARAM>(result));
        return true;
    }
    if (bValid && !lValid()) return false;
    nResult = result;
    if (hWnd) EndDialog(hWnd, result);
    return true;
}

MsgResult TDialog::Close(int result) {
    // The platform turns WM_CLOSE of a modal dialog into the cancel command.
    if (lModal) return std::nullopt;
    if (bValid && !lValid()) return 0;
    nResult = result;
    lVisible = false;
    DestroyWindow(hWnd);
    return 0;
}

MsgResult TDialog::Destroy() {
    if (!lModal && hWnd) ModelessDialogs::Remove(hWnd);
    return TWindow::Destroy();
}

MsgResult TDialog::Command(int id, int code, HWND hCtl) {
    if (oPopup || (!hCtl && oMenu)) return TWindow::Command(id, code, hCtl);
    if (id == 0) return std::nullopt;
    if (code == BN_CLICKED && hCtl && id != IDCANCEL) {
        auto clicked = oWndFromHwnd(hCtl);
        if (auto focused = oCtlFocus.lock()) {
            if (focused->lFocused) {
                // Lose and regain the focus state so that pending edits are written back.
                focused->LostFocus(hCtl);
                if (GetFocus() == focused->hWnd) focused->GotFocus(nullptr);
            }
            bool cancel = clicked && clicked->lCancel;
            if (focused != clicked && !focused->lValid() && !cancel) return std::nullopt;
        }
        if (auto control = ControlById(id)) {
            control->SendMsg(XM_CLICK);
        } else if (id == IDOK) {
            End(IDOK);
        }
        return std::nullopt;
    }
    if ((code == BN_CLICKED && !hCtl) || id == IDCANCEL) {
        if (id == IDOK) {
            // Enter without a default button moves on instead of closing.
            GoNextCtrl(GetFocus());
        } else if (auto control = ControlById(id)) {
            control->SendMsg(XM_CLICK);
        } else {
            End(IDCANCEL);
        }
        return std::nullopt;
    }
    return TWindow::Command(id, code, hCtl);  // a combo box's notifications
}

MsgResult TDialog::KeyChar(int nKey, UINT nFlags) {
    if (nKey == VK_ESCAPE) {
        auto owner = Parent();
        bool ownerIsDialog = owner && owner->hWnd && UpperClassName(owner->hWnd) == "#32770";
        bool ownerIsMdiChild = owner && UpperClassName(owner->hWnd) == "TMDICHILD";
        // A modal dialog ends on Esc from any control (its bValid may refuse): handed to
        // the owner, which is disabled while the dialog runs, the key would be lost.
        if (lModal || !owner || ownerIsDialog || ownerIsMdiChild) {
            End();
            return 0;
        }
    }
    return TWindow::KeyChar(nKey, nFlags);
}

MsgResult TDialog::SysCommand(UINT nCmd, int nChar) {
    UINT command = nCmd & 0xFFF0;
    if (command == SC_CONTEXTHELP) {
        lHelpIcon = true;
        // A modal dialog lets the platform start its help mode; a non-modal one keeps the command.
        return lModal ? std::nullopt : MsgResult(0);
    }
    // A modal dialog whose bValid refused goes on the platform's way: WM_CLOSE becomes the
    // cancel command, which asks bValid once more.
    if (command == SC_CLOSE && lModal) return End() ? MsgResult(0) : std::nullopt;
    return TWindow::SysCommand(nCmd, nChar);
}

MsgResult TDialog::MouseMove(int nRow, int nCol, UINT nFlags) {
    if (lHelpIcon && !*lHelpIcon)
        SetCursor(oCursor && oCursor->CursorHandle() ? oCursor->CursorHandle() : ArrowCursor());
    SetMsg(cMsg);
    CheckToolTip();
    return bMMoved ? AnswerOf(bMMoved.Call(nRow, nCol, nFlags)) : 0;
}

MsgResult TDialog::GotFocus(HWND) {
    lFocused = true;
    if (bGotFocus) bGotFocus();
    return std::nullopt;
}

MsgResult TDialog::LostFocus(HWND hWndNew) {
    lFocused = false;
    if (bLostFocus) bLostFocus.Call(Handle(hWndNew));
    return std::nullopt;
}

void TDialog::SetFont(std::shared_ptr<TFont> font) {
    bool hadFont = oFont != nullptr;
    TWindow::SetFont(font);
    if (!hadFont || !oFont || !hWnd) return;
    for (HWND child = GetWindow(hWnd, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
        SendMessageA(child, WM_SETFONT, reinterpret_cast<WPARAM>(oFont->hFont), TRUE);
}

HWND TDialog::GetItem(int id) const { return hWnd ? GetDlgItem(hWnd, id) : nullptr; }

void TDialog::ChangeFocus() { PostMsg(XM_CHANGEFOCUS); }

void TDialog::SetControl(const std::shared_ptr<TControl>& control) {
    oClient = control;
    if (!control || !hWnd) return;
    Rect client = GetCliRect();
    control->Move(0, 0, client.nRight, client.nBottom);
}

HWND TDialog::GetHotPos(int nChar, HWND hWndExcept) const {
    if (!hWnd) return nullptr;
    for (HWND child = GetWindow(hWnd, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        if (child == hWndExcept || GetParent(child) != hWnd || !IsWindowEnabled(child)) continue;
        if (!HasHotKey(child, nChar)) continue;
        if (UpperClassName(child) != "STATIC") return child;
        // A label's hot key belongs to the control after it.
        for (HWND next = GetWindow(child, GW_HWNDNEXT); next; next = GetWindow(next, GW_HWNDNEXT))
            if (UpperClassName(next) != "STATIC") return next;
        return nullptr;
    }
    return nullptr;
}

}  // namespace pixa::window
