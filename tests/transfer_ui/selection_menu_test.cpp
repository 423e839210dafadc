// The selection list's context menu: hiding folder groups and bringing them back in
// reverse order, the entry that can only undo what was hidden, and hidden rows never
// transferred.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>

#include "app/transfer/directory.h"
#include "app/transfer/transfer_dialog.h"
#include "framework/services/browse.h"
#include "framework/services/help.h"
#include "framework/window/window_registry.h"
#include "tests/support/gui_driver.h"
#include "tests/transfer/transfer_fakes.h"
#include "tests/transfer_ui/transfer_fixture.h"
#include "tests/transfer_ui/window_probe.h"
#include "tests/support/layers.h"

namespace pixa::test {
namespace {

constexpr UINT kGetMenuHandle = 0x01E1;  // MN_GETHMENU

// The open context menu's window, or null.
HWND MenuWindow() {
    HWND menu = FindWindowA("#32768", nullptr);
    return menu && IsWindowVisible(menu) ? menu : nullptr;
}

// Position of the entry with this prompt in the open menu, or -1.
int EntryIndex(const std::string& prompt) {
    auto menu = reinterpret_cast<HMENU>(SendMessageA(MenuWindow(), kGetMenuHandle, 0, 0));
    for (int i = 0; i < GetMenuItemCount(menu); ++i) {
        char text[128] = {};
        GetMenuStringA(menu, i, text, sizeof text, MF_BYPOSITION);
        if (prompt == text) return i;
    }
    return -1;
}

bool EntryEnabled(const std::string& prompt) {
    auto menu = reinterpret_cast<HMENU>(SendMessageA(MenuWindow(), kGetMenuHandle, 0, 0));
    int at = EntryIndex(prompt);
    return at >= 0 && !(GetMenuState(menu, at, MF_BYPOSITION) & (MF_GRAYED | MF_DISABLED));
}

class SelectionMenu : public TransferFixture {
protected:
    static HWND List() { return ChildAt(Selection(), 15, 0); }
    static int RowHeight() {
        auto browse = std::dynamic_pointer_cast<TWBrowse>(oWndFromHwnd(List()));
        return browse ? browse->LineHeight() : 14;
    }
    // Steps: click data row r, right-click it, wait for the menu.
    static void OpenMenuAt(GuiScript& script, int r) {
        script.Do("select row " + std::to_string(r), [r] { ClickAt(List(), 60, r * RowHeight() + RowHeight() / 2); })
            .Do("right-click", [r] { RightClickAt(List(), 60, r * RowHeight() + RowHeight() / 2); })
            .Until("menu open", [] { return MenuWindow() != nullptr; });
    }
    // Steps: choose an entry by its hot key and wait for the menu to close.
    static void Choose(GuiScript& script, char key) {
        script.Do(std::string("key ") + key, [key] { PostMessageA(MenuWindow(), WM_CHAR, key, 1); })
            .Until("menu closed", [] { return MenuWindow() == nullptr; });
    }
    static std::string Marked() { return Trimmed(ChildAt(Selection(), 172, 252)); }
    void Run(GuiScript& script) {
        script.Start();
        Konvert(owner_, Values());
        EXPECT_TRUE(script.Succeeded()) << script.FailedStep();
    }
};

TEST_F(SelectionMenu, HideTwoGroupsBringThemBackInReverseOrderAndNeverTransferHidden) {
    // Rows in byte order: a\1, b\2, b\3, c\4, c\5.
    for (const char* name : {"a\\1.jpg", "b\\2.jpg", "b\\3.jpg", "c\\4.jpg", "c\\5.jpg"}) Picture(name, 1000);
    std::vector<bool> undoEnabled;
    std::string final;
    GuiScript script(std::chrono::milliseconds(10000));
    script.Until("transfer dialog", [] { return KonvertDialog() != nullptr; })
        .Do("start", [] { Press(ChildWithText(KonvertDialog(), kStart)); })
        .Until("selection list", [] { return Selection() != nullptr; });
    OpenMenuAt(script, 2);  // a row of group b
    script.Do("nothing to bring back yet", [&] { undoEnabled.push_back(EntryEnabled("&Letzten gelöschten Ordner einblenden")); });
    Choose(script, 'o');  // gesamten &Ordner ausblenden
    script.Until("b hidden", [&] { return Marked() == "3"; });
    OpenMenuAt(script, 2);  // now c\4
    Choose(script, 'o');
    script.Until("c hidden", [&] { return Marked() == "1"; });
    OpenMenuAt(script, 1);
    script.Do("can bring back", [&] { undoEnabled.push_back(EntryEnabled("&Letzten gelöschten Ordner einblenden")); });
    Choose(script, 'l');  // &Letzten gelöschten Ordner einblenden: c first
    script.Until("c back", [&] { return Marked() == "3"; });
    OpenMenuAt(script, 1);
    Choose(script, 'l');  // then b
    script.Until("b back", [&] { return Marked() == "5"; });
    OpenMenuAt(script, 1);
    script.Do("nothing left", [&] { undoEnabled.push_back(EntryEnabled("&Letzten gelöschten Ordner einblenden")); })
        .Do("close the menu", [] { PostMessageA(MenuWindow(), WM_KEYDOWN, VK_ESCAPE, 1); })
        .Until("menu closed", [] { return MenuWindow() == nullptr; });
    // Hide group b once more and go on: b's files stay on the computer.
    OpenMenuAt(script, 2);
    Choose(script, 'o');
    script.Until("b hidden", [&] { return Marked() == "3"; }).Do("weiter", [] { Press(ChildAt(Selection(), 183, 191)); });
    script.Until("final box", [] { return Box("Konvertierung beendet") != nullptr; })
        .Do("ok", [&] {
            final = BoxText(Box("Konvertierung beendet"));
            Answer(Box("Konvertierung beendet"), IDOK);
        })
        .Until("back", [] { return KonvertDialog() && !Progress(); })
        .Do("close", [] { Press(ChildWithText(KonvertDialog(), "&Abbrechen")); });
    Run(script);

    EXPECT_EQ(undoEnabled, (std::vector<bool>{false, true, false}));
    EXPECT_EQ(final, "Es wurden 3 Dateien erfolgreich konvertiert.\r\n3 Kopien wurden auf der Karte nachgeprüft.");
    ASSERT_EQ(CardNames().size(), 3u);
    EXPECT_EQ(ReadAnsi(cZiel + "DSC00002.JPG"), ReadAnsi(source_ + "c\\4.jpg"));  // a\1, c\4, c\5
}

TEST_F(SelectionMenu, KeyboardOpensTheMenuAtTheCurrentRowAndTabPassesTheHiddenDefaultButton) {
    for (const char* name : {"a\\1.jpg", "a\\2.jpg", "a\\3.jpg"}) Picture(name, 1000);
    std::vector<bool> menuOnRow;  // each menu's top edge lies in the current row (row 3)
    std::vector<HWND> tabStops;
    auto holdShift = [](bool down) {
        BYTE keys[256];
        GetKeyboardState(keys);
        keys[VK_SHIFT] = down ? 0x80 : 0;
        SetKeyboardState(keys);
    };
    HWND nix = nullptr;
    GuiScript script(std::chrono::milliseconds(10000));
    script.Until("transfer dialog", [] { return KonvertDialog() != nullptr; })
        .Do("start", [] { Press(ChildWithText(KonvertDialog(), kStart)); })
        .Until("selection list", [] { return Selection() != nullptr; })
        .Do("select row 3", [] { ClickAt(List(), 60, 3 * RowHeight() + 1); });
    for (bool shiftF10 : {false, true}) {
        script.Do("menu key", [=] {
                  if (!shiftF10) return PressKey(VK_APPS);
                  holdShift(true);
                  PostMessageA(GetFocus(), WM_SYSKEYDOWN, VK_F10, 1);
              })
            .Until("menu open", [] { return MenuWindow() != nullptr; })
            .Do("where", [&] {
                RECT menu, row = RectIn(List(), nullptr);
                GetWindowRect(MenuWindow(), &menu);
                const long offset = menu.top - row.top - 3 * RowHeight();
                menuOnRow.push_back(offset >= 0 && offset < RowHeight());
                holdShift(false);
                PostMessageA(MenuWindow(), WM_KEYDOWN, VK_ESCAPE, 1);
            })
            .Until("menu closed", [] { return MenuWindow() == nullptr; });
    }
    script.Do("tab order round from the list", [&] {
        nix = ChildWithText(Selection(), "Nix");
        for (HWND at = List(); tabStops.size() < 12;) tabStops.push_back(at = GetNextDlgTabItem(Selection(), at, FALSE));
    })
        .Do("Enter", [] { PressKey(VK_RETURN); })
        .Until("Enter toggled row 3", [&] { return Marked() == "2"; })
        .Do("cancel", [] { Press(ChildAt(Selection(), 183, 265)); })
        .Until("back", [] { return KonvertDialog() && !Progress() && !Selection(); })
        .Do("close", [] { Press(ChildWithText(KonvertDialog(), "&Abbrechen")); });
    Run(script);
    EXPECT_EQ(menuOnRow, (std::vector<bool>{true, true}));
    ASSERT_NE(nix, nullptr);
    EXPECT_EQ(std::count(tabStops.begin(), tabStops.end(), nix), 0) << "Tab stops on the invisible button";
}

TEST_F(SelectionMenu, SingleFileEntriesActOnTheCurrentRowAndHelpShowsTheTopic) {
    for (const char* name : {"a\\1.jpg", "a\\2.jpg", "a\\3.jpg"}) Picture(name, 1000);
    std::vector<std::string> shownTopics;
    SetHelpFile("Pixaport.HLP");
    auto previous = SetHelpViewer([&](HWND, const std::string&, UINT command, ULONG_PTR data) {
        shownTopics.push_back(command == 257 ? reinterpret_cast<const char*>(data) : "?");
        return true;
    });
    std::string afterUnmark, afterMark, afterGroup;
    GuiScript script(std::chrono::milliseconds(10000));
    script.Until("transfer dialog", [] { return KonvertDialog() != nullptr; })
        .Do("start", [] { Press(ChildWithText(KonvertDialog(), kStart)); })
        .Until("selection list", [] { return Selection() != nullptr; });
    OpenMenuAt(script, 2);
    Choose(script, 'i');  // diese Datei nicht mark&ieren
    script.Until("one unmarked", [&] { return (afterUnmark = Marked()) == "2"; });
    OpenMenuAt(script, 1);
    Choose(script, 'n');  // gesamten Ordner &nicht markieren
    script.Until("group unmarked", [&] { return (afterGroup = Marked()) == "0"; });
    OpenMenuAt(script, 3);
    Choose(script, 'r');  // diese Datei ma&rkieren
    script.Until("one marked", [&] { return (afterMark = Marked()) == "1"; });
    OpenMenuAt(script, 1);
    Choose(script, 'h');  // &Hilfe anzeigen
    OpenMenuAt(script, 1);
    Choose(script, 'a');  // Übertragung &abbrechen
    script.Until("back", [] { return KonvertDialog() && !Progress() && !Selection(); })
        .Do("close", [] { Press(ChildWithText(KonvertDialog(), "&Abbrechen")); });
    Run(script);
    SetHelpViewer(previous);
    EXPECT_EQ(afterUnmark, "2");
    EXPECT_EQ(afterGroup, "0");
    EXPECT_EQ(afterMark, "1");
    EXPECT_EQ(shownTopics, (std::vector<std::string>{"Konvertieren"}));
    EXPECT_TRUE(CardNames().empty());  // cancelled through the menu
}

TEST_F(SelectionMenu, AToggledRowStaysCurrentForTheNextEnter) {
    for (const char* name : {"a\\1.jpg", "a\\2.jpg", "a\\3.jpg"}) Picture(name, 1000);
    auto rowY = [] { return 2 * RowHeight() + RowHeight() / 2; };
    GuiScript script(std::chrono::milliseconds(10000));
    script.Until("transfer dialog", [] { return KonvertDialog() != nullptr; })
        .Do("start", [] { Press(ChildWithText(KonvertDialog(), kStart)); })
        .Until("selection list", [] { return Selection() != nullptr; })
        .Do("double-click row 2", [&] { ClickAt(List(), 60, rowY(), true); })
        .Until("row 2 unmarked", [] { return Marked() == "2"; })
        .Do("Enter", [] { PressKey(VK_RETURN); })
        .Until("row 2 marked again, not row 1 unmarked", [] { return Marked() == "3"; });
    OpenMenuAt(script, 1);
    Choose(script, 'a');  // Übertragung &abbrechen
    script.Until("back", [] { return KonvertDialog() && !Selection(); })
        .Do("close", [] { Press(ChildWithText(KonvertDialog(), "&Abbrechen")); });
    Run(script);
}

}  // namespace
}  // namespace pixa::test
