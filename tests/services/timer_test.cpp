// Timers on a real window: ids, ticks through the window's dispatch, deactivation.
#include "framework/services/timer.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <memory>

#include "tests/services/windows.h"
#include "tests/support/gui_driver.h"
#include "tests/support/layers.h"

namespace pixa {
namespace {

Action Counting(std::shared_ptr<int> count) {
    return Action([count](const Args&) { return Value(++*count); });
}

// This file makes the run's first timers: they get 2 and 3.
TEST(TimerIds, FromTwoConsecutiveNeverReused) {
    test::ShownWindow w("Uhr");
    auto first = TTimer::New(1000, {}, w.get());
    auto second = TTimer::New(1000, {}, w.get());
    EXPECT_EQ(first->nId, 2u);
    EXPECT_EQ(second->nId, 3u);
    int listed = TimerCount();
    first->End();
    EXPECT_EQ(TimerCount(), listed - 1);
    EXPECT_EQ(second->nId, 3u) << "ending the first leaves the second's id";
    auto third = TTimer::New(1000, {}, w.get());
    EXPECT_EQ(third->nId, 4u) << "an ended timer's id is not given out again";
    second->End();
    third->End();
}

TEST(TimerTicks, ActionRunsFromTheWindowsTimerMessages) {
    test::ShownWindow w("Uhr");
    auto ticks = std::make_shared<int>(0);
    auto timer = TTimer::New(10, Counting(ticks), w.get());
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
}

TEST(TimerTicks, OnlyAnActiveTimerWithThatIdRuns) {
    test::ShownWindow w("Uhr");
    auto runs = std::make_shared<int>(0), others = std::make_shared<int>(0);
    auto timer = TTimer::New(60000, Counting(runs), w.get());
    auto other = TTimer::New(60000, Counting(others), w.get());
    timer->Activate();
    other->Activate();
    auto tick = [&](UINT_PTR id) { SendMessageA(w->hWnd, WM_TIMER, id, 0); };
    tick(timer->nId);
    timer->DeActivate();
    tick(timer->nId);
    EXPECT_EQ(*runs, 1) << "a deactivated timer's event does nothing";
    timer->Activate();
    tick(timer->nId);
    tick(other->nId + 1000);
    EXPECT_EQ(*runs, 2) << "activated again it runs; an unknown id runs nothing";
    EXPECT_EQ(*others, 0);

    // A timer the platform refuses (its window is gone) keeps its id and never runs.
    auto orphan = TTimer::New(10, Counting(runs), w.get());
    DestroyWindow(w->hWnd);
    orphan->Activate();
    EXPECT_FALSE(orphan->lActive);
    TimerEvent(orphan->nId);
    EXPECT_EQ(*runs, 2);
    for (auto& t : {timer, other, orphan}) t->End();
}

TEST(TimerTicks, ATimerMadeWithoutAWindowRunsAndStops) {
    ASSERT_EQ(GetActiveWindow(), nullptr) << "the timer must find no window to take";
    auto ticks = std::make_shared<int>(0);
    auto timer = TTimer::New(10, Counting(ticks));
    timer->Activate();
    ASSERT_TRUE(timer->lActive);
    test::GuiScript script;
    script.Until("two ticks", [&] { return *ticks >= 2; });
    script.Start();
    script.Pump();
    EXPECT_TRUE(script.Succeeded()) << script.FailedStep();
    timer->DeActivate();
    int stopped = *ticks;
    test::GuiScript later;
    later.Until("a while", [start = GetTickCount()] { return GetTickCount() - start > 100; });
    later.Start();
    later.Pump();
    EXPECT_EQ(*ticks, stopped) << "stopped, it ticks no more";
    timer->End();
}

}  // namespace
}  // namespace pixa
