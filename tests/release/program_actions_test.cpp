// The real program's launcher labels clicked with the mouse and its menu entries
// chosen with the keyboard, as a user does: each opens its own window.
#include <windows.h>

#include <gtest/gtest.h>

#include <chrono>
#include <initializer_list>
#include <string>
#include <thread>

#include "platform/handles.h"
#include "tests/release/help_viewer_reader.h"
#include "tests/support/temp_dir.h"

namespace pixa::test {
namespace {

constexpr const char* kMain = " Qor Pixaport v1.05";
constexpr const char* kAbout = "Qor Pixaport v1.05";
constexpr const char* kSettings = "Pixaport - Einstellungen";
constexpr const char* kTransfer = "Bilddateien \xFC" "bertragen";

void Pause(int ms) { std::this_thread::sleep_for(std::chrono::milliseconds(ms)); }

HWND WaitVisible(const char* cls, const char* title) {
    for (int i = 0; i < 300; ++i, Pause(50))
        if (HWND w = FindWindowA(cls, title); w && IsWindowVisible(w)) return w;
    return nullptr;
}

bool WaitGone(const char* cls, const char* title) {
    for (int i = 0; i < 200; ++i, Pause(50))
        if (HWND w = FindWindowA(cls, title); !w || !IsWindowVisible(w)) return true;
    return false;
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
        Pause(150);
    }
}

// The program's window showing this text, among the main window's descendants.
HWND Descendant(HWND main, const std::string& text) {
    struct Search {
        const std::string& text;
        HWND found = nullptr;
    } search{text};
    EnumChildWindows(
        main,
        [](HWND child, LPARAM data) {
            auto* s = reinterpret_cast<Search*>(data);
            char shown[128] = "";
            GetWindowTextA(child, shown, sizeof shown);
            if (s->text != shown) return TRUE;
            s->found = child;
            return FALSE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.found;
}

// Moves the mouse onto the middle of the program's window with this text and clicks there.
void Click(HWND main, const std::string& text) {
    HWND target = Descendant(main, text);
    ASSERT_NE(target, nullptr) << text;
    RECT r{};
    GetWindowRect(target, &r);
    SetForegroundWindow(main);
    INPUT input{};
    input.type = INPUT_MOUSE;
    input.mi.dx = (r.left + r.right) / 2 * 65535 / (GetSystemMetrics(SM_CXSCREEN) - 1);
    input.mi.dy = (r.top + r.bottom) / 2 * 65535 / (GetSystemMetrics(SM_CYSCREEN) - 1);
    input.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
    Send(input);
    Pause(200);
    for (DWORD button : {MOUSEEVENTF_LEFTDOWN, MOUSEEVENTF_LEFTUP}) {
        input.mi.dwFlags = button | MOUSEEVENTF_ABSOLUTE;
        Send(input);
        Pause(50);
    }
}

class ProgramActions : public ::testing::Test {
protected:
    void SetUp() override {
        folder_ = dir_.str() + "\\";
        ASSERT_TRUE(CopyFileA(WinePath(PIXA_PROGRAM_EXE).c_str(), (dir_ / "pixaport.exe").c_str(), FALSE));
        for (const char* file : {"PIXAPORT.HLP", "PIXAPORT.CNT", "PIXAPORT.CHM"})
            ASSERT_TRUE(CopyFileA((WinePath(PIXA_HELP_DIR "/") + file).c_str(), (dir_ / file).c_str(), FALSE));
        // Both folders set: neither the settings nor the transfer open by themselves.
        dir_.Write("PIXAPORT.INI", "[Data]\r\nKonvert=0\r\nQuelle=" + folder_ + "\r\nZiel=" + folder_ + "\r\n");
    }
    void TearDown() override {
        CloseViewer(dir_ / "PIXAPORT.HLP");
        if (program_) TerminateProcess(program_.Get(), 0);
    }
    // Starts the program in its folder and returns its main window once shown.
    HWND Start() {
        std::string command = "\"" + (dir_ / "pixaport.exe") + "\"";
        STARTUPINFOA startup{};
        startup.cb = sizeof startup;
        PROCESS_INFORMATION started{};
        if (!CreateProcessA(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, folder_.c_str(), &startup,
                            &started))
            return nullptr;
        program_.Reset(started.hProcess);
        KernelHandle thread(started.hThread);
        HWND main = WaitVisible(nullptr, kMain);
        WaitForInputIdle(program_.Get(), 5000);  // the panel is built and waits for the user
        return main;
    }
    bool Ended() const { return WaitForSingleObject(program_.Get(), 10000) == WAIT_OBJECT_0; }

    // Chooses a menu entry from the keyboard: F10, then the keys to it, then Return.
    void Menu(HWND main, std::initializer_list<WORD> keys) {
        SetForegroundWindow(main);
        Pause(200);
        Keys({VK_F10});
        Keys(keys);
        Keys({VK_RETURN});
    }
    // The dialog opened, is closed again; false when it did not open.
    static bool Opened(const char* caption) {
        HWND dlg = WaitVisible("#32770", caption);
        if (!dlg) return false;
        PostMessageA(dlg, WM_CLOSE, 0, 0);
        return WaitGone("#32770", caption);
    }
    // The help viewer shows the contents (every chapter), and is closed again.
    bool HelpContentsShown() {
        bool shown = !ViewerTextWith(SourceChapters().at("Fragen")).empty();
        CloseViewer(dir_ / "PIXAPORT.HLP");
        return shown;
    }

    TempDir dir_;
    std::string folder_;
    KernelHandle program_;
};

TEST_F(ProgramActions, EachLauncherLabelAndEachMenuEntryOpensItsOwnWindow) {
    HWND main = Start();
    ASSERT_NE(main, nullptr);
    Click(main, "\x95 Bilder \xDC" "bertragen");
    EXPECT_TRUE(Opened(kTransfer)) << "\x95 Bilder \xDC" "bertragen";
    Click(main, "\x95 Einstellungen");
    EXPECT_TRUE(Opened(kSettings)) << "\x95 Einstellungen";
    Click(main, "\x95 Hilfe");
    EXPECT_TRUE(HelpContentsShown()) << "\x95 Hilfe";

    // The bar: &Pixaport, &Übertragen, &Einstellungen, &? (its entries below it).
    Menu(main, {VK_RIGHT});
    EXPECT_TRUE(Opened(kTransfer)) << "&\xDC" "bertragen";
    Menu(main, {VK_RIGHT, VK_RIGHT});
    EXPECT_TRUE(Opened(kSettings)) << "&Einstellungen";
    Menu(main, {VK_RIGHT, VK_RIGHT, VK_RIGHT, VK_DOWN});
    EXPECT_TRUE(HelpContentsShown()) << "&Hilfe anzeigen";
    Menu(main, {VK_RIGHT, VK_RIGHT, VK_RIGHT, VK_DOWN, VK_DOWN});
    EXPECT_TRUE(HelpContentsShown()) << "Hilfe-&Index";
    Menu(main, {VK_RIGHT, VK_RIGHT, VK_RIGHT, VK_DOWN, VK_DOWN, VK_DOWN});
    EXPECT_TRUE(Opened(kAbout)) << "&\xDC" "ber Pixaport";
    EXPECT_TRUE(IsWindowVisible(main)) << "no entry so far ends the program";

    Click(main, "\x95 Programmende");
    EXPECT_TRUE(Ended()) << "\x95 Programmende";

    main = Start();
    ASSERT_NE(main, nullptr);
    Menu(main, {VK_DOWN});
    EXPECT_TRUE(Ended()) << "&Beenden";
}

}  // namespace
}  // namespace pixa::test
