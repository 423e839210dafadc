#pragma once
// One running program per program folder: the INI and the work table live beside
// the executable, so two copies started from one folder would overwrite each
// other's settings and table. Copies in different folders may run side by side.
#include <string>

#include "platform/handles.h"
#include "app/shell/namespace.h"

namespace pixa::shell {

// The name that stands for a program folder among the running programs: its long
// spelling in upper case, hashed (a mutex name cannot hold "\").
std::string InstanceName(const std::string& programFolder);

// Claims the program folder for this process for the lifetime of the object.
class SingleInstance {
public:
    explicit SingleInstance(const std::string& programFolder);
    // True when no other copy runs from the same folder.
    bool First() const { return first_; }

private:
    platform::KernelHandle mutex_;
    bool first_ = true;
};

// Brings the main window of the copy running from the program folder to the front,
// restored when it was minimised, with its open dialog on top. False when that copy
// shows no main window (yet).
bool ShowRunningCopy(const std::string& programFolder);

}  // namespace pixa::shell
