#pragma once
// Shared helpers of the benchmarks: a scratch folder reachable from Wine and from the
// host, the card medium, wall-clock timing, native reference commands timed by the host
// shell, the bare Win32 loops that are the platform's floor, and the result lines
// "NAME: ours X s, reference Y s, ratio R" and "NAME-floor: ours X s, reference F s, ratio R".
#include <windows.h>
#include <psapi.h>

#include <chrono>
#include <cstdio>
#include <functional>
#include <string>
#include <vector>

#include "app/transfer/collection.h"
#include "app/transfer/pump_limit.h"
#include "app/transfer/transfer_ui.h"
#include "tests/support/layers.h"

namespace pixa::bench {

// A scratch folder below the host's /tmp (Z:\tmp\... inside Wine), or below the root of
// a drive letter that maps a host folder, removed afterwards.
class Scratch {
public:
    explicit Scratch(const std::string& name, const std::string& unixRoot = "/tmp", const std::string& dosRoot = "")
        : unix_(unixRoot + "/pixa-bench-" + name + "-" + std::to_string(GetCurrentProcessId())) {
        dos_ = dosRoot.empty() ? ToDos(unix_) : dosRoot + "\\" + unix_.substr(unixRoot.size() + 1);
        CreateDirectoryA(dos_.c_str(), nullptr);
    }
    ~Scratch() { Host("rm -rf '" + unix_ + "'"); }
    Scratch(const Scratch&) = delete;
    Scratch& operator=(const Scratch&) = delete;

    // The folder as Wine sees it (Z:\tmp\...), without a trailing "\".
    const std::string& Dos() const { return dos_; }
    // The folder as the host sees it (/tmp/...).
    const std::string& Unix() const { return unix_; }

    static std::string ToDos(const std::string& unixPath) {
        std::string dos = "Z:" + unixPath;
        for (char& c : dos)
            if (c == '/') c = '\\';
        return dos;
    }

    // Runs a shell command on the host and returns its wall-clock seconds, measured there.
    double Host(const std::string& command) const {
        static int counter = 0;
        std::string base = "/tmp/pixa-bench-host-" + std::to_string(GetCurrentProcessId()) + "-" +
                           std::to_string(++counter);
        std::string script = "s=$(date +%s.%N)\n" + command + "\ne=$(date +%s.%N)\n" +
                             "awk \"BEGIN{print $e - $s}\" > " + base + ".time\nmv " + base + ".time " + base +
                             ".done\n";
        WriteText(ToDos(base + ".sh"), script);
        STARTUPINFOA startup{};
        startup.cb = sizeof startup;
        PROCESS_INFORMATION process{};
        std::string line = "Z:\\bin\\sh " + base + ".sh";
        double seconds = -1;
        if (CreateProcessA(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process)) {
            CloseHandle(process.hProcess);
            CloseHandle(process.hThread);
            // A host process cannot be waited for through its handle: wait for its result file.
            std::string done = ToDos(base + ".done");
            while (GetFileAttributesA(done.c_str()) == INVALID_FILE_ATTRIBUTES) Sleep(5);
            Sleep(20);
            std::sscanf(ReadText(done).c_str(), "%lf", &seconds);
            DeleteFileA(done.c_str());
        }
        DeleteFileA(ToDos(base + ".sh").c_str());
        return seconds;
    }

    static void WriteText(const std::string& path, const std::string& text) {
        HANDLE h = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
        DWORD written = 0;
        WriteFile(h, text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
        CloseHandle(h);
    }
    static std::string ReadText(const std::string& path) {
        HANDLE h = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
        char buffer[256] = {};
        DWORD got = 0;
        ReadFile(h, buffer, sizeof buffer - 1, &got, nullptr);
        CloseHandle(h);
        return std::string(buffer, got);
    }

private:
    std::string unix_, dos_;
};

// A host command that fills the host folder (made when missing) with count pictures
// IMG_<n>.JPG of the given size in random bytes.
inline std::string RandomPictures(const std::string& unixFolder, int count, std::size_t bytes) {
    return "mkdir -p '" + unixFolder + "' && cd '" + unixFolder + "' && for i in $(seq -w 1 " +
           std::to_string(count) + "); do head -c " + std::to_string(bytes) + " /dev/urandom > IMG_$i.JPG; done";
}

// The "JPG" files of a folder without its subfolders, collected and ordered as the transfer does.
inline std::vector<std::string> CollectPictures(const std::string& dosFolder) {
    SilentProgress silent;
    return CollectFiles({.source = dosFolder + "\\", .includeSub = false, .target = "", .extens = "JPG"}, silent);
}

// Wall-clock seconds that fn takes.
inline double Seconds(const std::function<void()>& fn) {
    LARGE_INTEGER frequency, start, end;
    QueryPerformanceFrequency(&frequency);
    QueryPerformanceCounter(&start);
    fn();
    QueryPerformanceCounter(&end);
    return double(end.QuadPart - start.QuadPart) / double(frequency.QuadPart);
}

// Prints the result line against the native tool.
inline void Report(const char* name, double ours, double reference) {
    std::printf("%s: ours %.3f s, reference %.3f s, ratio %.2f\n", name, ours, reference, ours / reference);
    std::fflush(stdout);
}

// Prints the result line against the platform's floor.
inline void ReportFloor(const char* name, double ours, double floor) {
    std::printf("%s-floor: ours %.3f s, reference %.3f s, ratio %.2f\n", name, ours, floor, ours / floor);
    std::fflush(stdout);
}

// The most memory the process has held in RAM so far, in MB (its peak working set).
inline double PeakWorkingSetMb() {
    PROCESS_MEMORY_COUNTERS counters{};
    counters.cb = sizeof counters;
    if (!GetProcessMemoryInfo(GetCurrentProcess(), &counters, sizeof counters)) return -1;
    return double(counters.PeakWorkingSetSize) / (1024.0 * 1024.0);
}

// The machine's load beside a measurement (the host's load average).
inline void ReportLoad(const char* name, const Scratch& scratch) {
    std::string file = "/tmp/pixa-bench-load-" + std::to_string(GetCurrentProcessId()) + ".txt";
    scratch.Host("printf '%s: load %s\\n' '" + std::string(name) + "' \"$(cut -d' ' -f1-3 /proc/loadavg)\" > " + file);
    std::printf("%s", Scratch::ReadText(Scratch::ToDos(file)).c_str());
    DeleteFileA(Scratch::ToDos(file).c_str());
}

// The card the copy benchmarks write to: the drive letter that scripts/bench.sh maps to a
// tmpfs (arguments: drive, host folder, medium), else a folder under /tmp on the disk.
struct CardMedium {
    std::string dosRoot;           // "M:", or empty for the disk
    std::string unixRoot = "/tmp"; // the host folder behind it
    std::string kind = "disk";     // what the medium is

    static CardMedium FromArgs(int argc, char** argv) {
        CardMedium card;
        if (argc >= 4 && GetDriveTypeA((std::string(argv[1]) + "\\").c_str()) != DRIVE_NO_ROOT_DIR)
            card = {argv[1], argv[2], argv[3]};
        return card;
    }
    std::string Describe() const { return dosRoot.empty() ? kind + " (/tmp)" : kind + " as drive " + dosRoot; }
};

// A progress that shows nothing but processes pending window messages, as the progress
// dialog does: at most every 10 ms (PumpLimit), since each pump is a round trip to the
// window server.
class PumpingProgress : public SilentProgress {
public:
    void Pump() override {
        if (!limit_.Due()) return;
        MSG msg;
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&msg);
    }

private:
    PumpLimit limit_;
};

// The platform's floor of copying: each file read and written in 1 MiB blocks, flushed
// once and closed, under its final name.
inline bool FloorCopy(const std::vector<std::pair<std::string, std::string>>& copies) {
    std::vector<char> buffer(1 << 20);
    bool ok = true;
    for (const auto& [from, to] : copies) {
        HANDLE in = CreateFileA(from.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                FILE_FLAG_SEQUENTIAL_SCAN, nullptr);
        HANDLE out = CreateFileA(to.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
        DWORD got = 0, written = 0;
        while (in != INVALID_HANDLE_VALUE && out != INVALID_HANDLE_VALUE &&
               ReadFile(in, buffer.data(), static_cast<DWORD>(buffer.size()), &got, nullptr) && got > 0)
            ok &= WriteFile(out, buffer.data(), got, &written, nullptr) && written == got;
        ok &= in != INVALID_HANDLE_VALUE && out != INVALID_HANDLE_VALUE && FlushFileBuffers(out);
        CloseHandle(in);
        CloseHandle(out);
    }
    return ok;
}

// The platform's floor of walking a tree: one FindFirstFileExA/FindNextFileA listing per
// folder; with sizes, one attribute query per file as well. Returns the number of files.
inline std::size_t FloorWalk(const std::string& root, bool sizes) {
    std::size_t files = 0;
    std::vector<std::string> folders{root};
    while (!folders.empty()) {
        std::string folder = std::move(folders.back());
        folders.pop_back();
        WIN32_FIND_DATAA data;
        HANDLE search = FindFirstFileExA((folder + "\\*").c_str(), FindExInfoBasic, &data, FindExSearchNameMatch,
                                         nullptr, FIND_FIRST_EX_LARGE_FETCH);
        if (search == INVALID_HANDLE_VALUE) continue;
        do {
            if (data.cFileName[0] == '.') continue;
            std::string path = folder + "\\" + data.cFileName;
            if (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
                folders.push_back(path);
                continue;
            }
            ++files;
            WIN32_FILE_ATTRIBUTE_DATA info;
            if (sizes && !GetFileAttributesExA(path.c_str(), GetFileExInfoStandard, &info)) --files;
        } while (FindNextFileA(search, &data));
        FindClose(search);
    }
    return files;
}

// A host command that makes the collection tree: 100 folders with 19 subfolders each
// (2,000 folders), 20 pictures in the first subfolder and 10 in each other (20,000 files).
inline std::string PictureTree(const std::string& unixFolder) {
    return "cd '" + unixFolder +
           "' && python3 -c \""
           "import os\n"
           "for d in range(100):\n"
           "  top = 'Ordner%03d' % d\n"
           "  for s in range(19):\n"
           "    os.makedirs('%s/Sub%02d' % (top, s))\n"
           "    for f in range(10 if s else 20): open('%s/Sub%02d/IMG_%04d.JPG' % (top, s, f), 'w').close()\n"
           "\"";
}

// Message boxes that show nothing.
class NoPrompts : public TransferPrompts {
public:
    void Info(const std::string&, const std::string&) override {}
    void Stop(const std::string&, const std::string&) override {}
    bool NoYes(const std::string&, const std::string&) override { return true; }
};

}  // namespace pixa::bench
