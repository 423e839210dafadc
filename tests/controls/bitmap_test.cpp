// The bitmap control: size from the picture, clipping, stretching, clicks and cursor.
#include <windows.h>

#include <gtest/gtest.h>

#include "framework/controls/bitmap.h"
#include "framework/controls/cursor.h"
#include "tests/controls/gui.h"
#include "tests/support/layers.h"

namespace pixa {
namespace {

using test::Pump;
using test::TestDialog;

COLORREF PixelOf(HWND hWnd, int x, int y) {
    RedrawWindow(hWnd, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
    HDC dc = GetDC(hWnd);
    COLORREF colour = GetPixel(dc, x, y);
    ReleaseDC(hWnd, dc);
    return colour;
}

TEST(Bitmap, SizeFromThePictureLimitedByTheDialog) {
    TestDialog dlg(200, 100);
    auto photo = TBitmap::New({.nTop = 0, .nLeft = 0, .cResName = "Photo", .lNoBorder = true, .oWnd = dlg.get(),
                               .lPixel = true});
    ASSERT_LT(dlg->nWidth(), 257);
    ASSERT_LT(dlg->nHeight(), 169);
    EXPECT_EQ(photo->TWindow::nRight - photo->TWindow::nLeft + 1, dlg->nWidth());
    EXPECT_EQ(photo->nBottom - photo->TWindow::nTop + 1, dlg->nHeight());
    auto web = TBitmap::New({.nTop = 5, .nLeft = 5, .cResName = "Web", .lNoBorder = true, .oWnd = dlg.get(),
                             .lPixel = true});
    EXPECT_EQ(web->TWindow::nRight - web->TWindow::nLeft + 1, 32);
    EXPECT_EQ(web->nWidth(), 32) << "the picture's own size";
    auto none = TBitmap::New({.oWnd = dlg.get(), .lPixel = true});
    EXPECT_EQ(none->TWindow::nRight - none->TWindow::nLeft + 1, 100);
    EXPECT_EQ(none->hBitmap(), nullptr);
    EXPECT_EQ(none->nWidth(), 0);
    dlg.Show();
    EXPECT_TRUE(IsWindow(photo->hWnd));
    EXPECT_EQ(photo->nStyle & WS_BORDER, 0u);
}

TEST(Bitmap, UnstretchedPicturesAreClippedStretchedOnesFill) {
    TestDialog dlg(200, 150);
    // A 16 x 16 mark in controls of 5 x 5 control units (10 x 10 pixels).
    auto clipped = TBitmap::New({.nTop = 5, .nLeft = 5, .nWidth = 5, .nHeight = 5, .cResName = "Mark1",
                                 .lNoBorder = true, .oWnd = dlg.get(), .lPixel = true});
    auto stretched = TBitmap::New({.nTop = 5, .nLeft = 30, .nWidth = 16, .nHeight = 16, .cResName = "Mark1",
                                   .lNoBorder = true, .oWnd = dlg.get(), .lStretch = true, .lPixel = true});
    dlg.Show();
    RECT rc;
    GetClientRect(clipped->hWnd, &rc);
    EXPECT_EQ(rc.right, 10);
    EXPECT_EQ(PixelOf(clipped->hWnd, 3, 3), RGB(255, 0, 0)) << "the cross at its own size";
    EXPECT_EQ(PixelOf(clipped->hWnd, 2, 9), RGB(0, 0, 0)) << "the frame's left edge";
    EXPECT_EQ(PixelOf(clipped->hWnd, 9, 9), RGB(255, 0, 0));
    EXPECT_EQ(PixelOf(clipped->hWnd, 8, 9), RGB(255, 255, 255));
    GetClientRect(stretched->hWnd, &rc);
    EXPECT_EQ(rc.right, 32);
    EXPECT_EQ(PixelOf(stretched->hWnd, 0, 0), RGB(255, 255, 255));
    EXPECT_EQ(PixelOf(stretched->hWnd, 30, 30), RGB(255, 255, 255));
    EXPECT_NE(PixelOf(stretched->hWnd, 16, 16), RGB(255, 255, 255)) << "the cross's middle, twice as far in";
}

TEST(Bitmap, ClickActionHandCursorAndPaintedAction) {
    TestDialog dlg;
    auto clicked = std::make_shared<int>(0);
    auto painted = std::make_shared<int>(0);
    auto hand = TCursor::New({.cPredef = "HAND"});
    auto web = TBitmap::New({.nTop = 10, .nLeft = 10, .nWidth = 16, .nHeight = 16, .cResName = "Web",
                             .lNoBorder = true, .oWnd = dlg.get(),
                             .bLClicked = Action([clicked](const Args&) { return Value(++*clicked); }),
                             .oCursor = hand, .lPixel = true});
    auto missing = TBitmap::New({.nTop = 50, .nLeft = 10, .nWidth = 16, .nHeight = 16, .cResName = "Nothing",
                                 .oWnd = dlg.get(), .lPixel = true});
    missing->bPainted = Action([painted](const Args&) { return Value(++*painted); });
    dlg.Show();
    PostMessageA(web->hWnd, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(4, 4));
    PostMessageA(web->hWnd, WM_LBUTTONUP, 0, MAKELPARAM(4, 4));
    Pump();
    EXPECT_EQ(*clicked, 1);
    SendMessageA(web->hWnd, WM_MOUSEMOVE, 0, MAKELPARAM(5, 5));
    EXPECT_EQ(GetCursor(), hand->hCursor);
    RedrawWindow(missing->hWnd, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    EXPECT_GE(*painted, 1) << "without a picture only bPainted draws";
    EXPECT_EQ(missing->hBitmap(), nullptr);
}

TEST(Bitmap, ReloadAndDefine) {
    auto plain = TBitmap::Define("About");
    EXPECT_EQ(plain->nWidth(), 320);
    EXPECT_EQ(plain->hWnd, nullptr);
    EXPECT_NE(plain->hPalette(), nullptr);
    EXPECT_TRUE(plain->SetBMP("Mark0"));
    EXPECT_EQ(plain->nWidth(), 16);
    EXPECT_FALSE(plain->SetBMP("Nothing"));
    EXPECT_EQ(plain->cResName, "Mark0") << "a failed load keeps the picture";
    plain->nZoom = 2;
    EXPECT_EQ(plain->nHeight(), 32);
    plain->End();
    EXPECT_EQ(plain->hBitmap(), nullptr);
}

}  // namespace
}  // namespace pixa
