// Moving the selection: the hit flags, the selected row, the record pointer, and
// that every move leaves on the screen exactly what a full paint draws.
#include "tests/browse/browse_fixture.h"
#include "tests/support/layers.h"

namespace pixa::test {
namespace {

// Repaints the whole browse and yields its pixels.
Pixels Repainted(const std::shared_ptr<TWBrowse>& browse) {
    InvalidateRect(browse->hWnd, nullptr, TRUE);
    UpdateWindow(browse->hWnd);
    return Snapshot(browse->hWnd);
}

TEST_F(BrowseTest, ThreeRecordsWithRoomForTen) {
    MakeTable(3);
    TestDialog dlg;
    auto browse = MakeBrowse(dlg);
    dlg.Show();
    ASSERT_GE(browse->nRowCount(), 10);
    browse->PageDown();
    EXPECT_EQ(browse->nRowPos, 3);
    EXPECT_EQ(Current(), 3);
    EXPECT_TRUE(browse->lHitBottom);
    browse->GoTop();
    EXPECT_EQ(browse->nRowPos, 1);
    EXPECT_EQ(Current(), 1);
    browse->GoBottom();
    EXPECT_EQ(browse->nRowPos, 3);
    EXPECT_EQ(Current(), 3);

    // On the last record without knowing it: GoDown finds out and keeps the selection;
    // the next GoDown does nothing at all.
    browse->GoTop();
    browse->GoDown(), browse->GoDown();
    ASSERT_FALSE(browse->lHitBottom);
    ASSERT_EQ(Current(), 3);
    int changes = Changes();
    browse->GoDown();
    EXPECT_TRUE(browse->lHitBottom);
    EXPECT_EQ(browse->nRowPos, 3);
    EXPECT_EQ(Changes(), changes) << "nothing moved";
    Pixels before = Snapshot(browse->hWnd);
    browse->GoDown();
    EXPECT_EQ(Snapshot(browse->hWnd), before);
    EXPECT_EQ(Changes(), changes);
}

TEST_F(BrowseTest, EveryMoveDrawsWhatAFullPaintDraws) {
    MakeTable(100);
    TestDialog dlg;
    auto browse = MakeBrowse(dlg);
    dlg.Show();
    const int rows = browse->nRowCount(), h = browse->LineHeight();
    for (int i = 1; i < rows; ++i) browse->GoDown();
    ASSERT_EQ(browse->nRowPos, rows);
    Pixels before = Snapshot(browse->hWnd);

    browse->GoDown();  // on the last row: the rows scroll up under the header
    EXPECT_EQ(browse->nRowPos, rows);
    EXPECT_EQ(Current(), rows + 1);
    Pixels scrolled = Snapshot(browse->hWnd);
    for (int x = 0; x < before.width; x += 7) ASSERT_EQ(scrolled.at(x, h / 2), before.at(x, h / 2)) << "header at " << x;
    EXPECT_EQ(scrolled, Repainted(browse)) << "scrolled up";

    for (int i = 1; i < rows; ++i) browse->GoUp();
    browse->GoUp();  // on the first row: the rows scroll down
    EXPECT_EQ(browse->nRowPos, 1);
    EXPECT_EQ(Current(), 1);
    EXPECT_EQ(Snapshot(browse->hWnd), Repainted(browse)) << "scrolled down";

    browse->GoDown(), browse->GoDown();
    browse->PageDown();
    EXPECT_EQ(browse->nRowPos, 3) << "the selection keeps its screen row";
    EXPECT_EQ(Current(), 3 + rows);
    EXPECT_EQ(Snapshot(browse->hWnd), Repainted(browse)) << "page down";

    browse->GoBottom();
    EXPECT_EQ(browse->nRowPos, rows);
    EXPECT_EQ(Current(), 100);
    EXPECT_EQ(Snapshot(browse->hWnd), Repainted(browse)) << "bottom";

    browse->GoUp();
    browse->PageDown();  // less than a page follows: onto the last record
    EXPECT_EQ(Current(), 100);
    EXPECT_TRUE(browse->lHitBottom);
    browse->PageUp();
    EXPECT_EQ(Current(), 100 - rows);
    EXPECT_EQ(browse->nRowPos, rows);
    EXPECT_EQ(Snapshot(browse->hWnd), Repainted(browse)) << "page up";
}

TEST_F(BrowseTest, TooSmallForOneRowStillPagesForward) {
    MakeTable(20);
    TestDialog dlg;
    auto browse = MakeBrowse(dlg, 200, 10);
    dlg.Show();
    ASSERT_LE(browse->nRowCount(), 0);
    for (long expected = 2; expected <= 4; ++expected) {
        browse->PageDown();
        EXPECT_EQ(Current(), expected);
    }
    browse->PageUp();
    EXPECT_EQ(Current(), 3);
}

TEST_F(BrowseTest, KeysReachTheBrowseOnADialog) {
    MakeTable(50);
    TestDialog dlg;
    auto browse = MakeBrowse(dlg);
    dlg.Show();
    browse->SetFocus();
    Press(VK_DOWN);
    EXPECT_EQ(Current(), 2);
    Press(VK_END);
    EXPECT_EQ(Current(), 50);
    Press(VK_HOME);
    EXPECT_EQ(Current(), 1);
    Press(VK_NEXT, false, true);
    EXPECT_EQ(Current(), 50);
    Press(VK_PRIOR, false, true);
    EXPECT_EQ(Current(), 1);
    Press(VK_NEXT);
    EXPECT_EQ(Current(), 1 + browse->nRowCount());

    // Ctrl+C and Ctrl+R move only the thumb.
    int thumb = browse->VGetPos();
    Type("\x03\x03");
    EXPECT_EQ(browse->VGetPos(), thumb + 2);
    Type("\x12");
    EXPECT_EQ(browse->VGetPos(), thumb + 1);
    EXPECT_EQ(Current(), 1 + browse->nRowCount());

    Mouse(browse->hWnd, WM_MOUSEWHEEL, 0, 0, MAKEWPARAM(0, -WHEEL_DELTA));
    EXPECT_EQ(Current(), 2 + browse->nRowCount()) << "the wheel turned down";
}

TEST_F(BrowseTest, EmptyTableShowsTheHeaderOnly) {
    MakeTable(0);
    TestDialog dlg;
    auto browse = MakeBrowse(dlg);
    dlg.Show();
    int changes = Changes();
    browse->SetFocus();
    Press(VK_DOWN), Press(VK_END), Press(VK_NEXT);
    Mouse(browse->hWnd, WM_LBUTTONDOWN, 20, browse->LineHeight() * 2 + 2);
    EXPECT_EQ(Changes(), changes);
    Pixels shot = Snapshot(browse->hWnd);
    EXPECT_EQ(shot.at(140, browse->LineHeight() / 2), GetSysColor(COLOR_BTNFACE)) << "header";
    EXPECT_EQ(shot.at(20, browse->LineHeight() + 3), GetSysColor(COLOR_WINDOW)) << "no rows";
}

}  // namespace
}  // namespace pixa::test
