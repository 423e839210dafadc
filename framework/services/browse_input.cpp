// TWBrowse: keyboard, mouse, scroll bars, focus and resizing columns with the mouse.
#include <algorithm>
#include <cstdlib>

#include "framework/services/browse.h"
#include "framework/services/browse_drawing.h"
#include "framework/services/namespace.h"

namespace pixa::services {

namespace {
constexpr WPARAM kCtrlR = 18;  // thumb one step up
constexpr WPARAM kCtrlC = 3;   // thumb one step down
constexpr int kMinColumn = 5;  // narrowest width a column can be dragged to

// A mouse column that arrives as 16 unsigned bits: left of the window while captured it is negative.
int SignedX(int x) { return static_cast<short>(x); }
}  // namespace

MsgResult TWBrowse::HandleEvent(UINT nMsg, WPARAM wp, LPARAM lp) {
    // The context-menu key and Shift+F10 (no mouse position) act as a right click on
    // the current row. The platform's default processing may not turn the key into a
    // context-menu request (Wine does not), so the key's release is answered here.
    const bool menuKey = (nMsg == WM_KEYUP && wp == VK_APPS) || (nMsg == WM_CONTEXTMENU && lp == -1);
    if (menuKey) {
        const int height = LineHeight();
        RButtonDown(nRowPos * height + height / 2, ColumnLeft(std::min<int>(2, static_cast<int>(aHeaders.size()))), 0);
        return 0;
    }
    // A message box or a switch to another program in the middle of a drag takes the
    // mouse away: the drag ends there, the column as it was.
    if (nMsg == WM_CAPTURECHANGED && lCaptured && nResizeCol_ && reinterpret_cast<HWND>(lp) != hWnd) EndResize(false);
    return TControl::HandleEvent(nMsg, wp, lp);
}

MsgResult TWBrowse::KeyDown(int nKey, UINT nFlags) {
    bool control = GetKeyState(VK_CONTROL) < 0;
    switch (nKey) {
        case VK_UP: GoUp(); break;
        case VK_DOWN: GoDown(); break;
        case VK_LEFT: GoLeft(); break;
        case VK_RIGHT: GoRight(); break;
        case VK_HOME: GoTop(); break;
        case VK_END: GoBottom(); break;
        case VK_PRIOR: control ? GoTop() : PageUp(); break;
        case VK_NEXT: control ? GoBottom() : PageDown(); break;
        default: return TControl::KeyDown(nKey, nFlags);
    }
    return 0;
}

MsgResult TWBrowse::KeyChar(int nKey, UINT nFlags) {
    if (nKey == kCtrlR) {
        VGoUp();
        return 0;
    }
    if (nKey == kCtrlC) {
        VGoDown();
        return 0;
    }
    return TControl::KeyChar(nKey, nFlags);
}

MsgResult TWBrowse::GetDlgCode(int nKey) {
    TControl::GetDlgCode(nKey);  // remembers Up, Down, Enter and Tab as the dialog's last key
    return DLGC_WANTARROWS;
}

int TWBrowse::ColumnLeft(int nCol) const {
    auto sizes = GetColSizes();
    int x = 0;
    for (int col = nColPos; col < nCol && col <= static_cast<int>(sizes.size()); ++col) x += sizes[col - 1];
    return x;
}

int TWBrowse::ColumnEdgeAt(int x) const {
    auto sizes = GetColSizes();
    int edge = 0, usable = UsableWidth();
    for (int col = nColPos; col <= static_cast<int>(sizes.size()) && edge < usable; ++col) {
        edge += sizes[col - 1];
        if (std::abs(x - edge) <= 1) return col;
    }
    return 0;
}

void TWBrowse::VertLine(int x) {
    if (!hWnd) return;
    RECT rc{};
    GetClientRect(hWnd, &rc);
    rc.left = x - 2;
    rc.right = x + 2;
    DrawingDC drawing(*this);
    InvertRect(drawing.Get(), &rc);
}

MsgResult TWBrowse::LButtonDown(int nRow, int nCol, UINT nFlags) {
    const int row = nRow / LineHeight();
    if (!HasRecords() && row != 0) return 0;
    if (int edgeCol = lMChange && !bColSizes ? ColumnEdgeAt(nCol) : 0) {
        nResizeCol_ = edgeCol;
        lCaptured = true;
        Capture();
        // The guide line starts on the edge itself, whichever pixel beside it was hit.
        nLineX_ = ColumnLeft(edgeCol) + aColSizes[edgeCol - 1];
        VertLine(nLineX_);
        return 0;
    }
    SetFocus();
    if (row == 0) {
        int col = nAtCol(nCol);
        if (col <= static_cast<int>(aActions.size()) && aActions[col - 1]) {
            struct Pressed {
                Pressed(TWBrowse& b, int col) : browse(b) { browse.DrawHeader(col); }
                ~Pressed() { browse.DrawHeader(); }
                TWBrowse& browse;
            } pressed(*this, col);
            aActions[col - 1].Call(shared_from_this(), col);
        } else {
            MessageBeep(0xFFFFFFFF);
        }
    } else if (row != nRowPos && row <= PageRows()) {
        DrawingDC drawing(*this);
        DrawLine();
        nRowPos += static_cast<int>(Skip(row - nRowPos));
        DrawSelect();
        lHitTop = lHitBottom = false;
        Moved();
    }
    return TControl::LButtonDown(nRow, nCol, nFlags);
}

MsgResult TWBrowse::MouseMove(int nRow, int nCol, UINT nFlags) {
    if (lCaptured && nResizeCol_) {
        SetCursor(LoadCursorA(nullptr, IDC_SIZEWE));
        VertLine(nLineX_);  // inverting again takes the old line away
        nLineX_ = std::max(SignedX(nCol), ColumnLeft(nResizeCol_) + kMinColumn);
        VertLine(nLineX_);
        return 0;
    }
    if (lMChange && !bColSizes && ColumnEdgeAt(nCol)) {
        SetCursor(LoadCursorA(nullptr, IDC_SIZEWE));
        return 0;
    }
    return TControl::MouseMove(nRow, nCol, nFlags);
}

MsgResult TWBrowse::LButtonUp(int nRow, int nCol, UINT nFlags) {
    if (lCaptured && nResizeCol_) EndResize(true);
    return TControl::LButtonUp(nRow, nCol, nFlags);
}

// Ends a column drag: the guide line goes, and the column takes the line's place
// when kept. The drag's state is cleared before the capture is let go, as letting
// it go reports a lost capture.
void TWBrowse::EndResize(bool keep) {
    const int col = nResizeCol_;
    nResizeCol_ = 0;
    lCaptured = false;
    VertLine(nLineX_);
    if (keep) {
        int& width = aColSizes[col - 1];
        width -= ColumnLeft(col) + width - nLineX_;
    }
    nLineX_ = -1;
    if (GetCapture() == hWnd) ReleaseCapture();
    if (keep) Repaint();
}

MsgResult TWBrowse::LDblClick(int nRow, int nCol, UINT nFlags) {
    if (HasRecords() && nRow / LineHeight() == nRowPos) return TControl::LDblClick(nRow, nCol, nFlags);
    return 0;
}

MsgResult TWBrowse::MouseWheel(int nKeys, int nDelta, int, int) {
    bool pages = (nKeys & MK_MBUTTON) != 0;
    if (nDelta > 0)
        pages ? PageUp() : GoUp();
    else
        pages ? PageDown() : GoDown();
    return 0;
}

MsgResult TWBrowse::VScroll(int nCode, int nPos, HWND hBar) {
    if (hBar) return TControl::VScroll(nCode, nPos, hBar);  // a scroll-bar control of its own
    SetFocus();
    switch (nCode) {
        case SB_LINEUP: GoUp(); break;
        case SB_LINEDOWN: GoDown(); break;
        case SB_PAGEUP: PageUp(); break;
        case SB_PAGEDOWN: PageDown(); break;
        case SB_TOP: GoTop(); break;
        case SB_BOTTOM: GoBottom(); break;
        case SB_THUMBPOSITION: ThumbTo(nPos); break;
        default: break;  // tracking the thumb while it is dragged: nothing
    }
    return 0;
}

MsgResult TWBrowse::HScroll(int nCode, int nPos, HWND hBar) {
    if (hBar) return TControl::HScroll(nCode, nPos, hBar);
    auto sizes = GetColSizes();
    auto widthOf = [&](int col) { return col <= static_cast<int>(sizes.size()) ? sizes[col - 1] : 0; };
    const int count = static_cast<int>(aHeaders.size()), usable = UsableWidth();
    switch (nCode) {
        case SB_LINELEFT: GoLeft(); break;
        case SB_LINERIGHT: GoRight(); break;
        case SB_PAGERIGHT: {
            // The first column that does not fit wholly comes to the left edge.
            int col = nColPos, x = widthOf(col);
            while (col < count && x <= usable) x += widthOf(++col);
            HScrollTo(std::max(col, nColPos + 1));
            break;
        }
        case SB_PAGELEFT: {
            int col = nColPos, x = 0;
            while (col > 1 && x + widthOf(col - 1) <= usable) x += widthOf(--col);
            HScrollTo(std::min(col, nColPos - 1));
            break;
        }
        case SB_LEFT: HScrollTo(1); break;
        case SB_RIGHT: HScrollTo(count); break;
        case SB_THUMBPOSITION: HScrollTo(nPos); break;
        default: break;
    }
    return 0;
}

MsgResult TWBrowse::GotFocus(HWND hWndOld) {
    MsgResult result = TControl::GotFocus(hWndOld);
    if (HasRecords()) DrawSelect();
    return result;
}

MsgResult TWBrowse::LostFocus(HWND hWndNew) {
    MsgResult result = TControl::LostFocus(hWndNew);
    if (HasRecords()) DrawSelect();
    return result;
}

}  // namespace pixa::services
