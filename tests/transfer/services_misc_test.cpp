#include <windows.h>
#include <commctrl.h>
#include <shlobj.h>

#include <gtest/gtest.h>

#include "app/transfer/folder_chooser.h"
#include "app/transfer/wait_run.h"
#include "tests/support/temp_dir.h"
#include "tests/support/layers.h"

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

// Counts the timer ticks and the keys that reach a window of this thread.
struct Reached {
    int ticks = 0, keys = 0;
};
LRESULT CALLBACK CountingProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    auto* reached = reinterpret_cast<Reached*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
    if (reached && msg == WM_TIMER && ++reached->ticks == 1) PostMessageA(hwnd, WM_KEYDOWN, 'A', 0);
    if (reached && msg == WM_KEYDOWN) ++reached->keys;
    return DefWindowProcA(hwnd, msg, wp, lp);
}

TEST(WaitRun, TheProgramsWindowsGoOnWithTimersAndPaintButTakeNoInputWhileItWaits) {
    WNDCLASSA cls{};
    cls.lpfnWndProc = CountingProc;
    cls.hInstance = GetModuleHandleA(nullptr);
    cls.lpszClassName = "WaitRunProbe";
    RegisterClassA(&cls);
    HWND hwnd = CreateWindowA("WaitRunProbe", "", WS_POPUP | WS_VISIBLE, 0, 0, 50, 50, nullptr, nullptr,
                              cls.hInstance, nullptr);
    Reached reached;
    SetWindowLongPtrA(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(&reached));
    SetTimer(hwnd, 1, 50, nullptr);
    EXPECT_EQ(WaitRun("cmd.exe /c ping -n 2 127.0.0.1 >nul"), 0);
    KillTimer(hwnd, 1);
    EXPECT_GT(reached.ticks, 1);
    EXPECT_EQ(reached.keys, 0) << "a key during the wait is not acted on";
    DestroyWindow(hwnd);
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

// The text of the selected item of the chooser's folder tree.
std::string SelectedTreeText(HWND chooser) {
    HWND tree = FindWindowExA(chooser, nullptr, "SysTreeView32", nullptr);
    if (!tree) return {};
    auto item = reinterpret_cast<HTREEITEM>(SendMessageA(tree, TVM_GETNEXTITEM, TVGN_CARET, 0));
    char text[MAX_PATH] = {};
    TVITEMA tv{};
    tv.mask = TVIF_TEXT;
    tv.hItem = item;
    tv.pszText = text;
    tv.cchTextMax = sizeof text;
    if (!item || !SendMessageA(tree, TVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&tv))) return {};
    return text;
}

// Runs cGetDir while a timer on the same thread selects a folder until the tree shows an
// item containing `shown`, then presses the button.
std::string ChooseWith(const std::string& select, const std::string& shown, int button) {
    static std::string selection, expected;
    static int answer, ticks;
    selection = select;
    expected = shown;
    answer = button;
    ticks = 0;
    UINT_PTR timer = SetTimer(nullptr, 0, 100, [](HWND, UINT, UINT_PTR id, DWORD) {
        HWND chooser = FindChooser();
        if (!chooser) return;
        if (!selection.empty()) {
            SendMessageA(chooser, BFFM_SETSELECTIONA, TRUE, reinterpret_cast<LPARAM>(selection.c_str()));
            if (SelectedTreeText(chooser).find(expected) == std::string::npos && ++ticks < 300) return;
        }
        KillTimer(nullptr, id);
        PostMessageA(chooser, WM_COMMAND, answer, 0);
    });
    std::string chosen = cGetDir("Bilderordner wählen", "C:\\");
    KillTimer(nullptr, timer);
    return chosen;
}

TEST(FolderChooser, ReturnsTheChosenFolderOrEmptyWhenCancelled) {
    test::TempDir dir;
    CreateDirectoryA((dir / "Bilder").c_str(), nullptr);
    EXPECT_EQ(ChooseWith(dir / "Bilder", "Bilder", IDOK), dir / "Bilder");
    EXPECT_EQ(ChooseWith("", "", IDCANCEL), "");
}

}  // namespace
}  // namespace pixa
