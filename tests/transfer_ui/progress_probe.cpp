#include "tests/transfer_ui/progress_probe.h"

#include "framework/window/control.h"
#include "framework/window/window_registry.h"
#include "tests/transfer_ui/window_probe.h"
#include "tests/support/layers.h"

namespace pixa::test {

namespace {
ProgressProbe*& Current() {
    static ProgressProbe* current = nullptr;
    return current;
}
}  // namespace

ProgressProbe::ProgressProbe() {
    Current() = this;
    hook_ = SetWindowsHookExA(WH_CALLWNDPROC, Hook, nullptr, GetCurrentThreadId());
}

ProgressProbe::~ProgressProbe() {
    UnhookWindowsHookEx(hook_);
    Current() = nullptr;
}

void ProgressProbe::OnCopying(const std::string& file, std::function<void(HWND)> action) {
    OnLine("Kopieren: " + file, std::move(action));
}

void ProgressProbe::OnLine(const std::string& start, std::function<void(HWND)> action) {
    trigger_ = start;
    action_ = std::move(action);
}

LRESULT CALLBACK ProgressProbe::Hook(int code, WPARAM wParam, LPARAM lParam) {
    auto* message = reinterpret_cast<CWPSTRUCT*>(lParam);
    if (code == HC_ACTION && message->message == WM_SETTEXT && Current() && message->lParam)
        Current()->Seen(message->hwnd, reinterpret_cast<const char*>(message->lParam));
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

void ProgressProbe::Seen(HWND label, const std::string& text) {
    HWND dialog = GetParent(label);
    // The action line is the label at (44, 5) of the dialog with the "&Unterbrechen" button.
    if (!dialog || ChildAt(dialog, 44, 5) != label || !ChildWithText(dialog, "&Unterbrechen")) return;
    double meter = -1;
    if (auto object = std::dynamic_pointer_cast<TControl>(oWndFromHwnd(ChildAt(dialog, 60, 5))))
        meter = object->VarGet().AsNumber();
    lines.push_back({text, meter});
    if (action_ && text.rfind(trigger_, 0) == 0) {
        auto action = std::move(action_);
        action_ = nullptr;
        action(dialog);
    }
}

}  // namespace pixa::test
