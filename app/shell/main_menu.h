#pragma once
// The main window's menu bar: "&Pixaport", "&Übertragen", "&Einstellungen" and "&?".
#include <memory>

#include "app/shell/namespace.h"

namespace pixa::services {
class TMenu;
}

namespace pixa::shell {

// Builds the menu bar, stores it in `G().oMenu` and returns it. Its actions reach
// the main window through `G().oWnd`.
std::shared_ptr<TMenu> BuildMenu();

}  // namespace pixa::shell
