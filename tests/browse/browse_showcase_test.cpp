// The browse as the selection list sets it up: marks, names and sizes of a few
// hundred pictures, scrolled to the middle. A test, and with PIXA_SHOWCASE_SECONDS
// set it stays open that long for a screenshot:
//   PIXA_SHOWCASE_SECONDS=6 wine explorer /desktop=shot,1024x768 test_browse.exe --gtest_filter=*Showcase*
#include <cstdlib>

#include "framework/controls/bitmap.h"
#include "framework/window/font.h"
#include "tests/browse/browse_fixture.h"
#include "tests/support/layers.h"

namespace pixa::test {
namespace {

void CALLBACK CloseShowcase(HWND hWnd, UINT, UINT_PTR id, DWORD) {
    KillTimer(hWnd, id);
    EndDialog(hWnd, 2);
}

TEST_F(BrowseTest, ShowcaseSelectionListScrolledToTheMiddle) {
    MakeTable(300, [](long n) { return n % 40 == 0; });
    auto marks = std::make_shared<std::pair<std::shared_ptr<TBitmap>, std::shared_ptr<TBitmap>>>(
        TBitmap::Define("Mark0"), TBitmap::Define("Mark1"));
    auto font = TFont::New({.cFaceName = "Ms Sans Serif", .nHeight = -8});
    auto dlg = TDialog::New({.cCaption = "Bilddateien ausw\xe4hlen", .lPixel = true, .oFont = font, .nWidth = 600,
                             .nHeight = 390});
    auto table = table_;
    Action line([table, marks](const Args&) {
        std::string name(table->GetText(0));
        bool marked = table->RecNo() % 3 != 0;
        HBITMAP mark = (marked ? marks->second : marks->first)->hBitmap();
        return Value::MakeArray({Value(static_cast<long long>(reinterpret_cast<INT_PTR>(mark))),
                                 "...~\\urlaub\\" + name.substr(0, name.find(' ')) + ".JPG",
                                 " " + std::to_string(static_cast<long long>(table->GetNumber(1)) * 1024)});
    });
    auto browse = TWBrowse::New({.nRow = 15, .nWidth = 300, .nHeight = 154, .bLine = line,
                                 .aHeaders = {"", " Dateiname", " Größe KB"}, .aColSizes = {22, 500, 20},
                                 .oWnd = dlg, .cAlias = "BRW", .lPixel = true});
    browse->nLineStyle = 3;
    const char* seconds = std::getenv("PIXA_SHOWCASE_SECONDS");
    long middle = 0;
    int thumb = 0;
    dlg->Activate({.bInit = Action([&](const Args&) {
                       browse->SetFocus();
                       SendMessageA(browse->hWnd, WM_VSCROLL, MAKEWPARAM(SB_THUMBPOSITION, browse->VGetMax() / 2), 0);
                       middle = Current();
                       thumb = browse->VGetPos();
                       SetTimer(dlg->hWnd, 1, seconds ? std::atoi(seconds) * 1000 : 1, CloseShowcase);
                       return Value(false);
                   })});
    EXPECT_EQ(middle, 150);
    EXPECT_EQ(thumb, 150);
    font->End();
}

}  // namespace
}  // namespace pixa::test
