// The action line's and the meter's repaints at their pace.
#include "app/transfer/paced_repaint.h"

#include <windows.h>

#include <gtest/gtest.h>

#include "tests/services/windows.h"
#include "tests/support/layers.h"

namespace pixa {
namespace {

// Processes window messages until done() holds or about steps × 10 ms have passed.
template <class Done>
void PumpUntil(Done done, int steps = 200) {
    for (int i = 0; i < steps && !done(); ++i) {
        MSG msg;
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&msg);
        Sleep(10);
    }
}

TEST(PacedRepaint, ChangesInARowRepaintOnceAndTheLastIsShownByTheTimer) {
    test::ShownWindow window("Fortschritt");
    int repaints = 0;
    // An interval far longer than the changes below take, so none of them falls due by itself.
    PacedRepaint pace([&] { ++repaints; }, std::chrono::milliseconds(300));
    pace.SetOwner(window.get());
    pace.Changed();
    EXPECT_EQ(repaints, 1) << "the first change is shown at once";
    for (int i = 0; i < 5; ++i) pace.Changed();
    EXPECT_EQ(repaints, 1) << "the changes in a row wait";
    EXPECT_TRUE(pace.Pending());
    PumpUntil([&] { return !pace.Pending(); });
    EXPECT_EQ(repaints, 2) << "one tick shows the last change";
    PumpUntil([&] { return repaints > 2; }, 70);
    EXPECT_EQ(repaints, 2) << "nothing waits, no further repaint";

    pace.Changed();  // due again by now
    pace.Changed();
    EXPECT_EQ(repaints, 3);
    pace.Flush();
    EXPECT_EQ(repaints, 4) << "a waiting change is shown on asking";
    pace.Flush();
    EXPECT_EQ(repaints, 4) << "and only once";

    PacedRepaint unowned([&] { ++repaints; });
    unowned.Changed();
    unowned.Changed();
    EXPECT_EQ(repaints, 6) << "without a timer every change is shown at once";
}

}  // namespace
}  // namespace pixa
