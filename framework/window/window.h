#pragma once
// TWindow: one native window tied to one object. Every platform message that
// reaches the window is decoded once, in HandleEvent, into a call of a named
// virtual operation (LButtonDown, KeyChar, Paint, ...); those operations call the
// application's actions (bLClicked, bKeyChar, bPainted, ...). Each operation
// answers with a MsgResult; the actions' dynamic answers are read at the edge
// (action_answer.h).
#include <windows.h>
#include <shellapi.h>

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "framework/window/brush.h"
#include "framework/window/action_answer.h"
#include "framework/window/font.h"
#include "framework/window/messages.h"
#include "framework/window/scroll_bar.h"
#include "framework/window/window_params.h"
#include "framework/window/window_resources.h"
#include "runtime/value.h"

namespace pixa::window {

class TControl;

class TWindow : public Object, public std::enable_shared_from_this<TWindow> {
    friend class TDialog;
    friend class TControl;
    friend class ToolTips;

public:
    // An empty object; New builds a window.
    TWindow() = default;
    ~TWindow() override;
    TWindow(const TWindow&) = delete;
    TWindow& operator=(const TWindow&) = delete;

    // ---- link ----
    HWND hWnd = nullptr;         // native window; null before creation and once destroyed
    WNDPROC nOldProc = nullptr;  // procedure replaced when linked, used for default processing

    // ---- actions (absent ones are not called) ----
    Action bInit;        // after activation, with the window
    Action bMoved;       // on move
    Action bLClicked;    // left button down (row, col, flags)
    Action bLButtonUp;   // left button up (row, col, flags)
    Action bKeyDown;     // key down (key, flags)
    Action bPainted;     // on paint (hDC, paint struct, window)
    Action bMButtonDown; // middle button down
    Action bMButtonUp;   // middle button up
    Action bRClicked;    // right button down (row, col, flags, window)
    Action bRButtonUp;   // right button up
    Action bResized;     // resize (type, width, height)
    Action bLDblClick;   // double click
    Action bWhen;        // enabling condition
    Action bValid;       // closing or leaving condition
    Action bKeyChar;     // character typed (key, flags)
    Action bMMoved;      // mouse moved (row, col, flags)
    Action bGotFocus;    // focus gained
    Action bLostFocus;   // focus lost (handle of the new focus window)
    Action bDropFiles;   // files dropped
    Action bDdeInit;     // dynamic data exchange: initiate (inert)
    Action bDdeExecute;  // dynamic data exchange: execute (inert)
    Action bCommNotify;  // serial notification (inert)
    Action bMenuSelect;  // menu item highlighted (item, flags, menu)
    Action bDropOver;    // something dropped on the window
    Action bCopy, bCut, bFind, bPaste, bPrint, bUnDo, bReDo, bDelete, bSelectAll, bFindNext, bReplace,
        bProperties;     // edit-command hooks, called by the operation of the same name
    Action bUp, bDown, bPgUp, bPgDn;            // vertical scroll-bar actions
    Action bLeft, bRight, bPgLeft, bPgRight;    // horizontal scroll-bar actions
    Action OnClick, OnMouseMove, OnKeyDown, OnMove, OnPaint, OnResize;  // designer hooks, window first

    // ---- text ----
    std::string cCaption;     // caption
    PAINTSTRUCT cPS{};        // paint structure between BeginPaint and EndPaint
    std::string cVarName;     // variable name
    int nPaintCount = 0;      // nesting count of device-context requests
    std::string cMsg;         // status-bar message
    Value cToolTip;           // tooltip text, or an action yielding it
    HDROP hDrop = nullptr;    // last files drop
    Value Cargo;              // free slot for the application

    // ---- drawing and state ----
    HDC hDC = nullptr;        // current device context
    int nId = 0;              // control identifier (0 for windows)
    bool lActive = true;      // enabled
    bool lCancel = false;     // cancel-type control: leaving to it skips validation
    bool lFocused = false;    // has the focus
    bool lVisible = false;    // shown
    bool lDesign = false;     // design mode (not supported)
    bool lValidating = false; // a focus validation runs in this window

    // ---- geometry, style, colours ----
    int nTop = 0, nLeft = 0, nBottom = 0, nRight = 0;  // pixels, bottom and right inclusive
    DWORD nStyle = 0;         // platform style bits
    int nChrHeight = 0;       // character cell height of the font
    int nChrWidth = 0;        // character cell width of the font
    int nLastKey = 0;         // last navigation key (1002: a mouse click)
    std::optional<std::uint32_t> nClrPane;  // background colour
    std::optional<std::uint32_t> nClrText;  // text colour

    // ---- dialog support and children ----
    Value nResult;            // result of a dialog, set as it closes
    int nHelpId = 0;          // help topic
    HWND hCtlFocus = nullptr; // child that last had the focus
    std::vector<std::shared_ptr<TControl>> aControls;  // child controls in creation order
    std::vector<POINT> aMinMaxInfo;  // max size, max position, min track, max track

    // ---- objects ----
    std::shared_ptr<TBrush> oBrush;         // background brush
    std::shared_ptr<WindowCursor> oCursor;  // mouse cursor; absent = arrow
    std::shared_ptr<TFont> oFont;           // font
    std::shared_ptr<WindowIcon> oIcon;      // caption icon
    std::shared_ptr<WindowMenu> oMenu;      // menu bar
    std::shared_ptr<WindowMenu> oSysMenu;   // system menu
    std::shared_ptr<WindowMenu> oPopup;     // open popup menu
    std::weak_ptr<TWindow> oWnd;            // parent (or owner) window
    std::weak_ptr<TControl> oCtlFocus;      // control that has the focus
    std::shared_ptr<TWindow> oMsgBar;       // status bar
    std::shared_ptr<TScrollBar> oVScroll;   // the window's own vertical scroll bar
    std::shared_ptr<TScrollBar> oHScroll;   // the window's own horizontal scroll bar
    std::shared_ptr<TControl> oTop, oLeft, oBottom, oRight, oClient;  // docked children

    // ======== may be overridden ========
    // The hooks subclasses refine; the application reacts through the actions above.

    // The class name, also the name of the platform window class ("TWINDOW").
    std::string ClassName() const override { return "TWINDOW"; }
    // Shows the window and, for the first top-level window, runs the event loop.
    virtual void Activate(const WindowActivate& args = {});
    // Turns one platform message into the named operation.
    virtual MsgResult HandleEvent(UINT nMsg, WPARAM nWParam, LPARAM nLParam);
    // WM_KEYDOWN: Tab moves between controls, the key table, F1 help, bKeyDown, the parent.
    // Public: a control hands keys it does not use on to its parent.
    virtual MsgResult KeyDown(int nKey, UINT nFlags);
    // WM_CHAR: the key table for extended keys, bKeyChar, Esc to the parent.
    virtual MsgResult KeyChar(int nKey, UINT nFlags);
    // bValid(), true when absent.
    virtual bool lValid();
    // Asks the window to close: posts WM_CLOSE when lValid() holds; returns that truth.
    virtual bool End();
    // Shows the current state again; for a plain window that is a repaint.
    virtual void Refresh(bool lErase = true);
    // Shows a text: stores it as the caption and sets the native text.
    virtual void SetText(const Value& xText);
    virtual void SetFocus();            // focuses the window when lWhen()
    virtual void Enable();              // enables the window
    virtual void Disable();             // disables the window
    // Moves and sizes (absent width/height keep the current size), then CoorsUpdate().
    virtual void Move(int nTop, int nLeft, std::optional<int> nWidth = {}, std::optional<int> nHeight = {},
                      bool lRepaint = true);
    // Reads the native rectangle into nTop..nRight (parent client coordinates for a child;
    // bottom and right as the platform gives them, one past the last pixel).
    virtual void CoorsUpdate();
    // Takes a font (a reference counted) and sends it to the native window.
    virtual void SetFont(std::shared_ptr<TFont> font);
    // Shows the help topic nHelpId, or asks the parent.
    virtual void HelpTopic();
    // Edit commands a field carries out itself; here each calls the action of the same name.
    virtual void Copy();
    virtual void Cut();
    virtual void Paste();
    virtual void UnDo();
    virtual void SelectAll();

protected:
    // The named operations HandleEvent turns messages into. Protected: only the
    // dispatcher and the framework's own classes (a control forwarding a key to its
    // dialog, a dialog settling a control's focus) call them.
    // WM_DESTROY: ends resources, unlinks, quits the loop for the main window.
    virtual MsgResult Destroy();
    // WM_MOVE: coordinates, OnMove, bMoved.
    virtual MsgResult Moved(int nRow, int nCol);
    // WM_SIZE: coordinates, OnResize, bResized (all absent when Activate asks).
    virtual MsgResult ReSize(std::optional<int> nType, std::optional<int> nWidth, std::optional<int> nHeight);
    // WM_SETFOCUS: bGotFocus, then the remembered or first control.
    virtual MsgResult GotFocus(HWND hWndOld);
    // WM_KILLFOCUS: tooltip away, bLostFocus.
    virtual MsgResult LostFocus(HWND hWndNew);
    // draws: bPainted (or the icon when minimised).
    virtual MsgResult Paint();
    // WM_PAINT: BeginPaint, Paint, EndPaint.
    virtual MsgResult Display();
    // WM_CLOSE: nothing here (default processing destroys).
    virtual MsgResult Close(int nResult);
    // WM_QUERYENDSESSION: 1 when End() succeeds.
    virtual MsgResult QueryEndSession();
    // WM_ERASEBKGND: fills with the window's brush.
    virtual MsgResult EraseBkGnd(HDC hDCErase);
    // WM_GETMINMAXINFO: applies aMinMaxInfo.
    virtual MsgResult GetMinMaxInfo(MINMAXINFO* pInfo);
    // WM_DRAWITEM / XM_DRAWITEM: to the control with that identifier.
    virtual MsgResult DrawItem(int nId, DRAWITEMSTRUCT* pItem);
    // WM_MEASUREITEM: to the control with that identifier.
    virtual MsgResult MeasureItem(int nId, MEASUREITEMSTRUCT* pItem);
    // WM_QUERYDRAGICON: the icon's handle.
    virtual MsgResult QueryDragIcon();
    // WM_NCACTIVATE: bLostFocus when deactivated elsewhere.
    virtual MsgResult NcActivate(bool lActivating);
    // WM_GETDLGCODE: nothing here (the platform's answer).
    virtual MsgResult GetDlgCode(int nKey);
    // WM_NCMOUSEMOVE: tooltips go cold.
    virtual MsgResult NcMouseMove(int nHitTest, int nRow, int nCol);
    // WM_COMMAND: popup, menu, or XM_CLICK/XM_CHANGE/XM_CLOSEUP to the control.
    virtual MsgResult Command(int nId, int nCode, HWND hCtl);
    // WM_SYSCOMMAND: F10 key, system menu, close through End(); nChar for a menu key.
    virtual MsgResult SysCommand(UINT nCmd, int nChar);
    // WM_TIMER: the tooltip delay or the window's timer objects.
    virtual MsgResult Timer(UINT_PTR nId);
    // WM_VSCROLL: scroll actions, or XM_SCROLL... to a scroll-bar control.
    virtual MsgResult VScroll(int nCode, int nPos, HWND hBar);
    // WM_HSCROLL: likewise, horizontal.
    virtual MsgResult HScroll(int nCode, int nPos, HWND hBar);
    // WM_INITMENUPOPUP: to the menu.
    virtual MsgResult InitMenuPopup(HMENU hPopup, int nPos, bool lSystem);
    // WM_MENUSELECT: highlighted item, its status text, bMenuSelect.
    virtual MsgResult MenuSelect(int nIdItem, int nFlags, HMENU hMenu);
    // WM_CTLCOLOR...: asks the child (XM_COLOR) for its brush.
    virtual MsgResult CtlColor(HWND hWndChild, HDC hDCChild);
    // WM_MOUSEMOVE: cursor, status text, tooltip, bMMoved.
    virtual MsgResult MouseMove(int nRow, int nCol, UINT nFlags);
    // WM_LBUTTONDOWN: bLClicked.
    virtual MsgResult LButtonDown(int nRow, int nCol, UINT nFlags);
    // WM_LBUTTONUP: OnClick, bLButtonUp.
    virtual MsgResult LButtonUp(int nRow, int nCol, UINT nFlags);
    // WM_LBUTTONDBLCLK: bLDblClick.
    virtual MsgResult LDblClick(int nRow, int nCol, UINT nFlags);
    // WM_RBUTTONDOWN: bRClicked.
    virtual MsgResult RButtonDown(int nRow, int nCol, UINT nFlags);
    // WM_RBUTTONUP: bRButtonUp.
    virtual MsgResult RButtonUp(int nRow, int nCol, UINT nFlags);
    // WM_MBUTTONDOWN: bMButtonDown.
    virtual MsgResult MButtonDown(int nRow, int nCol, UINT nFlags);
    // WM_MBUTTONUP: bMButtonUp.
    virtual MsgResult MButtonUp(int nRow, int nCol, UINT nFlags);
    // WM_MOUSEWHEEL: nothing here.
    virtual MsgResult MouseWheel(int nKeys, int nDelta, int nX, int nY);
    // WM_DROPFILES: bDropFiles with the row, column and file names.
    virtual MsgResult DropFiles(HDROP hDropped);
    // XM_HELPF1: the help topic.
    virtual MsgResult HelpF1();
    // XM_DROPOVER: bDropOver.
    virtual MsgResult DropOver(int nRow, int nCol, LPARAM nLParam);

public:
    // ======== not to be overridden ========
    // The window's fixed behaviour, built on the hooks above.

    // ---- construction ----
    // Builds, creates and links a window (21 positions, see WindowNew).
    static std::shared_ptr<TWindow> New(const WindowNew& args = {});
    // Registers the platform class of this object's class once.
    bool Register(UINT nClassStyle = CS_VREDRAW | CS_HREDRAW);
    // Creates the native window (class defaults to ClassName()) and links it.
    bool Create(const std::string& cClassName = {});
    // Ties the native window to this object; with lSubclass its messages reach HandleEvent.
    void Link(bool lSubclass = true);
    // Unties the native window: restores its procedure and frees the registry slot.
    void UnLink();
    // Registry slot, 1-based; 0 when not linked.
    int Slot() const { return nSlot_; }

    // bWhen(), true when absent.
    bool lWhen();
    // The native text (or the caption without a native window).
    std::string GetText() const;

    // ---- showing ----
    void Show();                        // shows the window
    void Hide();                        // hides the window
    void Normal();                      // restores normal size and shows
    void Minimize();                    // minimises
    void Maximize();                    // maximises
    void Restore();                     // restores from minimised or maximised
    void Iconize() { Minimize(); }      // same as Minimize
    void GoTop();                       // brings the window to the top
    // Centres over the parent window, or over the screen when none is given.
    void Center(const std::shared_ptr<TWindow>& oParent = {});

    // ---- geometry ----
    // Resizes the native window and updates the coordinates.
    void SetSize(int nWidth, int nHeight, bool lRepaint = true);
    // Sets the whole rectangle.
    void SetCoors(const Rect& rect);
    // Width of the native window, else from the coordinates.
    int nWidth() const;
    // Resizes the native window to this width.
    void nWidth(int width) { SetSize(width, nHeight()); }
    // Height of the native window, else from the coordinates.
    int nHeight() const;
    // Resizes the native window to this height.
    void nHeight(int height) { SetSize(nWidth(), height); }
    // Client rectangle.
    Rect GetCliRect() const;
    // Window rectangle (screen coordinates).
    Rect GetRect() const;

    // ---- colours, fonts, icons, menus ----
    // Colour pair (or a colour string first), then the background brush (given, or solid of the pane).
    void SetColor(const ColourArg& clrText, std::optional<std::uint32_t> clrPane = {},
                  std::shared_ptr<TBrush> brush = {});
    // Holds the new brush instead of the old one and refreshes.
    void SetBrush(std::shared_ptr<TBrush> brush);
    // The window's font: its own, the parent's, the native one, or a default.
    std::shared_ptr<TFont> GetFont();
    // Sends the window's own font to the native window, else takes one as GetFont does.
    void ApplyFont();
    // Attaches a menu: owner, native menu, accelerators.
    void SetMenu(std::shared_ptr<WindowMenu> menu);
    // Ends the old icon, takes the new one and shows it in the caption.
    void SetIcon(std::shared_ptr<WindowIcon> icon);

    // ---- children and navigation ----
    // Appends a control to aControls and clears lValidating.
    void AddControl(const std::shared_ptr<TControl>& control);
    // Enables or disables every control with a bWhen according to it.
    void AEvalWhen();
    // Focuses the next tab stop after a child.
    void GoNextCtrl(HWND hCtl);
    // Focuses the previous tab stop before a child.
    void GoPrevCtrl(HWND hCtl);
    // The child control with that identifier, or null.
    std::shared_ptr<TControl> ControlById(int nId) const;
    // First enabled tab-stop control (first control when none).
    std::shared_ptr<TControl> FirstActiveCtrl() const;
    // Last enabled tab-stop control (first control when none).
    std::shared_ptr<TControl> LastActiveCtrl() const;
    // The parent window object, when any.
    std::shared_ptr<TWindow> Parent() const { return oWnd.lock(); }

    // ---- drawing ----
    HDC GetDC();                   // counted device-context request
    void ReleaseDC();              // counted release
    HDC BeginPaint();              // begins painting in answer to WM_PAINT
    void EndPaint();               // ends painting
    // Draws text at a position with the window's colours and font by default.
    void Say(const SayArgs& args);
    // Draws a line.
    void Line(int nTop, int nLeft, int nBottom, int nRight);
    // Draws a rectangle outline.
    void Box(int nTop, int nLeft, int nBottom, int nRight);

    // ---- messages and helpers ----
    LRESULT SendMsg(UINT nMsg, WPARAM nWParam = 0, LPARAM nLParam = 0);  // sends a message
    bool PostMsg(UINT nMsg, WPARAM nWParam = 0, LPARAM nLParam = 0);     // posts a message
    // Shows a status-bar text in this window's bar, else the parent's.
    void SetMsg(const std::string& cText, bool lDefault = false);
    // Captures the mouse.
    void Capture();
    // Further edit commands: each calls the action of the same name with the window.
    void Find(), Print(), ReDo(), Delete(), FindNext(), Replace(), Properties();

    // ---- tooltips ----
    void CheckToolTip();    // called on every mouse move
    // Shows the tooltip (defaults: 7 right, just below, cToolTip).
    void ShowToolTip(std::optional<int> nRow = {}, std::optional<int> nCol = {}, Value cText = {});
    void DestroyToolTip();  // destroys the tooltip window and forgets the current window

protected:
    // Tab (Shift+Tab) moves the focus to the parent's next (previous) control; false
    // for another key or without a parent.
    bool TabToSibling(int nKey);
    // Applies the construction arguments (called by New after the object exists).
    void Construct(const WindowNew& args);
    // Releases the objects the window holds (brush, cursor, icon, font, menus).
    void EndResources();

private:
    friend class WindowRegistry;
    int nSlot_ = 0;
    HDC hDCOwned_ = nullptr;   // the DC obtained by GetDC, released when the count reaches 0
};

// The menu item last highlighted (class-wide; used by F1 help in menus).
Value& MenuItemSelected();
// The style New builds when nStyle is 0.
DWORD BuildWindowStyle(const WindowNew& args);
// The pixel rectangle of New's coordinates (text cells unless lPixel).
Rect WindowCoordinates(const WindowNew& args);

}  // namespace pixa::window
