#pragma once
// Shared helpers of the benchmarks: a scratch folder reachable from Wine and from the
// host, wall-clock timing, native reference commands timed by the host shell, and the
// result line "NAME: ours X s, reference Y s, ratio R".
#include <windows.h>

#include <cstdio>
#include <functional>
#include <string>
#include <vector>

#include "app/transfer/collection.h"
#include "app/transfer/transfer_ui.h"

namespace pixa::bench {

// A scratch folder below the host's /tmp (Z:\tmp\... inside Wine), removed afterwards.
class Scratch {
public:
    explicit Scratch(const std::string& name) {
        unix_ = "/tmp/pixa-bench-" + name + "-" + std::to_string(GetCurrentProcessId());
        dos_ = ToDos(unix_);
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

// Prints the result line.
inline void Report(const char* name, double ours, double reference) {
    std::printf("%s: ours %.3f s, reference %.3f s, ratio %.2f\n", name, ours, reference, ours / reference);
    std::fflush(stdout);
}

// A progress that shows nothing but processes pending window messages on every pump,
// as the progress dialog does.
class PumpingProgress : public SilentProgress {
public:
    void Pump() override {
        MSG msg;
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&msg);
    }
};

// Message boxes that show nothing.
class NoPrompts : public TransferPrompts {
public:
    void Info(const std::string&, const std::string&) override {}
    void Stop(const std::string&, const std::string&) override {}
    bool NoYes(const std::string&, const std::string&) override { return true; }
};

}  // namespace pixa::bench
