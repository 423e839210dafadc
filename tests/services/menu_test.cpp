// Menus built with the builder functions on real windows: ids, separators,
// enabling at each opening, highlighted items, commands and context menus.
#include "framework/services/menu_builder.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "framework/services/sys_refresh.h"
#include "framework/window/event_loop.h"
#include "framework/window/window.h"
#include "tests/support/gui_driver.h"

namespace pixa {
namespace {

using test::GuiScript;

Action Recording(std::shared_ptr<std::string> log, std::string tag) {
    return Action([log, tag](const Args& args) {
        auto item = std::dynamic_pointer_cast<TMenuItem>(args[0].AsObject());
        *log += tag + "(" + (item ? item->cCaption() : "?") + ")";
        return Value();
    });
}

Action Flag(std::shared_ptr<bool> flag) {
    return Action([flag](const Args&) { return Value(*flag); });
}

std::shared_ptr<TWindow> MenuWindow(const std::string& title, std::shared_ptr<TMenu> menu = {}) {
    auto w = TWindow::New({.nTop = 50, .nLeft = 50, .nBottom = 300, .nRight = 450, .cTitle = title, .oMenu = menu,
                           .lPixel = true});
    ShowWindow(w->hWnd, SW_SHOW);
    SetForegroundWindow(w->hWnd);
    return w;
}

// The platform's popup menu window while a menu is open, or null.
HWND OpenMenuWindow() {
    HWND menu = FindWindowA("#32768", nullptr);
    return menu && IsWindowVisible(menu) ? menu : nullptr;
}

bool Grayed(HMENU menu, int id) { return GetMenuState(menu, static_cast<UINT>(id), MF_BYCOMMAND) & MF_GRAYED; }

struct MainMenu {
    std::shared_ptr<TMenu> bar, file;
    std::shared_ptr<TMenuItem> pixaport, quit, transfer, conditional;
};

// A bar like the program's: "&Pixaport" opening a submenu, commands on the bar itself.
MainMenu BuildMainMenu(std::shared_ptr<std::string> log, std::shared_ptr<bool> when) {
    MainMenu m;
    m.bar = MenuBegin();
    m.pixaport = MenuAddItem({.cPrompt = "&Pixaport", .cMsg = "Programm"});
    m.file = MenuBegin();
    m.quit = MenuAddItem({.cPrompt = "&Beenden", .cMsg = "Ende", .bAction = Recording(log, "quit")});
    MenuAddItem();
    m.conditional = MenuAddItem({.cPrompt = "&Wieder zeigen", .bAction = Recording(log, "show"), .bWhen = Flag(when)});
    MenuEnd();
    m.transfer = MenuAddItem({.cPrompt = "&Übertragen", .bAction = Recording(log, "bar")});
    MenuEnd();
    return m;
}

TEST(MenuIds, ConsecutiveFrom20001AndWithin16Bits) {
    auto first = TMenuItem::New({.cPrompt = "a"});
    auto second = TMenuItem::New({.cPrompt = "b"});
    EXPECT_GT(first->nId, 20000);
    EXPECT_EQ(second->nId, first->nId + 1);

    // A long run wraps round below 65536 and skips ids that living items still hold.
    TMenuItem::nInitId() = 20000;
    auto held = TMenuItem::New({.cPrompt = "gehalten"});
    EXPECT_EQ(held->nId, 20001);
    TMenuItem::nInitId() = 65534;
    auto last = TMenuItem::New({.cPrompt = "letzte"});
    auto wrapped = TMenuItem::New({.cPrompt = "danach"});
    EXPECT_EQ(last->nId, 65535);
    EXPECT_NE(wrapped->nId, 20001) << "still held";
    EXPECT_GE(wrapped->nId, 20001);
    EXPECT_LE(wrapped->nId, 65535);
    int freed = held->nId;
    held.reset();
    TMenuItem::nInitId() = 65535;
    EXPECT_EQ(TMenuItem::New({.cPrompt = "frei"})->nId, freed) << "a released id is free again";
}

TEST(MenuBuilding, SubmenuUnderThePrecedingEntryAndUnreachableSeparators) {
    auto log = std::make_shared<std::string>();
    auto when = std::make_shared<bool>(true);
    MainMenu m = BuildMainMenu(log, when);
    EXPECT_EQ(m.pixaport->SubMenu(), m.file);
    EXPECT_EQ(GetSubMenu(m.bar->hMenu, 0), m.file->hMenu);
    EXPECT_EQ(GetMenuItemCount(m.bar->hMenu), 2);
    ASSERT_EQ(m.file->aItems.size(), 3u);
    auto separator = m.file->aItems[1];
    EXPECT_TRUE(GetMenuState(m.file->hMenu, 1, MF_BYPOSITION) & MF_SEPARATOR);
    EXPECT_EQ(m.bar->GetMenuItem(separator->nId), nullptr) << "no command reaches a separator";
    m.bar->Command(separator->nId);
    EXPECT_EQ(*log, "");
    EXPECT_EQ(m.bar->GetMenuItem(reinterpret_cast<INT_PTR>(m.file->hMenu)), m.pixaport)
        << "the submenu's handle finds its entry";
    EXPECT_EQ(m.bar->GetMenuItem(m.quit->nId), m.quit) << "found in the submenu";
    EXPECT_EQ(TMenu::GetPopup(m.file->hMenu), m.file);
    m.bar->End();
}

TEST(MenuCommands, BarCommandsRunAtOnceUnlessDisabled) {
    auto log = std::make_shared<std::string>();
    auto when = std::make_shared<bool>(false);
    MainMenu m = BuildMainMenu(log, when);
    auto w = MenuWindow("Menüleiste", m.bar);
    EXPECT_EQ(GetMenu(w->hWnd), m.bar->hMenu);
    SendMessageA(w->hWnd, WM_COMMAND, static_cast<WPARAM>(m.transfer->nId), 0);
    SendMessageA(w->hWnd, WM_COMMAND, static_cast<WPARAM>(m.quit->nId), 0);
    EXPECT_EQ(*log, "bar(&Übertragen)quit(&Beenden)");
    EXPECT_EQ(TMenu::oLastItem(), m.quit);
    SendMessageA(w->hWnd, WM_COMMAND, static_cast<WPARAM>(m.conditional->nId), 0);
    SendMessageA(w->hWnd, WM_COMMAND, 19999, 0);
    EXPECT_EQ(*log, "bar(&Übertragen)quit(&Beenden)") << "disabled by its condition; unknown id ignored";
    DestroyWindow(w->hWnd);
    EXPECT_EQ(m.bar->hMenu, nullptr) << "the window ends its menu";
}

TEST(MenuCommands, HighlightedItemAndItsMessage) {
    auto log = std::make_shared<std::string>();
    MainMenu m = BuildMainMenu(log, std::make_shared<bool>(true));
    auto w = MenuWindow("Markiert", m.bar);
    auto seen = std::make_shared<Value>();
    w->bMenuSelect = Action([seen](const Args& args) {
        *seen = args[0];
        return Value();
    });
    SendMessageA(w->hWnd, WM_MENUSELECT, MAKEWPARAM(0, MF_POPUP | MF_HILITE), reinterpret_cast<LPARAM>(m.bar->hMenu));
    EXPECT_EQ(MenuItemSelected(), Value(m.pixaport)) << "the entry that opens the submenu";
    SendMessageA(w->hWnd, WM_MENUSELECT, MAKEWPARAM(m.quit->nId, MF_HILITE), reinterpret_cast<LPARAM>(m.file->hMenu));
    EXPECT_EQ(MenuItemSelected(), Value(m.quit));
    EXPECT_EQ(*seen, Value(m.quit));
    SendMessageA(w->hWnd, WM_MENUSELECT, MAKEWPARAM(0, 0xFFFF), 0);
    EXPECT_TRUE(MenuItemSelected().IsAbsent()) << "forgotten when the menu closes";
    DestroyWindow(w->hWnd);
}

TEST(MenuOpening, GrayedEntryIsEnabledAtTheNextOpening) {
    auto log = std::make_shared<std::string>();
    auto when = std::make_shared<bool>(false);
    MainMenu m = BuildMainMenu(log, when);
    auto w = MenuWindow("Öffnen", m.bar);
    bool grayedFirst = false, grayedSecond = true;
    GuiScript script;
    script.Do("open", [&] { PostMessageA(w->hWnd, WM_SYSCOMMAND, SC_KEYMENU, 'p'); })
        .Until("submenu open", [] { return OpenMenuWindow() != nullptr; })
        .Do("read", [&] { grayedFirst = Grayed(m.file->hMenu, m.conditional->nId); })
        .Do("close", [] { test::PressKey(VK_ESCAPE); test::PressKey(VK_ESCAPE); })
        .Until("closed", [] { return OpenMenuWindow() == nullptr; })
        .Do("condition holds now", [&] { *when = true; })
        .Do("open again", [&] { PostMessageA(w->hWnd, WM_SYSCOMMAND, SC_KEYMENU, 'p'); })
        .Until("submenu open again", [] { return OpenMenuWindow() != nullptr; })
        .Do("read again", [&] { grayedSecond = Grayed(m.file->hMenu, m.conditional->nId); })
        .Do("close again", [] { test::PressKey(VK_ESCAPE); test::PressKey(VK_ESCAPE); })
        .Until("closed again", [] { return OpenMenuWindow() == nullptr; });
    script.Start();
    script.Pump();
    EXPECT_TRUE(script.Succeeded()) << script.FailedStep();
    EXPECT_TRUE(grayedFirst);
    EXPECT_FALSE(grayedSecond);
    EXPECT_TRUE(m.conditional->lActive);
    DestroyWindow(w->hWnd);
}

TEST(ContextMenu, ChosenActionRunsOnceAfterTheMenuHasClosed) {
    auto w = MenuWindow("Kontext");
    auto runs = std::make_shared<int>(0);
    auto menuOpenDuringAction = std::make_shared<bool>(true);
    auto when = std::make_shared<bool>(false);
    auto menu = MenuBegin(true);
    auto hidden = MenuAddItem({.cPrompt = "&Ordner zeigen", .bAction = Recording(std::make_shared<std::string>(), "x"),
                               .bWhen = Flag(when)});
    MenuAddItem();
    auto view = MenuAddItem({.cPrompt = "&Ansehen", .bAction = Action([=](const Args&) {
                                 ++*runs;
                                 *menuOpenDuringAction = OpenMenuWindow() != nullptr;
                                 return Value();
                             })});
    MenuEnd();
    bool grayed = false;
    GuiScript script;
    script.Until("menu open", [] { return OpenMenuWindow() != nullptr; })
        .Do("read", [&] { grayed = Grayed(menu->hMenu, hidden->nId); })
        .Do("down to Ansehen", [] {
            test::PressKey(VK_DOWN);  // the grayed entry
            test::PressKey(VK_DOWN);  // past the separator
        })
        .Do("choose", [] { test::PressKey(VK_RETURN); });
    script.Start();
    menu->Activate(20, 20, w);
    EXPECT_TRUE(script.Succeeded()) << script.FailedStep();
    EXPECT_TRUE(grayed) << "its condition is evaluated when the menu opens";
    EXPECT_EQ(*runs, 1);
    EXPECT_FALSE(*menuOpenDuringAction) << "the action runs after the menu has gone";
    EXPECT_EQ(w->oPopup, nullptr);
    EXPECT_EQ(menu->hMenu, nullptr) << "a context menu is ended after Activate";
    EXPECT_EQ(TMenu::oLastItem(), view);
    DestroyWindow(w->hWnd);
}

TEST(MenuAccelerators, KeyRunsTheItemAndIsOutOfUseWhilePendingMessagesAreProcessed) {
    auto log = std::make_shared<std::string>();
    auto insideSysRefresh = std::make_shared<HACCEL>(HACCEL(1));
    auto bar = MenuBegin();
    MenuAddItem({.cPrompt = "&Neu\tF5", .bAction = Recording(log, "f5"), .nVirtKey = VK_F5});
    MenuAddItem({.cPrompt = "&Kopieren\tStrg+K", .bAction = Recording(log, "ctrl"), .nVKState = FCONTROL,
                 .nVirtKey = 'K'});
    MenuEnd();
    ASSERT_NE(bar->Accelerators(), nullptr);
    auto w = TWindow::New({.nTop = 50, .nLeft = 50, .nBottom = 300, .nRight = 450, .cTitle = "Tasten",
                           .oMenu = bar, .lPixel = true});
    w->bKeyChar = Action([insideSysRefresh](const Args&) {
        *insideSysRefresh = CurrentAccelerators();
        return Value(0);
    });
    HACCEL inLoop = nullptr;
    GuiScript script;
    script.Until("window up", [&] { return IsWindowVisible(w->hWnd) != FALSE; })
        .Do("table in use", [&] { inLoop = CurrentAccelerators(); })
        .Do("F5", [&] { PostMessageA(w->hWnd, WM_KEYDOWN, VK_F5, 1); })
        .Until("ran", [&] { return *log == "f5(&Neu\tF5)"; })
        .Do("pending key processed inside the loop", [&] {
            PostMessageA(w->hWnd, WM_CHAR, 'x', 1);
            SysRefresh();
        })
        .Do("close", [&] { DestroyWindow(w->hWnd); });
    script.Start();
    w->Activate({});
    EXPECT_TRUE(script.Succeeded()) << script.FailedStep();
    EXPECT_NE(inLoop, nullptr) << "the main window's accelerators are translated by the loop";
    EXPECT_EQ(*insideSysRefresh, nullptr) << "out of use during SysRefresh";
}

}  // namespace
}  // namespace pixa
