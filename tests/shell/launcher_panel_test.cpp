// The launcher panel on a live main window: layout in control units, the hint
// line, the link icons, Escape and the picture backgrounds.
#include "app/shell/launcher_panel.h"

#include <windows.h>

#include <gtest/gtest.h>

#include "app/shell/hover_label.h"
#include "app/shell/publics.h"
#include "framework/controls/bitmap.h"
#include "framework/window/dialog.h"
#include "tests/controls/gui.h"
#include "tests/support/layers.h"

namespace pixa::shell {
namespace {

using test::Pump;

class Panel : public ::testing::Test {
protected:
    void SetUp() override {
        G().cS_WWW_M.clear(), G().cS_Email_M.clear();
        G().cRelease = "Qor Pixaport v1.05";
    }
    void TearDown() override {
        if (main_ && main_->hWnd) DestroyWindow(main_->hWnd);
        Pump();
        G().oWnd = nullptr;
    }
    std::shared_ptr<TDialog> Build() {
        main_ = TWindow::New({.nTop = 0, .nLeft = 0, .nBottom = 480, .nRight = 640, .cTitle = " Test",
                              .nClrFore = std::string("N/W"), .lMax = false, .lPixel = true});
        G().oWnd = main_;
        ShowWindow(main_->hWnd, SW_SHOWNORMAL);
        BuildDlg();
        Pump();
        return LauncherPanel();
    }
    template <typename T>
    std::vector<std::shared_ptr<T>> All(const std::shared_ptr<TDialog>& panel) {
        std::vector<std::shared_ptr<T>> found;
        for (auto& control : panel->aControls)
            if (auto typed = std::dynamic_pointer_cast<T>(control)) found.push_back(typed);
        return found;
    }

    std::shared_ptr<TWindow> main_;
};

TEST_F(Panel, CoversTheClientAreaWithItsItemsAtTwoPixelsPerUnit) {
    auto panel = Build();
    ASSERT_NE(panel, nullptr);
    RECT client, placed;
    GetClientRect(main_->hWnd, &client);
    GetWindowRect(panel->hWnd, &placed);
    MapWindowPoints(nullptr, main_->hWnd, reinterpret_cast<POINT*>(&placed), 2);
    EXPECT_EQ(placed.left, 0);
    EXPECT_EQ(placed.top, 0);
    EXPECT_NEAR(placed.right, client.right - 1, 2);
    EXPECT_NEAR(placed.bottom, client.bottom - 1, 2);

    auto labels = All<TSSay>(panel);
    ASSERT_EQ(labels.size(), 5u);
    EXPECT_EQ(All<TBitmap>(panel).size(), 3u) << "no link icons without their menu captions";
    RECT transfer = test::RectIn(labels[0]->hWnd, panel->hWnd);
    EXPECT_EQ(transfer.left, 360);
    EXPECT_EQ(transfer.top, 80);
    EXPECT_EQ(transfer.right - transfer.left, 200);
    EXPECT_EQ(transfer.bottom - transfer.top, 40);
    RECT hint = test::RectIn(labels[4]->hWnd, panel->hWnd);
    EXPECT_EQ(hint.top, 400);
    EXPECT_EQ(hint.left, 20);
    EXPECT_FALSE(IsWindowEnabled(labels[4]->hWnd)) << "the hint line is inactive";
    EXPECT_EQ(labels[0]->cCaption, "• Bilder Übertragen");
    EXPECT_EQ(labels[3]->cCaption, "• Programmende");
}

TEST_F(Panel, TheLabelUnderTheMouseExplainsItselfInTheHintLine) {
    auto panel = Build();
    auto labels = All<TSSay>(panel);
    ASSERT_EQ(labels.size(), 5u);
    EXPECT_TRUE(labels[4]->aCaption.empty()) << "nothing until the mouse enters a label";
    SendMessageA(labels[2]->hWnd, WM_MOUSEMOVE, 0, MAKELPARAM(4, 4));
    EXPECT_EQ(labels[4]->cCaption, "Hilfe zu Qor Pixaport v1.05 anzeigen.\r\n");
    SendMessageA(labels[3]->hWnd, WM_MOUSEMOVE, 0, MAKELPARAM(4, 4));
    EXPECT_EQ(labels[4]->cCaption, ExitHint());
    SendMessageA(panel->hWnd, WM_MOUSEMOVE, 0, MAKELPARAM(600, 10));
    EXPECT_EQ(labels[4]->cCaption, ExitHint()) << "the hint stays when the mouse leaves";
    EXPECT_EQ(TSSay::Highlighted(), nullptr);
}

TEST_F(Panel, LinkIconsAppearWithTheirMenuCaptionsAndShowNoWhiteBox) {
    G().cS_WWW_M = "&Homepage", G().cS_Email_M = "&Support";
    auto panel = Build();
    auto pictures = All<TBitmap>(panel);
    ASSERT_EQ(pictures.size(), 5u);
    EXPECT_EQ(pictures[3]->cToolTip.AsString(), "Mit der Homepage verbinden");
    EXPECT_EQ(pictures[4]->cToolTip.AsString(), "Email an den Support");
    RECT web = test::RectIn(pictures[3]->hWnd, panel->hWnd);
    EXPECT_EQ(web.left, 520);
    EXPECT_EQ(web.top, 360);
    // The arrow's and the icons' near-white surround must not stand out from the panel.
    for (int i : {1, 3, 4}) {
        UpdateWindow(pictures[i]->hWnd);
        HDC dc = GetDC(pictures[i]->hWnd);
        EXPECT_EQ(GetPixel(dc, 0, 0), RGB(255, 255, 255)) << pictures[i]->cResName;
        ReleaseDC(pictures[i]->hWnd, dc);
    }
}

TEST_F(Panel, EscapeDoesNotCloseThePanel) {
    auto panel = Build();
    auto hold = [](bool down) {
        BYTE keys[256];
        GetKeyboardState(keys);
        keys[VK_ESCAPE] = down ? 0x80 : 0;
        SetKeyboardState(keys);
    };
    hold(true);
    EXPECT_FALSE(panel->lValid()) << "refused while Escape is held";
    hold(false);
    EXPECT_TRUE(panel->lValid());

    // Posted keys leave the key state alone: hold it as the keyboard would.
    SetFocus(All<TSSay>(panel)[0]->hWnd);
    hold(true);
    test::Press(VK_ESCAPE);
    hold(false);
    Pump();
    EXPECT_TRUE(IsWindow(panel->hWnd));
    EXPECT_TRUE(IsWindowVisible(panel->hWnd));
}

TEST_F(Panel, TheExitLabelEndsTheMainWindow) {
    auto panel = Build();
    HWND mainHandle = main_->hWnd;
    SendMessageA(All<TSSay>(panel)[3]->hWnd, WM_LBUTTONUP, 0, MAKELPARAM(4, 4));
    Pump();
    EXPECT_FALSE(IsWindow(mainHandle));
    EXPECT_FALSE(IsWindow(panel->hWnd)) << "the panel goes with the main window";
}

}  // namespace
}  // namespace pixa::shell
