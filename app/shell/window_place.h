#pragma once
#include "app/shell/namespace.h"
// Remembering the main window's place: every move stores its rectangle in the
// configuration file, with sizes close to common screen sizes snapped to them;
// at the next start a place that cannot be reached any more is brought back.

namespace pixa::shell {

// A window rectangle in screen pixels, bottom and right inclusive.
struct StoredRect {
    long top = 0, left = 0, bottom = 0, right = 0;
    bool operator==(const StoredRect&) const = default;
};

// The rectangle to store for the platform's outer rectangle (bottom and right
// exclusive): edges made inclusive, negative top/left raised to 0, sizes snapped.
StoredRect SnapWindowRect(long top, long left, long bottomExclusive, long rightExclusive);

// Whether a snapped rectangle is a place to remember: its top above 2000 and a
// positive height and width (a minimised window reports neither).
bool WorthStoring(const StoredRect& r);

// A stored rectangle that can be reached on the work area `area` (both with inclusive
// edges): a size larger than the area's is cut to it; a rectangle that then does not
// meet the area, or whose top edge (the caption) lies above it, is moved inside it,
// keeping its size. Any other rectangle stays where it is.
StoredRect Reachable(const StoredRect& r, const StoredRect& area);

// The same on the work area of the monitor the rectangle lies on, or else of the
// nearest one; a window is created from the result.
StoredRect ReachableOnScreen(const StoredRect& r);

// Stores the main window's refreshed rectangle in section "Pixaport"; nothing is
// written while the window is minimised or for a rectangle not worth storing. Always true.
bool PutCoords();

}  // namespace pixa::shell
