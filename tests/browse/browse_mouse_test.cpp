// The mouse on a browse: clicks, header actions, double and right clicks, and
// resizing a column by dragging its edge.
#include "framework/services/menu_builder.h"
#include "tests/browse/browse_fixture.h"
#include "tests/support/layers.h"

namespace pixa::test {
namespace {

void ClickAt(HWND hWnd, int x, int y) {
    Mouse(hWnd, WM_LBUTTONDOWN, x, y, MK_LBUTTON);
    Mouse(hWnd, WM_LBUTTONUP, x, y);
}

TEST_F(BrowseTest, ClicksSelectRowsAndRunHeaderActions) {
    MakeTable(50);
    TestDialog dlg;
    auto pressedColour = std::make_shared<COLORREF>(0);
    auto clicks = std::make_shared<int>(0);
    Action readCorner([pressedColour](const Args& args) {
        HWND hWnd = std::static_pointer_cast<TWBrowse>(Arg(args, 0).AsObject())->hWnd;
        HDC dc = GetDC(hWnd);
        *pressedColour = GetPixel(dc, 150, 0);  // the pressed cell's top-left corner
        ReleaseDC(hWnd, dc);
        return Value();
    });
    auto browse = MakeBrowse(dlg, 200, 100,
                             {.bLClicked = Action([clicks](const Args&) { return Value(++*clicks); }),
                              .aActions = {Action(), readCorner}});
    dlg.Show();
    const int h = browse->LineHeight();
    int changes = Changes();
    ClickAt(browse->hWnd, 40, 4 * h + h / 2);
    EXPECT_EQ(browse->nRowPos, 4);
    EXPECT_EQ(Current(), 4);
    EXPECT_EQ(Changes(), changes + 1);
    EXPECT_EQ(*clicks, 1);
    EXPECT_EQ(GetFocus(), browse->hWnd);

    ClickAt(browse->hWnd, 40, h / 2);  // the first column has no action: a beep only
    EXPECT_EQ(browse->nRowPos, 4);
    EXPECT_EQ(Current(), 4);
    EXPECT_EQ(Changes(), changes + 1);

    ClickAt(browse->hWnd, 170, h / 2);
    EXPECT_EQ(*pressedColour, GetSysColor(COLOR_BTNSHADOW)) << "drawn pressed while the action runs";
    EXPECT_EQ(Snapshot(browse->hWnd).at(150, 0), GetSysColor(COLOR_BTNHIGHLIGHT)) << "raised again";
    EXPECT_EQ(Current(), 4);

    ClickAt(browse->hWnd, 40, (browse->nRowCount() + 1) * h + 1);  // below the last row
    EXPECT_EQ(Current(), 4);
}

TEST_F(BrowseTest, DoubleClickOnAnotherRowSelectsItFirst) {
    MakeTable(50);
    TestDialog dlg;
    auto seen = std::make_shared<std::vector<long>>();
    auto table = table_;
    auto browse = MakeBrowse(dlg, 200, 100, {.bLDblClick = Action([seen, table](const Args&) {
                                                 seen->push_back(static_cast<long>(table->RecNo()));
                                                 return Value();
                                             })});
    dlg.Show();
    const int h = browse->LineHeight(), y = 6 * h + 2;
    Mouse(browse->hWnd, WM_LBUTTONDBLCLK, 40, y);
    EXPECT_TRUE(seen->empty()) << "not the selected row";
    ClickAt(browse->hWnd, 40, y);
    Mouse(browse->hWnd, WM_LBUTTONDBLCLK, 40, y);
    Mouse(browse->hWnd, WM_LBUTTONUP, 40, y);
    EXPECT_EQ(*seen, std::vector<long>{6});
}

TEST_F(BrowseTest, RightClickOpensAContextMenuWhereItWasClicked) {
    MakeTable(10);
    TestDialog dlg;
    auto chosen = std::make_shared<long>(0);
    auto table = table_;
    auto browse = std::make_shared<std::shared_ptr<TWBrowse>>();
    Action openMenu([chosen, table, browse](const Args& args) {
        auto menu = MenuBegin(true);
        MenuAddItem({.cPrompt = "diese Datei ma&rkieren", .bAction = Action([chosen, table](const Args&) {
                         *chosen = static_cast<long>(table->RecNo());
                         return Value();
                     })});
        MenuEnd();
        menu->Activate(static_cast<int>(Arg(args, 0).AsInteger()), static_cast<int>(Arg(args, 1).AsInteger()),
                       *browse);
        return Value();
    });
    *browse = MakeBrowse(dlg, 200, 100, {.bRClicked = openMenu});
    dlg.Show();
    (*browse)->GoDown(), (*browse)->GoDown();
    POINT expected{123, 45};
    ClientToScreen((*browse)->hWnd, &expected);
    RECT shown{};
    GuiScript script;
    script.Until("menu open", [&] {
              HWND menu = FindWindowA("#32768", nullptr);
              return menu && IsWindowVisible(menu) && GetWindowRect(menu, &shown);
          })
        .Do("choose", [] {
            PressKey(VK_DOWN);
            PressKey(VK_RETURN);
        });
    script.Start();
    Mouse((*browse)->hWnd, WM_RBUTTONDOWN, 123, 45);
    EXPECT_TRUE(script.Succeeded()) << script.FailedStep();
    EXPECT_EQ(shown.left, expected.x);
    EXPECT_EQ(shown.top, expected.y);
    EXPECT_EQ(*chosen, 3) << "the item sees the selected record";
    browse->reset();
}

TEST_F(BrowseTest, DraggingAColumnEdgeResizesItToAtLeastFivePixels) {
    MakeTable(10);
    TestDialog dlg;
    auto browse = MakeBrowse(dlg);
    dlg.Show();
    HWND hWnd = browse->hWnd;
    Mouse(hWnd, WM_LBUTTONDOWN, 151, 3, MK_LBUTTON);  // one pixel right of the edge
    EXPECT_TRUE(browse->lCaptured);
    EXPECT_EQ(GetCapture(), hWnd);
    EXPECT_EQ(Snapshot(hWnd).at(151, 3), RGB(255, 255, 255) ^ GetSysColor(COLOR_BTNFACE)) << "guide line";
    Mouse(hWnd, WM_MOUSEMOVE, -20, 3, MK_LBUTTON);  // left of the column's start
    Mouse(hWnd, WM_LBUTTONUP, -20, 3);
    EXPECT_EQ(browse->aColSizes[0], 5);
    EXPECT_FALSE(browse->lCaptured);
    EXPECT_EQ(GetCapture(), nullptr);

    Mouse(hWnd, WM_LBUTTONDOWN, 5, 30, MK_LBUTTON);
    Mouse(hWnd, WM_MOUSEMOVE, 45, 30, MK_LBUTTON);
    Mouse(hWnd, WM_LBUTTONUP, 45, 30);
    EXPECT_EQ(browse->aColSizes[0], 45);
    EXPECT_EQ(browse->aColSizes[1], 60);
    EXPECT_EQ(Current(), 1) << "resizing selects nothing";

    Mouse(hWnd, WM_LBUTTONDOWN, 45, 3, MK_LBUTTON);
    Mouse(hWnd, WM_MOUSEMOVE, 80, 3, MK_LBUTTON);
    SetCapture(dlg->hWnd);  // a message box or another program takes the mouse
    EXPECT_FALSE(browse->lCaptured) << "a lost capture ends the drag";
    ReleaseCapture();
    Mouse(hWnd, WM_MOUSEMOVE, 120, 3);
    Mouse(hWnd, WM_LBUTTONUP, 120, 3);
    EXPECT_EQ(browse->aColSizes[0], 45) << "the column stays as it was";
}

}  // namespace
}  // namespace pixa::test
