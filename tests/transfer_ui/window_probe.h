#pragma once
// Finding and reading the transfer dialogs' windows, in this process or in another
// one (the real program): by caption, by a child's text, by the control-unit
// position a control was laid out at; answering message boxes.
#include <windows.h>

#include <string>

#include "tests/support/layers.h"

namespace pixa::test {

// A visible top-level window of the process with this caption (and, when given, a
// child with this text), or null.
HWND FindTop(DWORD process, const std::string& caption, const std::string& childText = {});
// The child of a dialog whose text is exactly this, or null.
HWND ChildWithText(HWND dialog, const std::string& text);
// The child whose top-left corner lies at control units (row, col) of the dialog's
// client area (two pixels per unit), or null.
HWND ChildAt(HWND dialog, int row, int col);
// A child's rectangle in control units: top, left, height, width (pixels / 2).
RECT UnitsOf(HWND child, HWND dialog);
// The window text without leading and trailing blanks.
std::string Trimmed(HWND window);
// The text of a message box (its static text).
std::string BoxText(HWND box);
// Presses a button by posting its click (works across processes).
void Press(HWND button);
// Closes a message box with its button id (IDOK, IDYES, IDNO).
void Answer(HWND box, int id);
// Clicks (twice when asked) at a client point of a window.
void ClickAt(HWND window, int x, int y, bool doubleClick = false);
// Right-clicks at a client point of a window.
void RightClickAt(HWND window, int x, int y);

}  // namespace pixa::test
