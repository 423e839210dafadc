#pragma once
// Private messages the framework sends to its own windows and controls, and the
// answer a window's named operation gives to a message.
// The numbers are fixed: other parts of the program post them by number.
#include <windows.h>

#include <optional>

namespace pixa::window {

// No value lets the platform do its default processing; a value is the answer and
// ends the processing there. The window and the dialog procedure read it alike.
using MsgResult = std::optional<LRESULT>;

inline constexpr UINT XM_CLICK = 2048;         // a control was clicked or activated
inline constexpr UINT XM_SCROLLUP = 2049;      // scroll bar: line up / left
inline constexpr UINT XM_SCROLLDOWN = 2050;    // scroll bar: line down / right
inline constexpr UINT XM_SCROLLPGUP = 2051;    // scroll bar: page up / left
inline constexpr UINT XM_SCROLLPGDN = 2052;    // scroll bar: page down / right
inline constexpr UINT XM_CHANGE = 2053;        // a control's selection changed
inline constexpr UINT XM_COLOR = 2054;         // asks a control for its colours (wParam: device context)
inline constexpr UINT XM_DRAWITEM = 2056;      // draw an owner-drawn item
inline constexpr UINT XM_LOSTFOCUS = 2057;     // deferred validation after a control lost the focus
inline constexpr UINT XM_THUMBPOS = 2058;      // scroll bar: thumb released at a position
inline constexpr UINT XM_HELPF1 = 2061;        // F1 while a menu was open
inline constexpr UINT XM_THUMBTRACK = 2062;    // scroll bar: thumb dragged
inline constexpr UINT XM_DROPOVER = 2063;      // something was dropped on the window
inline constexpr UINT XM_CHANGEFOCUS = 2064;   // re-evaluate the focus
inline constexpr UINT XM_ASYNCSELECT = 2065;   // socket notification
inline constexpr UINT XM_CLOSEUP = 2066;       // a drop-down list closed
inline constexpr UINT XM_TASKBAR = 2067;       // task-bar icon notification

}  // namespace pixa::window
