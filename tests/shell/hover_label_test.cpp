// The hover label on a live non-modal dialog: highlight and actions under the
// mouse, the inactive look, lines and alignment read back from the screen.
#include "app/shell/hover_label.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>

#include "framework/window/font.h"
#include "tests/controls/gui.h"
#include "tests/support/layers.h"

namespace pixa::shell {
namespace {

using test::Pump;

constexpr std::uint32_t kNavy = 8388608, kBlue = 16711680, kWhite = 16777215;

struct Counts {
    std::shared_ptr<int> over = std::make_shared<int>(0);
    std::shared_ptr<int> left = std::make_shared<int>(0);
    std::shared_ptr<int> action = std::make_shared<int>(0);
};

Action Count(const std::shared_ptr<int>& n) {
    return Action([n](const Args&) {
        ++*n;
        return Value();
    });
}

Action Text(const std::string& text) {
    return Action([text](const Args&) { return Value(text); });
}

// A white panel-like dialog; labels on it are placed in control units.
class LabelPanel : public ::testing::Test {
protected:
    void SetUp() override {
        dlg_ = TDialog::New({.nTop = 20, .nLeft = 20, .nBottom = 259, .nRight = 419, .cCaption = "Labels",
                             .nClrText = "N*/W", .lPixel = true});
        font_ = TFont::New({.cFaceName = "Arial", .nHeight = -22, .lBold = true});
    }
    void TearDown() override {
        if (dlg_->hWnd && IsWindow(dlg_->hWnd)) DestroyWindow(dlg_->hWnd);
        Pump();
        font_->End();
    }

    std::shared_ptr<TSSay> Label(int row, const std::string& text, const Counts& counts, SSayNew extra = {}) {
        extra.nRow = row;
        extra.nCol = 10;
        extra.bText = Text(text);
        extra.oWnd = dlg_;
        extra.oFont = font_;
        extra.bAction = Count(counts.action);
        extra.lPixel = true;
        extra.nClrText = kNavy;
        extra.nClrOver = kBlue;
        extra.nWidth = 150;
        extra.nHeight = extra.nHeight.value_or(20);
        extra.bMOver = Count(counts.over);
        auto label = TSSay::New(extra);
        label->bNonMOver = Count(counts.left);
        return label;
    }
    void Show() {
        dlg_->Activate({.lModal = false});
        SetForegroundWindow(dlg_->hWnd);
        UpdateWindow(dlg_->hWnd);
        Pump();
    }
    static void Move(HWND hwnd, int x = 5, int y = 5) {
        SendMessageA(hwnd, WM_MOUSEMOVE, 0, MAKELPARAM(x, y));
        Pump();
    }

    std::shared_ptr<TDialog> dlg_;
    std::shared_ptr<TFont> font_;
};

// The ink of a label as read back from the screen: every pixel not of the background.
struct Ink {
    int top = 1 << 20, left = 1 << 20, bottom = -1, right = -1, count = 0;
    bool Any() const { return count > 0; }
};

Ink InkOf(HWND hwnd, COLORREF background, COLORREF only = CLR_INVALID) {
    RECT rc;
    GetClientRect(hwnd, &rc);
    HDC dc = GetDC(hwnd);
    Ink ink;
    for (int y = 0; y < rc.bottom; ++y)
        for (int x = 0; x < rc.right; ++x) {
            COLORREF c = GetPixel(dc, x, y);
            if (c == background || (only != CLR_INVALID && c != only)) continue;
            ink.top = std::min(ink.top, y), ink.bottom = std::max(ink.bottom, y);
            ink.left = std::min(ink.left, x), ink.right = std::max(ink.right, x);
            ++ink.count;
        }
    ReleaseDC(hwnd, dc);
    return ink;
}

TEST_F(LabelPanel, OnlyOneLabelIsHighlightedAndEachEntryRunsItsActionOnce) {
    Counts first, second;
    auto a = Label(10, "Erster", first);
    auto b = Label(30, "Zweiter", second);
    Show();

    Move(a->hWnd);
    EXPECT_TRUE(a->lOver);
    EXPECT_EQ(TSSay::Highlighted(), a);
    EXPECT_TRUE(InkOf(a->hWnd, kWhite, kBlue).Any()) << "highlight colour on the screen";
    Move(a->hWnd, 8, 6);
    EXPECT_EQ(*first.over, 1) << "a second move over a highlighted label runs nothing";

    Move(b->hWnd);  // straight from one label onto the other
    EXPECT_FALSE(a->lOver);
    EXPECT_TRUE(b->lOver);
    EXPECT_EQ(*first.over, 1);
    EXPECT_EQ(*first.left, 1);
    EXPECT_EQ(*second.over, 1);
    EXPECT_FALSE(InkOf(a->hWnd, kWhite, kBlue).Any()) << "the first label is back in its normal colour";
    EXPECT_TRUE(InkOf(a->hWnd, kWhite, kNavy).Any());

    Move(dlg_->hWnd, 300, 200);  // the panel's surface
    EXPECT_FALSE(b->lOver);
    EXPECT_EQ(TSSay::Highlighted(), nullptr);
    EXPECT_EQ(*second.left, 1);
    Move(dlg_->hWnd, 310, 200);
    EXPECT_EQ(*second.left, 1) << "leaving twice ends the highlight once";
}

TEST_F(LabelPanel, ReleaseOverAnActiveLabelRunsItsActionWhereverThePressBegan) {
    Counts counts, idle;
    auto label = Label(10, "Klick", counts);
    auto inactive = Label(40, "Ruhig", idle);
    inactive->lActive = false;
    Show();

    SendMessageA(dlg_->hWnd, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(300, 200));
    SendMessageA(label->hWnd, WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
    Pump();
    EXPECT_EQ(*counts.action, 1);

    SendMessageA(inactive->hWnd, WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
    Move(inactive->hWnd);
    EXPECT_EQ(*idle.action, 0) << "an inactive label ignores the mouse";
    EXPECT_FALSE(inactive->lOver);
    EXPECT_EQ(*idle.over, 0);
}

TEST_F(LabelPanel, InactiveLabelLooksEmbossedInTheShadowAndHighlightColours) {
    Counts counts;
    auto label = Label(10, "Hinweis", counts);
    label->lActive = false;
    Show();
    COLORREF shadow = GetSysColor(COLOR_BTNSHADOW), light = GetSysColor(COLOR_BTNHIGHLIGHT);
    Ink dark = InkOf(label->hWnd, kWhite, shadow);
    Ink bright = InkOf(label->hWnd, CLR_INVALID, light);
    ASSERT_TRUE(dark.Any());
    EXPECT_FALSE(InkOf(label->hWnd, kWhite, kNavy).Any()) << "the text colour is not used";
    // Under the white of the panel the highlight copy only shows where the label is not white.
    if (light != kWhite) {
        EXPECT_EQ(bright.right, dark.right + 1);
        EXPECT_EQ(bright.bottom, dark.bottom + 1);
    }
}

TEST_F(LabelPanel, LinesFollowEachOtherAndAlignOnTheirAnchor) {
    Counts counts;
    auto twoLines = Label(10, "Zeile\r\nZeile", counts, {.nHeight = 60});
    auto centred = Label(50, "Mitte", counts, {.lCentered = true});
    auto right = Label(70, "Rechts", counts, {.lRight = true});
    auto plain = Label(90, "Links", counts);
    Show();

    ASSERT_EQ(twoLines->aCaption.size(), 2u);
    ASSERT_GT(twoLines->nTxtHeight, 0);
    Ink both = InkOf(twoLines->hWnd, kWhite);
    ASSERT_TRUE(both.Any());
    // Two equal lines: the second one's ink is the first one's, nTxtHeight lower.
    HDC dc = GetDC(twoLines->hWnd);
    int same = 0, inked = 0;
    for (int y = both.top; y < both.top + twoLines->nTxtHeight; ++y)
        for (int x = both.left; x <= both.right; ++x) {
            bool upper = GetPixel(dc, x, y) != kWhite;
            bool lower = GetPixel(dc, x, y + twoLines->nTxtHeight) != kWhite;
            inked += upper;
            same += upper == lower;
        }
    ReleaseDC(twoLines->hWnd, dc);
    EXPECT_GT(inked, 0);
    EXPECT_EQ(same, twoLines->nTxtHeight * (both.right - both.left + 1));

    RECT client;
    GetClientRect(centred->hWnd, &client);
    Ink middle = InkOf(centred->hWnd, kWhite);
    EXPECT_NEAR((middle.left + middle.right) / 2.0, client.right / 2.0, 2.0);
    Ink end = InkOf(right->hWnd, kWhite);
    EXPECT_NEAR(end.right, client.right - 1, 3);
    EXPECT_GT(end.left, client.right / 2);
    EXPECT_LE(InkOf(plain->hWnd, kWhite).left, 3);
}

TEST_F(LabelPanel, TextChangesShowAtOnceAndFixedValuesAtTheNextRefresh) {
    Counts counts;
    auto label = Label(10, "Alt", counts);
    auto empty = Label(40, "", counts);
    Show();
    EXPECT_TRUE(empty->aCaption.empty()) << "an empty caption has no line";
    EXPECT_FALSE(InkOf(empty->hWnd, kWhite).Any());
    label->VarPut("Neu");
    EXPECT_EQ(label->cCaption, "Alt") << "nothing is shown until Refresh";
    label->Refresh();
    EXPECT_EQ(label->cCaption, "Neu");
    EXPECT_EQ(test::TextOf(label->hWnd), "Neu");
    label->SetText("Eins\r\nZwei");
    EXPECT_EQ(label->aCaption, (std::vector<std::string>{"Eins", "Zwei"}));
}

TEST_F(LabelPanel, TransparentLabelShowsThePanelBehindItInsteadOfItsOwnBackground) {
    Counts counts;
    constexpr std::uint32_t kRed = 255;
    auto clear = Label(10, "Durchsicht", counts, {.nClrBack = kRed, .lTransparent = true});
    auto opaque = Label(40, "Deckend", counts, {.nClrBack = kRed});
    Show();
    EXPECT_TRUE(GetWindowLongA(clear->hWnd, GWL_EXSTYLE) & WS_EX_TRANSPARENT);
    HDC dc = GetDC(clear->hWnd);
    EXPECT_EQ(GetPixel(dc, 0, 0), kWhite);
    ReleaseDC(clear->hWnd, dc);
    dc = GetDC(opaque->hWnd);
    EXPECT_EQ(GetPixel(dc, 0, 0), kRed);
    ReleaseDC(opaque->hWnd, dc);

    ASSERT_TRUE(InkOf(clear->hWnd, kWhite, kNavy).Any());
    Move(clear->hWnd);
    EXPECT_TRUE(InkOf(clear->hWnd, kWhite, kBlue).Any());
    EXPECT_FALSE(InkOf(clear->hWnd, kWhite, kNavy).Any()) << "the old colour is painted over";
}

}  // namespace
}  // namespace pixa::shell
