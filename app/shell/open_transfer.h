#pragma once
// Opening the transfer dialog from the main window, its menu and its panel.
#include <memory>

#include "app/shell/namespace.h"

namespace pixa::window {
class TWindow;
}

namespace pixa::shell {

// The transfer dialog over the program-wide values, modal over the owner; its
// changes stay in the values for the rest of the run.
void OpenKonvert(const std::shared_ptr<TWindow>& owner);

}  // namespace pixa::shell
