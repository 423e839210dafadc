// Starts the real program from a program folder of its own, as a user would,
// and checks the window it opens and what it leaves behind.
#include <gtest/gtest.h>
#include <windows.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <ostream>

#include "platform/wide_path.h"
#include "tests/support/program_process.h"
#include "tests/support/temp_dir.h"
#include "tests/support/layers.h"

namespace {

constexpr const char* kTitle = " Qor Pixaport v1.05";
constexpr const char* kSplash = "Qor Pixaport v1.05";
constexpr const char* kSettings = "Pixaport - Einstellungen";
constexpr const char* kTransfer = "Bilddateien \xFC" "bertragen";

// A visible dialog of any process with this caption, waited for up to the given time.
HWND WaitForDialog(const char* caption, int milliseconds = 20000) {
    for (int waited = 0; waited <= milliseconds; waited += 50) {
        HWND dlg = FindWindowA("#32770", caption);
        if (dlg && IsWindowVisible(dlg)) return dlg;
        Sleep(50);
    }
    return nullptr;
}

// The child of a window showing this text.
HWND ChildWithText(HWND parent, const std::string& text) {
    for (HWND child = GetWindow(parent, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        char buffer[256] = "";
        GetWindowTextA(child, buffer, sizeof buffer);
        if (text == buffer) return child;
    }
    return nullptr;
}

// Clicks a button of another process's dialog the way the button itself reports a click.
void PressButton(HWND dlg, const std::string& caption) {
    HWND button = ChildWithText(dlg, caption);
    PostMessageA(dlg, WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(button), BN_CLICKED), reinterpret_cast<LPARAM>(button));
}

// Waits until no visible dialog with this caption is left.
bool WaitGone(const char* caption, int milliseconds = 10000) {
    for (int waited = 0; waited <= milliseconds; waited += 50) {
        HWND dlg = FindWindowA("#32770", caption);
        if (!dlg || !IsWindowVisible(dlg)) return true;
        Sleep(50);
    }
    return false;
}

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

// Waits until the condition holds; true when it did.
template <typename Condition>
bool WaitFor(Condition condition, int milliseconds = 5000) {
    for (int waited = 0; waited <= milliseconds; waited += 50, Sleep(50))
        if (condition()) return true;
    return false;
}

class ProgramRun : public ::testing::Test {
protected:
    void SetUp() override {
        exe_ = dir_ / "pixaport.exe";
        ASSERT_TRUE(CopyFileA(ProgramPath().c_str(), exe_.c_str(), FALSE)) << ProgramPath();
    }
    // Starts the program from another current folder, so it must find its own.
    HWND Start() {
        EXPECT_TRUE(process_.Start(exe_));
        return WaitForMain();
    }
    HWND WaitForMain() {
        // The splash stays for 3 seconds before the main window opens.
        for (int i = 0; i < 600; ++i) {
            HWND hwnd = FindWindowA(nullptr, kTitle);
            if (hwnd && IsWindowVisible(hwnd)) return hwnd;
            Sleep(50);
        }
        return nullptr;
    }

    // Cancels the settings dialog that a start without a source folder opens.
    bool CancelSettings() {
        HWND dlg = WaitForDialog(kSettings);
        if (!dlg) return false;
        PressButton(dlg, "&Abbrechen");
        return WaitGone(kSettings);
    }

    // Closes the window the way the system close command does and waits for the process to end.
    bool CloseAndWait(HWND hwnd) {
        PostMessageA(hwnd, WM_CLOSE, 0, 0);
        return process_.WaitEnded(10000);
    }

    pixa::test::TempDir dir_;
    std::string exe_;
    pixa::test::ProgramProcess process_;
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
    EXPECT_NE(GetMenu(hwnd), nullptr) << "a menu bar";
    HWND settings = WaitForDialog(kSettings);
    ASSERT_NE(settings, nullptr) << "no source folder: the settings dialog opens by itself";
    EXPECT_EQ(GetWindow(settings, GW_OWNER), hwnd);

    std::string ini = dir_.Read("PIXAPORT.INI");
    EXPECT_NE(ini.find("Product=Qor Pixaport v1.05"), std::string::npos) << ini;
    EXPECT_NE(ini.find("Copyright="), std::string::npos) << ini;
    EXPECT_NE(ini.find("MyPath=" + dir_.str() + "\r\n"), std::string::npos) << ini;
    EXPECT_EQ(ini.find("[Data]"), std::string::npos) << ini;
    EXPECT_EQ(ini.find("[Pixaport]"), std::string::npos) << ini;  // not moved yet

    ASSERT_TRUE(CancelSettings());
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

TEST_F(ProgramRun, ProgramFolderOutsideTheCodePageKeepsItsSettingsThere) {
    const std::filesystem::path folder = dir_.path() / L"\u0416\u0434\u0430\u043D" / L"Prog";  // Ждан\Prog
    std::filesystem::create_directories(folder);
    std::filesystem::copy_file(exe_, folder / L"pixaport.exe");
    std::ofstream(folder / L"PIXAPORT.INI", std::ios::binary) << "[Data]\r\nQuelle=C:\\Bilder\r\n";
    ASSERT_TRUE(process_.Start(folder / L"pixaport.exe"));
    HWND hwnd = WaitForMain();
    ASSERT_NE(hwnd, nullptr);
    ASSERT_TRUE(CloseAndWait(hwnd));

    std::ifstream file(folder / L"PIXAPORT.INI", std::ios::binary);
    std::string ini((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
    EXPECT_NE(ini.find("Quelle=C:\\Bilder\r\n"), std::string::npos) << ini;  // read there: no settings dialog
    std::string myPath = ini.substr(ini.find("MyPath=") + 7);
    EXPECT_EQ(pixa::platform::WidePath(myPath.substr(0, myPath.find('\r'))), folder.wstring()) << ini;
}

TEST_F(ProgramRun, MovingStoresTheSnappedRectangleAndResizingAloneStoresNothing) {
    HWND hwnd = Start();
    ASSERT_NE(hwnd, nullptr);
    ASSERT_TRUE(CancelSettings());
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
    ASSERT_TRUE(CancelSettings());
    // Minimised, the window reports a place far off the screen: nothing is stored.
    ShowWindow(hwnd, SW_MINIMIZE);
    Sleep(300);
    ASSERT_TRUE(CloseAndWait(hwnd));
    EXPECT_NE(dir_.Read("PIXAPORT.INI").find("Top=50\r\nLeft=60\r\nBottom=349\r\nRight=700\r\n"),
              std::string::npos)
        << dir_.Read("PIXAPORT.INI");
}

TEST_F(ProgramRun, APlaceOffTheScreenComesBackWithTheTransferDialogOpenedAtStart) {
    // Left on a second monitor that is gone: back at the right edge, its size kept.
    dir_.Write("PIXAPORT.INI", "[Data]\r\nKonvert=1\r\nQuelle=C:\\\r\nZiel=C:\\\r\n"
                               "[Pixaport]\r\nTop=0\r\nLeft=1900\r\nBottom=480\r\nRight=2540\r\n");
    const long screen = GetSystemMetrics(SM_CXSCREEN);
    HWND hwnd = Start();
    ASSERT_NE(hwnd, nullptr);
    EXPECT_EQ(OuterRect(hwnd), (Placement{screen - 641, 0, 641, 481}));
    HWND transfer = WaitForDialog(kTransfer);
    ASSERT_NE(transfer, nullptr);
    EXPECT_LE(OuterRect(transfer).left + OuterRect(transfer).width, screen) << OuterRect(transfer);
    PostMessageA(transfer, WM_CLOSE, 0, 0);
    ASSERT_TRUE(WaitGone(kTransfer));
    ASSERT_TRUE(CloseAndWait(hwnd));
}

TEST_F(ProgramRun, SettingsThatCannotBeSavedAreToldOnceNamingTheFile) {
    // A configuration file that is a folder cannot be written whoever runs the program.
    std::filesystem::create_directory(dir_.path() / "PIXAPORT.INI");
    ASSERT_TRUE(process_.Start(exe_));
    const char* title = "Einstellungen nicht gespeichert";
    HWND box = WaitForDialog(title);
    ASSERT_NE(box, nullptr) << "the first write at start-up fails";
    EXPECT_NE(ChildWithText(box, "Die Einstellungen k\xF6nnen nicht gespeichert werden.\r\n\r\nDatei: " + dir_.str() +
                                     "\\PIXAPORT.INI\r\nGrund: Zugriff verweigert. (Fehler 5)\r\n\r\n\xC4nderungen "
                                     "gelten nur bis zum Programmende."),
              nullptr);
    PostMessageA(box, WM_COMMAND, IDOK, 0);
    HWND hwnd = nullptr;
    ASSERT_TRUE(WaitFor([&] { return (hwnd = FindWindowA(nullptr, kTitle)) && IsWindowVisible(hwnd); }, 30000));
    ASSERT_TRUE(CancelSettings());
    // The folders written at the end fail as well: nothing more is told.
    EXPECT_TRUE(CloseAndWait(hwnd)) << "a second message holds up the end";
}

TEST_F(ProgramRun, SplashComesFirstAndAClickEndsItAtOnce) {
    ASSERT_TRUE(process_.Start(exe_));
    HWND splash = WaitForDialog(kSplash);
    ASSERT_NE(splash, nullptr);
    EXPECT_EQ(FindWindowA(nullptr, kTitle), nullptr) << "the main window waits for the splash";
    DWORD clicked = GetTickCount();
    PostMessageA(splash, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(150, 150));
    HWND hwnd = nullptr;
    while (!hwnd && GetTickCount() - clicked < 20000) {
        hwnd = FindWindowA(nullptr, kTitle);
        Sleep(20);
    }
    ASSERT_NE(hwnd, nullptr);
    EXPECT_LT(GetTickCount() - clicked, 2500u) << "start-up goes on at once";
    ASSERT_TRUE(CancelSettings());
    ASSERT_TRUE(CloseAndWait(hwnd));
}

TEST_F(ProgramRun, ABlankSourceIsSavedEmptyAndTheSettingsOpenAgain) {
    dir_.Write("PIXAPORT.INI", "[Data]\r\nQuelle=   \r\nExtens=\r\n");
    HWND hwnd = Start();
    ASSERT_NE(hwnd, nullptr);
    HWND settings = WaitForDialog(kSettings);
    ASSERT_NE(settings, nullptr);
    PressButton(settings, "&Speichern");
    ASSERT_TRUE(WaitGone(kSettings));
    ASSERT_TRUE(CloseAndWait(hwnd));
    std::string ini = dir_.Read("PIXAPORT.INI");
    EXPECT_NE(ini.find("Extens=JPG\r\n"), std::string::npos) << ini;
    EXPECT_NE(ini.find("Quelle=\r\n"), std::string::npos) << ini;

    hwnd = Start();
    ASSERT_NE(hwnd, nullptr);
    EXPECT_TRUE(CancelSettings()) << "the settings dialog opens again";
    ASSERT_TRUE(CloseAndWait(hwnd));
}

TEST_F(ProgramRun, AChosenSourceFolderIsKeptAndTheNextStartOpensNoSettings) {
    HWND hwnd = Start();
    ASSERT_NE(hwnd, nullptr);
    HWND settings = WaitForDialog(kSettings);
    ASSERT_NE(settings, nullptr);
    PressButton(settings, "...");  // the first one: the picture folder
    HWND chooser = nullptr;
    for (int i = 0; i < 400 && !chooser; ++i, Sleep(50)) {
        for (HWND w = GetTopWindow(nullptr); w; w = GetWindow(w, GW_HWNDNEXT))
            if (GetWindow(w, GW_OWNER) == settings && IsWindowVisible(w)) chooser = w;
    }
    ASSERT_NE(chooser, nullptr) << "the folder chooser";
    Sleep(500);
    PostMessageA(chooser, WM_COMMAND, IDOK, 0);  // what is selected: the top of the tree
    ASSERT_TRUE(IsWindowVisible(settings)) << "the settings dialog stays open";
    Sleep(500);
    PressButton(settings, "&Speichern");
    ASSERT_TRUE(WaitGone(kSettings));
    ASSERT_TRUE(CloseAndWait(hwnd));
    std::string ini = dir_.Read("PIXAPORT.INI");
    std::size_t at = ini.find("Quelle=");
    ASSERT_NE(at, std::string::npos) << ini;
    std::string folder = ini.substr(at + 7, ini.find("\r\n", at) - at - 7);
    EXPECT_GT(folder.size(), 3u) << ini;
    EXPECT_EQ(folder.back(), '\\');
    EXPECT_NE(folder[folder.size() - 2], '\\') << "exactly one final backslash";

    hwnd = Start();
    ASSERT_NE(hwnd, nullptr);
    EXPECT_EQ(WaitForDialog(kSettings, 3000), nullptr) << "a source folder is set";
    ASSERT_TRUE(CloseAndWait(hwnd));
}

TEST_F(ProgramRun, WithKonvertSetTheTransferDialogOpensAtStartOnceASourceIsSet) {
    dir_.Write("PIXAPORT.INI", "[Data]\r\nKonvert=1\r\n");
    HWND hwnd = Start();
    ASSERT_NE(hwnd, nullptr);
    ASSERT_TRUE(CancelSettings()) << "without a source only the settings dialog opens";
    EXPECT_EQ(WaitForDialog(kTransfer, 1500), nullptr);
    ASSERT_TRUE(CloseAndWait(hwnd));

    dir_.Write("PIXAPORT.INI", "[Data]\r\nKonvert=1\r\nQuelle=C:\\\r\nZiel=C:\\\r\n");
    hwnd = Start();
    ASSERT_NE(hwnd, nullptr);
    HWND transfer = WaitForDialog(kTransfer);
    ASSERT_NE(transfer, nullptr);
    EXPECT_EQ(GetWindow(transfer, GW_OWNER), hwnd);
    EXPECT_EQ(FindWindowA("#32770", kSettings), nullptr);
    PostMessageA(transfer, WM_CLOSE, 0, 0);
    ASSERT_TRUE(WaitGone(kTransfer));
    ASSERT_TRUE(CloseAndWait(hwnd));
}

TEST_F(ProgramRun, ASecondStartFromTheSameFolderShowsTheRunningCopyAndEndsWhileAnotherFolderMayRun) {
    HWND hwnd = Start();
    ASSERT_NE(hwnd, nullptr);
    ASSERT_TRUE(CancelSettings());
    PostMessageA(hwnd, WM_SYSCOMMAND, SC_MINIMIZE, 0);
    ASSERT_TRUE(WaitFor([&] { return IsIconic(hwnd) != FALSE; }));

    pixa::test::ProgramProcess second;
    ASSERT_TRUE(second.Start(exe_));
    EXPECT_TRUE(second.WaitEnded(20000)) << "the second start ends by itself";
    EXPECT_TRUE(WaitFor([&] { return !IsIconic(hwnd) && GetForegroundWindow() == hwnd; }))
        << "the running copy is restored and in front";

    // A copy in another program folder has its own settings and table: it gets past the
    // check and reads and writes its own settings.
    pixa::test::TempDir otherFolder;
    ASSERT_TRUE(CopyFileA(ProgramPath().c_str(), (otherFolder / "pixaport.exe").c_str(), FALSE));
    pixa::test::ProgramProcess beside;
    ASSERT_TRUE(beside.Start(otherFolder / "pixaport.exe"));
    EXPECT_TRUE(WaitFor([&] { return std::filesystem::exists(otherFolder.path() / "PIXAPORT.INI"); }, 20000));
    beside.Stop();
    EXPECT_TRUE(CloseAndWait(hwnd));
}

}  // namespace
