// TWindow: construction, registration, creation, linking, activation and geometry.
#include "framework/window/window.h"

#include <set>

#include "framework/window/control.h"
#include "framework/window/event_loop.h"
#include "framework/window/framework_error.h"
#include "framework/window/tooltip.h"
#include "framework/window/window_procedure.h"
#include "framework/window/window_registry.h"
#include "runtime/frame.h"
#include "runtime/value_text.h"

namespace pixa::window {

namespace {
// Platform classes registered so far, by name (the class-wide lRegistered of each class).
std::set<std::string>& RegisteredClasses() {
    static std::set<std::string> names;
    return names;
}

std::string LastErrorText() {
    char* text = nullptr;
    FormatMessageA(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
                   nullptr, GetLastError(), 0, reinterpret_cast<LPSTR>(&text), 0, nullptr);
    std::string result = text ? text : "";
    if (text) LocalFree(text);
    return result;
}

int ShowCommand(const std::string& cShow) {
    if (cShow == "NORMAL") return SW_SHOWNORMAL;
    if (cShow == "ICONIZED") return SW_SHOWMINIMIZED;
    if (cShow == "MAXIMIZED") return SW_SHOWMAXIMIZED;
    return SW_HIDE;
}

void Store(Action& member, const Action& given) {
    if (given) member = given;
}
}  // namespace

// A window destroyed on screen has released its objects already (Destroy); one that
// never got a native window (refused by bWhen, never activated, not creatable) does it here.
TWindow::~TWindow() {
    if (!hWnd) EndResources();
}

DWORD BuildWindowStyle(const WindowNew& a) {
    DWORD style = WS_CLIPCHILDREN;
    if (a.cBorder == "NONE") style |= WS_POPUP;
    if (a.cBorder == "SINGLE") style |= WS_THICKFRAME;
    if (a.lCaption) {
        style |= WS_CAPTION;
        if (a.lSysMenu) style |= WS_SYSMENU;
        if (a.lMin) style |= WS_MINIMIZEBOX;
        if (a.lMax) style |= WS_MAXIMIZEBOX;
    }
    if (a.lVScroll) style |= WS_VSCROLL;
    if (a.lHScroll) style |= WS_HSCROLL;
    return style;
}

Rect WindowCoordinates(const WindowNew& a) {
    if (a.lPixel) return {a.nTop, a.nLeft, a.nBottom, a.nRight};
    // Text cells: rows of 16 and columns of 8 pixels.
    return {a.nTop * 16, a.nLeft * 8, a.nBottom * 16, a.nRight * 8};
}

std::shared_ptr<TWindow> TWindow::New(const WindowNew& args) {
    auto window = std::make_shared<TWindow>();
    window->Construct(args);
    return window;
}

void TWindow::Construct(const WindowNew& a) {
    nStyle = a.nStyle ? a.nStyle : BuildWindowStyle(a);
    Rect r = WindowCoordinates(a);
    nTop = r.nTop, nLeft = r.nLeft, nBottom = r.nBottom, nRight = r.nRight;
    cCaption = a.cTitle.value_or("");
    oCursor = a.oCursor;
    oMenu = a.oMenu;
    oWnd = a.oWnd;
    lVisible = true;
    aControls.clear();
    nLastKey = 0;
    lValidating = false;
    SetColor(a.nClrFore, a.nClrBack.value_or(GetSysColor(COLOR_WINDOW)), a.oBrush);
    Register();
    if (!Create()) return;
    if (auto name = std::get_if<std::string>(&a.oIcon)) {
        oIcon = LoadNamedIcon(*name);
        Refresh();
    } else if (auto icon = std::get_if<std::shared_ptr<WindowIcon>>(&a.oIcon)) {
        oIcon = *icon;
    }
    if (oIcon) SendMsg(WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(oIcon->IconHandle()));
    if (oMenu) SetMenu(oMenu);
    if (a.lVScroll) oVScroll = std::make_shared<TScrollBar>(hWnd, true);
    if (a.lHScroll) oHScroll = std::make_shared<TScrollBar>(hWnd, false);
    GetFont();
    SetWndDefault(shared_from_this());
}

bool TWindow::Register(UINT nClassStyle) {
    std::string name = ClassName();
    if (!nClrPane) nClrPane = GetSysColor(COLOR_WINDOW);
    if (!oBrush) oBrush = TBrush::Solid(*nClrPane);
    if (RegisteredClasses().count(name)) return true;
    HINSTANCE module = GetModuleHandleA(nullptr);
    WNDCLASSEXA wc{};
    wc.cbSize = sizeof wc;
    if (GetClassInfoExA(module, name.c_str(), &wc)) {
        RegisteredClasses().insert(name);
        return true;
    }
    wc = WNDCLASSEXA{};
    wc.cbSize = sizeof wc;
    wc.style = nClassStyle | CS_GLOBALCLASS | CS_DBLCLKS;
    wc.lpfnWndProc = DefWindowProcA;  // the object's procedure is put in place when the window is linked
    wc.hInstance = module;
    // The class outlives every window's brush, so it paints with the platform colour;
    // each window erases with its own brush in EraseBkGnd.
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    wc.lpszClassName = name.c_str();
    bool ok = RegisterClassExA(&wc) != 0;
    if (ok) RegisteredClasses().insert(name);
    return ok;
}

bool TWindow::Create(const std::string& cClassName) {
    std::string className = cClassName.empty() ? ClassName() : cClassName;
    DWORD style = nStyle ? nStyle : WS_OVERLAPPEDWINDOW;
    DWORD exStyle = 0;
    auto parent = Parent();
    HWND hParent = parent ? parent->hWnd : nullptr;
    if (style == WS_BORDER) {
        // A bare bordered window is a floating tool window (the tooltip), owned, not a child.
        style = WS_POPUP | WS_BORDER;
        exStyle = WS_EX_TOOLWINDOW;
    } else if (parent) {
        style |= WS_CHILD;
    }
    int width = nRight - nLeft + 1, height = nBottom - nTop + 1;
    // 32768 was the 16-bit platform's "use default" value; today's is CW_USEDEFAULT.
    if (nBottom == 32768) width = CW_USEDEFAULT, height = CW_USEDEFAULT;
    HMENU idOrMenu = (style & WS_CHILD) ? reinterpret_cast<HMENU>(static_cast<INT_PTR>(nId)) : nullptr;
    HWND created;
    {
        CreationScope scope(*this);
        // The object as creation parameter: the creation hook links this window, no other.
        created = CreateWindowExA(exStyle, className.c_str(), cCaption.c_str(), style, nLeft, nTop, width, height,
                                  hParent, idOrMenu, GetModuleHandleA(nullptr), this);
    }
    if (!created) {
        std::string reason = LastErrorText();
        hWnd = nullptr;
        RaiseFrameworkError(FrameworkError::CannotCreateWindow, "\r\nClass: " + className + "\r\nCaption: " + cCaption +
                                                                    "\r\nSystem Error: " + reason);
        return false;
    }
    if (hWnd != created) {  // the creation hook did not see it: link now
        hWnd = created;
        Link(true);
    }
    return true;
}

void TWindow::Link(bool lSubclass) {
    // Only objects owned by a shared_ptr can be kept alive by the registry.
    auto self = weak_from_this().lock();
    if (!hWnd || !self) return;
    if (!nSlot_) {
        WindowRegistry::Instance().Add(self);
        NoteClass(ClassName());  // the error report's classes in use
    }
    if (lSubclass && !nOldProc &&
        reinterpret_cast<WNDPROC>(GetWindowLongPtrA(hWnd, GWLP_WNDPROC)) != FrameworkWindowProc) {
        nOldProc = reinterpret_cast<WNDPROC>(
            SetWindowLongPtrA(hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(FrameworkWindowProc)));
    }
}

void TWindow::UnLink() {
    if (nOldProc && hWnd && IsWindow(hWnd) &&
        reinterpret_cast<WNDPROC>(GetWindowLongPtrA(hWnd, GWLP_WNDPROC)) == FrameworkWindowProc) {
        SetWindowLongPtrA(hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(nOldProc));
    }
    nOldProc = nullptr;
    // Last: freeing the slot may drop the last reference to this object.
    if (nSlot_) WindowRegistry::Instance().Remove(*this);
}

void TWindow::Activate(const WindowActivate& a) {
    nResult = Value();
    lValidating = false;
    Store(bLClicked, a.bLClicked), Store(bRClicked, a.bRClicked), Store(bMoved, a.bMoved);
    Store(bResized, a.bResized), Store(bPainted, a.bPainted), Store(bKeyDown, a.bKeyDown), Store(bInit, a.bInit);
    Store(bUp, a.bUp), Store(bDown, a.bDown), Store(bPgUp, a.bPgUp), Store(bPgDn, a.bPgDn);
    Store(bLeft, a.bLeft), Store(bRight, a.bRight), Store(bPgLeft, a.bPgLeft), Store(bPgRight, a.bPgRight);
    Store(bValid, a.bValid), Store(bDropFiles, a.bDropFiles), Store(bLButtonUp, a.bLButtonUp);
    if (a.bDropFiles && hWnd) DragAcceptFiles(hWnd, TRUE);
    AEvalWhen();
    if (hWnd) {
        ShowWindow(hWnd, ShowCommand(a.cShow));
        UpdateWindow(hWnd);
    }
    lVisible = true;
    if (!lWRunning()) SetWndApp(hWnd);
    auto self = shared_from_this();  // the actions below may drop the caller's reference
    bInit.Call(self);
    ReSize({}, {}, {});
    if (!Parent() && !lWRunning() && hWnd) {
        WinRun(hWnd);
        lVisible = false;
    }
}

bool TWindow::lWhen() { return !bWhen || Affirmative(bWhen.Call(shared_from_this())); }

bool TWindow::lValid() { return !bValid || Affirmative(bValid.Call(shared_from_this())); }

bool TWindow::End() {
    bool ok = lValid();
    if (ok && hWnd) PostMessageA(hWnd, WM_CLOSE, 0, 0);
    return ok;
}

void TWindow::SetText(const Value& xText) {
    cCaption = cValToChar(xText);
    if (hWnd) SetWindowTextA(hWnd, cCaption.c_str());
}

std::string TWindow::GetText() const {
    if (!hWnd) return cCaption;
    int length = GetWindowTextLengthA(hWnd);
    std::string text(static_cast<std::size_t>(length) + 1, '\0');
    text.resize(static_cast<std::size_t>(GetWindowTextA(hWnd, text.data(), length + 1)));
    return text;
}

void TWindow::Refresh(bool lErase) {
    if (hWnd) InvalidateRect(hWnd, nullptr, lErase);
}

void TWindow::SetFocus() {
    if (hWnd && lWhen()) ::SetFocus(hWnd);
}

void TWindow::Enable() {
    lActive = true;
    if (hWnd) EnableWindow(hWnd, TRUE);
}

void TWindow::Disable() {
    lActive = false;
    if (hWnd) EnableWindow(hWnd, FALSE);
}

void TWindow::Show() {
    if (hWnd) ShowWindow(hWnd, SW_SHOWNA);
    lVisible = true;
}

void TWindow::Hide() {
    if (hWnd) ShowWindow(hWnd, SW_HIDE);
    lVisible = false;
}

void TWindow::Normal() {
    if (hWnd) ShowWindow(hWnd, SW_SHOWNORMAL);
}

void TWindow::Minimize() {
    if (hWnd) ShowWindow(hWnd, SW_MINIMIZE);
}

void TWindow::Maximize() {
    if (hWnd) ShowWindow(hWnd, SW_MAXIMIZE);
}

void TWindow::Restore() {
    if (hWnd) ShowWindow(hWnd, SW_RESTORE);
}

void TWindow::GoTop() {
    if (hWnd) BringWindowToTop(hWnd);
}

void TWindow::Center(const std::shared_ptr<TWindow>& oParent) {
    if (!hWnd) return;
    RECT area{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
    if (oParent && oParent->hWnd) GetWindowRect(oParent->hWnd, &area);
    RECT own;
    GetWindowRect(hWnd, &own);
    POINT to{area.left + ((area.right - area.left) - (own.right - own.left)) / 2,
             area.top + ((area.bottom - area.top) - (own.bottom - own.top)) / 2};
    if (GetWindowLongA(hWnd, GWL_STYLE) & WS_CHILD) ScreenToClient(GetParent(hWnd), &to);
    SetWindowPos(hWnd, nullptr, to.x, to.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    CoorsUpdate();
}

void TWindow::Move(int top, int left, std::optional<int> width, std::optional<int> height, bool lRepaint) {
    if (!hWnd) return;
    MoveWindow(hWnd, left, top, width.value_or(nWidth()), height.value_or(nHeight()), lRepaint);
    CoorsUpdate();
}

void TWindow::SetSize(int width, int height, bool lRepaint) {
    if (!hWnd) return;
    SetWindowPos(hWnd, nullptr, 0, 0, width, height,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | (lRepaint ? 0 : SWP_NOREDRAW));
    CoorsUpdate();
}

void TWindow::SetCoors(const Rect& r) {
    nTop = r.nTop, nLeft = r.nLeft, nBottom = r.nBottom, nRight = r.nRight;
    if (hWnd) MoveWindow(hWnd, r.nLeft, r.nTop, r.Width(), r.Height(), TRUE);
}

void TWindow::CoorsUpdate() {
    if (!hWnd) return;
    RECT rc;
    GetWindowRect(hWnd, &rc);
    HWND parent = GetParent(hWnd);
    if (parent && (GetWindowLongA(hWnd, GWL_STYLE) & WS_CHILD))
        MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&rc), 2);
    // The platform's rectangle as it is (bottom and right exclusive): the main window
    // stores these numbers and is created from them at the next start.
    nTop = rc.top, nLeft = rc.left, nBottom = rc.bottom, nRight = rc.right;
}

int TWindow::nWidth() const {
    if (!hWnd) return nRight - nLeft + 1;
    RECT rc;
    GetWindowRect(hWnd, &rc);
    return rc.right - rc.left;
}

int TWindow::nHeight() const {
    if (!hWnd) return nBottom - nTop + 1;
    RECT rc;
    GetWindowRect(hWnd, &rc);
    return rc.bottom - rc.top;
}

Rect TWindow::GetCliRect() const {
    RECT rc{};
    if (hWnd) GetClientRect(hWnd, &rc);
    return {rc.top, rc.left, rc.bottom, rc.right};
}

Rect TWindow::GetRect() const {
    RECT rc{};
    if (hWnd) GetWindowRect(hWnd, &rc);
    return {rc.top, rc.left, rc.bottom, rc.right};
}

void TWindow::SetMenu(std::shared_ptr<WindowMenu> menu) {
    oMenu = std::move(menu);
    if (!oMenu) return;
    oMenu->SetOwner(this);
    if (hWnd) ::SetMenu(hWnd, oMenu->MenuHandle());
}

void TWindow::SetIcon(std::shared_ptr<WindowIcon> icon) {
    if (oIcon && oIcon != icon) oIcon->End();
    oIcon = std::move(icon);
    if (oIcon && hWnd) SendMsg(WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(oIcon->IconHandle()));
}

LRESULT TWindow::SendMsg(UINT nMsg, WPARAM nWParam, LPARAM nLParam) {
    return hWnd ? SendMessageA(hWnd, nMsg, nWParam, nLParam) : 0;
}

bool TWindow::PostMsg(UINT nMsg, WPARAM nWParam, LPARAM nLParam) {
    return hWnd && PostMessageA(hWnd, nMsg, nWParam, nLParam);
}

void TWindow::Capture() {
    if (hWnd) SetCapture(hWnd);
}

void TWindow::EndResources() {
    if (oCursor) oCursor->End();
    if (oIcon) oIcon->End();
    if (oMenu) oMenu->Destroy();
    if (oSysMenu) oSysMenu->Destroy();
    oBrush = nullptr, oCursor = nullptr, oIcon = nullptr, oFont = nullptr;
    oMenu = nullptr, oSysMenu = nullptr;
    if (oVScroll) oVScroll->End();
    if (oHScroll) oHScroll->End();
    oVScroll = nullptr, oHScroll = nullptr;
}

}  // namespace pixa::window
