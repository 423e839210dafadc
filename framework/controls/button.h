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

    // ======== not to be overridden ========
    // Builds a button (17 positions, see ButtonNew).
    static std::shared_ptr<TButton> New(const ButtonNew& args);

    // ======== may be overridden ========
    // "TBUTTON".
    std::string ClassName() const override { return "TBUTTON"; }
    // Binds the template button; takes its default style and sets the caption.
    void Initiate(HWND hDlg) override;

protected:
    // Runs the action unless one is already running, then restores the look.
    MsgResult Click() override;
    // Looks like the default button while focused.
    MsgResult GotFocus(HWND hWndOld) override;
    // Back to a normal button unless it is the default one.
    MsgResult LostFocus(HWND hWndNew) override;
    // Arrow keys move through the controls; Enter clicks.
    MsgResult KeyDown(int nKey, UINT nFlags) override;
    // Asks for the arrow keys as well.
    MsgResult GetDlgCode(int nKey) override;
    // Push buttons keep the platform's colours.
    MsgResult Colors(HDC) override { return 0; }

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
