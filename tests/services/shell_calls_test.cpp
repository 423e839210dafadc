// Sounds and starting programs through the platform.
#include "framework/services/shell_calls.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "framework/window/window.h"

namespace pixa {
namespace {

// A platform program that, started without arguments, ends at once without output.
const std::string kQuietProgram = "rundll32.exe";

TEST(ShellCalls, OwnerHandleWithItsUpperBitsSetStillNamesTheWindow) {
    auto w = TWindow::New({.nTop = 40, .nLeft = 40, .nBottom = 100, .nRight = 200, .cTitle = "Besitzer",
                           .lPixel = true});
    HWND wide = GetHWnd32(w->hWnd);
    auto bits = reinterpret_cast<ULONG_PTR>(wide);
    EXPECT_EQ(bits & 0xFFFF0000u, 0xFFFF0000u);
    EXPECT_EQ(bits & 0xFFFF, reinterpret_cast<ULONG_PTR>(w->hWnd) & 0xFFFF);
    char title[32] = "";
    GetWindowTextA(wide, title, sizeof title);
    EXPECT_STREQ(title, "Besitzer") << "the platform takes it as the same window";
    DestroyWindow(w->hWnd);
}

TEST(ShellCalls, ProgramsStartByCommandLineAndThroughTheShell) {
    EXPECT_GT(WinExec(kQuietProgram, SW_HIDE), 31u);
    EXPECT_LE(WinExec("C:\\fehlt\\nirgends.exe"), 31u);
    Value opened = ShellExecute(nullptr, std::nullopt, kQuietProgram, std::nullopt, "", SW_HIDE);
    EXPECT_GT(opened.AsInteger(), 32) << "found in shell32 at run time and started";
    Value missing = ShellExecute(nullptr, "open", "C:\\fehlt\\nirgends.exe");
    EXPECT_LE(missing.AsInteger(), 32);
}

TEST(ShellCalls, SoundsByFileNameOrNumber) {
    EXPECT_FALSE(SndPlaySound("C:\\fehlt\\Select.wav", 0)) << "a missing file is not played";
    EXPECT_TRUE(SndPlaySound(0)) << "a number goes on unchanged: 0 stops any sound";
}

}  // namespace
}  // namespace pixa
