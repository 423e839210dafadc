#pragma once
// The long positional argument lists of TWindow as structs: the members keep the
// positions' order and defaults, so a call reads
//   TWindow::New({.nTop = 10, .cTitle = "Pixaport", .lMax = false, .lPixel = true})
#include <windows.h>

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <variant>

#include "framework/window/colour_string.h"
#include "runtime/value.h"

namespace pixa::window {

class TWindow;
class TBrush;
class WindowIcon;
class WindowCursor;
class WindowMenu;

// A rectangle in pixels, bottom and right inclusive.
struct Rect {
    int nTop = 0;     // top
    int nLeft = 0;    // left
    int nBottom = 0;  // bottom (inclusive)
    int nRight = 0;   // right (inclusive)
    // Width from the inclusive edges.
    int Width() const { return nRight - nLeft + 1; }
    // Height from the inclusive edges.
    int Height() const { return nBottom - nTop + 1; }
};

// An icon argument: an icon object, or a name (an icon file when it exists, else a resource).
using IconArg = std::variant<std::monostate, std::shared_ptr<WindowIcon>, std::string>;

// TWindow::New, 21 positions.
struct WindowNew {
    int nTop = 2;                               // 1 top
    int nLeft = 2;                              // 2 left
    int nBottom = 20;                           // 3 bottom
    int nRight = 70;                            // 4 right
    std::optional<std::string> cTitle{};          // 5 caption
    DWORD nStyle = 0;                           // 6 style; 0 = built from the flags below
    std::shared_ptr<WindowMenu> oMenu{};          // 7 menu
    std::shared_ptr<TBrush> oBrush{};             // 8 background brush
    IconArg oIcon{};                              // 9 icon object or icon name
    std::shared_ptr<TWindow> oWnd{};              // 10 parent: the window becomes a child
    bool lVScroll = false;                      // 11 vertical scroll bar
    bool lHScroll = false;                      // 12 horizontal scroll bar
    ColourArg nClrFore = 16777215;              // 13 text colour, or a colour string giving the pair
    std::optional<std::uint32_t> nClrBack{};      // 14 background; absent = platform window colour
    std::shared_ptr<WindowCursor> oCursor{};      // 15 mouse cursor
    std::string cBorder = "SINGLE";             // 16 "NONE", "SINGLE" or other
    bool lSysMenu = true;                       // 17 system menu
    bool lCaption = true;                       // 18 caption bar
    bool lMin = true;                           // 19 minimise box
    bool lMax = true;                           // 20 maximise box
    bool lPixel = false;                        // 21 positions 1-4 are pixels, else text cells
};

// TWindow::Activate, 19 positions. Absent actions leave the members unchanged.
struct WindowActivate {
    std::string cShow = "NORMAL";  // 1 "NORMAL", "ICONIZED" or "MAXIMIZED"
    Action bLClicked{};              // 2
    Action bRClicked{};              // 3
    Action bMoved{};                 // 4
    Action bResized{};               // 5
    Action bPainted{};               // 6
    Action bKeyDown{};               // 7
    Action bInit{};                  // 8
    Action bUp{};                    // 9 vertical scroll bar: line up
    Action bDown{};                  // 10 line down
    Action bPgUp{};                  // 11 page up
    Action bPgDn{};                  // 12 page down
    Action bLeft{};                  // 13 horizontal scroll bar: line left
    Action bRight{};                 // 14 line right
    Action bPgLeft{};                // 15 page left
    Action bPgRight{};               // 16 page right
    Action bValid{};                 // 17 closing condition
    Action bDropFiles{};             // 18 files dropped
    Action bLButtonUp{};             // 19 left button released
};

// Say, 9 positions after the window.
struct SayArgs {
    int nRow = 0;                   // 1 row (text cells unless lPixel)
    int nCol = 0;                   // 2 column
    std::string cText{};              // 3 text
    ColourArg nClrFore{};             // 4 text colour or colour string; absent = window's
    std::optional<std::uint32_t> nClrBack{};  // 5 background; absent = window's
    std::shared_ptr<class TFont> oFont{};     // 6 font; absent = window's
    bool lPixel = false;            // 7 row and column are pixels
    bool lTransparent = false;      // 8 leave the background unpainted
    int nAlign = TA_LEFT;           // 9 platform text alignment
};

}  // namespace pixa::window
