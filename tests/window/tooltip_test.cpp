#include "framework/window/tooltip.h"

#include <gtest/gtest.h>

#include "framework/window/window.h"
#include "tests/window/plain_control.h"
#include "tests/support/layers.h"

namespace pixa {
namespace {

using test::PlainControl;

// Two buttons with tooltips on a window; everything is driven by sending the
// messages the platform would send, so no test waits for the real 900 ms timer.
class ToolTipTest : public ::testing::Test {
protected:
    void SetUp() override {
        ToolTips::Instance().MakeCold();
        window = TWindow::New({.nTop = 100, .nLeft = 100, .nBottom = 300, .nRight = 500, .cTitle = "Tipps",
                               .lPixel = true});
        first = PlainControl::New(window, "BUTTON", "Eins", 10, 10, 24, 80);
        second = PlainControl::New(window, "BUTTON", "Zwei", 10, 120, 24, 80);
        plain = PlainControl::New(window, "BUTTON", "Ohne", 10, 230, 24, 80);
        first->cToolTip = "Erster Knopf";
        second->cToolTip = Value(Action([](const Args&) { return Value("Zweiter Knopf"); }));
    }
    void TearDown() override {
        DestroyWindow(window->hWnd);
        ToolTips::Instance().MakeCold();
    }
    static void MouseMove(const std::shared_ptr<TWindow>& w) { SendMessageA(w->hWnd, WM_MOUSEMOVE, 0, MAKELPARAM(5, 5)); }
    static bool TipShown() {
        auto tip = ToolTips::Instance().TipWindow();
        return tip && tip->hWnd && IsWindowVisible(tip->hWnd);
    }

    std::shared_ptr<TWindow> window;
    std::shared_ptr<PlainControl> first, second, plain;
};

TEST_F(ToolTipTest, ColdTooltipWaitsForTheTimer) {
    MouseMove(first);
    EXPECT_FALSE(TipShown());
    EXPECT_TRUE(ToolTips::Instance().TimerPending());
    SendMessageA(first->hWnd, WM_TIMER, ToolTips::kTimerId, 0);
    ASSERT_TRUE(TipShown());
    EXPECT_EQ(ToolTips::Instance().Lines(), std::vector<std::string>{"Erster Knopf"});
    EXPECT_FALSE(ToolTips::Instance().TimerPending());
    // Below the pointer's window: 7 pixels under its bottom edge, 7 in from its left.
    RECT tip, button;
    GetWindowRect(ToolTips::Instance().TipWindow()->hWnd, &tip);
    GetWindowRect(first->hWnd, &button);
    EXPECT_EQ(tip.left, button.left + 7);
    EXPECT_EQ(tip.top, button.top + (button.bottom - button.top) + 7);
    EXPECT_GT(tip.right - tip.left, 7);
}

TEST_F(ToolTipTest, WarmTooltipShowsAtOnceUntilTheCaptionIsCrossed) {
    MouseMove(first);
    SendMessageA(first->hWnd, WM_TIMER, ToolTips::kTimerId, 0);
    ASSERT_TRUE(ToolTips::Instance().Warm());
    // Warm: the next control's tooltip (an action's text) shows without a timer.
    MouseMove(second);
    EXPECT_TRUE(TipShown());
    EXPECT_EQ(ToolTips::Instance().Lines(), std::vector<std::string>{"Zweiter Knopf"});
    EXPECT_FALSE(ToolTips::Instance().TimerPending());
    // The pointer over the parent keeps tooltips warm but hides the tip.
    MouseMove(window);
    EXPECT_FALSE(TipShown());
    EXPECT_TRUE(ToolTips::Instance().Warm());
    // Over the caption or border: cold again, so the next one waits.
    SendMessageA(window->hWnd, WM_NCMOUSEMOVE, HTCAPTION, 0);
    EXPECT_FALSE(ToolTips::Instance().Warm());
    MouseMove(first);
    EXPECT_FALSE(TipShown());
    EXPECT_TRUE(ToolTips::Instance().TimerPending());
}

TEST_F(ToolTipTest, WindowWithoutTooltipMakesItCold) {
    MouseMove(first);
    SendMessageA(first->hWnd, WM_TIMER, ToolTips::kTimerId, 0);
    MouseMove(plain);
    EXPECT_FALSE(TipShown());
    EXPECT_FALSE(ToolTips::Instance().Warm());
}

TEST_F(ToolTipTest, TimerForAnotherWindowShowsNothing) {
    MouseMove(first);
    MouseMove(window);  // moved on before the delay ran out
    SendMessageA(first->hWnd, WM_TIMER, ToolTips::kTimerId, 0);
    EXPECT_FALSE(TipShown());
}

TEST_F(ToolTipTest, TipNearTheRightEdgeEndsThreePixelsBeforeIt) {
    int screen = GetSystemMetrics(SM_CXSCREEN);
    window->Move(100, screen - 120, 400, 200);
    first->ShowToolTip(20, 60, Value("Ein recht langer Hinweis am Rand"));
    ASSERT_TRUE(TipShown());
    RECT tip;
    GetWindowRect(ToolTips::Instance().TipWindow()->hWnd, &tip);
    EXPECT_EQ(tip.right, screen - 3);
}

TEST_F(ToolTipTest, LosingTheFocusDestroysTheTip) {
    first->ShowToolTip();
    ASSERT_TRUE(TipShown());
    SendMessageA(first->hWnd, WM_KILLFOCUS, 0, 0);
    EXPECT_FALSE(TipShown());
}

TEST(ToolTipText, SplitsLongTextsAtWordsAndKeepsLineBreaks) {
    EXPECT_EQ(SplitToolTipText("eins  \nzwei\r\ndrei "), (std::vector<std::string>{"eins", "zwei", "drei"}));
    EXPECT_EQ(SplitToolTipText("aaa bbb ccc", 7), (std::vector<std::string>{"aaa bbb", "ccc"}));
    EXPECT_EQ(SplitToolTipText("abcdefghij", 4), (std::vector<std::string>{"abcd", "efgh", "ij"}));
    std::string longText(300, 'x');
    auto lines = SplitToolTipText(longText);
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0].size(), 252u);
}

}  // namespace
}  // namespace pixa
