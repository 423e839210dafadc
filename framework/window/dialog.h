#pragma once
// TDialog: a window built from an in-memory dialog template. Controls constructed
// on it before activation become template items (DefControl) and are bound to
// their native windows when the dialog initialises. Modal dialogs run the
// platform's modal loop inside Activate; non-modal ones return at once.
#include <windows.h>

#include <memory>
#include <optional>
#include <string>

#include "framework/window/dialog_template.h"
#include "framework/window/window.h"

namespace pixa::window {

// TDialog::New, 19 positions.
struct DialogNew {
    int nTop = 0;                                // 1 top
    int nLeft = 0;                               // 2 left
    int nBottom = 10;                            // 3 bottom
    int nRight = 40;                             // 4 right
    std::optional<std::string> cCaption{};         // 5 title
    std::string cResName{};                      // 6 dialog resource (not supported)
    HINSTANCE hResources = nullptr;              // 7 module with resources; null = the program
    bool lVbx = false;                           // 8 not used
    DWORD nStyle = DS_MODALFRAME | WS_POPUP | WS_CAPTION | WS_SYSMENU;  // 9 platform style
    ColourArg nClrText = 0;                      // 10 text colour or colour string
    std::optional<std::uint32_t> nClrPane{};       // 11 background; absent = button face
    std::shared_ptr<TBrush> oBrush{};              // 12 background brush
    std::shared_ptr<TWindow> oWnd{};               // 13 owner window
    bool lPixel = false;                         // 14 positions 1-4 are pixels
    std::shared_ptr<WindowIcon> oIcon{};           // 15 caption icon
    std::shared_ptr<TFont> oFont{};                // 16 font of the dialog and its controls
    int nHelpId = 0;                             // 17 help topic
    int nWidth = 0;                              // 18 non-zero: pixels, nRight = nWidth
    int nHeight = 0;                             // 19 non-zero: pixels, nBottom = nHeight
};

// TDialog::Activate, 9 positions.
struct DialogActivate {
    Action bLClicked{};         // 1
    Action bMoved{};            // 2
    Action bPainted{};          // 3
    bool lCentered = false;   // 4 centre on the screen
    Action bValid{};            // 5 closing condition
    bool lModal = true;       // 6 modal
    Action bInit{};             // 7 initialisation; false leaves the focus where it put it
    Action bRClicked{};         // 8
    Action bWhen{};             // 9 false: the dialog is not shown, nResult 2
};

class TDialog : public TWindow {
public:
    std::string cResName;            // dialog resource name (not supported)
    std::string cResData;            // ready-made template bytes
    HINSTANCE hResources = nullptr;  // module with resources
    bool lCentered = false;          // centre on the screen at initialisation
    bool lModal = true;              // modal
    bool lModify = false;            // true after construction
    Action bStart;                   // run once, after the first paint
    std::optional<bool> lHelpIcon;   // context-help button in the caption (absent = true)

    // ======== may be overridden ========
    // "TDIALOG".
    std::string ClassName() const override { return "TDIALOG"; }
    // WM_INITDIALOG: binds the native dialog and its controls; 0 keeps the focus where bInit put it.
    virtual MsgResult Initiate(HWND hWndFocus, HWND hDlg);
    // WM_INITDIALOG to Initiate, the rest to the window's dispatch.
    MsgResult HandleEvent(UINT nMsg, WPARAM nWParam, LPARAM nLParam) override;
    // Keys a control does not use (Esc, Tab, Enter).
    MsgResult KeyChar(int nKey, UINT nFlags) override;
    // Ends the dialog with 2.
    bool End() override { return End(2); }
    // Takes the font; a dialog that had one already passes it on to its children.
    void SetFont(std::shared_ptr<TFont> font) override;

protected:
    // WM_PAINT: paint, then bStart once.
    MsgResult Display() override;
    // WM_ERASEBKGND: fills with the brush.
    MsgResult EraseBkGnd(HDC hDCErase) override;
    // WM_CLOSE: a non-modal dialog closes with that result unless bValid refuses.
    MsgResult Close(int nResult) override;
    // WM_DESTROY: leaves the modeless table too.
    MsgResult Destroy() override;
    // WM_COMMAND: validation before clicks, Enter moves on, Esc ends with 2.
    MsgResult Command(int nId, int nCode, HWND hCtl) override;
    // WM_SYSCOMMAND: the context-help button; closing a modal dialog.
    MsgResult SysCommand(UINT nCmd, int nChar) override;
    // WM_MOUSEMOVE: cursor, status text, tooltip, bMMoved.
    MsgResult MouseMove(int nRow, int nCol, UINT nFlags) override;
    // WM_SETFOCUS: bGotFocus (no re-focusing of a child).
    MsgResult GotFocus(HWND hWndOld) override;
    // WM_KILLFOCUS: bLostFocus.
    MsgResult LostFocus(HWND hWndNew) override;

public:
    // ======== not to be overridden ========
    // Builds a dialog (19 positions, see DialogNew); no native window yet.
    static std::shared_ptr<TDialog> New(const DialogNew& args = {});
    // Runs the dialog (9 positions, see DialogActivate): modal ones return when closed, non-modal
    // ones once shown; nResult is set as the dialog closes (2 when bWhen refused it).
    void Activate(const DialogActivate& args);
    // Asks the dialog to close with a result; false when a modal dialog's bValid refused.
    // A non-modal one closes through WM_CLOSE, where its bValid decides.
    bool End(int nResult);
    // Adds a control as a template item (identifier given when missing; duplicates raise error 2).
    void DefControl(const std::shared_ptr<TControl>& control);
    // The template bytes for an owner window (header, then every control's item).
    std::string cToChar(HWND hWndOwner);
    // Native handle of the control with that identifier.
    HWND GetItem(int nId) const;
    // Posts XM_CHANGEFOCUS to the dialog.
    void ChangeFocus();
    // Makes a control fill the client area.
    void SetControl(const std::shared_ptr<TControl>& control);
    // The enabled child whose label has "&" + nChar (a label's own control), or null.
    HWND GetHotPos(int nChar, HWND hWndExcept) const;
    // Number of dialogs whose Activate is running.
    static int ActivationDepth();

protected:
    // Applies the construction arguments (called by New after the object exists).
    void Construct(const DialogNew& args);

private:
    HWND OwnerWindow() const;
    void RunModal(HWND owner);
    void RunModeless(HWND owner);
};

// The detail text of error 3 for a dialog.
std::string DialogErrorDetail(const TDialog& dialog);

}  // namespace pixa::window
