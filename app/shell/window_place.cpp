#include "app/shell/window_place.h"

#include <initializer_list>

#include "app/shell/config.h"
#include "app/shell/publics.h"
#include "framework/window/window.h"

namespace pixa::app {

namespace {

struct SnapBand {
    long from, to, size;  // a size from `from` to `to` (inclusive) becomes `size`
};

long Snap(long size, std::initializer_list<SnapBand> bands) {
    for (const SnapBand& band : bands)
        if (size >= band.from && size <= band.to) return band.size;
    return size;
}

}  // namespace

StoredRect SnapWindowRect(long top, long left, long bottomExclusive, long rightExclusive) {
    StoredRect r{top, left, bottomExclusive - 1, rightExclusive - 1};
    if (r.top < 0) r.top = 0;
    if (r.left < 0) r.left = 0;
    long h = Snap(r.bottom - r.top, {{480, 489, 480}, {601, 609, 600}, {769, 774, 768}, {1025, 1029, 1024}});
    long w = Snap(r.right - r.left,
                  {{640, 649, 640}, {801, 809, 800}, {1025, 1029, 1024}, {1281, 1289, 1280}});
    r.bottom = r.top + h;
    r.right = r.left + w;
    return r;
}

bool WorthStoring(const StoredRect& r) { return r.top < 2000 && r.bottom > r.top && r.right > r.left; }

bool PutCoords() {
    auto window = std::dynamic_pointer_cast<TWindow>(G().oWnd);
    // A minimised window sits far off-screen; its place is not worth remembering.
    if (!window || (window->hWnd && IsIconic(window->hWnd))) return true;
    StoredRect r = SnapWindowRect(window->nTop, window->nLeft, window->nBottom, window->nRight);
    if (!WorthStoring(r)) return true;
    WriteIni(ini::kWindow, "Top", IniText(r.top));
    WriteIni(ini::kWindow, "Left", IniText(r.left));
    WriteIni(ini::kWindow, "Bottom", IniText(r.bottom));
    WriteIni(ini::kWindow, "Right", IniText(r.right));
    return true;
}

}  // namespace pixa::app
