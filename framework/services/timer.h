#pragma once
// TTimer: calls an action periodically through a platform timer on a window. The
// timer's own id (2, 3, ... never reused in a run) names the platform timer and
// arrives with each timer message; the window's dispatch hands it to TimerEvent.
//
//   auto blink = TTimer::New(500, Action([](const Args&) { ...; return Value(); }), wnd);
//   blink->Activate();   ... blink->End();
#include <windows.h>

#include <memory>

#include "runtime/value.h"
#include "framework/services/namespace.h"

namespace pixa::window {
class TWindow;
}  // namespace pixa::window

namespace pixa::services {

class TTimer : public Object, public std::enable_shared_from_this<TTimer> {
public:
    Action bAction;            // called with no arguments on every tick
    bool lActive = false;      // the platform timer runs
    UINT_PTR nId = 0;          // the timer's id, kept for its whole life
    UINT nInterval = 18;       // milliseconds
    HWND hWndOwner = nullptr;  // window that receives the timer messages
    Value Cargo;               // free slot for the user

    // A timer in the list, not yet running; owner the active window when none is given,
    // a hidden window of the timers' own when there is none either.
    static std::shared_ptr<TTimer> New(UINT nInterval = 18, Action bAction = {},
                                       const std::shared_ptr<TWindow>& oWnd = {});
    std::string ClassName() const override { return "TTIMER"; }
    // Starts the platform timer; lActive tells whether the platform made it.
    void Activate();
    // Stops the platform timer; the timer stays in the list and can start again.
    void DeActivate();
    // Stops it and takes it out of the list.
    void End();
};

// Runs the action of the first listed timer with this id when it is active; yields 0.
Value TimerEvent(UINT_PTR nId);
// Number of timers made and not yet ended.
int TimerCount();

}  // namespace pixa::services
