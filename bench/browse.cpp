// browse: a browse list over a 100,000-row work table (5,000 rows hidden) on a dialog
// on the screen. Times one scrolling GoDown, one PageDown and one thumb drag to the
// middle, painting included, against a frame at 60 Hz and against the floor: a bare
// Win32 window doing the same platform work (scrolling, ExtTextOut of the rows, moving
// its scroll bar's thumb).
// Then the memory the browse takes over 1,000 and over 100,000 rows.
#include <windows.h>
#include <psapi.h>

#include <algorithm>
#include <string>
#include <vector>

#include "app/transfer/table_areas.h"
#include "app/transfer/table_browse_source.h"
#include "bench/bench_support.h"
#include "framework/services/browse.h"
#include "framework/window/dialog.h"
#include "runtime/settings.h"
#include "tests/support/layers.h"

using namespace pixa;

namespace {

constexpr double kFrame = 0.016;

void Pump() {
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
}

// Seconds of one run of step, painting flushed, as the median of count runs.
double Median(int count, const std::function<void()>& step, const std::function<void()>& between = {}) {
    std::vector<double> times;
    for (int i = 0; i < count; ++i) {
        if (between) between();
        times.push_back(bench::Seconds([&] {
            step();
            Pump();  // whatever the step left to paint
            GdiFlush();
        }));
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

// The table "BRW": rows pictures, every 20th hidden.
void MakeTable(const std::string& folder, long rows) {
    std::string path = folder + "\\BRW.DBF";
    DbfTable::Create(path, {{"COPY", 'L', 1, 0}, {"BILD", 'C', 150, 0}, {"SIZE", 'N', 10, 0}});
    auto table = DbUseArea(path, "BRW");
    for (long n = 1; n <= rows; ++n) {
        table->Append();
        table->PutLogical(0, n % 3 != 0);
        char name[64];
        std::snprintf(name, sizeof name, "...~\\urlaub%03ld\\IMG_%06ld.JPG", n / 1000, n);
        table->PutText(1, name);
        table->PutNumber(2, 1000.0 * (n % 5000));
        if (n % 20 == 0) table->Delete();
    }
    table->GoTop();
}

// A 16 x 16 mark: a black square on white.
HBITMAP MakeMark() {
    HDC screen = GetDC(nullptr);
    HBITMAP mark = CreateCompatibleBitmap(screen, 16, 16);
    HDC dc = CreateCompatibleDC(screen);
    HGDIOBJ old = SelectObject(dc, mark);
    RECT all{0, 0, 16, 16};
    FillRect(dc, &all, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    Rectangle(dc, 2, 2, 14, 14);
    SelectObject(dc, old);
    DeleteDC(dc);
    ReleaseDC(nullptr, screen);
    return mark;
}

struct Shown {
    std::shared_ptr<TDialog> dialog;
    std::shared_ptr<TWBrowse> browse;
};

// The selection list's dialog and browse over "BRW".
Shown ShowBrowse(HBITMAP mark) {
    auto table = DbArea("BRW");
    Shown shown;
    shown.dialog = TDialog::New({.cCaption = "Browse", .lPixel = true, .nWidth = 600, .nHeight = 390});
    Action line([table, mark](const Args&) {
        std::string name(table->GetText(1));
        return Value::MakeArray({Value(static_cast<long long>(reinterpret_cast<INT_PTR>(mark))),
                                 name.substr(0, name.find_last_not_of(' ') + 1),
                                 " " + std::to_string(static_cast<long long>(table->GetNumber(2)))});
    });
    shown.browse = TWBrowse::New({.nRow = 15, .nWidth = 300, .nHeight = 154, .bLine = line,
                                  .aHeaders = {"", " Dateiname", " Gr\xf6\xdf" "e KB"}, .aColSizes = {22, 500, 20},
                                  .oWnd = shown.dialog, .cAlias = "BRW", .lPixel = true});
    shown.browse->nLineStyle = 3;
    shown.dialog->Activate({.lModal = false});
    shown.browse->SetFocus();
    Pump();
    return shown;
}

// The floor: a plain window that scrolls its rows and draws rows of text with ExtTextOut.
class Floor {
public:
    Floor(int rows, int lineHeight) : rows_(rows), h_(lineHeight) {
        WNDCLASSA wc{};
        wc.lpfnWndProc = Proc;
        wc.hInstance = GetModuleHandleA(nullptr);
        wc.lpszClassName = "BrowseFloor";
        RegisterClassA(&wc);
        hWnd_ = CreateWindowA("BrowseFloor", "Floor", WS_POPUP | WS_VISIBLE | WS_VSCROLL, 620, 20, 600, 308, nullptr,
                              nullptr, wc.hInstance, this);
        SetWindowLongPtrA(hWnd_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
        SetScrollRange(hWnd_, SB_VERT, 1, 10000, TRUE);
        Pump();
    }
    ~Floor() { DestroyWindow(hWnd_); }

    // One row of text at screen row r.
    void Row(HDC dc, int r) {
        RECT cell{0, r * h_, 580, (r + 1) * h_};
        char text[64];
        int n = std::snprintf(text, sizeof text, "...~\\urlaub%03d\\IMG_%06d.JPG", r, ++counter_);
        ExtTextOutA(dc, 2, r * h_, ETO_CLIPPED | ETO_OPAQUE, &cell, text, n, nullptr);
    }
    // Moves the thumb as a browse over 100,000 rows does: one position per ten rows.
    void Thumb(int rows) {
        moved_ += rows;
        if (moved_ >= 10) SetScrollPos(hWnd_, SB_VERT, thumb_ = thumb_ % 9999 + 1, TRUE), moved_ %= 10;
    }
    // Scrolls the rows up by one line, draws the new last row, moves the thumb.
    void Down() {
        Thumb(1);
        RECT area{0, h_, 580, (rows_ + 1) * h_};
        ScrollWindowEx(hWnd_, 0, -h_, &area, &area, nullptr, nullptr, 0);
        HDC dc = GetDC(hWnd_);
        Row(dc, rows_);
        ReleaseDC(hWnd_, dc);
    }
    // Draws every row once, moves the thumb.
    void Page() {
        Thumb(rows_);
        HDC dc = GetDC(hWnd_);
        for (int r = 0; r <= rows_; ++r) Row(dc, r);
        ReleaseDC(hWnd_, dc);
    }
    // A full repaint through WM_PAINT after the thumb moved.
    void Repaint() {
        SetScrollPos(hWnd_, SB_VERT, thumb_ = thumb_ == 5000 ? 4999 : 5000, TRUE);
        InvalidateRect(hWnd_, nullptr, FALSE);
        UpdateWindow(hWnd_);
    }

private:
    static LRESULT CALLBACK Proc(HWND hWnd, UINT msg, WPARAM wp, LPARAM lp) {
        if (msg == WM_PAINT) {
            PAINTSTRUCT ps;
            HDC dc = BeginPaint(hWnd, &ps);
            auto* self = reinterpret_cast<Floor*>(GetWindowLongPtrA(hWnd, GWLP_USERDATA));
            if (self)
                for (int r = 0; r <= self->rows_; ++r) self->Row(dc, r);
            EndPaint(hWnd, &ps);
            return 0;
        }
        return DefWindowProcA(hWnd, msg, wp, lp);
    }
    HWND hWnd_ = nullptr;
    int rows_, h_, counter_ = 0, moved_ = 0, thumb_ = 1;
};

SIZE_T PrivateBytes() {
    PROCESS_MEMORY_COUNTERS_EX counters{};
    counters.cb = sizeof counters;
    GetProcessMemoryInfo(GetCurrentProcess(), reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&counters), sizeof counters);
    // Wine reports the committed private memory as the page-file usage only.
    return std::max(counters.PrivateUsage, counters.PagefileUsage);
}

struct Memory {
    long long table = 0;   // what the work table itself takes
    long long browse = 0;  // what showing and moving the browse over it adds
};

// Memory of a work table of rows, and of a browse shown over it and moved through it.
Memory MemoryOf(const std::string& folder, long rows, HBITMAP mark) {
    Memory memory;
    SIZE_T start = PrivateBytes();
    MakeTable(folder, rows);
    SIZE_T before = PrivateBytes();
    Shown shown = ShowBrowse(mark);
    for (int i = 0; i < 50; ++i) shown.browse->PageDown();
    shown.browse->GoBottom();
    Pump();
    memory.table = static_cast<long long>(before) - static_cast<long long>(start);
    memory.browse = static_cast<long long>(PrivateBytes()) - static_cast<long long>(before);
    DestroyWindow(shown.dialog->hWnd);
    Pump();
    DbCloseAll();
    return memory;
}

void Line(const char* name, double ours, double floor) {
    bench::Report(name, ours, kFrame);
    std::printf("  ours %.5f s, floor (bare Win32 window, same platform work) %.5f s, ratio %.1f\n", ours, floor,
                ours / floor);
}

}  // namespace

int main() {
    Settings().deletedHidden = true;
    UseTablesForBrowse();
    bench::Scratch scratch("browse");
    HBITMAP mark = MakeMark();
    MakeTable(scratch.Dos(), 100000);
    Shown shown = ShowBrowse(mark);
    auto& browse = shown.browse;
    const int rows = browse->nRowCount();
    Floor floor(rows, browse->LineHeight());

    while (browse->nRowPos < rows) browse->GoDown();
    double down = Median(301, [&] { browse->GoDown(); });
    double downFloor = Median(301, [&] { floor.Down(); });
    Line("browse-down", down, downFloor);

    browse->GoTop();
    double page = Median(201, [&] { browse->PageDown(); }, [&] {
        if (browse->lHitBottom) browse->GoTop();
    });
    double pageFloor = Median(201, [&] { floor.Page(); });
    Line("browse-page", page, pageFloor);

    auto thumbTo = [&](int position) {
        SendMessageA(browse->hWnd, WM_VSCROLL, MAKEWPARAM(SB_THUMBTRACK, position), 0);
        SendMessageA(browse->hWnd, WM_VSCROLL, MAKEWPARAM(SB_THUMBPOSITION, position), 0);
        SendMessageA(browse->hWnd, WM_VSCROLL, MAKEWPARAM(SB_ENDSCROLL, 0), 0);
    };
    double thumb = Median(21, [&] { thumbTo(5000); }, [&] {
        browse->GoTop();
        Pump();
    });
    double thumbFloor = Median(21, [&] { floor.Repaint(); });
    Line("browse-thumb", thumb, thumbFloor);

    DestroyWindow(shown.dialog->hWnd);
    Pump();
    DbCloseAll();
    Memory small = MemoryOf(scratch.Dos(), 1000, mark);
    Memory large = MemoryOf(scratch.Dos(), 100000, mark);
    std::printf("browse-memory: the browse adds %lld KB over 1,000 rows and %lld KB over 100,000 rows "
                "(growth %lld KB); the work table itself takes %lld KB and %lld KB\n",
                small.browse / 1024, large.browse / 1024, (large.browse - small.browse) / 1024, small.table / 1024,
                large.table / 1024);
    DeleteObject(mark);
}
