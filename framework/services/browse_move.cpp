// TWBrowse: moving the selection. Single-line moves scroll the pixels already on
// the screen and draw only the two rows involved; page moves draw each row once.
#include <algorithm>

#include "framework/services/browse.h"
#include "framework/services/browse_drawing.h"
#include "framework/services/namespace.h"

namespace pixa::services {

namespace {
// The wait cursor while a long skip runs; the arrow again afterwards.
class WaitCursor {
public:
    WaitCursor() { SetCursor(LoadCursorA(nullptr, IDC_WAIT)); }
    ~WaitCursor() { SetCursor(LoadCursorA(nullptr, IDC_ARROW)); }
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;
};
}  // namespace

void TWBrowse::Repaint() {
    if (!hWnd) return;
    InvalidateRect(hWnd, nullptr, FALSE);
    UpdateWindow(hWnd);
}

void TWBrowse::Moved() {
    ThumbSync();
    if (bChange) bChange.Call(shared_from_this());
}

void TWBrowse::ScrollRows(int nLines) {
    const int h = LineHeight(), rows = PageRows();
    RECT client{};
    GetClientRect(hWnd, &client);
    RECT area{0, h, client.right, std::min<LONG>(client.bottom, (rows + 1) * h)};
    HRGN exposed = CreateRectRgn(0, 0, 0, 0);
    ScrollWindowEx(hWnd, 0, -nLines * h, &area, &area, exposed, nullptr, 0);
    // The row coming into view is drawn by the caller; anything else uncovered (a
    // part that lay under another window) is left to a paint.
    int row = nLines > 0 ? rows : 1;
    HRGN drawn = CreateRectRgn(0, row * h, client.right, (row + 1) * h);
    CombineRgn(exposed, exposed, drawn, RGN_DIFF);
    InvalidateRgn(hWnd, exposed, FALSE);
    DeleteObject(drawn);
    DeleteObject(exposed);
}

void TWBrowse::GoDown() {
    if (!HasRecords() || lHitBottom) return;
    DrawingDC drawing(*this);  // one device context for every row drawn
    DrawLine();
    bool moved = Skip(1) != 0;
    if (moved) {
        lHitTop = false;
        if (nRowPos < PageRows())
            ++nRowPos;
        else
            ScrollRows(1);
    } else {
        lHitBottom = true;
    }
    DrawSelect();
    if (moved)
        Moved();
    else
        ThumbSync();
}

void TWBrowse::GoUp() {
    if (!HasRecords() || lHitTop) return;
    DrawingDC drawing(*this);  // one device context for every row drawn
    DrawLine();
    bool moved = Skip(-1) != 0;
    if (moved) {
        lHitBottom = false;
        if (nRowPos > 1)
            --nRowPos;
        else
            ScrollRows(-1);
    } else {
        lHitTop = true;
    }
    DrawSelect();
    if (moved)
        Moved();
    else
        ThumbSync();
}

void TWBrowse::GoTop() {
    if (!HasRecords() || lHitTop) return;
    if (bGoTop) bGoTop();
    lHitTop = true;
    lHitBottom = false;
    nRowPos = 1;
    Repaint();
    Moved();
}

void TWBrowse::GoBottom() {
    if (!HasRecords() || lHitBottom) return;
    DrawingDC drawing(*this);  // one device context for every row drawn
    lHitBottom = true;
    lHitTop = false;
    if (bGoBottom) bGoBottom();
    long back = Skip(-(PageRows() - 1));
    nRowPos = static_cast<int>(1 - back);
    for (int row = 1; row <= -back; ++row) {
        DrawLine(row);
        Skip(1);
    }
    DrawSelect();
    BlankRows(nRowPos + 1);
    if (LogicLen() != nLen || (oVScroll && oVScroll->GetRange() != VGetMax())) VSetRange();
    Moved();
}

void TWBrowse::PageDown(int n) {
    const int rows = n > 0 ? n : PageRows();
    if (!HasRecords() || lHitBottom) return;
    DrawingDC drawing(*this);  // one device context for every row drawn
    nRowPos = std::min(nRowPos, rows);
    DrawLine();
    // To the last row of the next page.
    long moved = Skip(2 * rows - nRowPos);
    if (moved != 0) lHitTop = false;
    if (moved < rows) {
        // Less than a page follows: the selection ends on the last record.
        if (moved > rows - nRowPos) {
            Skip(-(rows - 1));
            for (int row = 1; row < rows; ++row) {
                DrawLine(row);
                Skip(1);
            }
        }
        nRowPos = static_cast<int>(std::min<long>(nRowPos + moved, rows));
        lHitBottom = true;
    } else {
        for (int row = rows; row >= 1; --row) {
            DrawLine(row);
            if (row > 1) Skip(-1);
        }
        Skip(nRowPos - 1);  // the selection keeps its screen row
    }
    DrawSelect();
    if (moved != 0)
        Moved();
    else
        ThumbSync();
}

void TWBrowse::PageUp(int n) {
    const int rows = n > 0 ? n : PageRows();
    if (!HasRecords()) return;
    long moved = Skip(-rows);
    if (lHitTop) {
        VGoTop();
        return;
    }
    if (moved == 0) {
        lHitTop = true;
    } else {
        lHitBottom = false;
        if (-moved < rows) nRowPos = 1;
    }
    Repaint();
    Moved();
}

void TWBrowse::GoLeft() { HScrollTo(nColPos - 1); }

void TWBrowse::GoRight() { HScrollTo(nColPos + 1); }

void TWBrowse::HScrollTo(int nCol) {
    int col = std::clamp(nCol, 1, std::max(1, static_cast<int>(aHeaders.size())));
    if (col == nColPos) return;
    nColPos = nColAct = col;
    if (oHScroll) oHScroll->SetPos(nColPos);
    Repaint();
}

void TWBrowse::ThumbTo(int nPos) {
    if (!HasRecords()) return;
    const int max = VGetMax();
    if (nPos <= 1) {
        GoTop();
        return;
    }
    if (nPos >= max) {
        GoBottom();
        return;
    }
    {
        WaitCursor waiting;
        GoToPosition(PositionOf(nPos));
        lHitTop = lHitBottom = false;
    }
    const int rows = PageRows();
    if (nPos - 1 < rows)
        nRowPos = 1;
    else if (max - nPos < rows)
        nRowPos = std::max(1, static_cast<int>(std::min<long>(rows, nLen)) - (max - nPos));
    Repaint();
    Moved();
}

}  // namespace pixa::services
