// The splash and the about box: closing by time, by a click, and not at all.
#include "app/shell/about_box.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <chrono>

#include "app/shell/publics.h"
#include "tests/support/gui_driver.h"
#include "tests/support/layers.h"

namespace pixa::shell {
namespace {

using Clock = std::chrono::steady_clock;
using test::FindDialog;
using test::GuiScript;

constexpr const char* kCaption = "Qor Pixaport v1.05";

double SecondsSince(Clock::time_point start) {
    return std::chrono::duration<double>(Clock::now() - start).count();
}

class AboutBox : public ::testing::Test {
protected:
    void SetUp() override {
        G().cRelease = kCaption;
        G().cS_WWW = "www.example.org";
        G().cS_Email = "";
    }
};

TEST_F(AboutBox, SplashClosesAboutThreeSecondsAfterItIsShownEvenWhenRepainted) {
    Clock::time_point shown{};
    GuiScript script(std::chrono::milliseconds(15000));
    script.Until("splash shown", [&] {
              HWND box = FindDialog(kCaption);
              if (!box || !IsWindowVisible(box)) return false;
              shown = Clock::now();
              return true;
          })
        .Until("repaint after a second", [&] {
            if (SecondsSince(shown) < 1.0) return false;
            RedrawWindow(FindDialog(kCaption), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
            return true;
        })
        .Until("repaint after two seconds", [&] {
            if (SecondsSince(shown) < 2.0) return false;
            RedrawWindow(FindDialog(kCaption), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
            return true;
        });
    script.Start();
    EXPECT_TRUE(AboutInfo(true));  // returns once the splash has closed by itself
    double open = SecondsSince(shown);
    ASSERT_TRUE(script.Succeeded()) << script.FailedStep();
    EXPECT_GE(open, 2.9);
    EXPECT_LT(open, 8.0) << "a repaint does not restart the time";
}

// Swallows every paint of the splash box itself, as when it is never shown on the screen.
LRESULT CALLBACK NoSplashPaint(int code, WPARAM wp, LPARAM lp) {
    auto* msg = reinterpret_cast<MSG*>(lp);
    if (code == HC_ACTION && msg->message == WM_PAINT && msg->hwnd == FindDialog(kCaption)) {
        ValidateRect(msg->hwnd, nullptr);
        msg->message = WM_NULL;
    }
    return CallNextHookEx(nullptr, code, wp, lp);
}

TEST_F(AboutBox, ASplashThatIsNeverPaintedStillCloses) {
    HHOOK hook = SetWindowsHookExA(WH_GETMESSAGE, NoSplashPaint, nullptr, GetCurrentThreadId());
    ASSERT_NE(hook, nullptr);
    GuiScript script(std::chrono::milliseconds(10000));
    // Fails (and closes the box) only when the splash is still open after 10 seconds.
    script.Until("splash closed by itself", [] { return FindDialog(kCaption) == nullptr; });
    script.Start();
    Clock::time_point start = Clock::now();
    AboutInfo(true);
    UnhookWindowsHookEx(hook);
    EXPECT_EQ(script.FailedStep(), "");
    EXPECT_LT(SecondsSince(start), 9.0) << "closed by its timer, not by the test's clean-up";
}

TEST_F(AboutBox, AClickOnTheSplashClosesItAtOnce) {
    Clock::time_point clicked{};
    GuiScript script;
    script.Until("splash up", [] { return FindDialog(kCaption) != nullptr; })
        .Do("click", [&] {
            clicked = Clock::now();
            PostMessageA(FindDialog(kCaption), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(100, 150));
        });
    script.Start();
    AboutInfo(true);
    ASSERT_TRUE(script.Succeeded()) << script.FailedStep();
    EXPECT_LT(SecondsSince(clicked), 2.0);
}

TEST_F(AboutBox, TheAboutBoxStaysAndShowsTheAddresses) {
    Clock::time_point shown{};
    std::string links;
    RECT placed{};
    GuiScript script(std::chrono::milliseconds(8000));
    script.Until("box up", [&] {
              shown = Clock::now();
              return FindDialog(kCaption) != nullptr;
          })
        .Do("read", [&] {
            HWND box = FindDialog(kCaption);
            GetWindowRect(box, &placed);
            for (HWND c = GetWindow(box, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT))
                if (test::TextOf(c).rfind("Internet", 0) == 0) links = test::TextOf(c);
        })
        .Until("four seconds later", [&] { return SecondsSince(shown) > 4.0; })
        .Until("still open", [] { return FindDialog(kCaption) != nullptr; })
        .Do("close", [] { PostMessageA(FindDialog(kCaption), WM_COMMAND, IDCANCEL, 0); });
    script.Start();
    AboutInfo(false);
    ASSERT_TRUE(script.Succeeded()) << script.FailedStep();
    EXPECT_EQ(links, "Internet: www.example.org\r\nEmail: ");
    int width = placed.right - placed.left;
    EXPECT_NEAR((placed.left + placed.right) / 2, GetSystemMetrics(SM_CXSCREEN) / 2, 2) << "centred";
    EXPECT_NEAR(width, 320, 8);
}

}  // namespace
}  // namespace pixa::shell
