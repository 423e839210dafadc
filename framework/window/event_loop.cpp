#include "framework/window/event_loop.h"

#include "framework/window/modeless_dialogs.h"
#include "framework/window/window.h"
#include "framework/window/window_registry.h"

namespace pixa::window {

namespace {
struct LoopState {
    bool running = false;
    HWND app = nullptr;
    HWND acceleratorOwner = nullptr;
    std::weak_ptr<TWindow> defaultWindow;
    int lastKey = 0;
    bool acceleratorsPaused = false;
};
LoopState& State() {
    static LoopState state;
    return state;
}

HACCEL ActiveAccelerators() {
    if (State().acceleratorsPaused) return nullptr;
    auto owner = oWndFromHwnd(State().acceleratorOwner);
    return owner && owner->oMenu ? owner->oMenu->Accelerators() : nullptr;
}
}  // namespace

bool lWRunning() { return State().running; }

bool SetWRunning(bool running) {
    bool previous = State().running;
    State().running = running;
    return previous;
}

void SetWndApp(HWND hWnd) {
    // The main window is the first one; a destroyed main window's handle no longer counts.
    if (GetWndApp()) return;
    State().app = hWnd;
}

HWND GetWndApp() {
    // A destroyed main window owns nothing any more (a dialog given it as owner would fail).
    return State().app && IsWindow(State().app) ? State().app : nullptr;
}

std::shared_ptr<TWindow> WndMain() { return oWndFromHwnd(State().app); }

void SetWndDefault(const std::shared_ptr<TWindow>& window) { State().defaultWindow = window; }

std::shared_ptr<TWindow> GetWndDefault() { return State().defaultWindow.lock(); }

int LastKeyTyped() { return State().lastKey; }

void SetLastKeyTyped(int nKey) { State().lastKey = nKey; }

HACCEL CurrentAccelerators() { return ActiveAccelerators(); }

AcceleratorPause::AcceleratorPause() : wasPaused_(State().acceleratorsPaused) { State().acceleratorsPaused = true; }

AcceleratorPause::~AcceleratorPause() { State().acceleratorsPaused = wasPaused_; }

void WinRun(HWND hWnd) {
    LoopState& s = State();
    bool wasRunning = SetWRunning(true);
    HWND previousOwner = s.acceleratorOwner;
    s.acceleratorOwner = hWnd;
    MSG msg;
    // GetMessage waits without using the processor when the queue is empty.
    while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
        if (ModelessDialogs::Route(msg)) continue;
        HACCEL accelerators = ActiveAccelerators();
        if (!accelerators || !TranslateAcceleratorA(s.acceleratorOwner, accelerators, &msg)) {
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
        }
        if (msg.message == WM_CHAR) s.lastKey = static_cast<int>(msg.wParam);
    }
    s.acceleratorOwner = previousOwner;
    SetWRunning(wasRunning);
}

}  // namespace pixa::window
