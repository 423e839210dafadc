#pragma once
// The small box with the program's picture, the maker's address, the web and
// e-mail addresses and the rights line: a splash at start-up that closes by
// itself after 3 seconds, or an about box that stays until the user closes it.
#include <memory>
#include <string>

#include "app/shell/namespace.h"

namespace pixa::window {
class TDialog;
}

namespace pixa::shell {

// The maker block (three lines) and the rights line of the box.
extern const char* const kMakerBlock;
extern const char* const kRightsLine;

// Shows the box modally; with lSplash it closes itself 3 seconds after it was
// first shown. Returns true when it has closed.
bool AboutInfo(bool lSplash);

// Starts the 3-second closing timer of a splash box. True.
bool AboutWait(const std::shared_ptr<TDialog>& oDlg);

}  // namespace pixa::shell
