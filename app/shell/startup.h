#pragma once
#include "app/shell/namespace.h"
// The program's entry operation: start-up, the main window's run and shutdown.

namespace pixa::shell {

// Runs the whole program; true when the main window has closed.
bool Main();

// The first start-up steps: program folder, process-wide settings, configuration.
void StartUp();

// The shutdown steps after the main window has closed: store the folders,
// delete the work table.
void ShutDown();

}  // namespace pixa::shell
