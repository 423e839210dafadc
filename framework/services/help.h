#pragma once
// The program's help: one help file, one current topic (a keyword of at most 99
// characters, or a context id), and the calls that show it in the platform's help
// viewer. F1 in a window or control shows its help id, else its owner's, else the
// current topic's keyword search (the index without a topic); F1 in an open menu
// shows the highlighted item's help, which without help ids is the index.
#include <windows.h>
// The platform header names its wide/narrow pair with this macro; ours is a function.
#undef WinHelp

#include <functional>
#include <string>

#include "runtime/value.h"
#include "framework/services/namespace.h"

namespace pixa::services {

// The viewer commands the help calls use.
inline constexpr UINT kHelpContext = 1;        // topic by context id
inline constexpr UINT kHelpContents = 3;       // contents
inline constexpr UINT kHelpContextPopup = 8;   // topic by context id in a pop-up
inline constexpr UINT kHelpFinder = 11;        // contents/index window
inline constexpr UINT kHelpKey = 257;          // keyword search
inline constexpr UINT kHelpPartialKey = 261;   // search for a partial keyword

// The entry point that reaches the viewer: (owner, file, command, data).
using HelpViewer = std::function<bool(HWND hWnd, const std::string& cFile, UINT nCommand, ULONG_PTR nData)>;
// Replaces the viewer entry point (tests record the calls); yields the previous one.
// An empty one restores the platform's viewer.
HelpViewer SetHelpViewer(HelpViewer viewer);

// Stores the help file name and installs the F1 filter for open menus (once).
void SetHelpFile(const std::string& cFile);
// The help file name, empty when none is set.
std::string GetHelpFile();
// Text: the current keyword (cut to 99 characters); number: the current context id;
// absent: no topic.
void HelpSetTopic(const Value& topic = {});
// The current keyword (empty when none).
std::string GetHelpTopic();
// True when a keyword or a context id is current.
bool HasHelpTopic();

// Number: the topic with that context id; text: the keyword search for it; absent:
// the current topic. False when no help file is set (a stop box says so).
bool HelpTopic(const Value& topic = {});
// The viewer's contents/index window.
bool HelpIndex();
// The viewer's search for a partial keyword (an empty one opens it empty).
bool HelpSearch(const std::string& cKey = {});
// The topic with that context id in a pop-up window.
bool HelpPopup(int nId);
// Calls the viewer with any file (contents by default).
bool WinHelp(const std::string& cFile, UINT nCommand = kHelpContents, ULONG_PTR nData = 0);

}  // namespace pixa::services
