#pragma once
// Services that windows call but that live in other parts of the framework
// (help, timers, status bars). Those parts install their functions here at start;
// until then the calls do nothing.
#include <windows.h>

#include <functional>
#include <string>

#include "runtime/value.h"

namespace pixa::window {

class TWindow;

struct WindowServices {
    // Shows a help topic (0: the current topic, or the index when none is set).
    std::function<void(TWindow& window, int nHelpId)> showHelp;
    // Runs the timer object with this identifier that belongs to the window.
    std::function<void(TWindow& window, UINT_PTR nId)> runTimer;
    // Shows the help of a highlighted menu item; false when it is not a menu item.
    std::function<bool(TWindow& window, const Value& item)> showMenuItemHelp;
    // Shows a text in a status bar of the window.
    std::function<void(TWindow& window, const std::string& text, bool lDefault)> showStatus;
};

// The one set of services of the program.
WindowServices& Services();

}  // namespace pixa::window
