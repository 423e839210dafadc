// Menus built with the builder functions on real windows: ids, separators,
// enabling at each opening, highlighted items, commands, context menus, accelerators.
#include "framework/services/menu_builder.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "framework/services/sys_refresh.h"
#include "framework/window/event_loop.h"
#include "tests/services/windows.h"
#include "tests/support/gui_driver.h"
#include "tests/support/layers.h"

namespace pixa {
namespace {

using test::GuiScript;
using test::MenuIsOpen;

// An action that appends "tag(prompt)" to the log.
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

bool Grayed(HMENU menu, int id) { return GetMenuState(menu, static_cast<UINT>(id), MF_BYCOMMAND) & MF_GRAYED; }

struct MainMenu {
    std::shared_ptr<TMenu> bar, file;
    std::shared_ptr<TMenuItem> pixaport, quit, separator, conditional, transfer;
};

// A bar like the program's: "&Pixaport" opening a submenu, a command on the bar itself.
MainMenu BuildMainMenu(std::shared_ptr<std::string> log, std::shared_ptr<bool> when) {
    MainMenu m;
    m.bar = MenuBegin();
    m.pixaport = MenuAddItem({.cPrompt = "&Pixaport"});
    m.file = MenuBegin();
    m.quit = MenuAddItem({.cPrompt = "&Beenden", .cMsg = "Ende", .bAction = Recording(log, "quit")});
    m.separator = MenuAddItem();
    m.conditional = MenuAddItem({.cPrompt = "&Wieder zeigen", .bAction = Recording(log, "show"), .bWhen = Flag(when)});
    MenuEnd();
    m.transfer = MenuAddItem({.cPrompt = "&Übertragen", .bAction = Recording(log, "bar")});
    MenuEnd();
    return m;
}

TEST(MenuIds, ConsecutiveFrom20001AndWithin16Bits) {
    {
        auto first = TMenuItem::New({.cPrompt = "a"});
        auto second = TMenuItem::New({.cPrompt = "b"});
        EXPECT_GT(first->nId, 20000);
        EXPECT_EQ(second->nId, first->nId + 1);
    }
    // A long run wraps round below 65536 and skips ids that living items still hold.
    TMenuItem::nInitId() = 20000;
    auto held = TMenuItem::New({.cPrompt = "gehalten"});
    TMenuItem::nInitId() = 65534;
    auto last = TMenuItem::New({.cPrompt = "letzte"});
    auto wrapped = TMenuItem::New({.cPrompt = "danach"});
    EXPECT_EQ(held->nId, 20001);
    EXPECT_EQ(last->nId, 65535);
    EXPECT_EQ(wrapped->nId, 20002) << "round again, past the id still held";
    held.reset();
    TMenuItem::nInitId() = 65535;
    EXPECT_EQ(TMenuItem::New({.cPrompt = "frei"})->nId, 20001) << "a released id is free again";
}

TEST(MenuCommands, BarCommandsRunAtOnceSeparatorsAndDisabledItemsNever) {
    auto log = std::make_shared<std::string>();
    MainMenu m = BuildMainMenu(log, std::make_shared<bool>(false));
    EXPECT_EQ(GetSubMenu(m.bar->hMenu, 0), m.file->hMenu) << "the submenu hangs under the entry before it";
    EXPECT_TRUE(GetMenuState(m.file->hMenu, 1, MF_BYPOSITION) & MF_SEPARATOR);
    test::ShownWindow w("Menüleiste", m.bar);
    auto command = [&](int id) { SendMessageA(w->hWnd, WM_COMMAND, static_cast<WPARAM>(id), 0); };
    command(m.transfer->nId);
    command(m.quit->nId);
    EXPECT_EQ(*log, "bar(&Übertragen)quit(&Beenden)");
    EXPECT_EQ(TMenu::oLastItem(), m.quit);
    command(m.separator->nId);
    command(m.conditional->nId);
    command(19999);
    EXPECT_EQ(*log, "bar(&Übertragen)quit(&Beenden)") << "separator, disabled entry, unknown id: nothing";
    EXPECT_EQ(m.bar->GetMenuItem(m.separator->nId), nullptr);
    DestroyWindow(w->hWnd);
    EXPECT_EQ(m.bar->hMenu, nullptr) << "the window ends its menu";
}

TEST(MenuCommands, HighlightedItemIsRememberedUntilTheMenuCloses) {
    MainMenu m = BuildMainMenu(std::make_shared<std::string>(), std::make_shared<bool>(true));
    test::ShownWindow w("Markiert", m.bar);
    auto select = [&](WPARAM wp, HMENU menu) {
        SendMessageA(w->hWnd, WM_MENUSELECT, wp, reinterpret_cast<LPARAM>(menu));
    };
    select(MAKEWPARAM(0, MF_POPUP | MF_HILITE), m.bar->hMenu);
    EXPECT_EQ(MenuItemSelected(), Value(m.pixaport)) << "the entry that opens the submenu";
    select(MAKEWPARAM(m.quit->nId, MF_HILITE), m.file->hMenu);
    EXPECT_EQ(MenuItemSelected(), Value(m.quit));
    select(MAKEWPARAM(0, 0xFFFF), nullptr);
    EXPECT_TRUE(MenuItemSelected().IsAbsent());
}

TEST(MenuOpening, GrayedEntryIsEnabledAtTheNextOpening) {
    auto when = std::make_shared<bool>(false);
    MainMenu m = BuildMainMenu(std::make_shared<std::string>(), when);
    test::ShownWindow w("Öffnen", m.bar);
    bool grayed[2] = {false, true};
    GuiScript script;
    for (int round = 0; round < 2; ++round) {
        script.Do("open", [&] { test::OpenMenuBarEntry(w->hWnd, 'p'); })
            .Until("submenu open", MenuIsOpen)
            .Do("read", [&, round] { grayed[round] = Grayed(m.file->hMenu, m.conditional->nId); })
            .Do("close", [] { test::PressKey(VK_ESCAPE); test::PressKey(VK_ESCAPE); })
            .Until("closed", [] { return !MenuIsOpen(); })
            .Do("condition holds now", [&] { *when = true; });
    }
    script.Start();
    script.Pump();
    EXPECT_TRUE(script.Succeeded()) << script.FailedStep();
    EXPECT_TRUE(grayed[0]);
    EXPECT_FALSE(grayed[1]);
}

TEST(ContextMenu, ChosenActionRunsOnceAfterTheMenuHasClosed) {
    test::ShownWindow w("Kontext");
    auto runs = std::make_shared<int>(0);
    auto openDuringAction = std::make_shared<bool>(true);
    auto menu = MenuBegin(true);
    auto hidden = MenuAddItem({.cPrompt = "&Ordner zeigen", .bAction = Recording(std::make_shared<std::string>(), "x"),
                               .bWhen = Flag(std::make_shared<bool>(false))});
    MenuAddItem();
    MenuAddItem({.cPrompt = "&Ansehen", .bAction = Action([=](const Args&) {
                     ++*runs;
                     *openDuringAction = MenuIsOpen();
                     return Value();
                 })});
    MenuEnd();
    bool grayed = false;
    GuiScript script;
    script.Until("menu open", MenuIsOpen)
        .Do("read", [&] { grayed = Grayed(menu->hMenu, hidden->nId); })
        .Do("choose Ansehen", [] {
            test::PressKey(VK_DOWN);  // the grayed entry
            test::PressKey(VK_DOWN);  // past the separator
            test::PressKey(VK_RETURN);
        });
    script.Start();
    menu->Activate(20, 20, w.get());
    EXPECT_TRUE(script.Succeeded()) << script.FailedStep();
    EXPECT_TRUE(grayed) << "its condition is evaluated when the menu opens";
    EXPECT_EQ(*runs, 1);
    EXPECT_FALSE(*openDuringAction) << "the action runs after the menu has gone";
    EXPECT_EQ(w->oPopup, nullptr);
    EXPECT_EQ(menu->hMenu, nullptr) << "a context menu is ended after Activate";
}

TEST(MenuAccelerators, KeyRunsTheItemAndIsOutOfUseWhilePendingMessagesAreProcessed) {
    auto log = std::make_shared<std::string>();
    auto bar = MenuBegin();
    MenuAddItem({.cPrompt = "&Neu", .bAction = Recording(log, "f5"), .nVirtKey = VK_F5});
    MenuEnd();
    ASSERT_NE(bar->Accelerators(), nullptr);
    auto w = TWindow::New({.nTop = 50, .nLeft = 50, .nBottom = 300, .nRight = 450, .cTitle = "Tasten",
                           .oMenu = bar, .lPixel = true});
    auto insideSysRefresh = std::make_shared<HACCEL>(HACCEL(1));
    w->bKeyChar = Action([insideSysRefresh](const Args&) {
        *insideSysRefresh = CurrentAccelerators();
        return Value(0);
    });
    HACCEL inLoop = nullptr;
    GuiScript script;
    script.Until("window up", [&] { return IsWindowVisible(w->hWnd) != FALSE; })
        .Do("table in use", [&] { inLoop = CurrentAccelerators(); })
        .Do("F5", [&] { PostMessageA(w->hWnd, WM_KEYDOWN, VK_F5, 1); })
        .Until("ran", [&] { return *log == "f5(&Neu)"; })
        .Do("a key processed by SysRefresh", [&] {
            PostMessageA(w->hWnd, WM_CHAR, 'x', 1);
            SysRefresh();
        })
        .Do("close", [&] { DestroyWindow(w->hWnd); });
    script.Start();
    w->Activate({});  // the main window: runs the loop until it is destroyed
    EXPECT_TRUE(script.Succeeded()) << script.FailedStep();
    EXPECT_NE(inLoop, nullptr) << "the main window's accelerators are translated by the loop";
    EXPECT_EQ(*insideSysRefresh, nullptr) << "out of use during SysRefresh";
}

}  // namespace
}  // namespace pixa
