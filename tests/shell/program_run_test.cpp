// Starts the real program from a program folder of its own, as a user would,
// and checks the window it opens and what it leaves behind.
#include <gtest/gtest.h>
#include <windows.h>

#include <filesystem>

#include "tests/support/temp_dir.h"

namespace {

constexpr const char* kTitle = " Qor Pixaport v1.05";

// The build's program, seen from inside Wine (Z: is the Unix root).
std::string ProgramPath() {
    std::string path = "Z:" + std::string(PIXA_PROGRAM_EXE);
    for (char& c : path) if (c == '/') c = '\\';
    return path;
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

    RECT rect;
    GetWindowRect(hwnd, &rect);
    EXPECT_EQ(rect.left, 0);
    EXPECT_EQ(rect.top, 0);
    EXPECT_EQ(rect.right - rect.left, 641);
    EXPECT_EQ(rect.bottom - rect.top, 481);

    std::string ini = dir_.Read("PIXAPORT.INI");
    EXPECT_NE(ini.find("Product=Qor Pixaport v1.05"), std::string::npos) << ini;
    EXPECT_NE(ini.find("Copyright="), std::string::npos) << ini;
    EXPECT_NE(ini.find("MyPath=" + dir_.str() + "\r\n"), std::string::npos) << ini;
    EXPECT_EQ(ini.find("[Data]"), std::string::npos) << ini;

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
    RECT rect;
    GetWindowRect(hwnd, &rect);
    EXPECT_EQ(rect.left, 20);
    EXPECT_EQ(rect.top, 10);
    EXPECT_EQ(rect.right - rect.left, 400);
    EXPECT_EQ(rect.bottom - rect.top, 300);
    ASSERT_TRUE(CloseAndWait(hwnd));
    std::string ini = dir_.Read("PIXAPORT.INI");
    EXPECT_NE(ini.find("Quelle=C:\\Bilder\r\nZiel=E:\\DCIM\r\n"), std::string::npos) << ini;
}

}  // namespace
