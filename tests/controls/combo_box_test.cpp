// The combo box on a live dialog: filling, values outside the list, change actions.
#include <windows.h>

#include <gtest/gtest.h>

#include "framework/controls/button.h"
#include "framework/controls/combo_box.h"
#include "tests/controls/bound_value.h"
#include "tests/controls/gui.h"
#include "tests/support/layers.h"

namespace pixa {
namespace {

using test::Bound;
using test::Pump;
using test::TestDialog;
using test::TextOf;

class ComboBox : public ::testing::Test {
protected:
    std::shared_ptr<TComboBox> Build(Value initial) {
        bound = std::make_unique<Bound>(std::move(initial));
        auto count = changes;
        auto seen = before;
        box = TComboBox::New({.nRow = 10, .nCol = 10, .bSetGet = bound->action(),
                              .aItems = {"Canon", "Olympus", "Sony"}, .nWidth = 60, .nHeight = 40,
                              .oWnd = dlg.get(), .bChange = Action([count, seen](const Args& args) {
                                  ++*count;
                                  *seen = Arg(args, 1);
                                  return Value();
                              }),
                              .lPixel = true});
        EXPECT_EQ(box->nBottom - box->nTop + 1, 40) << "the height includes the opened list";
        other = TButton::New({.nRow = 60, .nCol = 10, .cCaption = "&Ok", .oWnd = dlg.get(), .lPixel = true});
        dlg.Show();
        return box;
    }
    // The user picks an item in the open list.
    void Pick(int position) {
        SendMessageA(box->hWnd, CB_SETCURSEL, position - 1, 0);
        SendMessageA(dlg->hWnd, WM_COMMAND, MAKEWPARAM(box->nId, CBN_SELCHANGE), reinterpret_cast<LPARAM>(box->hWnd));
        Pump();
    }
    int Selected() const { return static_cast<int>(SendMessageA(box->hWnd, CB_GETCURSEL, 0, 0)) + 1; }

    TestDialog dlg;
    std::unique_ptr<Bound> bound;
    std::shared_ptr<int> changes = std::make_shared<int>(0);
    std::shared_ptr<Value> before = std::make_shared<Value>();
    std::shared_ptr<TComboBox> box;
    std::shared_ptr<TButton> other;
};

TEST_F(ComboBox, FilledAndOnTheBoundItem) {
    Build(Value("  olympus "));
    EXPECT_EQ(SendMessageA(box->hWnd, CB_GETCOUNT, 0, 0), 3);
    EXPECT_EQ(Selected(), 2) << "matched upper-cased and trimmed";
    EXPECT_EQ(box->nAt, 2);
    EXPECT_EQ(box->VarGet().AsString(), "Olympus");
}

TEST_F(ComboBox, AbsentValueStartsOnTheFirstItemAndStoresIt) {
    Build(Value());
    EXPECT_EQ(Selected(), 1);
    EXPECT_EQ(bound->value->AsString(), "Canon");
    EXPECT_EQ(*changes, 0);
}

TEST_F(ComboBox, ValueOutsideTheListIsShownAndKept) {
    Build(Value("Nikon"));
    EXPECT_EQ(box->nAt, 0);
    EXPECT_EQ(box->aItems.size(), 3u) << "the list itself is unchanged";
    EXPECT_EQ(TextOf(box->hWnd), "Nikon");
    EXPECT_EQ(bound->value->AsString(), "Nikon");
    box->SetFocus();
    Pump();
    other->SetFocus();
    Pump();
    EXPECT_EQ(bound->value->AsString(), "Nikon") << "leaving keeps it";
}

TEST_F(ComboBox, ChangeOnlyOnARealChange) {
    Build(Value("Sony"));
    Pick(3);
    EXPECT_EQ(*changes, 0) << "the item already selected";
    Pick(1);
    EXPECT_EQ(*changes, 1);
    EXPECT_EQ(bound->value->AsString(), "Canon");
    EXPECT_EQ(before->AsString(), "Sony") << "bChange receives the text before the change";
    Pick(1);
    EXPECT_EQ(*changes, 1);
}

TEST_F(ComboBox, NumericBindingStoresThePosition) {
    Build(2);
    EXPECT_EQ(Selected(), 2);
    Pick(3);
    EXPECT_TRUE(bound->value->IsNumber());
    EXPECT_EQ(bound->value->AsInteger(), 3);
    box->Set(Value(0));
    EXPECT_EQ(Selected(), 1) << "position 0 counts as 1";
}

TEST_F(ComboBox, ItemsAddedInsertedModifiedDeletedAndFound) {
    Build(Value("Olympus"));
    box->Add("Pentax");
    box->Insert("Agfa", 1);
    EXPECT_EQ(box->aItems, (std::vector<std::string>{"Agfa", "Canon", "Olympus", "Sony", "Pentax"}));
    EXPECT_EQ(box->nAt, 3) << "the selection moved down with its item";
    box->Modify("Olympus OM", 3);
    EXPECT_EQ(Selected(), 3);
    EXPECT_EQ(TextOf(box->hWnd), "Olympus OM");
    box->Del(1);
    EXPECT_EQ(SendMessageA(box->hWnd, CB_GETCOUNT, 0, 0), 4);
    EXPECT_EQ(box->Find("son"), 3);
    EXPECT_EQ(box->Find("Leica"), 0);
    box->SetItems({"A", "B"});
    EXPECT_EQ(SendMessageA(box->hWnd, CB_GETCOUNT, 0, 0), 2);
    EXPECT_EQ(Selected(), 0) << "the value was emptied";
}

}  // namespace
}  // namespace pixa
