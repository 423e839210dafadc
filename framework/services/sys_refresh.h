#pragma once
#include "framework/services/namespace.h"
// Processing the window messages that are pending, for long work inside an event
// action (the copy loop, the progress meter, a context menu delivering its command).
namespace pixa::services {

// Takes every queued message without waiting: non-modal dialogs first, then the
// main window's accelerators, then translation and dispatch. The accelerator table
// is out of use for nested loops meanwhile; a removed quit message is posted again
// so that the event loop still ends. False when the quit message was seen.
bool SysRefresh();

}  // namespace pixa::services
