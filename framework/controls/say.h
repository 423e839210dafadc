#pragma once
// TSay: a static text label. Its text comes from an action and may be formatted
// with a picture ("999", "@E 999,999,999"); Refresh reads the action again.
#include <memory>

#include "framework/controls/control_params.h"
#include "framework/window/control.h"
#include "framework/controls/namespace.h"

namespace pixa::controls {

class TSay : public TControl {
public:
    bool l3D = false;         // shaded, boxed or raised look
    std::string cPicture;     // display format
    Action bGet;              // yields the text or value
    bool lWantClick = false;  // the label takes mouse clicks itself

    // ======== may be overridden ========
    // "TSAY".
    std::string ClassName() const override { return "TSAY"; }
    // Binds the template label and sets its text.
    void Initiate(HWND hDlg) override;
    // Applies the label's font, or the parent's.
    void Default() override;
    // Shows bGet()'s current value.
    void Refresh(bool lErase = true) override;
    // Shows a value (formatted with the picture).
    void SetText(const Value& xValue) override;
    // Fixes the shown value: formats it now and makes bGet yield that text.
    void VarPut(const Value& xValue) override;
    // A click reaches the label; design mode and lWantClick take the hit test.
    MsgResult HandleEvent(UINT nMsg, WPARAM nWParam, LPARAM nLParam) override;

    // ======== not to be overridden ========
    // Builds a label (19 positions, see SayNew).
    static std::shared_ptr<TSay> New(const SayNew& args);
    // The text a value shows under a picture (its plain text without one).
    static std::string Format(const Value& value, const std::string& picture);
};

}  // namespace pixa::controls
