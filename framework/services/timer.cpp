#include "framework/services/timer.h"

#include <algorithm>
#include <vector>

#include "framework/window/window.h"
#include "framework/window/window_services.h"
#include "framework/services/namespace.h"

namespace pixa::services {

namespace {
struct Timers {
    std::vector<std::shared_ptr<TTimer>> list;
    UINT_PTR lastId = 1;  // the first timer gets 2
};
Timers& AllTimers() {
    static Timers timers;
    return timers;
}

LRESULT CALLBACK OwnTimerProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    if (msg == WM_TIMER) {
        TimerEvent(wp);
        return 0;
    }
    return DefWindowProcA(hwnd, msg, wp, lp);
}

// A timer made without a window gets this hidden one: a timer without a window
// would get an id from the platform that none of our timers carries.
HWND OwnTimerWindow() {
    static HWND window = [] {
        WNDCLASSA cls{};
        cls.lpfnWndProc = OwnTimerProc;
        cls.hInstance = GetModuleHandleA(nullptr);
        cls.lpszClassName = "PixaTimerOwner";
        RegisterClassA(&cls);
        return CreateWindowA(cls.lpszClassName, "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, cls.hInstance, nullptr);
    }();
    return window;
}

// Windows hand their timer messages to the timer list once a timer exists.
void InstallTimerService() {
    if (!Services().runTimer) Services().runTimer = [](TWindow&, UINT_PTR nId) { TimerEvent(nId); };
}
}  // namespace

std::shared_ptr<TTimer> TTimer::New(UINT nInterval, Action bAction, const std::shared_ptr<TWindow>& oWnd) {
    InstallTimerService();
    auto timer = std::make_shared<TTimer>();
    timer->nInterval = nInterval;
    timer->bAction = bAction ? bAction : Action([](const Args&) { return Value(); });
    timer->nId = ++AllTimers().lastId;
    timer->hWndOwner = oWnd ? oWnd->hWnd : GetActiveWindow();
    if (!timer->hWndOwner) timer->hWndOwner = OwnTimerWindow();
    AllTimers().list.push_back(timer);
    return timer;
}

void TTimer::Activate() {
    // The platform's answer only says whether the timer was made: with a window, the
    // messages carry our id; the returned number is not kept.
    lActive = SetTimer(hWndOwner, nId, nInterval, nullptr) != 0;
}

void TTimer::DeActivate() {
    lActive = false;
    KillTimer(hWndOwner, nId);
}

void TTimer::End() {
    DeActivate();
    auto& list = AllTimers().list;
    auto self = shared_from_this();  // the list may hold the last other reference
    list.erase(std::remove(list.begin(), list.end(), self), list.end());
}

Value TimerEvent(UINT_PTR nId) {
    auto& list = AllTimers().list;
    auto found = std::find_if(list.begin(), list.end(), [nId](const auto& t) { return t->nId == nId; });
    if (found != list.end() && (*found)->lActive) {
        auto timer = *found;  // the action may end its own timer
        timer->bAction();
    }
    return Value(0);
}

int TimerCount() { return static_cast<int>(AllTimers().list.size()); }

}  // namespace pixa::services
