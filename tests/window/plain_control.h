#pragma once
// A control over any standard platform class, for the window framework's tests:
// it follows the construction protocol and records what reaches it.
#include <functional>
#include <memory>
#include <string>

#include "framework/window/control.h"
#include "tests/support/layers.h"

namespace pixa::test {

class PlainControl : public TControl {
public:
    int clicks = 0;             // XM_CLICK received
    // Consulted first for every message; without an answer the normal dispatch goes on.
    std::function<MsgResult(UINT, WPARAM, LPARAM)> intercept;

    std::string ClassName() const override { return "TPLAIN"; }

    // A control at (top, left) with a size, on a dialog being built (control units) or
    // an existing window (pixels).
    static std::shared_ptr<PlainControl> New(const std::shared_ptr<TWindow>& parent, const std::string& cls,
                                             const std::string& caption, int top, int left, int height, int width,
                                             DWORD style = 0, int id = 0) {
        auto c = std::make_shared<PlainControl>();
        c->cCaption = caption;
        c->nTop = top, c->nLeft = left, c->nBottom = top + height, c->nRight = left + width;
        c->nStyle = style ? style : kDefaultStyle;
        c->nId = id ? id : GetNewId();
        c->Attach(DefaultParent(parent), cls);
        return c;
    }

    MsgResult HandleEvent(UINT nMsg, WPARAM wp, LPARAM lp) override {
        if (intercept) {
            if (MsgResult answer = intercept(nMsg, wp, lp)) return answer;
        }
        return TControl::HandleEvent(nMsg, wp, lp);
    }

    // Like the program's control classes, captions are set again in the Windows code
    // page, except for check boxes and radio buttons, which show their template text.
    void Initiate(HWND hDlg) override {
        TControl::Initiate(hDlg);
        DWORD kind = nStyle & 0x0F;
        bool checkOrRadio = cPlatformClass == "BUTTON" && (kind == BS_CHECKBOX || kind == BS_AUTOCHECKBOX ||
                                                         kind == BS_RADIOBUTTON || kind == BS_AUTORADIOBUTTON);
        if (hWnd && !checkOrRadio && cPlatformClass != "COMBOBOX") SetWindowTextA(hWnd, cCaption.c_str());
    }

    MsgResult Click() override {
        ++clicks;
        return TControl::Click();
    }
};

}  // namespace pixa::test
