#pragma once
// TControl: the base of every control. A control constructed on a window that
// exists is created at once; one constructed on a dialog that is still being built
// becomes an item of the dialog's template and is bound to its native window when
// the dialog initialises (Initiate). Controls answer their parent's colour
// requests and run the focus-validation protocol with which a control keeps the
// focus while its value is invalid.
//
// Construction protocol for subclasses (in their New):
//   1. parent = TControl::DefaultParent(given parent)
//   2. compute nTop..nRight (control units on a dialog being built, pixels otherwise)
//   3. set nStyle, nId = GetNewId(), colours (SetColor), font, actions
//   4. Attach(parent, "BUTTON"): created now, or handed to the dialog's DefControl
#include <windows.h>

#include <memory>
#include <optional>
#include <string>

#include "framework/window/dialog_template.h"
#include "framework/window/window.h"

namespace pixa::window {

class TDialog;

class TControl : public TWindow {
    friend class TDialog;

public:
    Action bSetGet;                    // value binding: () yields the value, (x) stores it
    Action bChange;                    // action on value change (used by subclasses)
    Action bDragBegin;                 // drag start (row, col, flags, control)
    bool lCaptured = false;            // the control captured the mouse
    bool lDrag = false;                // design mode: movable (not supported)
    bool lMouseDown = false;           // the left button is down on the control
    bool lUpdate = false;              // refreshed by its window's Update()
    bool l3DLook = false;              // three-dimensional look applied
    int nLastRow = 0, nLastCol = 0;    // position of the last left-button press
    int nMResize = 0;                  // design-mode resize handle (unused)
    std::optional<int> nDlgCode;       // answer to WM_GETDLGCODE; absent = the platform's
    std::weak_ptr<TWindow> oJump;      // focus goes here after a successful validation
    bool l97Look = false;              // flat look (unused)
    int nClientBevel = 0;              // bevel width when docked in the client area
    std::string cPlatformClass;        // platform window class it was attached with ("BUTTON", "EDIT", ...)

    // Default style of a control: WS_CHILD + WS_VISIBLE + WS_TABSTOP.
    static constexpr DWORD kDefaultStyle = WS_CHILD | WS_VISIBLE | WS_TABSTOP;

    // ======== may be overridden ========
    // "TCONTROL".
    std::string ClassName() const override { return "TCONTROL"; }
    // The control's dialog-template item, of its platform class (ClassName() when none was given).
    virtual DialogItem TemplateItem(const DialogUnits& units);
    // Binds a template control to its native window in the initialising dialog (error 1 when missing).
    virtual void Initiate(HWND hDlg);
    // Applies the control's look once the native window exists.
    virtual void Default();
    // The control's value: bSetGet() when bound.
    virtual Value VarGet();
    // Stores a value as the control's value: bSetGet(x) when bound.
    virtual void VarPut(const Value& xValue);
    // The control's own messages (XM_CLICK, XM_COLOR, XM_LOSTFOCUS, ...), the rest to the window's.
    MsgResult HandleEvent(UINT nMsg, WPARAM nWParam, LPARAM nLParam) override;
    // Focuses the control when lWhen(), else its next sibling.
    void SetFocus() override;
    // Keys a control does not use (Esc, Tab, Enter).
    MsgResult KeyChar(int nKey, UINT nFlags) override;
    // Removes the control from its parent, then closes it like a window.
    bool End() override;

protected:
    // Standard controls paint themselves: nothing here.
    MsgResult Display() override { return std::nullopt; }
    // Nothing to draw in the base class.
    MsgResult Paint() override { return std::nullopt; }
    // XM_CHANGE: nothing in the base class.
    virtual MsgResult Change() { return std::nullopt; }
    // XM_CLICK: re-evaluates the enabling conditions of the sibling controls.
    virtual MsgResult Click();
    // XM_COLOR: sets the device context's colours and yields the background brush.
    virtual MsgResult Colors(HDC hDCControl);
    // WM_SETFOCUS: the parent learns its focused control; status text; bGotFocus.
    MsgResult GotFocus(HWND hWndOld) override;
    // status text cleared, then the window's LostFocus.
    MsgResult LostFocus(HWND hWndNew) override;
    // WM_KILLFOCUS: posts the deferred validation (or skips it for a cancel button).
    virtual MsgResult KillFocus(HWND hWndNew);
    // XM_LOSTFOCUS: runs bValid; a failure takes the focus back.
    virtual MsgResult VLLostFocus(HWND hWndNew);
    // After a valid leave: enabling conditions, then on to the next or previous control.
    virtual void ForWhen();
    // WM_GETDLGCODE: remembers the navigation key in the parent; nDlgCode.
    MsgResult GetDlgCode(int nKey) override;
    // Alt+letter: focuses and clicks the control with that hot key.
    MsgResult SysCommand(UINT nCmd, int nChar) override;
    // WM_MOUSEMOVE: cursor, status text and tooltip; the standard control sees the move too
    // (pressing, hot tracking).
    MsgResult MouseMove(int nRow, int nCol, UINT nFlags) override;
    // WM_LBUTTONDOWN: marks a mouse click (no moving on after validation).
    MsgResult LButtonDown(int nRow, int nCol, UINT nFlags) override;
    // WM_LBUTTONUP: the button is up again.
    MsgResult LButtonUp(int nRow, int nCol, UINT nFlags) override;

public:
    // ======== not to be overridden ========
    // The next control identifier (the first of the run is 101; never reused).
    static int GetNewId();
    // The identifier counter shared by all control classes (class-wide nInitID, starts at 100).
    static int& nInitID();
    // The parent a control is placed on: the given one, else the default window.
    static std::shared_ptr<TWindow> DefaultParent(const std::shared_ptr<TWindow>& given);
    // Step 4 of construction: remembers the platform class, then creates the control
    // on an existing window (then AddControl) or makes it a template item of a dialog
    // being built (DefControl).
    void Attach(const std::shared_ptr<TWindow>& parent, const std::string& cClassName);
    // The template item as bytes, as it appears in the dialog's template.
    std::string cToChar();
    // Posts XM_CHANGEFOCUS to the control.
    void ChangeFocus();
    // Clicks the control from the keyboard: posted to the parent as the platform's
    // click notification, so that the parent's command check (the focused control's
    // validation) decides, as for a mouse click.
    void PostClick();

protected:
    // Sets the caption as the native text, or takes the native text when the caption is empty.
    void ShowOrTakeCaption();
    // WM_GETDLGCODE of a button that asks for the arrow keys as well.
    MsgResult ButtonDlgCode(int nKey);
};

// The platform class name of a window, upper-cased ("#32770", "STATIC", ...).
std::string UpperClassName(HWND hWnd);
// True when two windows have a common ancestor below the nearest top-level dialog,
// browse list or framework main window.
bool ShareParentChain(HWND hWndA, HWND hWndB);

}  // namespace pixa::window
