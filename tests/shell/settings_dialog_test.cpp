// The settings dialog: its place and controls, saving and cancelling, and the
// rules by which folders and the file type are saved.
#include "app/shell/settings_dialog.h"

#include <windows.h>

#include <gtest/gtest.h>

#include "app/shell/config.h"
#include "app/shell/publics.h"
#include "framework/controls/combo_box.h"
#include "tests/support/gui_driver.h"
#include "tests/shell/program_folder.h"
#include "tests/support/layers.h"

namespace pixa::shell {
namespace {

using test::FindDialog;
using test::GuiScript;

constexpr const char* kCaption = "Pixaport - Einstellungen";

// A fresh configuration in a program folder of its own.
class Settings : public test::ProgramFolder {
protected:
    void SetUp() override {
        ProgramFolder::SetUp();
        LoadPublics();
    }

    // The child window of the open dialog showing this text.
    static HWND Child(const std::string& text) {
        HWND dlg = FindDialog(kCaption);
        for (HWND c = GetWindow(dlg, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT))
            if (test::TextOf(c) == text) return c;
        return nullptr;
    }
    static void Press(const std::string& button) {
        HWND dlg = FindDialog(kCaption);
        HWND hwnd = Child(button);
        PostMessageA(dlg, WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(hwnd), BN_CLICKED), reinterpret_cast<LPARAM>(hwnd));
    }
};

TEST(SavedFolder, BlanksOnlyIsEmptyAndEveryOtherFolderEndsInExactlyOneBackslash) {
    EXPECT_EQ(SavedFolder(""), "");
    EXPECT_EQ(SavedFolder("    "), "");
    EXPECT_EQ(SavedFolder("C:\\Bilder"), "C:\\Bilder\\");
    EXPECT_EQ(SavedFolder("C:\\Bilder\\   "), "C:\\Bilder\\");
    EXPECT_EQ(SavedFolder("E:\\"), "E:\\");
    EXPECT_EQ(SavedFolder("  C:\\A B  "), "  C:\\A B\\") << "leading blanks are the user's";
}

TEST_F(Settings, SavingWritesTheSevenKeysInOrderWithTheFileTypeDefaulted) {
    Publics& g = G();
    g.lS_Konvert = true, g.cExtens = "   ", g.cDFBeg = "Canon", g.cQuelle = "C:\\Bilder  ";
    g.lSubOrd = true, g.cZiel = "   ", g.nSpeicher = 0;
    SaveSettings();
    EXPECT_NE(Ini().find("[Data]\r\nKonvert=1\r\nExtens=JPG\r\nBeginn=Canon\r\nQuelle=C:\\Bilder\\\r\n"
                         "SubOrd=1\r\nZiel=\r\nSpeicher=0\r\n"),
              std::string::npos)
        << Ini();
    EXPECT_EQ(g.cQuelle, "C:\\Bilder\\") << "the values in force are the saved ones";
    g.cExtens = "*  ";
    SaveSettings();
    EXPECT_NE(Ini().find("Extens=*  \r\n"), std::string::npos) << "a type that is not blank stays";
}

TEST_F(Settings, OpensBesideTheStartPositionWithItsControlsBoundToTheValues) {
    Publics& g = G();
    g.nTop = 30, g.nLeft = 40;
    g.cQuelle = "C:\\Bilder\\";
    RECT placed{};
    std::string extension, folder;
    bool helpIcon = true;
    GuiScript script;
    script.Until("dialog open", [] { return FindDialog(kCaption) != nullptr; })
        .Do("read", [&] {
            HWND dlg = FindDialog(kCaption);
            GetWindowRect(dlg, &placed);
            helpIcon = GetWindowLongA(dlg, GWL_EXSTYLE) & WS_EX_CONTEXTHELP;
            folder = test::TextOf(Child("C:\\Bilder\\"));
            extension = test::TextOf(Child("   "));
        })
        .Do("cancel", [] { Press("&Abbrechen"); });
    script.Start();
    EXPECT_TRUE(pixa::shell::Setup(nullptr));
    ASSERT_TRUE(script.Succeeded()) << script.FailedStep();
    EXPECT_EQ(placed.left, 125);
    EXPECT_EQ(placed.top, 115);
    EXPECT_NEAR(placed.right - placed.left, 480, 8);
    EXPECT_NEAR(placed.bottom - placed.top, 300 + GetSystemMetrics(SM_CYCAPTION), 8);
    EXPECT_FALSE(helpIcon);
    EXPECT_EQ(folder, "C:\\Bilder\\");
    EXPECT_EQ(extension, "   ");
    for (auto& control : {g.oQuelle, g.oZiel, g.oExtens, g.oSpeicher, g.oSubOrd, g.oDFBeg})
        EXPECT_NE(control, nullptr);
}

TEST_F(Settings, CancelKeepsTheFileButTheChangedMakerStaysInForce) {
    GuiScript script;
    script.Until("dialog open", [] { return FindDialog(kCaption) != nullptr; })
        .Do("choose Canon", [] {
            auto box = std::dynamic_pointer_cast<TComboBox>(G().oDFBeg);
            SendMessageA(box->hWnd, CB_SETCURSEL, 0, 0);
            SendMessageA(GetParent(box->hWnd), WM_COMMAND, MAKEWPARAM(box->nId, CBN_SELCHANGE),
                         reinterpret_cast<LPARAM>(box->hWnd));
        })
        .Do("cancel", [] { Press("&Abbrechen"); });
    script.Start();
    pixa::shell::Setup(nullptr);
    ASSERT_TRUE(script.Succeeded()) << script.FailedStep();
    EXPECT_EQ(G().cDFBeg, "Canon");
    EXPECT_EQ(Ini().find("[Data]"), std::string::npos) << Ini();
}

TEST_F(Settings, OnlyListedMakersAreShownAndTheOneShownIsTheOneInForce) {
    struct Case {
        const char* stored;
        const char* shown;
    };
    for (const Case& c : {Case{"Nikon", "Canon"}, Case{" olympus", "Olympus"}}) {
        G().cDFBeg = c.stored;
        int entries = 0;
        std::string shown, bound;
        GuiScript script;
        script.Until("dialog open", [] { return FindDialog(kCaption) != nullptr; })
            .Do("read", [&] {
                auto box = std::dynamic_pointer_cast<TComboBox>(G().oDFBeg);
                entries = static_cast<int>(SendMessageA(box->hWnd, CB_GETCOUNT, 0, 0));
                shown = test::TextOf(box->hWnd);
                bound = G().cDFBeg;
            })
            .Do("cancel", [] { Press("&Abbrechen"); });
        script.Start();
        pixa::shell::Setup(nullptr);
        ASSERT_TRUE(script.Succeeded()) << script.FailedStep();
        EXPECT_EQ(entries, 3) << c.stored << ": never an entry of its own";
        EXPECT_EQ(shown, c.shown) << c.stored;
        EXPECT_EQ(bound, c.shown) << c.stored;
    }
}

TEST_F(Settings, SaveWritesWhatTheDialogShows) {
    WriteIni("[Data]\r\nSpeicher=16000\r\n");  // a 16 GB card: in the seven places of the field
    LoadPublics();
    G().cQuelle = "C:\\Fotos";
    std::string speicher;
    GuiScript script;
    script.Until("dialog open", [] { return FindDialog(kCaption) != nullptr; })
        .Do("read", [&] { speicher = test::TextOf(std::dynamic_pointer_cast<TWindow>(G().oSpeicher)->hWnd); })
        .Do("save", [] { Press("&Speichern"); });
    script.Start();
    pixa::shell::Setup(nullptr);
    ASSERT_TRUE(script.Succeeded()) << script.FailedStep();
    EXPECT_NE(Ini().find("Extens=JPG\r\nBeginn=Sony\r\nQuelle=C:\\Fotos\\\r\n"), std::string::npos) << Ini();
    EXPECT_EQ(speicher, "  16000");
    EXPECT_NE(Ini().find("Speicher=16000\r\n"), std::string::npos) << Ini();
}

}  // namespace
}  // namespace pixa::shell
