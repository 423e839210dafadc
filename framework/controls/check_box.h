#pragma once
// TCheckBox: an automatic check box whose native check mark always mirrors its
// bound logical value. Its caption is the template text, kept in code page 850.
#include <memory>

#include "framework/controls/control_params.h"
#include "framework/window/control.h"
#include "framework/controls/namespace.h"

namespace pixa::controls {

class TCheckBox : public TControl {
public:
    // ======== may be overridden ========
    // "TCHECKBOX".
    std::string ClassName() const override { return "TCHECKBOX"; }
    // Binds the template box and shows the bound value.
    void Initiate(HWND hDlg) override;
    // Applies the font (or the parent's) and shows the bound value.
    void Default() override;
    // Shows the bound value as the check mark.
    void Refresh(bool lErase = true) override;

protected:
    // Stores the negated value, calls bChange and re-evaluates the siblings' conditions.
    MsgResult Click() override;

public:
    // ======== not to be overridden ========
    // Builds a check box (18 positions, see CheckBoxNew).
    static std::shared_ptr<TCheckBox> New(const CheckBoxNew& args);
    // Empties the bound value (false, 0 or "") and resets the native box.
    void Reset();

private:
    void LogicalOnly();
};

}  // namespace pixa::controls
