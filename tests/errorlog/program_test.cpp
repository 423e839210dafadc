// The real program, driven from outside its process: the error log of an earlier
// run is offered before anything else is on the screen.
#include <gtest/gtest.h>
#include <windows.h>

#include <filesystem>
#include <string>

#include "tests/support/temp_dir.h"

namespace {

constexpr const char* kMainTitle = " Qor Pixaport v1.05";

std::string WinePath(const char* unixPath) {
    std::string path = "Z:" + std::string(unixPath);
    for (char& c : path)
        if (c == '/') c = '\\';
    return path;
}

// A top-level window of the process with this title, or null.
HWND WindowOf(DWORD pid, const char* title) {
    for (HWND w = FindWindowExA(nullptr, nullptr, nullptr, title); w; w = FindWindowExA(nullptr, w, nullptr, title)) {
        DWORD owner = 0;
        GetWindowThreadProcessId(w, &owner);
        if (owner == pid) return w;
    }
    return nullptr;
}

// The visible top-level windows of the process other than one.
int OtherVisibleWindows(DWORD pid, HWND except) {
    struct Count {
        DWORD pid;
        HWND except;
        int n;
    } count{pid, except, 0};
    EnumWindows(
        [](HWND w, LPARAM data) -> BOOL {
            auto* c = reinterpret_cast<Count*>(data);
            DWORD owner = 0;
            GetWindowThreadProcessId(w, &owner);
            if (owner == c->pid && w != c->except && IsWindowVisible(w)) ++c->n;
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&count));
    return count.n;
}

template <typename F>
bool WaitFor(F ready, int tenths = 200) {
    for (int i = 0; i < tenths; ++i, Sleep(100))
        if (ready()) return true;
    return false;
}

// Presses Enter in a window of another process: at its thread's focus window.
void PressEnterIn(HWND window) {
    DWORD thread = GetWindowThreadProcessId(window, nullptr);
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    HWND target = GetGUIThreadInfo(thread, &info) && info.hwndFocus ? info.hwndFocus : window;
    PostMessageA(target, WM_KEYDOWN, VK_RETURN, 1);
    PostMessageA(target, WM_KEYUP, VK_RETURN, 0xC0000001);
}

class ErrorLogProgram : public ::testing::Test {
protected:
    void SetUp() override {
        exe_ = dir_ / "pixaport.exe";
        ASSERT_TRUE(CopyFileA(WinePath(PIXA_PROGRAM_EXE).c_str(), exe_.c_str(), FALSE));
    }
    void TearDown() override {
        if (!process_.hProcess) return;
        TerminateProcess(process_.hProcess, 1);
        WaitForSingleObject(process_.hProcess, 5000);
        CloseHandle(process_.hProcess);
        CloseHandle(process_.hThread);
    }
    void Start() {
        STARTUPINFOA si{};
        si.cb = sizeof si;
        std::string command = "\"" + exe_ + "\"";
        ASSERT_TRUE(CreateProcessA(exe_.c_str(), command.data(), nullptr, nullptr, FALSE, 0, nullptr, "C:\\", &si,
                                   &process_));
    }
    bool Exists(const char* name) const { return std::filesystem::exists(dir_.path() / name); }

    pixa::test::TempDir dir_;
    std::string exe_;
    PROCESS_INFORMATION process_{};
};

TEST_F(ErrorLogProgram, TheLogIsOfferedBeforeEverythingElseAndEnterDeletesIt) {
    dir_.Write("Error.log", "Application\r\n===========\r\n\x1A");
    dir_.Write("ZYQERROR.LOG", "old");
    Start();
    HWND dialog = nullptr;
    ASSERT_TRUE(WaitFor([&] { return (dialog = WindowOf(process_.dwProcessId, "Fehlerprotokoll")) != nullptr; }));
    ASSERT_TRUE(WaitFor([&] { return IsWindowVisible(dialog) != 0; }));
    EXPECT_EQ(OtherVisibleWindows(process_.dwProcessId, dialog), 0);
    EXPECT_EQ(WindowOf(process_.dwProcessId, kMainTitle), nullptr);

    PressEnterIn(dialog);
    ASSERT_TRUE(WaitFor([&] { return !Exists("Error.log"); }));
    EXPECT_FALSE(Exists("ZYQERROR.LOG"));
    HWND main = nullptr;
    ASSERT_TRUE(WaitFor([&] { return (main = WindowOf(process_.dwProcessId, kMainTitle)) != nullptr; }));
    PostMessageA(main, WM_CLOSE, 0, 0);
    EXPECT_EQ(WaitForSingleObject(process_.hProcess, 20000), WAIT_OBJECT_0);
}

}  // namespace
