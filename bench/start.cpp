// start: from starting pixaport.exe to its first window on screen, against a native X
// program (xmessage) on the host and against the floor: a minimal Win32 program that
// opens one window, under the same Wine. Arguments: pixaport.exe, the minimal program.
#include <algorithm>

#include "bench/bench_support.h"
#include "tests/support/layers.h"

namespace {

struct Search {
    DWORD process;
    bool found;
};

BOOL CALLBACK FindShown(HWND window, LPARAM data) {
    auto* search = reinterpret_cast<Search*>(data);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (owner == search->process && IsWindowVisible(window)) {
        search->found = true;
        return FALSE;
    }
    return TRUE;
}

// Seconds from starting the program (in its own folder) to its first visible top-level
// window; the program is ended afterwards. -1 when it showed nothing within 60 s.
double FirstWindow(const std::string& exe, const std::string& folder) {
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    std::string line = "\"" + exe + "\"";
    double seconds = -1;
    double spent = pixa::bench::Seconds([&] {
        if (!CreateProcessA(exe.c_str(), line.data(), nullptr, nullptr, FALSE, 0, nullptr, folder.c_str(), &startup,
                            &process))
            return;
        Search search{process.dwProcessId, false};
        for (int polls = 0; polls < 60000 && !search.found; ++polls) {
            EnumWindows(FindShown, reinterpret_cast<LPARAM>(&search));
            if (!search.found) Sleep(1);
        }
        if (search.found) seconds = 0;
    });
    if (process.hProcess) {
        TerminateProcess(process.hProcess, 0);
        WaitForSingleObject(process.hProcess, 10000);
        CloseHandle(process.hProcess);
        CloseHandle(process.hThread);
    }
    return seconds < 0 ? -1 : spent;
}

// The median of three measurements.
double Median3(const std::function<double()>& measure) {
    double runs[3] = {measure(), measure(), measure()};
    std::sort(runs, runs + 3);
    return runs[1];
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 3) {
        std::printf("start: usage: bench_start.exe PIXAPORT.EXE MINIMAL.EXE\n");
        return 2;
    }
    pixa::bench::Scratch scratch("start");
    // The program runs from a folder of its own, as installed: its configuration is written there.
    std::string exe = scratch.Dos() + "\\pixaport.exe", minimal = scratch.Dos() + "\\minimal.exe";
    CopyFileA(argv[1], exe.c_str(), FALSE);
    CopyFileA(argv[2], minimal.c_str(), FALSE);
    pixa::bench::ReportLoad("start", scratch);
    double reference = Median3([&] {
        // Waits while xmessage runs, at most about a minute.
        return scratch.Host("xmessage -geometry +0+0 pixa-start & p=$!\n"
                            "n=0\n"
                            "until xdotool search --onlyvisible --name '^xmessage$' >/dev/null 2>&1; do\n"
                            "  n=$((n + 1)); kill -0 $p 2>/dev/null && [ $n -lt 6000 ] || break\n"
                            "done\n"
                            "kill $p 2>/dev/null");
    });
    double floor = Median3([&] { return FirstWindow(minimal, scratch.Dos()); });
    double ours = Median3([&] { return FirstWindow(exe, scratch.Dos()); });
    pixa::bench::Report("start", ours, reference);
    pixa::bench::ReportFloor("start", ours, floor);
}
