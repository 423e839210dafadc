// open-selection: the real transfer dialog over 20,000 pictures in 2,000 folders; the
// time from the click on "Übertragung &starten" to the selection list shown, and one
// double-click toggle with its totals and repaint. Compared with find on the host and
// with the platform's floor (a bare walk of the same tree asking each file's size).
#include <windows.h>

#include "app/transfer/transfer_dialog.h"
#include "bench/bench_support.h"
#include "framework/window/window.h"
#include "runtime/settings.h"
#include "tests/support/layers.h"

using namespace pixa;

namespace {

struct Clock {
    double start = 0, shown = 0, toggle = 0, peakMb = 0;
    bool started = false, done = false;
};
Clock& Times() {
    static Clock clock;
    return clock;
}

double Now() {
    LARGE_INTEGER frequency, now;
    QueryPerformanceFrequency(&frequency);
    QueryPerformanceCounter(&now);
    return double(now.QuadPart) / double(frequency.QuadPart);
}

HWND Top(const char* caption, const char* child) {
    HWND top = FindWindowA("#32770", caption);
    if (!top || !IsWindowVisible(top)) return nullptr;
    if (child && !FindWindowExA(top, nullptr, "Button", child)) return nullptr;
    return top;
}

HWND ButtonOf(HWND dialog, const char* caption) { return FindWindowExA(dialog, nullptr, "Button", caption); }

// The first child of a dialog of the given platform class.
HWND ChildOfClass(HWND dialog, const char* cls) { return FindWindowExA(dialog, nullptr, cls, nullptr); }

// Drives the dialogs from a thread timer, inside their modal loops.
void CALLBACK Drive(HWND, UINT, UINT_PTR, DWORD) {
    Clock& t = Times();
    if (t.done) return;
    HWND transfer = Top("Bilddateien übertragen", "Übertragung &starten");
    if (!t.started) {
        if (!transfer) return;
        t.started = true;
        t.start = Now();
        PostMessageA(ButtonOf(transfer, "Übertragung &starten"), BM_CLICK, 0, 0);
        return;
    }
    HWND list = Top("Bilddateien auswählen", nullptr);
    if (!list) return;
    HWND browse = ChildOfClass(list, "TWBROWSE");
    if (!browse || GetUpdateRect(browse, nullptr, FALSE)) return;  // not painted yet
    t.shown = Now();
    t.peakMb = bench::PeakWorkingSetMb();
    t.done = true;
    // One double-click on the selected first row: toggle, totals, repaint.
    double before = Now();
    LPARAM row1 = MAKELPARAM(60, 20);
    SendMessageA(browse, WM_LBUTTONDBLCLK, MK_LBUTTON, row1);
    UpdateWindow(browse);
    UpdateWindow(list);
    t.toggle = Now() - before;
    PostMessageA(ButtonOf(list, "&Abbrechen"), BM_CLICK, 0, 0);
}

void CALLBACK CloseTransfer(HWND, UINT, UINT_PTR id, DWORD) {
    HWND transfer = Top("Bilddateien übertragen", "Übertragung &starten");
    if (!Times().done || !transfer || Top("Bilddateien auswählen", nullptr)) return;
    KillTimer(nullptr, id);
    PostMessageA(ButtonOf(transfer, "&Abbrechen"), BM_CLICK, 0, 0);
}

}  // namespace

int main() {
    Settings().deletedHidden = true;
    bench::Scratch scratch("open-selection");
    std::string tree = scratch.Unix() + "/Bilder";
    scratch.Host("mkdir -p '" + tree + "' '" + scratch.Unix() + "/card' '" + scratch.Unix() + "/program' && " +
                 bench::PictureTree(tree));
    bench::ReportLoad("open-selection", scratch);
    double reference = scratch.Host("find '" + scratch.Unix() + "/Bilder' -type f -iname '*.jpg' -printf '%s %p\\n' | "
                                    "LC_ALL=C sort > /dev/null");
    double floor = bench::Seconds([&] { bench::FloorWalk(scratch.Dos() + "\\Bilder", true); });

    std::string source = scratch.Dos() + "\\Bilder\\", target = scratch.Dos() + "\\card\\";
    bool subOrd = true, simulate = false;
    auto owner = TWindow::New({.nTop = 0, .nLeft = 0, .nBottom = 200, .nRight = 300, .cTitle = "bench", .lPixel = true});
    SetTimer(nullptr, 0, 10, Drive);
    SetTimer(nullptr, 0, 50, CloseTransfer);
    Konvert(owner, {.cQuelle = source, .cZiel = target, .lSubOrd = subOrd, .lSimulier = simulate, .cExtens = "JPG",
                    .cDFBeg = "Sony", .nSpeicher = 8, .cMyPath = scratch.Dos() + "\\program"});
    DestroyWindow(owner->hWnd);

    Clock& t = Times();
    double open = t.shown - t.start;
    std::printf("open-selection: 20,000 pictures from the click on start to the list shown in %.3f s\n", open);
    std::printf("open-selection: peak working set %.1f MB with the 20,000-picture list open\n", t.peakMb);
    bench::Report("open-selection", open, reference);
    bench::ReportFloor("open-selection", open, floor);
    bench::Report("selection-toggle", t.toggle, 0.020);
}
