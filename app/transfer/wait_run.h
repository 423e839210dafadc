#pragma once
// Running a command line and waiting for its end.
#include <string>

namespace pixa {

// Starts the command line as a new process in a new console with the given show
// mode (8: show without activating), lets pending window messages be processed
// once, waits for the process to end and returns its exit code; -1 when it could not start.
int WaitRun(const std::string& command, int show = 8);

}  // namespace pixa
