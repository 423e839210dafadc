#pragma once
// Finding and reading windows, in this process or in another one (the real
// program): by caption, by a child's text, by the control-unit position a control
// was laid out at.
#include <windows.h>

#include <string>

#include "tests/support/layers.h"

namespace pixa::test {

// A top-level dialog of this process with this caption, or null.
HWND FindDialog(const std::string& caption);
// A visible top-level window of the process with this caption (and, when given, a
// child with this text), or null.
HWND FindTop(DWORD process, const std::string& caption, const std::string& childText = {});
// The child of a dialog whose text is exactly this, or null.
HWND ChildWithText(HWND dialog, const std::string& text);
// The child whose top-left corner lies at control units (row, col) of the dialog's
// client area (two pixels per unit), or null.
HWND ChildAt(HWND dialog, int row, int col);
// The control with this identifier on a dialog or window.
HWND Item(HWND parent, int id);

// The native text of a window (also of a control of another process).
std::string TextOf(HWND window);
// The window text without leading and trailing blanks.
std::string Trimmed(HWND window);
// The text of a message box (its static text).
std::string BoxText(HWND box);
// A child's rectangle in control units: top, left, height, width (pixels / 2).
RECT UnitsOf(HWND child, HWND dialog);
// The window rectangle relative to the client area of another window.
RECT RectIn(HWND window, HWND relativeTo);
// The middle of a window in screen coordinates.
POINT CenterOf(HWND window);

}  // namespace pixa::test
