#pragma once
// Opening the transfer dialog from the main window, its menu and its panel.
#include <memory>

namespace pixa {
class TWindow;
}

namespace pixa::app {

// The transfer dialog over the program-wide values, modal over the owner; its
// changes stay in the values for the rest of the run.
void OpenKonvert(const std::shared_ptr<TWindow>& owner);

}  // namespace pixa::app
