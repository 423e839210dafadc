#include "app/shell/window_place.h"

#include <algorithm>
#include <climits>
#include <initializer_list>

#include "app/shell/config.h"
#include "app/shell/publics.h"
#include "framework/window/window.h"
#include "app/shell/namespace.h"

namespace pixa::shell {

namespace {

struct SnapBand {
    long from, to, size;  // a size from `from` to `to` (inclusive) becomes `size`
};

long Snap(long size, std::initializer_list<SnapBand> bands) {
    for (const SnapBand& band : bands)
        if (size >= band.from && size <= band.to) return band.size;
    return size;
}

// One axis of a rectangle: where it starts and how many pixels it spans. Numbers from
// the configuration may be anything a long holds, so the sums are taken wider.
struct Span {
    long long start, size;
};

Span Fit(Span s, long long areaStart, long long areaSize, bool moveIn) {
    s.size = std::clamp(s.size, 1LL, areaSize);
    if (moveIn) s.start = std::clamp(s.start, areaStart, areaStart + areaSize - s.size);
    return s;
}

bool Meets(Span s, long long areaStart, long long areaSize) {
    return s.start < areaStart + areaSize && s.start + s.size > areaStart;
}

}  // namespace

StoredRect Reachable(const StoredRect& r, const StoredRect& area) {
    const long long areaW = area.right - area.left + 1, areaH = area.bottom - area.top + 1;
    Span x = Fit({r.left, 1LL + r.right - r.left}, area.left, areaW, false);
    Span y = Fit({r.top, 1LL + r.bottom - r.top}, area.top, areaH, false);
    const bool moveIn = !Meets(x, area.left, areaW) || !Meets(y, area.top, areaH) || y.start < area.top;
    x = Fit(x, area.left, areaW, moveIn);
    y = Fit(y, area.top, areaH, moveIn);
    return {static_cast<long>(y.start), static_cast<long>(x.start), static_cast<long>(y.start + y.size - 1),
            static_cast<long>(x.start + x.size - 1)};
}

StoredRect ReachableOnScreen(const StoredRect& r) {
    auto edge = [](long long v) { return static_cast<LONG>(std::clamp<long long>(v, LONG_MIN, LONG_MAX)); };
    RECT wanted{edge(r.left), edge(r.top), edge(1LL + r.right), edge(1LL + r.bottom)};
    MONITORINFO info{};
    info.cbSize = sizeof info;
    if (!GetMonitorInfoA(MonitorFromRect(&wanted, MONITOR_DEFAULTTONEAREST), &info)) return r;
    const RECT& work = info.rcWork;
    return Reachable(r, {work.top, work.left, work.bottom - 1, work.right - 1});
}

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

}  // namespace pixa::shell
