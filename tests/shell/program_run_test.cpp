// Starts the real program from a program folder of its own, as a user would,
// and checks the window it opens and what it leaves behind.
#include <gtest/gtest.h>
#include <windows.h>

#include <filesystem>
#include <ostream>

#include "tests/support/temp_dir.h"

namespace {

constexpr const char* kTitle = " Qor Pixaport v1.05";

// The build's program, seen from inside Wine (Z: is the Unix root).
std::string ProgramPath() {
    std::string path = "Z:" + std::string(PIXA_PROGRAM_EXE);
    for (char& c : path) if (c == '/') c = '\\';
    return path;
}

// A window's outer rectangle as left, top, width and height.
struct Placement {
    long left, top, width, height;
    bool operator==(const Placement&) const = default;
};

std::ostream& operator<<(std::ostream& out, const Placement& p) {
    return out << p.width << "x" << p.height << " at " << p.left << "," << p.top;
}

Placement OuterRect(HWND hwnd) {
    RECT rect;
    GetWindowRect(hwnd, &rect);
    return {rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top};
}

class ProgramRun : public ::testing::Test {
protected:
    void SetUp() override {
        exe_ = dir_ / "pixaport.exe";
        ASSERT_TRUE(CopyFileA(ProgramPath().c_str(), exe_.c_str(), FALSE)) << ProgramPath();
    }
    void TearDown() override {
        if (process_.hProcess) {
            TerminateProcess(process_.hProcess, 1);
            WaitForSingleObject(process_.hProcess, 5000);
            CloseHandle(process_.hProcess);
            CloseHandle(process_.hThread);
        }
    }

    // Starts the program from another current folder, so it must find its own.
    HWND Start() {
        if (process_.hProcess) {
            CloseHandle(process_.hProcess);
            CloseHandle(process_.hThread);
            process_ = {};
        }
        STARTUPINFOA si{};
        si.cb = sizeof si;
        std::string command = "\"" + exe_ + "\"";
        EXPECT_TRUE(CreateProcessA(exe_.c_str(), command.data(), nullptr, nullptr, FALSE, 0, nullptr, "C:\\", &si,
                                   &process_));
        for (int i = 0; i < 200; ++i) {
            HWND hwnd = FindWindowA(nullptr, kTitle);
            if (hwnd && IsWindowVisible(hwnd)) return hwnd;
            Sleep(50);
        }
        return nullptr;
    }

    // Closes the window the way the system close command does and waits for the process to end.
    bool CloseAndWait(HWND hwnd) {
        PostMessageA(hwnd, WM_CLOSE, 0, 0);
        return WaitForSingleObject(process_.hProcess, 10000) == WAIT_OBJECT_0;
    }

    pixa::test::TempDir dir_;
    std::string exe_;
    PROCESS_INFORMATION process_{};
};

TEST_F(ProgramRun, FirstStartOpensTheDefaultWindowAndShutdownStoresFoldersAndDeletesTheTable) {
    dir_.Write("TEMP.DBF", "left over from an earlier run");
    HWND hwnd = Start();
    ASSERT_NE(hwnd, nullptr) << "no window titled '" << kTitle << "'";

    EXPECT_EQ(OuterRect(hwnd), (Placement{0, 0, 641, 481}));
    LONG style = GetWindowLongA(hwnd, GWL_STYLE);
    for (LONG bit : {WS_CLIPCHILDREN, WS_THICKFRAME, WS_CAPTION, WS_SYSMENU, WS_MINIMIZEBOX})
        EXPECT_EQ(style & bit, bit) << std::hex << bit;
    EXPECT_EQ(style & (WS_MAXIMIZEBOX | WS_VSCROLL | WS_HSCROLL), 0);

    std::string ini = dir_.Read("PIXAPORT.INI");
    EXPECT_NE(ini.find("Product=Qor Pixaport v1.05"), std::string::npos) << ini;
    EXPECT_NE(ini.find("Copyright="), std::string::npos) << ini;
    EXPECT_NE(ini.find("MyPath=" + dir_.str() + "\r\n"), std::string::npos) << ini;
    EXPECT_EQ(ini.find("[Data]"), std::string::npos) << ini;
    EXPECT_EQ(ini.find("[Pixaport]"), std::string::npos) << ini;  // not moved yet

    ASSERT_TRUE(CloseAndWait(hwnd));
    ini = dir_.Read("PIXAPORT.INI");
    EXPECT_NE(ini.find("[Data]\r\nQuelle=\r\nZiel=\r\n"), std::string::npos) << ini;
    EXPECT_FALSE(std::filesystem::exists(dir_.path() / "TEMP.DBF"));
}

TEST_F(ProgramRun, OpensAtTheRememberedRectangleAndKeepsConfiguredFolders) {
    dir_.Write("PIXAPORT.INI",
               "[Data]\r\nQuelle=C:\\Bilder\r\nZiel=E:\\DCIM\r\n"
               "[Pixaport]\r\nTop=10\r\nLeft=20\r\nBottom=309\r\nRight=419\r\n");
    HWND hwnd = Start();
    ASSERT_NE(hwnd, nullptr);
    EXPECT_EQ(OuterRect(hwnd), (Placement{20, 10, 400, 300}));
    ASSERT_TRUE(CloseAndWait(hwnd));
    std::string ini = dir_.Read("PIXAPORT.INI");
    EXPECT_NE(ini.find("Quelle=C:\\Bilder\r\nZiel=E:\\DCIM\r\n"), std::string::npos) << ini;
}

TEST_F(ProgramRun, MovingStoresTheSnappedRectangleAndResizingAloneStoresNothing) {
    HWND hwnd = Start();
    ASSERT_NE(hwnd, nullptr);
    SetWindowPos(hwnd, nullptr, 0, 0, 700, 300, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    Sleep(200);
    EXPECT_EQ(dir_.Read("PIXAPORT.INI").find("[Pixaport]"), std::string::npos) << dir_.Read("PIXAPORT.INI");

    // 645 pixels wide snaps to 640 (stored right = left + 640, so 641 wide at the next start).
    SetWindowPos(hwnd, nullptr, 60, 50, 645, 300, SWP_NOZORDER | SWP_NOACTIVATE);
    ASSERT_TRUE(CloseAndWait(hwnd));
    std::string ini = dir_.Read("PIXAPORT.INI");
    EXPECT_NE(ini.find("[Pixaport]\r\nTop=50\r\nLeft=60\r\nBottom=349\r\nRight=700\r\n"), std::string::npos)
        << ini;

    hwnd = Start();
    ASSERT_NE(hwnd, nullptr);
    EXPECT_EQ(OuterRect(hwnd), (Placement{60, 50, 641, 300}));
}

}  // namespace
