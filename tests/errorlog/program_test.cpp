// The real program, driven from outside its process: the error log of an earlier
// run is offered before anything else is on the screen.
#include <gtest/gtest.h>
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "tests/support/program_process.h"
#include "tests/support/temp_dir.h"
#include "tests/transfer_ui/window_probe.h"
#include "tests/support/layers.h"

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
        process_.Stop();  // before the files it may hold open are removed
        if (card_) EmptyCard();
    }
    // The card drive is shared with other tests: it is left empty.
    void EmptyCard() {
        std::error_code ec;
        for (const auto& entry : std::filesystem::directory_iterator("P:\\", ec)) std::filesystem::remove_all(entry.path(), ec);
    }
    void Start() {
        ASSERT_TRUE(process_.Start(exe_));
    }
    bool Exists(const char* name) const { return std::filesystem::exists(dir_.path() / name); }

    pixa::test::TempDir dir_;
    std::string exe_;
    pixa::test::ProgramProcess process_;
    bool card_ = false;  // the test wrote on the card
};

// With PIXA_SHOT_SECONDS set, the program's dialogs stay open that long (for screenshots)
// and the log is printed.
void HoldForScreenshot() {
    if (const char* seconds = std::getenv("PIXA_SHOT_SECONDS")) Sleep(static_cast<DWORD>(std::atoi(seconds) * 1000));
}

// Fills the card so that only `room` bytes stay free; false when it cannot.
bool FillCardLeaving(const char* root, ULONGLONG room, const std::string& filler) {
    ULARGE_INTEGER available{}, total{}, free{};
    if (!GetDiskFreeSpaceExA(root, &available, &total, &free) || available.QuadPart <= room) return false;
    HANDLE out = CreateFileA(filler.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    if (out == INVALID_HANDLE_VALUE) return false;
    std::string block(available.QuadPart - room, 'F');
    DWORD written = 0;
    bool ok = WriteFile(out, block.data(), static_cast<DWORD>(block.size()), &written, nullptr) && written == block.size();
    CloseHandle(out);
    return ok;
}

TEST_F(ErrorLogProgram, AFullCardDuringATransferShowsTheErrorDialogAndDefaultGoesOn) {
    ULARGE_INTEGER available{}, total{}, free{};
    if (!GetDiskFreeSpaceExA("P:\\", &available, &total, &free) || total.QuadPart != 2u << 20)
        GTEST_SKIP() << "the 2 MiB card P: is not mounted";
    card_ = true;
    EmptyCard();
    CreateDirectoryA("P:\\DCIM", nullptr);
    // In byte order the large picture is copied first, then the small one.
    dir_.Write("Bilder\\a.jpg", std::string(600000, 'a'));
    dir_.Write("Bilder\\b.jpg", std::string(20000, 'b'));
    dir_.Write("PIXAPORT.INI", "[Data]\r\nKonvert=1\r\nExtens=JPG\r\nBeginn=Sony\r\nQuelle=" + dir_.str() +
                                   "\\Bilder\\\r\nSubOrd=0\r\nZiel=P:\\DCIM\\\r\nSpeicher=2\r\n");
    Start();
    using namespace pixa::test;
    DWORD pid = process_.Id();
    HWND transfer = nullptr;
    ASSERT_TRUE(WaitFor([&] { return (transfer = FindTop(pid, "Bilddateien übertragen", "Übertragung &starten")) != nullptr; }));
    Press(ChildWithText(transfer, "Übertragung &starten"));
    HWND list = nullptr;
    ASSERT_TRUE(WaitFor([&] { return (list = FindTop(pid, "Bilddateien auswählen")) != nullptr; }));
    ASSERT_TRUE(WaitFor([&] { return ChildWithText(list, "&Weiter") != nullptr; }));

    // The card fills up from outside while the list is open: the large picture no longer fits.
    ASSERT_TRUE(FillCardLeaving("P:\\", 200000, "P:\\FILL.BIN"));
    Press(ChildWithText(list, "&Weiter"));
    HWND error = nullptr;
    ASSERT_TRUE(WaitFor([&] { return (error = FindTop(pid, "Velmora for Tamsell")) != nullptr; }));
    EXPECT_NE(ChildWithText(error, "&Retry"), nullptr);
    std::string log = dir_.Read("Error.log");
    EXPECT_NE(log.find("   Error description: (DOS Error 112) BASE/2016  Write error: P:\\DCIM\\DSC00001.JPG\r\n"),
              std::string::npos)
        << log;
    EXPECT_NE(log.find("   Called from RenInDir("), std::string::npos) << log;
    if (std::getenv("PIXA_SHOT_SECONDS")) std::fprintf(stderr, "---- Error.log ----\n%s\n----\n", log.c_str());
    HoldForScreenshot();
    Press(ChildWithText(error, "&Default"));

    HWND box = nullptr;
    ASSERT_TRUE(WaitFor([&] { return (box = FindTop(pid, "Konvertierung beendet")) != nullptr; }));
    EXPECT_NE(BoxText(box).find("1 Datei konnte nicht kopiert werden"), std::string::npos) << BoxText(box);
    // The run went on: the small picture took the next camera name.
    EXPECT_FALSE(std::filesystem::exists("P:\\DCIM\\DSC00001.JPG"));
    EXPECT_EQ(std::filesystem::file_size("P:\\DCIM\\DSC00002.JPG"), 20000u);
    Answer(box, IDOK);
    ASSERT_TRUE(WaitFor([&] { return (transfer = FindTop(pid, "Bilddateien übertragen", "&Abbrechen")) != nullptr; }));
    Press(ChildWithText(transfer, "&Abbrechen"));
    HWND main = nullptr;
    ASSERT_TRUE(WaitFor([&] { return (main = WindowOf(pid, kMainTitle)) != nullptr && !FindTop(pid, "Bilddateien übertragen"); }));
    PostMessageA(main, WM_CLOSE, 0, 0);
    ASSERT_TRUE(process_.WaitEnded(20000));
    ASSERT_TRUE(Exists("Error.log"));

    // The next start offers the log before anything else; Enter deletes it.
    process_.Forget();
    dir_.Write("PIXAPORT.INI", "[Data]\r\nKonvert=0\r\n");
    Start();
    HWND offer = nullptr;
    ASSERT_TRUE(WaitFor([&] { return (offer = WindowOf(process_.Id(), "Fehlerprotokoll")) != nullptr; }));
    HoldForScreenshot();
    PressEnterIn(offer);
    EXPECT_TRUE(WaitFor([&] { return !Exists("Error.log"); }));
}

TEST_F(ErrorLogProgram, TheLogIsOfferedBeforeEverythingElseAndEnterDeletesIt) {
    dir_.Write("Error.log", "Application\r\n===========\r\n\x1A");
    dir_.Write("ZYQERROR.LOG", "old");
    Start();
    HWND dialog = nullptr;
    ASSERT_TRUE(WaitFor([&] { return (dialog = WindowOf(process_.Id(), "Fehlerprotokoll")) != nullptr; }));
    ASSERT_TRUE(WaitFor([&] { return IsWindowVisible(dialog) != 0; }));
    EXPECT_EQ(OtherVisibleWindows(process_.Id(), dialog), 0);
    EXPECT_EQ(WindowOf(process_.Id(), kMainTitle), nullptr);

    PressEnterIn(dialog);
    ASSERT_TRUE(WaitFor([&] { return !Exists("Error.log"); }));
    EXPECT_FALSE(Exists("ZYQERROR.LOG"));
    HWND main = nullptr;
    ASSERT_TRUE(WaitFor([&] { return (main = WindowOf(process_.Id(), kMainTitle)) != nullptr; }));
    PostMessageA(main, WM_CLOSE, 0, 0);
    EXPECT_TRUE(process_.WaitEnded(20000));
}

}  // namespace
