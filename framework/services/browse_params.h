#pragma once
// TWBrowse::New, 27 positions, as a struct whose members keep the positions' order
// and defaults:
//   TWBrowse::New({.nRow = 15, .nCol = 0, .nWidth = 300, .nHeight = 154, .bLine = line,
//                  .aHeaders = {"", " Name"}, .aColSizes = {22, 500}, .oWnd = dlg, .lPixel = true})
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "runtime/value.h"
#include "framework/services/namespace.h"

namespace pixa::window {
class TWindow;
class TFont;
class WindowCursor;
}  // namespace pixa::window

namespace pixa::services {

struct WBrowseNew {
    int nRow = 0;                              // 1 row (× 14 without lPixel)
    int nCol = 0;                              // 2 column (× 8 without lPixel)
    int nWidth = 100;                          // 3 width
    int nHeight = 100;                         // 4 height
    Action bLine{};                              // 5 yields the cell values of the current record
    std::vector<std::string> aHeaders{};         // 6 header texts
    std::vector<int> aColSizes{};                // 7 column widths in pixels
    std::shared_ptr<TWindow> oWnd{};             // 8 owner; the default window when empty
    std::string cField{};                        // 9 key-range field (not supported)
    Value uValue1{};                             // 10 key-range start (not supported)
    Value uValue2{};                             // 11 key-range end (not supported)
    Action bChange{};                            // 12 after every change of the selected record
    Action bLDblClick{};                         // 13 double click on the selected row
    Action bRClicked{};                          // 14 right click (row, col)
    std::shared_ptr<TFont> oFont{};              // 15 font; the owner's when empty
    std::shared_ptr<WindowCursor> oCursor{};     // 16 mouse cursor
    std::optional<std::uint32_t> nClrFore = 0;   // 17 text colour
    std::optional<std::uint32_t> nClrBack{};     // 18 background; the platform's window colour
    std::string cMsg{};                          // 19 status-bar text
    bool lUpdate = false;                      // 20 refreshed with its window
    std::optional<std::string> cAlias{};         // 21 work area; the current one when absent
    bool lPixel = false;                       // 22 row and column are final coordinates
    Action bWhen{};                              // 23 enabling condition
    bool lDesign = false;                      // 24 design mode
    Action bValid{};                             // 25 leaving condition
    Action bLClicked{};                          // 26 left click (row, col, flags)
    std::vector<Action> aActions{};              // 27 header click actions, one per column
};

}  // namespace pixa::services
