#include "framework/window/window_procedure.h"

#include <exception>
#include <vector>

#include "runtime/error.h"
#include "runtime/frame.h"
#include "framework/window/dialog.h"
#include "framework/window/message_tracer.h"
#include "framework/window/window.h"
#include "framework/window/window_registry.h"

namespace pixa::window {

namespace {
thread_local TWindow* creating = nullptr;
struct DialogUnderCreation {
    TDialog* dialog;
    bool claimed;  // it took its handle; later unknown handles (its WM_NCDESTROY) are not its own
};
thread_local std::vector<DialogUnderCreation> dialogsUnderCreation;
constexpr std::size_t kMaxDialogsUnderCreation = 50;

LRESULT CALLBACK CreationHook(int code, WPARAM wParam, LPARAM lParam) {
    // HCBT_CREATEWND arrives before WM_NCCREATE: linking here lets the object see
    // the window's very first messages, whatever its class procedure is.
    // Only the window created with our object as its creation parameter: the system may
    // create windows of its own (an input-method window) while the hook is armed.
    auto* create = code == HCBT_CREATEWND ? reinterpret_cast<CBT_CREATEWNDA*>(lParam) : nullptr;
    if (creating && !creating->hWnd && create && create->lpcs && create->lpcs->lpCreateParams == creating) {
        TWindow* window = creating;
        creating = nullptr;  // linked once
        window->hWnd = reinterpret_cast<HWND>(wParam);
        window->Link(true);
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

// The messages whose answer a dialog procedure returns itself; every other answer
// goes into the dialog's message-result slot, and the procedure returns TRUE.
bool AnsweredDirectly(UINT nMsg) {
    switch (nMsg) {
        case WM_INITDIALOG:
        case WM_CTLCOLORMSGBOX:
        case WM_CTLCOLOREDIT:
        case WM_CTLCOLORLISTBOX:
        case WM_CTLCOLORBTN:
        case WM_CTLCOLORDLG:
        case WM_CTLCOLORSCROLLBAR:
        case WM_CTLCOLORSTATIC:
        case WM_COMPAREITEM:
        case WM_VKEYTOITEM:
        case WM_CHARTOITEM:
        case WM_QUERYDRAGICON: return true;
        default: return false;
    }
}

// An answer ends the message, as the window procedure's does; without one the
// platform's dialog processing runs.
INT_PTR DialogResult(HWND hWnd, UINT nMsg, MsgResult result) {
    if (!result) return FALSE;
    if (AnsweredDirectly(nMsg)) return static_cast<INT_PTR>(*result);
    SetWindowLongPtrA(hWnd, DWLP_MSGRESULT, *result);
    return TRUE;
}
}  // namespace

MsgResult DispatchSafely(TWindow& window, UINT nMsg, WPARAM nWParam, LPARAM nLParam) {
    MessageTracer::Trace(window, nMsg, nWParam, nLParam);
    Frame frame(window, "HandleEvent");  // the error report's stack level of this message
    try {
        return window.HandleEvent(nMsg, nWParam, nLParam);
    } catch (const std::exception& e) {
        Error error;
        error.SubSystem = "Velmora";
        error.Description = e.what();
        error.Operation = window.ClassName() + ":HandleEvent";
        RaiseError(error);
    } catch (...) {
        Error error;
        error.SubSystem = "Velmora";
        error.Description = "Unknown failure";
        error.Operation = window.ClassName() + ":HandleEvent";
        RaiseError(error);
    }
    return std::nullopt;
}

LRESULT CALLBACK FrameworkWindowProc(HWND hWnd, UINT nMsg, WPARAM nWParam, LPARAM nLParam) {
    // The local reference is the nesting counter: the object outlives every message
    // still running on its window, even when a nested one destroys and unlinks it.
    std::shared_ptr<TWindow> object = oWndFromHwnd(hWnd);
    if (!object) return DefWindowProcA(hWnd, nMsg, nWParam, nLParam);
    // Taken before dispatch: Destroy() unlinks and clears nOldProc, yet WM_DESTROY
    // must still reach the replaced procedure for its default processing.
    WNDPROC replaced = object->nOldProc;
    MsgResult result = DispatchSafely(*object, nMsg, nWParam, nLParam);
    if (nMsg == WM_NCDESTROY && object->Slot()) object->UnLink();
    if (result) return *result;
    return replaced ? CallWindowProcA(replaced, hWnd, nMsg, nWParam, nLParam)
                    : DefWindowProcA(hWnd, nMsg, nWParam, nLParam);
}

INT_PTR CALLBACK FrameworkDialogProc(HWND hWnd, UINT nMsg, WPARAM nWParam, LPARAM nLParam) {
    std::shared_ptr<TWindow> object = oWndFromHwnd(hWnd);
    if (!object && !dialogsUnderCreation.empty() && !dialogsUnderCreation.back().claimed) {
        dialogsUnderCreation.back().claimed = true;
        TDialog* dialog = dialogsUnderCreation.back().dialog;
        dialog->hWnd = hWnd;
        dialog->Link(false);  // found by handle from now on; messages still come through here
        object = oWndFromHwnd(hWnd);
    }
    if (!object) return FALSE;
    // A subclassed (non-modal) dialog had this message in FrameworkWindowProc already;
    // we are reached only through its default processing.
    if (object->nOldProc) return FALSE;
    if (!dynamic_cast<TDialog*>(object.get())) return FALSE;
    LPARAM third = nMsg == WM_INITDIALOG ? reinterpret_cast<LPARAM>(hWnd) : nLParam;
    MsgResult result = DispatchSafely(*object, nMsg, nWParam, third);
    if (nMsg == WM_NCDESTROY && object->Slot()) object->UnLink();
    return DialogResult(hWnd, nMsg, result);
}

CreationScope::CreationScope(TWindow& window)
    : previous_(creating), hook_(SetWindowsHookExA(WH_CBT, CreationHook, nullptr, GetCurrentThreadId())) {
    creating = &window;
}

CreationScope::~CreationScope() {
    if (hook_) UnhookWindowsHookEx(hook_);
    creating = previous_;
}

DialogCreationScope::DialogCreationScope(TDialog& dialog)
    : pushed_(dialogsUnderCreation.size() < kMaxDialogsUnderCreation) {
    if (pushed_) dialogsUnderCreation.push_back({&dialog, false});
}

DialogCreationScope::~DialogCreationScope() {
    if (pushed_) dialogsUnderCreation.pop_back();
}

}  // namespace pixa::window
