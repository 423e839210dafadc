// The transfer dialog as the user sees it: layout, values, the free-space rules of
// the erase button, the refused start into the source, the folder chooser, the alert
// for a missing card.
#include <windows.h>
#include <shlobj.h>

#include <gtest/gtest.h>

#include "app/transfer/directory.h"
#include "app/transfer/transfer_dialog.h"
#include "framework/window/window_registry.h"
#include "tests/support/gui_driver.h"
#include "tests/transfer/transfer_fakes.h"
#include "tests/transfer_ui/transfer_fixture.h"
#include "tests/transfer_ui/window_probe.h"
#include "tests/support/layers.h"

namespace pixa::test {
namespace {

class TransferDialog : public TransferFixture {
protected:
    // Runs the dialog while the script drives it; the script's last step closes it.
    void Run(GuiScript& script) {
        script.Start();
        Konvert(owner_, Values());
        EXPECT_TRUE(script.Succeeded()) << script.FailedStep();
    }
    static HWND At(int row, int col) { return ChildAt(KonvertDialog(), row, col); }
    static std::string Tip(HWND control) {
        auto object = oWndFromHwnd(control);
        return object ? object->cToolTip.AsString() : "?";
    }
};

// The chooser of this thread, when it shows its folder tree.
HWND Chooser() {
    HWND found = nullptr;
    EnumThreadWindows(
        GetCurrentThreadId(),
        [](HWND w, LPARAM out) {
            if (!IsWindowVisible(w) || !FindWindowExA(w, nullptr, "SysTreeView32", nullptr)) return TRUE;
            *reinterpret_cast<HWND*>(out) = w;
            return FALSE;
        },
        reinterpret_cast<LPARAM>(&found));
    return found;
}

// Steps that cancel the chooser once it is up and wait until it has gone.
void CancelChooser(GuiScript& script) {
    script.Until("chooser is up", [] { return Chooser() != nullptr; })
        .Do("cancel the chooser", [] { Answer(Chooser(), IDCANCEL); })
        .Until("chooser closed", [] { return Chooser() == nullptr; });
}

TEST_F(TransferDialog, ShowsTheConfigurationLaidOutAsSpecified) {
    if (!CardReady()) GTEST_SKIP() << "the 4 MiB card K: is not mounted";
    RECT frame{}, units[4]{};
    std::string texts[24], tips[6];
    bool enabled[2]{};
    GuiScript script;
    script.Until("dialog is up", [] { return KonvertDialog() != nullptr; })
        .Do("read it", [&] {
            HWND k = KonvertDialog();
            GetWindowRect(k, &frame);
            texts[0] = Trimmed(At(22, 50));   // oQuelle
            texts[1] = Trimmed(At(64, 50));   // oZiel
            texts[2] = Trimmed(At(80, 50));   // oExtens
            texts[3] = Trimmed(At(100, 50));  // oSpeicher
            texts[4] = Trimmed(At(112, 50));  // oCamSpace
            const std::pair<std::pair<int, int>, const char*> labels[] = {
                {{5, 50}, "Wählen Sie zuerst auf Ihrem Computer den Ordner aus, in dem die zu kopierenden "
                          "Bilddateien gespeichert sind !"},
                {{24, 6}, "Bilderordner"}, {{66, 6}, "Kameraordner"}, {{82, 6}, "Dateitype"},
                {{82, 77}, "zur Übertragung auf die Kamera"}, {{102, 6}, "Kameraspeicher"},
                {{102, 77}, "MB    maximaler verfügbarer Speicher"}, {{114, 6}, "freier Speicher"},
                {{114, 77}, "MB    aktuell verfügbarer Speicher"}, {{148, 171}, "&Hilfe"},
                {{148, 208}, "&Abbrechen"}, {{22, 205}, "Suchen"}, {{64, 205}, "Suchen"}, {{112, 205}, "Löschen"},
                {{33, 50}, " Unterordner mit einbeziehen"}, {{130, 50}, " &Übertragung simulieren"}};
            int i = 5;
            for (const auto& [at, text] : labels) {
                HWND control = At(at.first, at.second);
                texts[i++] = control && TextOf(control) == text ? "ok" : std::string("missing: ") + text;
            }
            units[0] = UnitsOf(At(148, 99), k);
            units[1] = UnitsOf(At(22, 50), k);
            units[2] = UnitsOf(At(112, 205), k);
            units[3] = UnitsOf(At(5, 50), k);
            tips[0] = Tip(At(148, 99));
            tips[1] = oWndFromHwnd(At(148, 99))->cMsg;
            tips[2] = Tip(At(22, 205));
            tips[3] = Tip(At(112, 205));
            tips[4] = Tip(At(130, 50));
            tips[5] = Tip(At(33, 50));
            enabled[0] = IsWindowEnabled(At(148, 99));
            enabled[1] = IsWindowEnabled(At(112, 205));
        })
        .Do("close", [] { Press(ChildWithText(KonvertDialog(), "&Abbrechen")); });
    Run(script);

    // 85 pixels right of and below the main window at (30, 20).
    EXPECT_EQ(frame.left, 115);
    EXPECT_EQ(frame.top, 105);
    EXPECT_EQ(texts[0], source_);
    EXPECT_EQ(texts[1], "K:\\DCIM\\");
    EXPECT_EQ(texts[2], "JPG");
    EXPECT_EQ(texts[3], "8");
    EXPECT_EQ(texts[4], "4");  // the empty 4 MiB card
    for (int i = 5; i < 21; ++i) EXPECT_EQ(texts[i], "ok");
    // Control units: the start button 70 × 10 (71 × 11 units with both edges), a label 150 × 10.
    EXPECT_EQ(units[0].right, 71);
    EXPECT_EQ(units[0].bottom, 11);
    EXPECT_EQ(units[1].right, 150);
    EXPECT_EQ(units[1].bottom, 10);
    EXPECT_EQ(units[2].right, 36);
    EXPECT_EQ(units[3].bottom, 20);
    EXPECT_EQ(tips[0], "Datentransfer starten");
    EXPECT_EQ(tips[1], "Bilder auf die Kamera kopieren");
    EXPECT_EQ(tips[2], "Bilderordner suchen");
    EXPECT_EQ(tips[3], "Kameraspeicher löschen");
    EXPECT_EQ(tips[4], "Simulation ohne Kopieren");
    EXPECT_EQ(tips[5], "Untergeordnete Ordner mit kopieren");
    EXPECT_TRUE(enabled[0]);  // both folders exist
    EXPECT_TRUE(enabled[1]);  // 4 MB free of 8
}

TEST_F(TransferDialog, EraseOnlyWhileTheCardHoldsSomethingAndNeverWithCapacityZero) {
    if (!CardReady()) GTEST_SKIP() << "the 4 MiB card K: is not mounted";
    for (long capacity : {5L, 4L, 0L}) {
        nSpeicher = capacity;
        bool enabled = true;
        GuiScript script;
        script.Until("dialog is up", [] { return KonvertDialog() != nullptr; })
            .Do("read", [&] { enabled = IsWindowEnabled(At(112, 205)); })
            .Do("close", [] { Press(ChildWithText(KonvertDialog(), "&Abbrechen")); });
        Run(script);
        EXPECT_EQ(enabled, capacity == 5) << "capacity " << capacity << " with 4 MB free";
    }
}

TEST_F(TransferDialog, EraseAsksThenEmptiesTheCardAndShowsTheNewFreeSpace) {
    if (!CardReady()) GTEST_SKIP() << "the 4 MiB card K: is not mounted";
    WriteAnsi("K:\\DCIM\\DSC00001.JPG", std::string(1500000, 'x'));
    WriteAnsi("K:\\DCIM\\DSC00002.JPG", std::string(100, 'y'));
    std::string before, question, after, report;
    GuiScript script;
    script.Until("dialog is up", [] { return KonvertDialog() != nullptr; })
        .Do("erase", [&] {
            before = Trimmed(At(112, 50));
            Press(At(112, 205));
        })
        .Until("question", [] { return Box("Löschen") != nullptr; })
        .Do("yes", [&] {
            question = BoxText(Box("Löschen"));
            Answer(Box("Löschen"), IDYES);
        })
        .Until("report", [] { return Box("Information") != nullptr; })
        .Do("ok", [&] {
            report = BoxText(Box("Information"));
            Answer(Box("Information"), IDOK);
        })
        .Until("free space shown anew", [&] { return Trimmed(At(112, 50)) == "4"; })
        .Do("close", [] { Press(ChildWithText(KonvertDialog(), "&Abbrechen")); });
    Run(script);
    EXPECT_EQ(before, "2");
    EXPECT_EQ(question, "Wollen Sie den Kameraspeicher löschen ?\n\nEs werden 2 Dateien aus K:\\DCIM\\ gelöscht.");
    EXPECT_EQ(report, "Der Kameraspeicher wurde gelöscht !");
    EXPECT_TRUE(CardNames().empty());
}

TEST_F(TransferDialog, EraseRefusesTheSourceFolderAndSaysWhy) {
    Picture("a.jpg", 10);
    cZiel = cQuelle;  // the target set to the picture folder
    nSpeicher = 1 << 30;
    std::string why;
    GuiScript script;
    script.Until("dialog is up", [] { return KonvertDialog() != nullptr; })
        .Do("erase", [] { Press(At(112, 205)); })
        .Until("refusal", [] { return Box("Löschen") != nullptr; })
        .Do("ok", [&] {
            why = BoxText(Box("Löschen"));
            Answer(Box("Löschen"), IDOK);
        })
        .Do("close", [] { Press(ChildWithText(KonvertDialog(), "&Abbrechen")); });
    Run(script);
    EXPECT_NE(why.find("Es wurde nichts gelöscht !"), std::string::npos) << why;
    EXPECT_TRUE(File(source_ + "a.jpg"));
}

TEST_F(TransferDialog, StartIntoTheSourceIsRefusedNamingBothFolders) {
    Picture("a.jpg", 10);
    cZiel = source_ + "Kamera\\";
    CreateDirectoryA(cZiel.c_str(), nullptr);
    std::string text;
    GuiScript script;
    script.Until("dialog is up", [] { return KonvertDialog() != nullptr; })
        .Do("start", [] { Press(At(148, 99)); })
        .Until("refusal", [] { return Box("Übertragung") != nullptr; })
        .Do("ok", [&] {
            text = BoxText(Box("Übertragung"));
            Answer(Box("Übertragung"), IDOK);
        })
        .Until("box closed", [] { return !Box("Übertragung"); })
        .Do("close", [] { Press(ChildWithText(KonvertDialog(), "&Abbrechen")); });
    Run(script);
    EXPECT_EQ(text, "Der Kameraordner " + cZiel + " ist der Bilderordner " + source_ +
                        " oder liegt in ihm. Kopien würden zwischen die eigenen Bilder geschrieben. Bitte wählen Sie "
                        "einen anderen Kameraordner.");
    EXPECT_TRUE(Directory(cZiel + "*.*").empty());
}

// What a choice becomes (E:\ stays, E:\DCIM gets its "\") is FolderSearch.ChoiceEndsInABackslash...;
// Wine's chooser does not reliably take a selection made by another program's messages.
TEST_F(TransferDialog, CancellingTheChooserKeepsBothFolders) {
    std::string source, target;
    GuiScript script;
    script.Until("dialog is up", [] { return KonvertDialog() != nullptr; })
        .Do("source chooser", [] { Press(At(22, 205)); });
    CancelChooser(script);
    script.Do("target chooser", [] { Press(At(64, 205)); });
    CancelChooser(script);
    script.Do("read", [&] {
            source = Trimmed(At(22, 50));
            target = Trimmed(At(64, 50));
        })
        .Do("close", [] { Press(ChildWithText(KonvertDialog(), "&Abbrechen")); });
    Run(script);
    EXPECT_EQ(source, source_);
    EXPECT_EQ(target, "K:\\DCIM\\");
    EXPECT_EQ(cQuelle, source_);
    EXPECT_EQ(cZiel, "K:\\DCIM\\");
}

TEST_F(TransferDialog, MissingTargetAlertsOnceAndTheButtonsFollowEveryCheck) {
    cZiel = "K:\\fehlt\\";
    int alerts = 0;
    bool startBefore = true, cancelFocused = false, startAfter = false;
    GuiScript script;
    script.Until("alert", [] { return Box("Problem") != nullptr; })
        .Do("ok", [&] {
            ++alerts;
            EXPECT_EQ(BoxText(Box("Problem")), "Das Ziellaufwerk ist nicht verfügbar !");
            Answer(Box("Problem"), IDOK);
        })
        .Until("dialog is up", [] { return KonvertDialog() && !Box("Problem"); })
        .Do("repaint thrice", [] {
            for (int i = 0; i < 3; ++i) RedrawWindow(KonvertDialog(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
        })
        .Do("read", [&] {
            alerts += Box("Problem") != nullptr;
            startBefore = IsWindowEnabled(At(148, 99));
            cancelFocused = GetFocus() == At(148, 208);
        })
        .Do("the card is back", [] {
            CreateDirectoryA("K:\\fehlt", nullptr);
            RedrawWindow(KonvertDialog(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
        })
        .Until("start enabled", [&] { return (startAfter = IsWindowEnabled(At(148, 99))); })
        .Do("gone again", [] {
            RemoveDirectoryA("K:\\fehlt");
            RedrawWindow(KonvertDialog(), nullptr, nullptr, RDW_INVALIDATE);
        })
        .Until("alert again", [] { return Box("Problem") != nullptr; })
        .Do("ok", [&] {
            ++alerts;
            Answer(Box("Problem"), IDOK);
        })
        .Until("start disabled", [] { return !Box("Problem") && !IsWindowEnabled(At(148, 99)); })
        .Do("close", [] { Press(ChildWithText(KonvertDialog(), "&Abbrechen")); });
    Run(script);
    EXPECT_EQ(alerts, 2);  // once per time the card went missing
    EXPECT_FALSE(startBefore);
    EXPECT_TRUE(cancelFocused);
    EXPECT_TRUE(startAfter);
}

}  // namespace
}  // namespace pixa::test
