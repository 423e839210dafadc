#include <windows.h>
#include <shlobj.h>

#include <gtest/gtest.h>

#include "app/transfer/folder_chooser.h"
#include "app/transfer/wait_run.h"
#include "tests/support/temp_dir.h"

namespace pixa {
namespace {

TEST(WaitRun, ReturnsTheExitCodeOrMinusOne) {
    EXPECT_EQ(WaitRun("cmd.exe /c exit 7"), 7);
    EXPECT_EQ(WaitRun("cmd.exe /c exit 0", SW_HIDE), 0);
    EXPECT_EQ(WaitRun("no-such-program-here.exe"), -1);
}

TEST(WaitRun, WaitsUntilTheProcessHasEnded) {
    test::TempDir dir;
    std::string marker = dir / "done.txt";
    EXPECT_EQ(WaitRun("cmd.exe /c ping -n 2 127.0.0.1 >nul & echo x>\"" + marker + "\""), 0);
    EXPECT_EQ(GetFileAttributesA(marker.c_str()) != INVALID_FILE_ATTRIBUTES, true);
}

// The visible chooser dialog of this thread, waiting a little for it to appear.
HWND FindChooser() {
    for (int i = 0; i < 500; ++i) {
        HWND found = nullptr;
        EnumThreadWindows(
            GetCurrentThreadId(),
            [](HWND w, LPARAM out) {
                char cls[32];
                GetClassNameA(w, cls, sizeof cls);
                if (std::string(cls) != "#32770" || !IsWindowVisible(w)) return TRUE;
                *reinterpret_cast<HWND*>(out) = w;
                return FALSE;
            },
            reinterpret_cast<LPARAM>(&found));
        if (found) return found;
        Sleep(20);
    }
    return nullptr;
}

// Runs cGetDir while a timer on the same thread selects a folder (first tick) and
// then presses the button (next tick).
std::string ChooseWith(const std::string& select, int button) {
    static std::string selection;
    static int answer;
    static HWND chooser;
    selection = select;
    answer = button;
    chooser = nullptr;
    UINT_PTR timer = SetTimer(nullptr, 0, 300, [](HWND, UINT, UINT_PTR id, DWORD) {
        if (chooser) {
            KillTimer(nullptr, id);
            PostMessageA(chooser, WM_COMMAND, answer, 0);
            return;
        }
        chooser = FindChooser();
        if (chooser && !selection.empty())
            SendMessageA(chooser, BFFM_SETSELECTIONA, TRUE, reinterpret_cast<LPARAM>(selection.c_str()));
    });
    std::string chosen = cGetDir("Bilderordner wählen", "C:\\");
    KillTimer(nullptr, timer);
    return chosen;
}

TEST(FolderChooser, ReturnsTheChosenFolderOrEmptyWhenCancelled) {
    test::TempDir dir;
    CreateDirectoryA((dir / "Bilder").c_str(), nullptr);
    EXPECT_EQ(ChooseWith(dir / "Bilder", IDOK), dir / "Bilder");
    EXPECT_EQ(ChooseWith("", IDCANCEL), "");
    EXPECT_EQ(ChooseWith("C:\\", IDOK), "C:\\");
}

}  // namespace
}  // namespace pixa
