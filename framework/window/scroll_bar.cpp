#include "framework/window/scroll_bar.h"

namespace pixa::window {

TScrollBar::TScrollBar(HWND hWndOwner, bool vertical) : hWnd(hWndOwner), lVertical(vertical) {
    if (hWnd) GetScrollRange(hWnd, Bar(), &nMin, &nMax);
}

void TScrollBar::SetRange(int nMinimum, int nMaximum) {
    nMin = nMinimum, nMax = nMaximum;
    if (hWnd && IsWindow(hWnd)) SetScrollRange(hWnd, Bar(), nMin, nMax, TRUE);
}

int TScrollBar::GetRange() const {
    int low = nMin, high = nMax;
    if (hWnd && IsWindow(hWnd)) GetScrollRange(hWnd, Bar(), &low, &high);
    return high;
}

void TScrollBar::SetPos(int nPos) {
    if (hWnd && IsWindow(hWnd)) SetScrollPos(hWnd, Bar(), nPos, TRUE);
}

int TScrollBar::GetPos() const { return hWnd && IsWindow(hWnd) ? GetScrollPos(hWnd, Bar()) : 0; }

}  // namespace pixa::window
