#pragma once
// What a window's named operation answers for its message. No value lets the
// platform do its default processing; a value is the answer and ends the
// processing there. The window procedure and the dialog procedure read it alike.
#include <windows.h>

#include <optional>

namespace pixa {

using MsgResult = std::optional<LRESULT>;

}  // namespace pixa
