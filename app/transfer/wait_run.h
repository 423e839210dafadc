#pragma once
// Running a command line and waiting for its end.
#include <string>

#include "app/transfer/namespace.h"

namespace pixa::transfer {

// Starts the command line as a new process in a new console with the given show
// mode (8: show without activating) and waits for it to end, while the program's
// windows go on painting and its timers run (keys and clicks for them are dropped);
// returns the exit code, -1 when it could not start.
int WaitRun(const std::string& command, int show = 8);

}  // namespace pixa::transfer
