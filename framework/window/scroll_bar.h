#pragma once
// A window's own scroll bar (the one its WS_VSCROLL / WS_HSCROLL style gives it) as
// an object: range, thumb position and a thumb step of 1. The notifications reach
// the window's VScroll / HScroll operations.
#include <windows.h>

namespace pixa::window {

class TScrollBar {
public:
    // The vertical or horizontal scroll bar of a window.
    TScrollBar(HWND hWndOwner, bool lVertical);

    HWND hWnd = nullptr;     // the window that owns the scroll bar
    bool lVertical = true;   // vertical (else horizontal)
    int nMin = 0;            // range minimum
    int nMax = 0;            // range maximum
    int nStep = 1;           // thumb step

    // Sets the range and redraws.
    void SetRange(int nMinimum, int nMaximum);
    // The range maximum.
    int GetRange() const;
    // Moves the thumb.
    void SetPos(int nPos);
    // The thumb position.
    int GetPos() const;
    // Accepted for compatibility; a page size has no effect.
    void SetPage(int) {}
    // Forgets the window (its scroll bar goes with it).
    void End() { hWnd = nullptr; }

private:
    int Bar() const { return lVertical ? SB_VERT : SB_HORZ; }
};

}  // namespace pixa::window
