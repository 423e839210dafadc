#pragma once
// The key table: program-wide actions bound to key codes, consulted by the windows'
// key handling before their own key actions (F10 through the system command).
#include "runtime/value.h"

namespace pixa::window {

// Binds an action to a key code (an absent action removes the binding); yields the previous one.
Action SetKey(int nKey, Action action = {});
// The action bound to a key code, or an absent one.
Action KeyAction(int nKey);

}  // namespace pixa::window
