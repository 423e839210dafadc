#pragma once
// Remembering the main window's place: every move stores its rectangle in the
// configuration file, with sizes close to common screen sizes snapped to them.

namespace pixa::app {

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

// Stores the main window's refreshed rectangle in section "Pixaport"; nothing is
// written while the window is minimised or for a rectangle not worth storing. Always true.
bool PutCoords();

}  // namespace pixa::app
