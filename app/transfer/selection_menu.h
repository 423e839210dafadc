#pragma once
// The selection list's context menu.
#include <functional>
#include <memory>

#include "app/transfer/namespace.h"

namespace pixa::window {
class TWindow;
}  // namespace pixa::window

namespace pixa::transfer {

// What the entries of the context menu do.
struct SelectionMenuActions {
    std::function<void(bool mark, int mode)> markRecs;  // marking and hiding (MarkRecs modes), then the totals
    std::function<void(bool mark)> markCurrent;         // marks or unmarks the current row, then the totals
    std::function<bool()> canShowHidden;                // a hidden folder can be shown again
    std::function<void()> help;                         // the help topic
    std::function<void()> cancel;                       // ends the list without a transfer
};

// Shows the context menu at (nRow, nCol) of the window's client area; the chosen
// entry runs after the menu has closed.
void BuildMenu(const std::shared_ptr<TWindow>& window, int nRow, int nCol, const SelectionMenuActions& actions);

}  // namespace pixa::transfer
