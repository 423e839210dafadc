#pragma once
// Building menus: MenuBegin opens a (sub)menu, MenuAddItem adds an entry to the
// innermost open menu, MenuEnd closes it and hangs it under the entry added just
// before it. The outermost MenuEnd yields the finished tree with its accelerators.
//
//   auto bar = MenuBegin();
//   MenuAddItem({.cPrompt = "&Pixaport"});
//     MenuBegin();
//     MenuAddItem({.cPrompt = "&Beenden", .bAction = quit});
//     MenuEnd();
//   MenuAddItem({.cPrompt = "&Einstellungen", .bAction = settings});
//   MenuEnd();                       // bar is complete
#include <memory>

#include "framework/services/menu.h"
#include "framework/services/namespace.h"

namespace pixa::services {

// MenuAddItem, 15 positions (oMenu is accepted and not used).
struct MenuAddItemArgs {
    std::optional<std::string> cPrompt{};  // 1 text; absent: a separator
    std::string cMsg{};                    // 2 message text while highlighted
    bool lChecked = false;                 // 3 checked
    bool lActive = true;                   // 4 enabled
    Value bAction{};                       // 5 action called with the item
    std::string cBmpFile{};                // 6 bitmap file
    std::string cResName{};                // 7 bitmap resource
    std::shared_ptr<TMenu> oMenu{};        // 8 not used
    Value bBlock{};                        // 9 the action, when given
    BYTE nVKState = 0;                     // 10 accelerator shift state (FSHIFT, FCONTROL, FALT)
    WORD nVirtKey = 0;                     // 11 accelerator key; 0: none
    bool lHelp = false;                    // 12 right-aligned help entry
    int nHelpId = 0;                       // 13 help topic
    Action bWhen{};                        // 14 enabling condition
    bool lBreak = false;                   // 15 new column
};

// Opens a menu: the window's system menu (lSystem), a context menu (lPopup), else a
// menu bar, or a submenu when another menu is open.
std::shared_ptr<TMenu> MenuBegin(bool lPopup = false, bool lSystem = false, const std::shared_ptr<TWindow>& oWnd = {});
// Adds an entry to the innermost open menu; without arguments a separator.
std::shared_ptr<TMenuItem> MenuAddItem(const MenuAddItemArgs& args = {});
// Closes the innermost open menu and yields it.
std::shared_ptr<TMenu> MenuEnd();

}  // namespace pixa::services
