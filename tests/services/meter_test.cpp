// The progress meter drawn on real windows, read back pixel by pixel.
#include "framework/services/meter.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <memory>

#include "framework/window/dialog.h"
#include "tests/services/windows.h"
#include "tests/support/layers.h"

namespace pixa {
namespace {

constexpr COLORREF kPane = RGB(255, 255, 0);
constexpr COLORREF kText = RGB(255, 0, 0);
constexpr COLORREF kBar = RGB(0, 0, 255);
constexpr COLORREF kBarText = RGB(255, 255, 255);

Action Binding(std::shared_ptr<Value> value) {
    return Action([value](const Args& args) {
        if (!args.empty()) *value = args[0];
        return *value;
    });
}

COLORREF PixelAt(HWND meter, int x, int y) {
    HDC dc = GetDC(meter);
    COLORREF c = GetPixel(dc, x, y);
    ReleaseDC(meter, dc);
    return c;
}

// Counts the pixels of one colour in the columns [x0, x1) of the meter's inner rows.
int Count(HWND meter, COLORREF colour, int x0, int x1) {
    RECT rc;
    GetClientRect(meter, &rc);
    HDC dc = GetDC(meter);
    int n = 0;
    for (int y = 1; y < rc.bottom - 1; ++y)
        for (int x = x0; x < x1; ++x) n += GetPixel(dc, x, y) == colour;
    ReleaseDC(meter, dc);
    return n;
}

void Repaint(HWND hWnd) {
    InvalidateRect(hWnd, nullptr, FALSE);
    UpdateWindow(hWnd);
}

class MeterOnWindow : public ::testing::Test {
protected:
    void SetUp() override {
        meter = TMeter::New({.nRow = 20, .nCol = 20, .bSetGet = Binding(value), .nTotal = 1000, .oWnd = window.get(),
                             .lPixel = true, .cText = "Kopiert", .nClrPane = kPane, .nClrText = kText});
        ASSERT_TRUE(meter->hWnd);
        UpdateWindow(window->hWnd);
        RECT rc;
        GetClientRect(meter->hWnd, &rc);
        width = rc.right;
    }
    // The computed right edge of the filled part (exclusive) for a percentage.
    int Edge(int percent) const { return percent * (width - 1) / 100; }

    test::ShownWindow window{"Fortschritt"};
    std::shared_ptr<Value> value = std::make_shared<Value>(0);
    std::shared_ptr<TMeter> meter;
    int width = 0;
};

TEST(MeterText, FourCharacterPercentageAfterTheCaption) {
    EXPECT_EQ(TMeter::MeterText(" ", true, 42), "   42%") << "caption, separator, blank, 4, 2, %";
    EXPECT_EQ(TMeter::MeterText(" ", true, 9), "    9%");
    EXPECT_EQ(TMeter::MeterText(" ", true, 100), "  100%");
    EXPECT_EQ(TMeter::MeterText("", false, 50), "") << "no caption, no percentage: no text";
    EXPECT_EQ(TMeter::Percentage(999, 1000), 99) << "cut, not rounded";
}

TEST(MeterText, ExactlyTenPercentIsTheFirstWithTwoDigits) {
    EXPECT_EQ(TMeter::MeterText(" ", true, TMeter::Percentage(1, 10)), "   10%");
    EXPECT_EQ(TMeter::MeterText("Kopiert", true, TMeter::Percentage(30, 300)), "Kopiert  10%");
    EXPECT_EQ(TMeter::MeterText(" ", true, TMeter::Percentage(0.3, 3)), "   10%") << "a total that is no round number";
}

TEST_F(MeterOnWindow, EmptyAtZeroInASunkenFrame) {
    EXPECT_EQ(width, 301) << "right = left + width";
    meter->Set(0);
    Repaint(meter->hWnd);
    EXPECT_EQ(Count(meter->hWnd, kBar, 0, width), 0) << "no filled part at 0 %";
    EXPECT_GT(Count(meter->hWnd, kText, 0, width), 0) << "the text in the normal colour";
    EXPECT_EQ(PixelAt(meter->hWnd, 0, 0), GetSysColor(COLOR_BTNSHADOW)) << "top left dark";
    EXPECT_EQ(PixelAt(meter->hWnd, width - 1, 18), GetSysColor(COLOR_BTNHIGHLIGHT)) << "bottom right light";
}

TEST_F(MeterOnWindow, FilledUpToTheComputedEdgeWithTextColoursOnBothSides) {
    meter->Set(420);
    int edge = Edge(42);
    EXPECT_EQ(PixelAt(meter->hWnd, edge - 1, 2), kBar) << "bar up to the edge";
    EXPECT_EQ(PixelAt(meter->hWnd, edge + 1, 2), kPane) << "rest from one past the edge";
    EXPECT_GT(Count(meter->hWnd, kBarText, 1, edge), 0) << "text over the bar in the bar-text colour";
    EXPECT_GT(Count(meter->hWnd, kText, edge + 1, width - 1), 0) << "the rest of the text in the text colour";
    EXPECT_EQ(Count(meter->hWnd, kText, 1, edge) + Count(meter->hWnd, kBar, edge + 1, width - 1), 0);
}

TEST_F(MeterOnWindow, FullBarHasNoRestPart) {
    meter->Set(5000);
    EXPECT_EQ(value->AsNumber(), 1000) << "clamped to the total";
    EXPECT_EQ(Count(meter->hWnd, kPane, 0, width) + Count(meter->hWnd, kText, 0, width), 0);
    EXPECT_EQ(PixelAt(meter->hWnd, width - 2, 2), kBar) << "the whole inner area";
}

TEST_F(MeterOnWindow, BelowOnePercentStoresWithoutRepainting) {
    meter->Set(420);
    meter->Set(5);
    EXPECT_EQ(value->AsNumber(), 5);
    EXPECT_EQ(PixelAt(meter->hWnd, Edge(42) - 1, 2), kBar) << "still the old picture";
    Repaint(meter->hWnd);
    EXPECT_EQ(Count(meter->hWnd, kBar, 0, width), 0) << "a later paint shows 0 %";
    meter->Set(-3);
    EXPECT_EQ(value->AsNumber(), 0) << "negative values become 0";
    meter->Set(10);
    EXPECT_EQ(PixelAt(meter->hWnd, 2, 2), kBar) << "1 % repaints";
    meter->SetTotal(0);
    meter->Set(7);
    EXPECT_EQ(value->AsNumber(), 0) << "clamped to a total of 0";
}

TEST(MeterOnDialog, CreatedWithTheDialogAndPainted) {
    auto dialog = TDialog::New({.nTop = 80, .nLeft = 80, .cCaption = "Fortschritt", .lPixel = true, .nWidth = 500,
                                .nHeight = 250});
    auto value = std::make_shared<Value>();
    auto meter = TMeter::New({.nRow = 10, .nCol = 10, .bSetGet = Binding(value), .nTotal = 4, .oWnd = dialog,
                              .nWidth = 120, .nHeight = 10, .lPixel = true});
    EXPECT_EQ(meter->hWnd, nullptr) << "made later, with the dialog";
    dialog->Activate({.lModal = false});
    ASSERT_NE(meter->hWnd, nullptr);
    EXPECT_EQ(value->AsNumber(), 0) << "an absent value becomes 0";
    meter->Set(3);
    EXPECT_EQ(PixelAt(meter->hWnd, 2, 2), kBar);
    DestroyWindow(dialog->hWnd);
}

}  // namespace
}  // namespace pixa
