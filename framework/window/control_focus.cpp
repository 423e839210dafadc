// TControl: the focus protocol. Leaving a control posts XM_LOSTFOCUS to itself;
// the validation runs from that message, after the platform has finished the focus
// change, and gives the focus back when bValid fails. The parent's lValidating flag
// keeps the focus messages caused by giving the focus back from starting another one.
#include <cctype>
#include <optional>
#include <vector>

#include "framework/window/brackets.h"
#include "framework/window/control.h"
#include "framework/window/messages.h"
#include "framework/window/window_registry.h"

namespace pixa::window {

std::string UpperClassName(HWND h) {
    char name[64] = {};
    GetClassNameA(h, name, sizeof name);
    std::string s = name;
    for (auto& c : s) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return s;
}

namespace {

// The ancestors of a window, from its parent upwards, up to the first one that ends a chain.
std::vector<HWND> Ancestors(HWND h) {
    std::vector<HWND> chain;
    for (HWND up = h ? GetParent(h) : nullptr; up; up = GetParent(up)) {
        chain.push_back(up);
        std::string name = UpperClassName(up);
        bool topDialog = name == "#32770" && !(GetWindowLongA(up, GWL_STYLE) & WS_CHILD);
        if (name.find("BROWSE") != std::string::npos || topDialog || name == "TMDICHILD" || name == "TWINDOW") break;
    }
    return chain;
}

bool NavigationKey(int key) { return key == VK_TAB || key == VK_RETURN || key == VK_DOWN || key == VK_UP; }
}  // namespace

bool ShareParentChain(HWND a, HWND b) {
    auto first = Ancestors(a), second = Ancestors(b);
    for (HWND x : first)
        for (HWND y : second)
            if (x == y) return true;
    return false;
}

MsgResult TControl::GotFocus(HWND hWndOld) {
    lFocused = true;
    auto self = std::static_pointer_cast<TControl>(shared_from_this());
    if (auto parent = Parent()) {
        parent->oCtlFocus = self;
        parent->hCtlFocus = hWnd;
    }
    SetMsg(cMsg);
    // No answer: the standard control also handles the message (caret, focus frame).
    return CallAnswer(bGotFocus, self, Handle(hWndOld));
}

MsgResult TControl::LostFocus(HWND hWndNew) {
    SetMsg("");
    return TWindow::LostFocus(hWndNew);
}

MsgResult TControl::KillFocus(HWND hWndNew) {
    auto parent = Parent();
    if (!parent) return LostFocus(hWndNew);
    auto target = oWndFromHwnd(hWndNew);
    bool related = hWndNew && ShareParentChain(hWnd, hWndNew);
    if (bValid && related && target && target->lCancel && !NavigationKey(parent->nLastKey)) {
        // A cancel button was clicked with the mouse: leave without validating.
        {
            FlagScope validating(parent->lValidating);
            parent->nLastKey = 0;
            ForWhen();
        }
        return LostFocus(hWndNew);
    }
    if (hWndNew && !parent->lValidating && parent->lVisible && related)
        PostMessageA(hWnd, XM_LOSTFOCUS, reinterpret_cast<WPARAM>(hWndNew), 0);
    return LostFocus(hWndNew);
}

MsgResult TControl::VLLostFocus(HWND hWndNew) {
    auto parent = Parent();
    if (!parent || parent->lValidating) return 0;
    auto self = shared_from_this();  // an action may end the control
    std::shared_ptr<TWindow> other;
    if (HWND otherParent = hWndNew ? GetParent(hWndNew) : nullptr) {
        other = oWndFromHwnd(otherParent);
        if (other == parent) other = nullptr;
    }
    if (other && other->lValidating) return 0;
    // Both marks are taken back however the validation ends, a throwing action included.
    FlagScope validating(parent->lValidating);
    std::optional<FlagScope> validatingOther;
    if (other) validatingOther.emplace(other->lValidating);
    if (!lValid())
        ::SetFocus(hWnd);
    else
        ForWhen();
    return 0;
}

void TControl::ForWhen() {
    auto parent = Parent();
    if (!parent) return;
    parent->AEvalWhen();
    lCaptured = false;
    int key = parent->nLastKey;
    bool shift = GetKeyState(VK_SHIFT) & 0x8000;
    if (auto jump = oJump.lock()) {
        jump->SetFocus();
        oJump.reset();
    } else if (key == VK_UP || (key == VK_TAB && shift)) {
        parent->GoPrevCtrl(hWnd);
    } else if (key == VK_DOWN || key == VK_RETURN || key == VK_TAB) {
        parent->GoNextCtrl(hWnd);
    } else if (!GetFocus()) {
        ::SetFocus(hWnd);
    }
    parent->nLastKey = 0;
}

}  // namespace pixa::window
