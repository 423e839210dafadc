// The work table behind a browse, hidden records, and the vertical thumb.
#include "runtime/settings.h"
#include "tests/browse/browse_fixture.h"
#include "tests/support/layers.h"

namespace pixa::test {
namespace {

void Thumb(const std::shared_ptr<TWBrowse>& browse, int position) {
    SendMessageA(browse->hWnd, WM_VSCROLL, MAKEWPARAM(SB_THUMBPOSITION, position), 0);
    Pump();
}

TEST_F(BrowseTest, TableSourceMovesOverVisibleRecordsOnly) {
    MakeTable(10, [](long n) { return n == 1 || n == 4 || n == 5 || n == 10; });
    TableBrowseSource source(table_);
    source.GoTop();
    EXPECT_EQ(source.RecNo(), 2);
    EXPECT_EQ(source.Skip(2), 2);
    EXPECT_EQ(source.RecNo(), 6);
    EXPECT_EQ(source.Skip(-2), -2);
    EXPECT_EQ(source.RecNo(), 2);
    EXPECT_FALSE(source.Bof());
    EXPECT_EQ(source.Skip(-1), 0);
    EXPECT_TRUE(source.Bof()) << "tried to go before the first record";
    EXPECT_EQ(source.Skip(100), 5);
    EXPECT_EQ(source.RecNo(), 9);
    EXPECT_FALSE(source.Eof()) << "stops on the last record";
    source.GoTo(4);
    EXPECT_EQ(source.RecNo(), 6) << "a hidden record: the next visible one";
    source.GoTo(10);
    EXPECT_EQ(source.RecNo(), 9) << "nothing visible follows: the last visible one";
    source.GoTo(0);
    EXPECT_EQ(source.RecNo(), 2);
    EXPECT_EQ(source.RecCount(), 10);
    Settings().deletedHidden = false;
    source.GoBottom();
    EXPECT_EQ(source.RecNo(), 10);
}

TEST_F(BrowseTest, ThumbReachesTheFirstAndLastVisibleRecords) {
    // The first 500, the last 700 and every 7th record hidden.
    MakeTable(30000, [](long n) { return n <= 500 || n > 29300 || n % 7 == 0; });
    TestDialog dlg;
    auto browse = MakeBrowse(dlg);
    dlg.Show();
    EXPECT_EQ(browse->VGetMax(), 10000);
    EXPECT_EQ(Current(), 501);
    EXPECT_EQ(browse->VGetPos(), 1);
    browse->GoBottom();
    EXPECT_EQ(Current(), 29300);
    EXPECT_EQ(browse->VGetPos(), 10000);
    browse->GoUp(), browse->GoDown();
    EXPECT_EQ(browse->VGetPos(), 10000) << "the last visible record, reached without GoBottom";
    browse->GoTop(), browse->GoDown(), browse->GoUp();
    EXPECT_EQ(browse->VGetPos(), 1) << "the first visible record, reached without GoTop";

    const long span = 29300 - 501 + 1;
    for (int p = 4995; p <= 5005; ++p) {
        Thumb(browse, p);
        EXPECT_FALSE(table_->Deleted()) << "thumb at " << p;
        long expected = 501 + p * span / 10000 - 1;
        EXPECT_GE(Current(), expected);
        EXPECT_LE(Current(), expected + 1);
    }
}

TEST_F(BrowseTest, ThumbScaleOfALargeTable) {
    MakeTable(100000);
    TestDialog dlg;
    auto browse = MakeBrowse(dlg);
    dlg.Show();
    const int rows = browse->nRowCount();
    browse->GoDown(), browse->GoDown();
    int changes = Changes();
    Thumb(browse, 5000);
    EXPECT_EQ(Current(), 50000);
    EXPECT_EQ(browse->nRowPos, 3) << "the selection keeps its row in the middle";
    EXPECT_EQ(browse->VGetPos(), 5000);
    EXPECT_EQ(Changes(), changes + 1);
    Thumb(browse, 3);
    EXPECT_EQ(Current(), 30);
    EXPECT_EQ(browse->nRowPos, 1) << "within a page of the top";
    Thumb(browse, 9998);
    EXPECT_EQ(Current(), 99980);
    EXPECT_EQ(browse->nRowPos, rows - 2) << "within a page of the bottom";
    Thumb(browse, 1);
    EXPECT_EQ(Current(), 1);
    SendMessageA(browse->hWnd, WM_VSCROLL, MAKEWPARAM(SB_THUMBTRACK, 7000), 0);
    EXPECT_EQ(Current(), 1) << "dragging alone moves nothing";
}

TEST(BrowseArray, MovesClampedToTheArray) {
    auto names = std::make_shared<Array>(Array{"a", "b", "c", "d", "e"});
    TestDialog dlg;
    auto browse = TWBrowse::New({.nWidth = 200, .nHeight = 100, .aHeaders = {"Name"}, .aColSizes = {100},
                                 .oWnd = dlg.get(), .cAlias = "", .lPixel = true});
    browse->SetArray(names);
    dlg.Show();
    EXPECT_EQ(browse->cAlias, "ARRAY");
    EXPECT_EQ(browse->VGetMax(), 5);
    browse->GoBottom();
    EXPECT_EQ(browse->nAt, 5);
    EXPECT_EQ(browse->VGetPos(), 5);
    EXPECT_EQ(browse->Skip(-10), -4);
    EXPECT_EQ(browse->Skip(2), 2);
    EXPECT_EQ(browse->nAt, 3);
}

}  // namespace
}  // namespace pixa::test
