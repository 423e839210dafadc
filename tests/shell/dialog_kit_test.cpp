#include "app/kit/dialog_kit.h"

#include <gtest/gtest.h>

namespace pixa::kit {
namespace {

struct Count : DialogState {
    int runs = 0;
};

TEST(DialogKit, TheDialogKeepsItsStateAndActionsRunOnlyWhileItLives) {
    Action add, read, ends;
    std::function<int(int)> plus;
    std::weak_ptr<Count> state;
    std::shared_ptr<TDialog> dialog;
    {
        StateKit<Count> ui({.cCaption = "Probe"}, std::make_shared<Count>());
        state = ui.Shared();
        dialog = ui.Dialog();
        EXPECT_EQ(ui.State().Dialog(), dialog);
        add = ui.On([](Count& c, int by) { c.runs += by; });
        read = ui.On([](Count& c) { return c.runs; }, Value(-1));
        plus = ui.Callback<int(int)>([](Count& c, int by) { return c.runs + by; });
        ends = ui.Ends(1);
    }
    // The kit is gone; the dialog still holds the state.
    EXPECT_TRUE(add.Call(2).IsAbsent());
    EXPECT_EQ(read().AsInteger(), 2);
    EXPECT_EQ(plus(1), 3);
    // Neither holds the other in a ring: with the dialog the state goes, and its actions do nothing.
    dialog.reset();
    EXPECT_TRUE(state.expired());
    add.Call(5);
    EXPECT_EQ(read().AsInteger(), -1);
    EXPECT_EQ(plus(1), 0);
    EXPECT_TRUE(ends().IsAbsent());
}

}  // namespace
}  // namespace pixa::kit
