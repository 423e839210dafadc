// Processing pending messages inside an action.
#include "framework/services/sys_refresh.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <memory>

#include "framework/window/event_loop.h"
#include "framework/window/window.h"

namespace pixa {
namespace {

TEST(SysRefresh, DispatchesPendingMessagesAndRecordsTheLastKey) {
    auto w = TWindow::New({.nTop = 40, .nLeft = 40, .nBottom = 100, .nRight = 200, .cTitle = "Pumpe", .lPixel = true});
    auto typed = std::make_shared<std::string>();
    w->bKeyChar = Action([typed](const Args& args) {
        *typed += static_cast<char>(args[0].AsInteger());
        return Value(0);
    });
    PostMessageA(w->hWnd, WM_CHAR, 'a', 1);
    PostMessageA(w->hWnd, WM_CHAR, 'z', 1);
    EXPECT_TRUE(SysRefresh());
    EXPECT_EQ(*typed, "az");
    EXPECT_EQ(LastKeyTyped(), 'z');
    MSG left;
    EXPECT_FALSE(PeekMessageA(&left, w->hWnd, 0, 0, PM_NOREMOVE)) << "the queue is empty afterwards";
    DestroyWindow(w->hWnd);
}

TEST(SysRefresh, QuitIsPostedAgainForTheRunningLoop) {
    bool was = SetWRunning(true);
    PostQuitMessage(7);
    bool result = SysRefresh();
    MSG msg{};
    bool again = PeekMessageA(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE);
    SetWRunning(was);
    EXPECT_FALSE(result) << "false when the quit message was seen";
    ASSERT_TRUE(again) << "the loop still gets its quit message";
    EXPECT_EQ(msg.wParam, 7u) << "with the same exit code";
}

}  // namespace
}  // namespace pixa
