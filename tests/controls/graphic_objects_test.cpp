// Fonts, brushes, cursors and icons: sharing, reference counts and release.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>

#include "framework/window/brush.h"
#include "framework/controls/cursor.h"
#include "framework/window/font.h"
#include "framework/controls/icon.h"
#include "tests/support/temp_dir.h"
#include "tests/support/layers.h"

namespace pixa {
namespace {

bool InFontCache(const FontRef& font) {
    const auto& cache = TFont::Cache();
    return std::find(cache.begin(), cache.end(), font) != cache.end();
}

TEST(Font, EqualRequestsShareOneObjectUntilTheLastEnd) {
    for (const FontRef& cached : TFont::Cache())
        ASSERT_FALSE(cached->cFaceName == "Ms Sans Serif" && cached->nInpHeight == -8) << "left over by another test";
    FontRef first = TFont::New({.cFaceName = "Ms Sans Serif", .nWidth = 0, .nHeight = -8});
    EXPECT_TRUE(first->lNew);
    FontRef second = TFont::New({.cFaceName = "Ms Sans Serif", .nWidth = 0, .nHeight = -8});
    EXPECT_EQ(first, second);
    EXPECT_EQ(first->nCount, 2);
    EXPECT_FALSE(second->lNew);
    HFONT handle = first->hFont;
    ASSERT_NE(handle, nullptr);

    first->End();
    EXPECT_EQ(first->hFont, handle);
    EXPECT_TRUE(InFontCache(first));
    EXPECT_NE(GetObjectType(handle), 0u);

    second->End();
    EXPECT_EQ(first->hFont, nullptr);
    EXPECT_EQ(first->nCount, 0);
    EXPECT_FALSE(InFontCache(first));
    EXPECT_EQ(GetObjectType(handle), 0u) << "the platform font was deleted";

    FontRef again = TFont::New({.cFaceName = "Ms Sans Serif", .nWidth = 0, .nHeight = -8});
    EXPECT_NE(again, first) << "a released font is not handed out again";
    again->End();
}

TEST(Font, BoldIsAnotherFontWithWeight700) {
    FontRef normal = TFont::New({.cFaceName = "Ms Sans Serif", .nHeight = -9});
    FontRef bold = TFont::New({.cFaceName = "Ms Sans Serif", .nHeight = -9, .lBold = true});
    EXPECT_NE(normal, bold);
    EXPECT_EQ(normal->nWeight, 0);
    EXPECT_EQ(bold->nWeight, 700);
    EXPECT_EQ(normal->nCount, 1);
    EXPECT_EQ(bold->nCount, 1);
    LOGFONTA lf{};
    ASSERT_TRUE(GetObjectA(bold->hFont, sizeof lf, &lf));
    EXPECT_EQ(lf.lfWeight, 700);
    EXPECT_EQ(lf.lfHeight, -9);
    normal->End();
    bold->End();
}

TEST(Font, SysTahomaBecomesTahomaOfAtLeastTwelvePixels) {
    FontRef small = TFont::New({.cFaceName = "SysTahoma", .nWidth = 0, .nHeight = -8});
    EXPECT_EQ(small->cFaceName, "TAHOMA");
    EXPECT_EQ(small->nInpHeight, -12);
    FontRef large = TFont::New({.cFaceName = "systahoma", .nHeight = -16});
    EXPECT_EQ(large->nInpHeight, -16);
    FontRef other = TFont::New({.cFaceName = "Arial", .nHeight = -8});
    EXPECT_EQ(other->nInpHeight, -8) << "only the framework's Tahoma has a minimum height";
    for (const FontRef& f : {small, large, other}) f->End();
}

TEST(Font, SizeWidthAndHeight) {
    FontRef font = TFont::New({.cFaceName = "Arial", .nHeight = -13});
    EXPECT_DOUBLE_EQ(font->nSizeAt(96), 10.0);  // 9.75 -> 10
    EXPECT_DOUBLE_EQ(font->nSize(), font->nSizeAt(96)) << "the test screen has 96 pixels per inch";
    EXPECT_EQ(font->nHeight(), 13);
    EXPECT_EQ(font->nWidth(), 5);  // 13 * 0.44
    font->End();
    FontRef other = TFont::New({.cFaceName = "Arial", .nHeight = -11});
    EXPECT_DOUBLE_EQ(other->nSizeAt(96), 8.0);  // 8.25 loses its quarter
    other->nWidth(7);
    EXPECT_EQ(other->nWidth(), 7);
    other->End();
    FontRef exact = TFont::New({.cFaceName = "Arial", .nHeight = -16});
    EXPECT_DOUBLE_EQ(exact->nSizeAt(96), 12.0);
    exact->End();
}

TEST(Font, StockFontsAreNotCachedNorDeleted) {
    FontRef stock = TFont::New({.cFaceName = "ANSI_VAR_FONT"});
    EXPECT_EQ(stock->hFont, GetStockObject(ANSI_VAR_FONT));
    EXPECT_FALSE(stock->lDestroy);
    EXPECT_TRUE(stock->lNew);
    EXPECT_FALSE(InFontCache(stock));
    stock->End();
    EXPECT_NE(GetObjectType(GetStockObject(ANSI_VAR_FONT)), 0u);
}

TEST(Font, FailedDeleteIsRecordedAndTheFontStaysCached) {
    test::TempDir dir;
    char previous[MAX_PATH];
    GetCurrentDirectoryA(MAX_PATH, previous);
    SetCurrentDirectoryA(dir.str().c_str());

    FontRef font = TFont::New({.cFaceName = "Courier New", .nHeight = -17});
    DeleteObject(font->hFont);  // gone behind the object's back: its own delete must fail
    font->End();
    EXPECT_TRUE(InFontCache(font));
    std::string log = dir.Read("resources.txt");
    EXPECT_NE(log.find("DeleteObject( ::hFont ) failed from TFont:End()"), std::string::npos) << log;
    EXPECT_NE(log.find("nCount: 0"), std::string::npos) << log;

    SetCurrentDirectoryA(previous);
}

TEST(Font, WrappedHandleIsNotOwned) {
    HFONT own = CreateFontA(-15, 0, 0, 0, 700, 0, 0, 0, 0, 0, 0, 0, 0, "Arial");
    FontRef holder = TFont::Wrap(own);
    EXPECT_EQ(holder->nCount, 1);
    EXPECT_TRUE(holder->lBold);
    EXPECT_EQ(holder->cFaceName, "Arial");
    holder->End();
    EXPECT_NE(GetObjectType(own), 0u);
    DeleteObject(own);
}

TEST(Font, SystemFaceByPlatform) {
    EXPECT_EQ(SysFontFor(5, 0, VER_PLATFORM_WIN32_NT), "SysTahoma");
    EXPECT_EQ(SysFontFor(5, 1, VER_PLATFORM_WIN32_NT), "Ms Sans Serif");
    EXPECT_EQ(SysFontFor(4, 10, VER_PLATFORM_WIN32_WINDOWS), "Ms Sans Serif");
    EXPECT_EQ(SysFontFor(3, 10, VER_PLATFORM_WIN32s), "System");
    EXPECT_FALSE(GetSysFont().empty());
}

TEST(Brush, EqualRequestsShareUntilTheLastEnd) {
    BrushRef a = TBrush::Solid(RGB(12, 34, 56));
    BrushRef b = TBrush::New({.nRGBColor = RGB(12, 34, 56)});
    EXPECT_EQ(a, b);
    EXPECT_EQ(a->nCount, 2);
    HBRUSH handle = a->hBrush;
    LOGBRUSH lb{};
    ASSERT_TRUE(GetObjectA(handle, sizeof lb, &lb));
    EXPECT_EQ(lb.lbStyle, static_cast<UINT>(BS_SOLID));
    EXPECT_EQ(lb.lbColor, RGB(12, 34, 56));

    a->End();
    EXPECT_NE(GetObjectType(handle), 0u);
    b->End();
    EXPECT_EQ(a->hBrush, nullptr);
    EXPECT_EQ(GetObjectType(handle), 0u);
    EXPECT_EQ(std::find(TBrush::Cache().begin(), TBrush::Cache().end(), a), TBrush::Cache().end());
}

TEST(Brush, HollowAndHatchedStyles) {
    BrushRef hollow = TBrush::New({.cStyle = "NULL"});
    EXPECT_EQ(hollow->hBrush, GetStockObject(HOLLOW_BRUSH));
    BrushRef hatch = TBrush::New({.cStyle = "DIAGCROSS", .nRGBColor = RGB(255, 0, 0)});
    LOGBRUSH lb{};
    ASSERT_TRUE(GetObjectA(hatch->hBrush, sizeof lb, &lb));
    EXPECT_EQ(lb.lbStyle, static_cast<UINT>(BS_HATCHED));
    EXPECT_EQ(lb.lbHatch, static_cast<ULONG_PTR>(HS_DIAGCROSS));
    BrushRef other = TBrush::New({.cStyle = "DIAGCROSS", .nRGBColor = RGB(0, 0, 255)});
    EXPECT_NE(hatch, other) << "the colour is part of the key";
    hollow->End();
    EXPECT_NE(GetObjectType(GetStockObject(HOLLOW_BRUSH)), 0u) << "the stock hollow brush stays";
    hatch->End();
    other->End();
}

TEST(Cursor, HandIsSharedAndNeverDestroyed) {
    CursorRef one = TCursor::New({.cPredef = "HAND"});
    CursorRef two = TCursor::New({.cPredef = "HAND"});
    ASSERT_NE(one->hCursor, nullptr);
    EXPECT_EQ(one->hCursor, two->hCursor);
    EXPECT_TRUE(one->lPredef);
    HCURSOR hand = one->hCursor;
    one->End();
    EXPECT_EQ(one->hCursor, nullptr);
    EXPECT_EQ(two->hCursor, hand);
    EXPECT_EQ(TCursor::New({.cPredef = "HAND"})->hCursor, hand);
    EXPECT_NE(StopCursor(), nullptr);
    EXPECT_NE(DragCursor(), nullptr);
    EXPECT_EQ(StopCursor(), StopCursor());
}

TEST(Cursor, PredefinedNamesMustBeginWithAWholeEntry) {
    EXPECT_EQ(TCursor::PredefinedId("ARROW"), 32512);
    EXPECT_EQ(TCursor::PredefinedId("IBEAM"), 32513);
    EXPECT_EQ(TCursor::PredefinedId("ARR"), 0);
    EXPECT_EQ(TCursor::PredefinedId("SIZE"), 32640);
    EXPECT_EQ(TCursor::PredefinedId("SIZENS"), 32645);
    EXPECT_EQ(TCursor::PredefinedId("SIZENWSE"), 32642);
    EXPECT_EQ(TCursor::New({.cPredef = "WAIT"})->hCursor, LoadCursorA(nullptr, MAKEINTRESOURCEA(32514)));
}

// Answers the next message box of this thread with Enter and records its text.
std::string g_boxText;
void CALLBACK AnswerBox(HWND, UINT, UINT_PTR id, DWORD) {
    HWND box = FindWindowA("#32770", nullptr);
    if (!box) return;
    char text[256] = "";
    GetDlgItemTextA(box, 0xFFFF, text, sizeof text);
    g_boxText = text;
    KillTimer(nullptr, id);
    PostMessageA(box, WM_COMMAND, IDOK, 0);
}

TEST(Cursor, UnknownNameIsReportedAndLeavesNoCursor) {
    g_boxText.clear();
    SetTimer(nullptr, 0, 50, AnswerBox);
    CursorRef cursor = TCursor::New({.cPredef = "FINGER"});
    EXPECT_EQ(cursor->hCursor, nullptr);
    EXPECT_EQ(g_boxText, "Wrong predefined cursor type!");
}

TEST(Icon, LoadsProgramIconsAndReleasesThem) {
    for (const char* name : {"AIcon", "Konvert", "Setup"}) {
        IconRef icon = TIcon::New({.cResName = name});
        ASSERT_NE(icon->hIcon, nullptr) << name;
        ICONINFO info{};
        ASSERT_TRUE(GetIconInfo(icon->hIcon, &info));
        BITMAP bm{};
        GetObjectA(info.hbmColor, sizeof bm, &bm);
        EXPECT_EQ(bm.bmWidth, GetSystemMetrics(SM_CXSMICON)) << name;
        DeleteObject(info.hbmColor);
        DeleteObject(info.hbmMask);
        icon->End();
        EXPECT_EQ(icon->hIcon, nullptr);
    }
    EXPECT_EQ(TIcon::New({.cResName = "NoSuchIcon"})->hIcon, nullptr);
}

}  // namespace
}  // namespace pixa
