// Buttons, labels, group boxes, check boxes and radio groups on a live dialog.
#include <windows.h>

#include <gtest/gtest.h>

#include <memory>
#include <stdexcept>

#include "framework/controls/button.h"
#include "framework/controls/check_box.h"
#include "framework/controls/group.h"
#include "framework/controls/radio.h"
#include "framework/controls/say.h"
#include "framework/window/messages.h"
#include "runtime/codepage.h"
#include "tests/controls/bound_value.h"
#include "tests/controls/gui.h"
#include "tests/support/error_recorder.h"
#include "tests/support/layers.h"

namespace pixa {
namespace {

using test::Bound;
using test::Pump;
using test::TestDialog;
using test::TextOf;

Action Counter(std::shared_ptr<int> count) {
    return Action([count](const Args&) {
        ++*count;
        return Value();
    });
}

TEST(Button, DefaultWidthAndGeometry) {
    ButtonLayout narrow = LayoutButton({.nRow = 2, .nCol = 3, .cCaption = "&Ok"});
    EXPECT_EQ(narrow.nTop, 36);
    EXPECT_EQ(narrow.nLeft, 18);
    EXPECT_EQ(narrow.nRight - narrow.nLeft, 30) << "at least 30 units";
    EXPECT_EQ(narrow.nBottom - narrow.nTop, 13);
    ButtonLayout wide = LayoutButton({.cCaption = "&Abbrechen", .lDefault = true, .lPixel = true});
    EXPECT_EQ(wide.nRight - wide.nLeft, 60);
    EXPECT_EQ(wide.nStyle, static_cast<DWORD>(WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_DEFPUSHBUTTON));
}

TEST(Button, AThrowingActionDoesNotBlockLaterClicks) {
    test::ErrorRecorder errors;
    TestDialog dlg;
    auto clicks = std::make_shared<int>(0);
    auto button = TButton::New({.nRow = 10, .nCol = 10, .cCaption = "&Los", .oWnd = dlg.get(),
                                .bAction = Action([clicks](const Args&) -> Value {
                                    if (++*clicks == 1) throw std::runtime_error("Aktion kaputt");
                                    return Value();
                                }),
                                .lPixel = true});
    dlg.Show();
    test::ClickButton(button->hWnd);
    test::ClickButton(button->hWnd);
    EXPECT_EQ(*clicks, 2) << "the second click ran the action";
    EXPECT_EQ(errors.errors.size(), 1u);
}

TEST(Button, HotKeyEnterAndCaption) {
    TestDialog dlg;
    auto clicks = std::make_shared<int>(0);
    auto other = TButton::New({.nRow = 10, .nCol = 10, .cCaption = "&Weiter", .oWnd = dlg.get(), .nWidth = 40,
                               .nHeight = 10, .lPixel = true});
    auto help = TButton::New({.nRow = 30, .nCol = 10, .cCaption = "&Hilfe", .oWnd = dlg.get(),
                              .bAction = Counter(clicks), .nWidth = 40, .nHeight = 10, .lPixel = true});
    dlg.Show();
    EXPECT_EQ(TextOf(help->hWnd), "&Hilfe");
    other->SetFocus();
    Pump();
    test::PressAlt('h');
    EXPECT_EQ(*clicks, 1) << "Alt+H presses the button";

    help->SetFocus();
    Pump();
    EXPECT_EQ(GetWindowLongA(help->hWnd, GWL_STYLE) & 0x0F, BS_DEFPUSHBUTTON) << "focused: default look";
    EXPECT_EQ(GetWindowLongA(other->hWnd, GWL_STYLE) & 0x0F, BS_PUSHBUTTON);
    test::Press(VK_RETURN);
    EXPECT_EQ(*clicks, 2) << "Enter presses the focused button";
    other->SetFocus();
    Pump();
    EXPECT_EQ(GetWindowLongA(help->hWnd, GWL_STYLE) & 0x0F, BS_PUSHBUTTON) << "back to normal without focus";
}

TEST(Button, ArrowKeysMoveThroughTheControls) {
    TestDialog dlg;
    auto first = TButton::New({.nRow = 10, .nCol = 10, .cCaption = "&Eins", .oWnd = dlg.get(), .lPixel = true});
    auto second = TButton::New({.nRow = 30, .nCol = 10, .cCaption = "&Zwei", .oWnd = dlg.get(), .lPixel = true});
    dlg.Show();
    first->SetFocus();
    Pump();
    test::Press(VK_RIGHT);
    EXPECT_EQ(GetFocus(), second->hWnd);
    test::Press(VK_UP);
    EXPECT_EQ(GetFocus(), first->hWnd);
}

TEST(Button, SecondClickWhileTheActionRunsIsDropped) {
    TestDialog dlg;
    auto runs = std::make_shared<int>(0);
    auto button = std::make_shared<std::shared_ptr<TButton>>();
    auto action = Action([runs, button](const Args&) {
        ++*runs;
        // The user clicks again while the action still processes messages.
        SendMessageA((*button)->hWnd, BM_CLICK, 0, 0);
        Pump();
        return Value();
    });
    *button = TButton::New({.nRow = 10, .nCol = 10, .cCaption = "&Los", .oWnd = dlg.get(), .bAction = action,
                            .lPixel = true});
    dlg.Show();
    test::ClickButton((*button)->hWnd);
    EXPECT_EQ(*runs, 1);
    EXPECT_FALSE((*button)->lProcessing);
    test::ClickButton((*button)->hWnd);
    EXPECT_EQ(*runs, 2) << "after the action, clicks count again";
}

TEST(Say, PicturesRefreshAndDefaultWidth) {
    TestDialog dlg;
    Bound used(7);
    Bound total(1234567);
    auto small = TSay::New({.nRow = 10, .nCol = 10, .bText = used.action(), .oWnd = dlg.get(), .cPicture = "999",
                            .lPixel = true});
    auto large = TSay::New({.nRow = 30, .nCol = 10, .bText = total.action(), .oWnd = dlg.get(),
                            .cPicture = "@E 999,999,999", .lPixel = true});
    auto plain = TSay::New({.nRow = 3, .nCol = 4, .bText = Action([](const Args&) { return Value("Kameraordner"); }),
                            .oWnd = dlg.get()});
    EXPECT_EQ(plain->nRight - plain->nLeft + 1, 6 * 12 - 4);
    EXPECT_EQ(plain->nTop, 3 * 15 + 2);
    EXPECT_EQ(plain->nBottom - plain->nTop + 1, 15);
    dlg.Show();
    EXPECT_EQ(TextOf(small->hWnd), "  7");
    EXPECT_EQ(TextOf(large->hWnd), "  1.234.567");
    EXPECT_EQ(TextOf(large->hWnd).size(), 11u);
    EXPECT_EQ(TextOf(plain->hWnd), "Kameraordner");

    *used.value = 42;
    small->Refresh();
    EXPECT_EQ(TextOf(small->hWnd), " 42");
    small->SetText(Value(5));
    EXPECT_EQ(TextOf(small->hWnd), "  5");
    small->VarPut(Value(9));
    *used.value = 100;
    small->Refresh();
    EXPECT_EQ(TextOf(small->hWnd), "  9") << "VarPut fixes the shown value";
}

TEST(Group, HollowBrushAndLabel) {
    TestDialog dlg;
    auto group = TGroup::New({.nTop = -3, .nLeft = 0, .nBottom = 143, .nRight = 244, .cLabel = "Rahmen",
                              .oWnd = dlg.get(), .lPixel = true});
    dlg.Show();
    EXPECT_EQ(TextOf(group->hWnd), "Rahmen");
    ASSERT_TRUE(group->oBrush);
    EXPECT_EQ(group->oBrush->hBrush, GetStockObject(HOLLOW_BRUSH));
    HDC dc = GetDC(group->hWnd);
    LRESULT answer = SendMessageA(dlg->hWnd, WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc),
                                  reinterpret_cast<LPARAM>(group->hWnd));
    ReleaseDC(group->hWnd, dc);
    EXPECT_EQ(reinterpret_cast<HGDIOBJ>(answer), GetStockObject(HOLLOW_BRUSH)) << "the dialog shows through";
}

TEST(CheckBox, ClickNegatesTheFlagAndReevaluatesSiblingsAtOnce) {
    TestDialog dlg;
    Bound simulate(false);
    auto changes = std::make_shared<Value>();
    auto box = TCheckBox::New({.nRow = 10, .nCol = 10, .cCaption = AnsiToCp850(" &Übertragung simulieren"),
                               .bSetGet = simulate.action(), .oWnd = dlg.get(), .nWidth = 150, .nHeight = 10,
                               .bChange = Action([changes](const Args& args) {
                                   *changes = Arg(args, 0);
                                   return Value();
                               }),
                               .lPixel = true});
    auto flag = simulate.value;
    auto start = TButton::New({.nRow = 40, .nCol = 10, .cCaption = "&Starten", .oWnd = dlg.get(),
                               .lPixel = true, .bWhen = Action([flag](const Args&) { return Value(!flag->AsLogical()); })});
    dlg.Show();
    EXPECT_EQ(TextOf(box->hWnd), " &Übertragung simulieren") << "the code page 850 caption shows in Windows-1252";
    EXPECT_EQ(SendMessageA(box->hWnd, BM_GETCHECK, 0, 0), BST_UNCHECKED);
    EXPECT_TRUE(IsWindowEnabled(start->hWnd));

    test::ClickButton(box->hWnd);
    EXPECT_TRUE(simulate.value->AsLogical());
    EXPECT_EQ(SendMessageA(box->hWnd, BM_GETCHECK, 0, 0), BST_CHECKED);
    EXPECT_TRUE(changes->AsLogical()) << "bChange receives the new value";
    EXPECT_FALSE(IsWindowEnabled(start->hWnd)) << "the dependent button is disabled at once";

    test::ClickButton(box->hWnd);
    EXPECT_FALSE(simulate.value->AsLogical());
    EXPECT_EQ(SendMessageA(box->hWnd, BM_GETCHECK, 0, 0), BST_UNCHECKED);
    EXPECT_TRUE(IsWindowEnabled(start->hWnd));

    *simulate.value = true;  // changed elsewhere: Refresh shows it
    box->Refresh();
    EXPECT_EQ(SendMessageA(box->hWnd, BM_GETCHECK, 0, 0), BST_CHECKED);
}

TEST(CheckBox, NonLogicalValuesBecomeFalse) {
    TestDialog dlg;
    Bound odd(Value("ja"));
    auto box = TCheckBox::New({.nRow = 10, .nCol = 10, .bSetGet = odd.action(), .oWnd = dlg.get(), .lPixel = true});
    EXPECT_TRUE(odd.value->IsLogical());
    EXPECT_FALSE(odd.value->AsLogical());
    auto own = TCheckBox::New({.nRow = 30, .nCol = 10, .oWnd = dlg.get(), .lPixel = true});
    EXPECT_EQ(own->nRight - own->nLeft, 7 * 9) << "width by the caption \"&CheckBox\"";
    auto cells = TCheckBox::New({.nRow = 2, .nCol = 3, .oWnd = dlg.get()});
    EXPECT_EQ(cells->nTop, 26);
    EXPECT_EQ(cells->nLeft, 21);
    EXPECT_EQ(cells->nRight - cells->nLeft, 7 * 9 - 24) << "text cells pull the right edge in";
    EXPECT_EQ(cells->nBottom - cells->nTop, 19);
    dlg.Show();
    test::ClickButton(own->hWnd);
    EXPECT_TRUE(own->VarGet().AsLogical()) << "a box without binding keeps its own flag";
}

class RadioGroup : public ::testing::Test {
protected:
    void Build(Value initial) {
        choice = std::make_unique<Bound>(initial);
        menu = TRadMenu::New({.nRow = 40, .nCol = 80,
                              .acItems = {AnsiToCp850(" &Löschen"), " &Drucken", " &Email-Versand"},
                              .bSetGet = choice->action(), .oWnd = dlg.get(),
                              .bChange = Counter(changes), .nWidth = 100, .nHeight = 10, .lPixel = true});
        dlg.Show();
    }
    std::vector<int> Checks() const {
        std::vector<int> out;
        for (int i = 1; i <= 3; ++i) out.push_back(SendMessageA(menu->Item(i)->hWnd, BM_GETCHECK, 0, 0) == BST_CHECKED);
        return out;
    }
    TestDialog dlg;
    std::unique_ptr<Bound> choice;
    std::shared_ptr<int> changes = std::make_shared<int>(0);
    std::shared_ptr<TRadMenu> menu;
};

TEST_F(RadioGroup, ItemsLieOneStepApart) {
    Build(1);
    EXPECT_EQ(menu->Item(1)->nTop, 40);
    EXPECT_EQ(menu->Item(2)->nTop, 50);
    EXPECT_EQ(menu->Item(3)->nTop, 60);
    EXPECT_EQ(menu->Item(1)->nLeft, 84);
    EXPECT_TRUE(GetWindowLongA(menu->Item(1)->hWnd, GWL_STYLE) & WS_GROUP);
    EXPECT_FALSE(GetWindowLongA(menu->Item(2)->hWnd, GWL_STYLE) & WS_GROUP);
    EXPECT_EQ(TextOf(menu->Item(1)->hWnd), " &Löschen");
}

TEST_F(RadioGroup, ZeroStartsOnTheFirstItem) {
    Build(0);
    EXPECT_EQ(Checks(), (std::vector<int>{1, 0, 0}));
    EXPECT_EQ(choice->value->AsInteger(), 1);
}

TEST_F(RadioGroup, NonNumberStartsOnTheFirstItem) {
    Build(Value("x"));
    EXPECT_EQ(Checks(), (std::vector<int>{1, 0, 0}));
}

TEST_F(RadioGroup, ArrowsMoveSelectionAndFocusWithWrapAround) {
    Build(3);
    EXPECT_EQ(Checks(), (std::vector<int>{0, 0, 1}));
    menu->Item(3)->SetFocus();
    Pump();
    test::Press(VK_DOWN);
    EXPECT_EQ(choice->value->AsInteger(), 1);
    EXPECT_EQ(Checks(), (std::vector<int>{1, 0, 0}));
    EXPECT_EQ(GetFocus(), menu->Item(1)->hWnd);
    test::Press(VK_UP);
    EXPECT_EQ(choice->value->AsInteger(), 3);
    EXPECT_EQ(GetFocus(), menu->Item(3)->hWnd);
    test::Press(VK_LEFT);
    EXPECT_EQ(choice->value->AsInteger(), 2);
    EXPECT_EQ(Checks(), (std::vector<int>{0, 1, 0}));
    EXPECT_EQ(*changes, 3);
}

TEST_F(RadioGroup, ClickSelectsAndSetOptionIgnoresInvalidPositions) {
    Build(1);
    test::ClickButton(menu->Item(2)->hWnd);
    EXPECT_EQ(choice->value->AsInteger(), 2);
    EXPECT_EQ(Checks(), (std::vector<int>{0, 1, 0}));
    EXPECT_EQ(*changes, 1);
    menu->SetOption(0);
    menu->SetOption(4);
    menu->SetOption(2);
    EXPECT_EQ(*changes, 1) << "no change for 0, 4 or the current position";
    *choice->value = 3;  // changed elsewhere
    menu->Refresh();
    EXPECT_EQ(Checks(), (std::vector<int>{0, 0, 1}));
    EXPECT_EQ(*changes, 2);
}

}  // namespace
}  // namespace pixa
