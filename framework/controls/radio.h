#pragma once
// A group of automatic radio buttons: TRadMenu keeps the selected position in its
// bound value, each TRadio is one button of the group. The arrow keys move the
// selection and the focus together and wrap around. Prompts are template texts,
// kept in code page 850.
#include <memory>
#include <vector>

#include "framework/controls/control_params.h"
#include "framework/window/control.h"
#include "framework/controls/namespace.h"

namespace pixa::controls {

class TRadio;

class TRadMenu : public Object, public std::enable_shared_from_this<TRadMenu> {
public:
    std::vector<std::weak_ptr<TRadio>> aItems;  // its buttons, in order (kept alive by their window)
    Action bSetGet;                             // bound selected position, 1-based
    Action bChange;                             // called after the selection changed
    std::string cMsg;                           // status-bar text
    std::string cVarName;                       // variable name
    bool lUpdate = false;                       // refreshed with its dialog

    // ======== may be overridden ========
    // "TRADMENU".
    std::string ClassName() const override { return "TRADMENU"; }

    // ======== not to be overridden ========
    // Builds the group and its buttons (18 positions, see RadMenuNew).
    static std::shared_ptr<TRadMenu> New(const RadMenuNew& args);

    // The button at a 1-based position, or null.
    std::shared_ptr<TRadio> Item(int nPos) const;
    // Number of buttons.
    int Count() const { return static_cast<int>(aItems.size()); }
    // The selected position (the bound value).
    Value nOption() const;
    // Stores a position through the binding and calls bChange.
    void nOption(int n);
    // Selects position n when it differs from the current one and is valid.
    void SetOption(int n);
    // Selects the position of that button.
    void Select(const TRadio& radio);
    // Selects the next position, wrapping from the last to the first.
    void GoNext();
    // Selects the previous position, wrapping from the first to the last.
    void GoPrev();
    // Brings the check marks in line with the bound value (calls bChange when they differed).
    void Refresh();
    // Enables every button.
    void Enable();
    // Disables every button.
    void Disable();
    // Shows every button.
    void Show();
    // Hides every button.
    void Hide();
    // Ends every button.
    void End();
    // Three-dimensional look for every button (the standard look here).
    void Set3DLook();

private:
    int Current() const;
    template <typename F>
    void ForEach(F f) const;
};

class TRadio : public TControl {
public:
    bool lChecked = false;               // shown selected
    std::shared_ptr<TRadMenu> oRadMenu;  // its group
    int nPos = 1;                        // 1-based position in the group

    // ======== may be overridden ========
    // "TRADIO".
    std::string ClassName() const override { return "TRADIO"; }
    // Binds the template button and shows its check mark.
    void Initiate(HWND hDlg) override;
    // Checks the button when it is the selected one.
    void Default() override;
    // Checks this button exactly when its position is the bound value (0 or a non-number become 1).
    void Refresh(bool lErase = true) override;

protected:
    // Selects this button in its group.
    MsgResult Click() override;
    // The arrow keys select and focus the next or previous button, wrapping around.
    MsgResult KeyDown(int nKey, UINT nFlags) override;
    // Asks for the arrow keys as well.
    MsgResult GetDlgCode(int nKey) override;

public:
    // ======== not to be overridden ========
    // Builds one button (19 positions, see RadioNew).
    static std::shared_ptr<TRadio> New(const RadioNew& args);
    // Shows or clears the check mark.
    void SetCheck(bool lOnOff);
    // Reads the native check mark into lChecked.
    bool lIsChecked();
};

}  // namespace pixa::controls
