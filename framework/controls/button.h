#pragma once
// TButton: a push button. It looks like the default button while it has the
// focus, runs its action on a click or Enter, and drops a click that arrives
// while the action of the previous click is still running.
#include <memory>

#include "framework/controls/control_params.h"
#include "framework/window/control.h"
#include "framework/controls/namespace.h"

namespace pixa::controls {

class TButton : public TControl {
public:
    Action bAction;            // click action
    bool lDefault = false;     // default push button of its dialog
    bool lProcessing = false;  // the action of a click is running

    // Builds a button (17 positions, see ButtonNew).
    static std::shared_ptr<TButton> New(const ButtonNew& args);
    // "TBUTTON".
    std::string ClassName() const override { return "TBUTTON"; }

    // Binds the template button; takes its default style and sets the caption.
    void Initiate(HWND hDlg) override;
    // Runs the action unless one is already running, then restores the look.
    Value Click() override;
    // Looks like the default button while focused.
    Value GotFocus(HWND hWndOld) override;
    // Back to a normal button unless it is the default one.
    Value LostFocus(HWND hWndNew) override;
    // Arrow keys move through the controls; Enter clicks.
    Value KeyDown(WPARAM nKey, LPARAM nFlags) override;
    // Cursor, status text and tooltip; the platform also sees the move.
    Value MouseMove(int nRow, int nCol, WPARAM nFlags) override;
    // Asks for the arrow keys as well.
    Value GetDlgCode(WPARAM nKey) override;
    // Push buttons keep the platform's colours.
    Value Colors(HDC) override { return Value(0); }

private:
    void SetButtonStyle(bool asDefault);
};

// Geometry and style of a button as New computes them (control units or pixels).
struct ButtonLayout {
    int nTop, nLeft, nBottom, nRight;  // rectangle
    DWORD nStyle;                      // platform style
};
ButtonLayout LayoutButton(const ButtonNew& args);

}  // namespace pixa::controls
