#pragma once
// Which help viewer the platform offers, and how a WinHelp request reaches a
// viewer that cannot take it as it stands.
//
// The help calls name the WinHelp file and command. Three cases:
// - a working WinHelp viewer (older Windows, or the viewer added by hand): the
//   request goes to WinHelp unchanged;
// - Wine: its viewer shows contents, index and context topics but ignores keyword
//   searches sent by another program. A keyword opens the topic of the same name
//   instead, by starting the viewer on it (the program's help file names each
//   dialog's topic after the dialog's keyword);
// - no working WinHelp viewer (current Windows ships only a stub that refuses
//   every file): the request opens the compiled HTML Help file beside the help
//   file (PIXAPORT.HLP -> PIXAPORT.CHM) at the same place; a keyword opens the
//   page named after it.
#include <windows.h>

#include <optional>
#include <string>

#include "framework/services/namespace.h"

namespace pixa::services {

enum class HelpViewerKind { WinHelpViewer, WineViewer, HtmlHelpViewer };

// What the platform tells about its help viewers.
struct HelpViewerFacts {
    bool wine = false;               // the platform is Wine
    bool winHelpPresent = false;     // winhlp32.exe lies in the Windows folder
    std::string winHelpDescription;  // its version information's file description
};

// Wine's viewer where Wine runs; WinHelp where a viewer is present that is not
// the stub of current Windows (described as a "Stub"); HTML Help otherwise.
HelpViewerKind ChooseHelpViewer(const HelpViewerFacts& facts);
HelpViewerFacts ReadHelpViewerFacts();
// The viewer of this process, found once.
HelpViewerKind CurrentHelpViewer();

// The HTML Help call that stands for a WinHelp request.
struct HtmlHelpRequest {
    std::string file;     // the compiled file, with "::/page" for a topic page
    UINT command = 0;     // HH_DISPLAY_TOPIC, HH_DISPLAY_TOC, HH_DISPLAY_INDEX, HH_HELP_CONTEXT, HH_CLOSE_ALL
    DWORD_PTR id = 0;     // context id for HH_HELP_CONTEXT
    std::string keyword;  // the word shown in the index for HH_DISPLAY_INDEX
};

// The compiled HTML Help file of a WinHelp file: the same name with ".chm".
std::string HtmlHelpFileOf(const std::string& helpFile);
// key is the text of HELP_KEY/HELP_PARTIALKEY, id the number of HELP_CONTEXT/HELP_CONTEXTPOPUP.
HtmlHelpRequest HtmlHelpFor(const std::string& helpFile, UINT command, const std::string& key, DWORD_PTR id);

// Shows a request in the HTML Help viewer; false when it is missing or refuses.
bool ShowHtmlHelp(HWND owner, const HtmlHelpRequest& request);

// Carries out a WinHelp request that the platform's WinHelp cannot serve as it
// stands and returns whether the viewer took it; nothing when WinHelp serves it
// itself and the caller should pass it on unchanged. data is the WinHelp
// argument: a text for the keyword commands, a number otherwise.
std::optional<bool> ShowHelpElsewhere(HWND owner, const std::string& helpFile, UINT command, ULONG_PTR data);

}  // namespace pixa::services
