#pragma once
// The clipboard's text in the Windows-1252 form the entry fields hold.
#include <windows.h>

#include <optional>
#include <string>

namespace pixa::platform {

// The clipboard's text ("" when it holds none), or nothing when it cannot be opened.
std::optional<std::string> ClipboardText(HWND owner);
// Puts the text on the clipboard; false when the clipboard cannot be opened or take it.
bool PutClipboardText(HWND owner, const std::string& text);

}  // namespace pixa::platform
