// The real program's launcher labels clicked with the mouse and its menu entries
// chosen with the keyboard, as a user does: each opens its own window.
#include <windows.h>

#include <gtest/gtest.h>

#include <initializer_list>
#include <string>

#include "tests/release/help_viewer_reader.h"
#include "tests/support/program_process.h"
#include "tests/support/temp_dir.h"
#include "tests/support/layers.h"

namespace pixa::test {
namespace {

constexpr const char* kMain = " Qor Pixaport v1.05";

HWND WaitVisible(const char* cls, const char* title) {
    for (int i = 0; i < 300; ++i, Sleep(50))
        if (HWND w = FindWindowA(cls, title); w && IsWindowVisible(w)) return w;
    return nullptr;
}

// The visible main window of this process (one of an earlier test may still be closing).
HWND WaitMain(DWORD process) {
    for (int i = 0; i < 300; ++i, Sleep(50))
        for (HWND w = nullptr; (w = FindWindowExA(nullptr, w, nullptr, kMain));) {
            DWORD owner = 0;
            GetWindowThreadProcessId(w, &owner);
            if (owner == process && IsWindowVisible(w)) return w;
        }
    return nullptr;
}

void Send(INPUT input) { SendInput(1, &input, sizeof input); }

// Presses and releases each key in turn on the window in front.
void Keys(std::initializer_list<WORD> keys) {
    for (WORD key : keys) {
        INPUT input{};
        input.type = INPUT_KEYBOARD;
        input.ki.wVk = key;
        Send(input);
        input.ki.dwFlags = KEYEVENTF_KEYUP;
        Send(input);
        Sleep(150);
    }
}

// Moves the mouse onto the middle of the launcher label with this text and clicks it.
void ClickLabel(HWND main, const char* text) {
    HWND label = nullptr;
    for (int i = 0; i < 100 && !label; ++i, Sleep(50))
        label = FindWindowExA(FindWindowExA(main, nullptr, "#32770", nullptr), nullptr, "TSSAY", text);
    ASSERT_NE(label, nullptr) << text;
    RECT r{};
    GetWindowRect(label, &r);
    SetForegroundWindow(main);
    INPUT input{};
    input.type = INPUT_MOUSE;
    input.mi.dx = (r.left + r.right) / 2 * 65535 / (GetSystemMetrics(SM_CXSCREEN) - 1);
    input.mi.dy = (r.top + r.bottom) / 2 * 65535 / (GetSystemMetrics(SM_CYSCREEN) - 1);
    for (DWORD step : {MOUSEEVENTF_MOVE, MOUSEEVENTF_LEFTDOWN, MOUSEEVENTF_LEFTUP}) {
        input.mi.dwFlags = step | MOUSEEVENTF_ABSOLUTE;
        Send(input);
        Sleep(100);
    }
}

class ProgramActions : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(CopyFileA(WinePath(PIXA_PROGRAM_EXE).c_str(), (dir_ / "pixaport.exe").c_str(), FALSE));
        for (const char* file : {"PIXAPORT.HLP", "PIXAPORT.CNT", "PIXAPORT.CHM"})
            ASSERT_TRUE(CopyFileA((WinePath(PIXA_HELP_DIR "/") + file).c_str(), (dir_ / file).c_str(), FALSE));
        // Both folders set: neither the settings nor the transfer open by themselves.
        std::string folder = dir_.str() + "\\";
        dir_.Write("PIXAPORT.INI", "[Data]\r\nKonvert=0\r\nQuelle=" + folder + "\r\nZiel=" + folder + "\r\n");
    }
    void TearDown() override { CloseViewer(dir_ / "PIXAPORT.HLP"); }
    // Starts the program and returns its main window once it waits for the user.
    HWND Start() {
        if (!program_.Start(dir_ / "pixaport.exe", dir_.str().c_str())) return nullptr;
        HWND main = WaitMain(program_.Id());
        program_.WaitIdle(5000);
        return main;
    }
    // Chooses a menu entry from the keyboard: F10, then the keys to it, then Return.
    static void Menu(HWND main, std::initializer_list<WORD> keys) {
        SetForegroundWindow(main);
        Keys({VK_F10});
        Keys(keys);
        Keys({VK_RETURN});
    }
    // The dialog opened, and is closed again. A step that fails ends the test: the
    // window it left open would take the keys of the next.
    static bool Opened(const char* caption) {
        HWND dlg = WaitVisible("#32770", caption);
        if (dlg) PostMessageA(dlg, WM_CLOSE, 0, 0);
        for (int i = 0; dlg && i < 100 && IsWindowVisible(dlg); ++i) Sleep(50);
        return dlg && !IsWindowVisible(dlg);
    }
    // The help viewer shows the contents (every chapter), and is closed again.
    bool HelpContentsShown() {
        bool shown = !ViewerTextWith(SourceChapters().at("Fragen")).empty();
        CloseViewer(dir_ / "PIXAPORT.HLP");
        return shown;
    }

    TempDir dir_;
    ProgramProcess program_;
};

TEST_F(ProgramActions, EachLauncherLabelAndEachMenuEntryOpensItsOwnWindow) {
    const char* transfer = "Bilddateien \xFC" "bertragen";
    const char* settings = "Pixaport - Einstellungen";
    HWND main = Start();
    ASSERT_NE(main, nullptr);
    ClickLabel(main, "\x95 Bilder \xDC" "bertragen");
    ASSERT_TRUE(Opened(transfer)) << "transfer label";
    ClickLabel(main, "\x95 Einstellungen");
    ASSERT_TRUE(Opened(settings)) << "settings label";
    ClickLabel(main, "\x95 Hilfe");
    ASSERT_TRUE(HelpContentsShown()) << "help label";

    // The bar: &Pixaport, &Übertragen, &Einstellungen, &? (its entries below it).
    Menu(main, {VK_RIGHT});
    ASSERT_TRUE(Opened(transfer)) << "&\xDC" "bertragen";
    Menu(main, {VK_RIGHT, VK_RIGHT});
    ASSERT_TRUE(Opened(settings)) << "&Einstellungen";
    Menu(main, {VK_RIGHT, VK_RIGHT, VK_RIGHT, VK_DOWN});
    ASSERT_TRUE(HelpContentsShown()) << "&Hilfe anzeigen";
    Menu(main, {VK_RIGHT, VK_RIGHT, VK_RIGHT, VK_DOWN, VK_DOWN});
    ASSERT_TRUE(HelpContentsShown()) << "Hilfe-&Index";
    Menu(main, {VK_RIGHT, VK_RIGHT, VK_RIGHT, VK_DOWN, VK_DOWN, VK_DOWN});
    ASSERT_TRUE(Opened("Qor Pixaport v1.05")) << "&\xDC" "ber Pixaport";
    EXPECT_TRUE(IsWindowVisible(main)) << "no entry so far ends the program";

    ClickLabel(main, "\x95 Programmende");
    ASSERT_TRUE(program_.WaitEnded(10000)) << "end label";
    main = Start();
    ASSERT_NE(main, nullptr);
    Menu(main, {VK_DOWN});
    EXPECT_TRUE(program_.WaitEnded(10000)) << "&Beenden";
}

}  // namespace
}  // namespace pixa::test
