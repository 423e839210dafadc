// Processing pending messages inside an action.
#include "framework/services/sys_refresh.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <memory>

#include "framework/window/event_loop.h"
#include "tests/services/windows.h"
#include "tests/support/layers.h"

namespace pixa {
namespace {

TEST(SysRefresh, DispatchesPendingMessagesAndRecordsTheLastKey) {
    test::ShownWindow w("Pumpe");
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
