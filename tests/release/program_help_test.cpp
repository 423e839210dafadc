// The real program's help: "&Hilfe" in its transfer dialog opens that dialog's
// topic of the help file in the program folder, in the platform's viewer.
#include <windows.h>

#include <gtest/gtest.h>

#include <chrono>
#include <string>
#include <thread>

#include "platform/handles.h"
#include "tests/release/help_viewer_reader.h"
#include "tests/support/temp_dir.h"
#include "tests/support/layers.h"

namespace pixa::test {
namespace {

HWND WaitForWindow(const char* title) {
    for (int i = 0; i < 600; ++i) {
        if (HWND window = FindWindowA(nullptr, title)) return window;
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
    }
    return nullptr;
}

class ProgramHelp : public ::testing::Test {
protected:
    void SetUp() override {
        folder_ = dir_.str() + "\\";
        ASSERT_TRUE(CopyFileA(WinePath(PIXA_PROGRAM_EXE).c_str(), (dir_ / "pixaport.exe").c_str(), FALSE));
        for (const char* file : {"PIXAPORT.HLP", "PIXAPORT.CNT", "PIXAPORT.CHM"})
            ASSERT_TRUE(CopyFileA((WinePath(PIXA_HELP_DIR "/") + file).c_str(), (dir_ / file).c_str(), FALSE));
        // Both folders exist, and the transfer dialog opens at start-up.
        dir_.Write("PIXAPORT.INI", "[Data]\r\nKonvert=1\r\nQuelle=" + folder_ + "\r\nZiel=" + folder_ + "\r\n");
    }
    void TearDown() override {
        CloseViewer(dir_ / "PIXAPORT.HLP");
        if (program_) TerminateProcess(program_.Get(), 0);
    }
    // Starts the program in its folder; it ends with the test.
    void Start() {
        std::string command = "\"" + (dir_ / "pixaport.exe") + "\"";
        STARTUPINFOA startup{};
        startup.cb = sizeof startup;
        PROCESS_INFORMATION started{};
        ASSERT_TRUE(CreateProcessA(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, folder_.c_str(),
                                   &startup, &started));
        program_.Reset(started.hProcess);
        platform::KernelHandle thread(started.hThread);
    }

    TempDir dir_;
    std::string folder_;
    platform::KernelHandle program_;
};

TEST_F(ProgramHelp, HelpButtonOfTheTransferDialogOpensItsTopic) {
    Start();
    HWND dialog = WaitForWindow("Bilddateien \xFC" "bertragen");
    ASSERT_NE(dialog, nullptr) << "the transfer dialog did not open";
    HWND help = FindWindowExA(dialog, nullptr, "Button", "&Hilfe");
    ASSERT_NE(help, nullptr);
    PostMessageA(help, BM_CLICK, 0, 0);
    const std::string title = SourceChapters().at("Konvertieren");
    std::string shown = ViewerTextWith(title);
    ASSERT_FALSE(shown.empty()) << "the viewer did not show the transfer dialog's topic";
    EXPECT_LT(shown.find(title), 40u) << "the topic's own title opens the text";
    EXPECT_EQ(FindWindowA(nullptr, " Attention"), nullptr) << "the program knows no help file";
}

}  // namespace
}  // namespace pixa::test
