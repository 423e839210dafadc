// The pixels of painted rows: a transparent mark, raised cell frames, right-aligned
// numbers, the last column reaching the usable width, and the selection colours.
#include "framework/controls/bitmap.h"
#include "tests/browse/browse_fixture.h"
#include "tests/support/layers.h"

namespace pixa::test {
namespace {

TEST_F(BrowseTest, PaintedRowsAndSelectionColours) {
    MakeTable(10);
    auto mark = TBitmap::Define("Mark1");
    ASSERT_NE(mark->hBitmap(), nullptr);
    TestDialog dlg;
    auto browse = MakeBrowse(dlg, 200, 100,
                             {.bLine = Line(mark->hBitmap()), .aHeaders = {"", "Name", "Size"},
                              .aColSizes = {22, 150, 60}});
    browse->nLineStyle = 3;
    browse->aJustify = {false, false, true};
    dlg.Show();
    browse->SetFocus();
    const int h = browse->LineHeight();
    const int usable = browse->nWidth() - GetSystemMetrics(SM_CXVSCROLL) - 5;
    const COLORREF highlight = GetSysColor(COLOR_HIGHLIGHT);
    ASSERT_GE(h, 8);
    Pixels shot = Snapshot(browse->hWnd);

    // The mark at (row top, cell left + 2): its white is left out, showing the selection.
    EXPECT_EQ(shot.at(2 + 3, h + 3), RGB(255, 0, 0)) << "the cross";
    EXPECT_EQ(shot.at(2 + 2, h + 5), RGB(0, 0, 0)) << "the frame";
    EXPECT_EQ(shot.at(2 + 6, h + 4), highlight) << "white inside the frame is transparent";
    EXPECT_EQ(shot.at(2 + 6, 2 * h + 4), GetSysColor(COLOR_WINDOW)) << "on an unselected row";

    // Raised frames on the cell edges; the last column reaches the usable width.
    EXPECT_EQ(shot.at(22, 2 * h), GetSysColor(COLOR_BTNHIGHLIGHT));
    EXPECT_EQ(shot.at(171, 3 * h - 1), GetSysColor(COLOR_BTNSHADOW));
    EXPECT_EQ(shot.at(usable - 1, 3 * h - 1), GetSysColor(COLOR_BTNSHADOW));

    // "20" right-aligned in the size column of row 2: its ink ends just left of the cell's right edge.
    int leftInk = usable, rightInk = -1;
    for (int x = 173; x < usable - 1; ++x)
        for (int y = 2 * h + 1; y < 3 * h - 1; ++y)
            if (GetGValue(shot.at(x, y)) < 100) leftInk = std::min(leftInk, x), rightInk = std::max(rightInk, x);
    EXPECT_GE(rightInk, usable - 8);
    EXPECT_LT(rightInk, usable - 2);
    EXPECT_GT(leftInk, usable - 40);

    // The selection: focus colours, grey (128, 128, 128) without the focus.
    EXPECT_EQ(shot.at(160, h + h / 2), highlight);
    HWND other = CreateWindowA("BUTTON", "x", WS_CHILD | WS_VISIBLE, 0, 250, 40, 20, dlg->hWnd, nullptr, nullptr, nullptr);
    ::SetFocus(other);
    Pump();
    EXPECT_EQ(Snapshot(browse->hWnd).at(160, h + h / 2), RGB(128, 128, 128));
    browse->SetFocus();
    EXPECT_EQ(Snapshot(browse->hWnd).at(160, h + h / 2), highlight);
}

TEST_F(BrowseTest, ColumnsFromTheRowWhenNoSizesAreGiven) {
    MakeTable(3);
    TestDialog dlg;
    auto browse = TWBrowse::New({.nWidth = 200, .nHeight = 100, .bLine = Line(reinterpret_cast<HBITMAP>(1)),
                                 .aHeaders = {"", "Dateiname"}, .oWnd = dlg.get(), .cAlias = "BRW", .lPixel = true});
    dlg.Show();
    ASSERT_EQ(browse->aHeaders.size(), 3u) << "a missing header is empty";
    EXPECT_EQ(browse->aHeaders[2], "");
    auto sizes = browse->GetColSizes();
    ASSERT_EQ(sizes.size(), 3u);
    EXPECT_EQ(sizes[0], 15) << "a picture column";
    EXPECT_EQ(sizes[1], 21 * browse->nChrWidth) << "the longer of the header and the 20 characters of NAME, plus one";
    EXPECT_EQ(browse->nAtCol(15), 1);
    EXPECT_EQ(browse->nAtCol(16), 2);
    EXPECT_EQ(browse->nAtCol(5000), 3);
}

}  // namespace
}  // namespace pixa::test
