// The test driver itself: a step that never succeeds ends the test with its name
// and closes the dialog it was waiting in, instead of hanging.
#include "tests/support/gui_driver.h"

#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>

#include "framework/window/dialog.h"
#include "tests/support/layers.h"

namespace pixa {
namespace {

TEST(GuiDriver, TimedOutStepFailsWithItsNameAndClosesTheDialog) {
    auto dialog = TDialog::New({.nTop = 100, .nLeft = 100, .nBottom = 200, .nRight = 300, .cCaption = "Haengt",
                                .lPixel = true});
    test::GuiScript script(std::chrono::milliseconds(300));
    script.Until("something that never happens", [] { return false; });
    EXPECT_NONFATAL_FAILURE(
        {
            script.Start();
            dialog->Activate({});
        },
        "GUI step timed out: something that never happens");
    EXPECT_FALSE(script.Succeeded());
    EXPECT_EQ(script.FailedStep(), "something that never happens");
    EXPECT_EQ(dialog->hWnd, nullptr);  // closed by the driver
    EXPECT_EQ(dialog->nResult, Value(0));
}

TEST(GuiDriver, StepsRunInOrderInsideTheDialogsLoop) {
    auto dialog = TDialog::New({.nTop = 100, .nLeft = 100, .nBottom = 200, .nRight = 300, .cCaption = "Folge",
                                .lPixel = true});
    std::string order;
    int polls = 0;
    test::GuiScript script;
    script.Do("a", [&] { order += 'a'; })
        .Until("b after three polls", [&] {
            order += 'b';
            return ++polls == 3;
        })
        .Do("c", [&] {
            order += 'c';
            dialog->End(7);
        });
    script.Start();
    dialog->Activate({});
    EXPECT_TRUE(script.Succeeded());
    EXPECT_EQ(order, "abbbc");
    EXPECT_EQ(dialog->nResult, Value(7));
}

}  // namespace
}  // namespace pixa
