#pragma once
// TGroup: a group-box frame with a label; its hollow brush lets the dialog's
// background show through.
#include <memory>

#include "framework/controls/control_params.h"
#include "framework/window/control.h"
#include "framework/controls/namespace.h"

namespace pixa::controls {

class TGroup : public TControl {
public:
    // ======== not to be overridden ========
    // Builds a group box (12 positions, see GroupNew).
    static std::shared_ptr<TGroup> New(const GroupNew& args);

    // ======== may be overridden ========
    // "TGROUP".
    std::string ClassName() const override { return "TGROUP"; }
    // Binds the template frame; sets its label (or reads it when none was given).
    void Initiate(HWND hDlg) override;
    // In design mode the frame takes the hit test (it can be grabbed).
    MsgResult HandleEvent(UINT nMsg, WPARAM nWParam, LPARAM nLParam) override;
};

}  // namespace pixa::controls
