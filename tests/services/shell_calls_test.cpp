// Sounds and starting programs through the platform.
#include "framework/services/shell_calls.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "tests/services/windows.h"
#include "tests/support/gui_driver.h"
#include "tests/support/layers.h"

namespace pixa {
namespace {

// A platform program that, started without arguments, ends at once without output.
const std::string kQuietProgram = "rundll32.exe";

TEST(ShellCalls, OwnerHandleWithItsUpperBitsSetStillNamesTheWindow) {
    test::ShownWindow w("Besitzer");
    auto bits = reinterpret_cast<ULONG_PTR>(GetHWnd32(w->hWnd));
    EXPECT_EQ(bits & 0xFFFF0000u, 0xFFFF0000u);
    EXPECT_EQ(bits & 0xFFFF, reinterpret_cast<ULONG_PTR>(w->hWnd) & 0xFFFF);
    EXPECT_EQ(test::TextOf(GetHWnd32(w->hWnd)), "Besitzer") << "the platform takes it as the same window";
}

TEST(ShellCalls, ProgramsStartByCommandLineAndThroughTheShell) {
    EXPECT_GT(WinExec(kQuietProgram, SW_HIDE), 31u);
    EXPECT_LE(WinExec("C:\\fehlt\\nirgends.exe"), 31u);
    EXPECT_GT(ShellExecute(nullptr, std::nullopt, kQuietProgram, std::nullopt, "", SW_HIDE).AsInteger(), 32)
        << "found in shell32 at run time and started";
    EXPECT_LE(ShellExecute(nullptr, "open", "C:\\fehlt\\nirgends.exe").AsInteger(), 32);
}

TEST(ShellCalls, SoundsByFileNameOrNumber) {
    EXPECT_FALSE(SndPlaySound("C:\\fehlt\\Select.wav", 0)) << "a missing file is not played";
    EXPECT_TRUE(SndPlaySound(0)) << "a number goes on unchanged: 0 stops any sound";
}

}  // namespace
}  // namespace pixa
