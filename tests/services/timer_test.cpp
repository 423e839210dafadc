// Timers on a real window: ids, ticks through the window's dispatch, deactivation.
#include "framework/services/timer.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <memory>

#include "framework/window/window.h"
#include "tests/support/gui_driver.h"

namespace pixa {
namespace {

std::shared_ptr<TWindow> TimerWindow() {
    return TWindow::New({.nTop = 40, .nLeft = 40, .nBottom = 100, .nRight = 200, .cTitle = "Uhr", .lPixel = true});
}

Action Counting(std::shared_ptr<int> count) {
    return Action([count](const Args&) {
        ++*count;
        return Value();
    });
}

// This file makes the run's first timers: they get 2 and 3.
TEST(TimerIds, FromTwoConsecutiveNeverReused) {
    auto w = TimerWindow();
    auto first = TTimer::New(1000, {}, w);
    auto second = TTimer::New(1000, {}, w);
    EXPECT_EQ(first->nId, 2u);
    EXPECT_EQ(second->nId, 3u);
    EXPECT_FALSE(first->lActive) << "nothing runs before Activate";
    int listed = TimerCount();
    first->End();
    EXPECT_EQ(TimerCount(), listed - 1);
    EXPECT_EQ(second->nId, 3u) << "ending the first leaves the second's id";
    auto third = TTimer::New(1000, {}, w);
    EXPECT_EQ(third->nId, 4u) << "an ended timer's id is not given out again";
    second->End();
    third->End();
    DestroyWindow(w->hWnd);
}

TEST(TimerTicks, ActionRunsFromTheWindowsTimerMessages) {
    auto w = TimerWindow();
    auto ticks = std::make_shared<int>(0);
    auto timer = TTimer::New(10, Counting(ticks), w);
    UINT_PTR id = timer->nId;
    timer->Activate();
    EXPECT_TRUE(timer->lActive);
    EXPECT_EQ(timer->nId, id) << "the timer keeps its own id, not the platform's answer";
    test::GuiScript script;
    script.Until("three ticks", [&] { return *ticks >= 3; });
    script.Start();
    script.Pump();
    EXPECT_TRUE(script.Succeeded()) << script.FailedStep();
    timer->End();
    DestroyWindow(w->hWnd);
}

TEST(TimerTicks, DeactivatedOrUnknownTimerDoesNothing) {
    auto w = TimerWindow();
    auto runs = std::make_shared<int>(0), others = std::make_shared<int>(0);
    auto timer = TTimer::New(60000, Counting(runs), w);
    auto other = TTimer::New(60000, Counting(others), w);
    timer->Activate();
    other->Activate();
    SendMessageA(w->hWnd, WM_TIMER, timer->nId, 0);
    EXPECT_EQ(*runs, 1);
    timer->DeActivate();
    SendMessageA(w->hWnd, WM_TIMER, timer->nId, 0);
    EXPECT_EQ(*runs, 1) << "a deactivated timer's event does nothing";
    EXPECT_EQ(*others, 0) << "only the timer with that id runs";
    timer->Activate();
    SendMessageA(w->hWnd, WM_TIMER, timer->nId, 0);
    EXPECT_EQ(*runs, 2) << "activated again, it runs again";
    SendMessageA(w->hWnd, WM_TIMER, other->nId + 1000, 0);
    EXPECT_EQ(*runs + *others, 2) << "an unknown id runs nothing";
    timer->End();
    other->End();
    DestroyWindow(w->hWnd);
}

TEST(TimerTicks, RefusedTimerKeepsItsIdAndStaysInactive) {
    auto w = TimerWindow();
    auto runs = std::make_shared<int>(0);
    auto timer = TTimer::New(10, Counting(runs), w);
    UINT_PTR id = timer->nId;
    DestroyWindow(w->hWnd);
    timer->Activate();  // the owner is gone: the platform refuses
    EXPECT_FALSE(timer->lActive);
    EXPECT_EQ(timer->nId, id);
    TimerEvent(id);
    EXPECT_EQ(*runs, 0);
    timer->End();
}

}  // namespace
}  // namespace pixa
