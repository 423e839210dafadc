#pragma once
// The main window's menu bar: "&Pixaport", "&Übertragen", "&Einstellungen" and "&?".
#include <memory>

namespace pixa {
class TMenu;
}

namespace pixa::app {

// Builds the menu bar, stores it in `G().oMenu` and returns it. Its actions reach
// the main window through `G().oWnd`.
std::shared_ptr<TMenu> BuildMenu();

}  // namespace pixa::app
