#pragma once
// Restores the process-wide run-time settings when a test that changes them ends.
#include "runtime/settings.h"

namespace pixa::test {

class SettingsGuard {
public:
    SettingsGuard() : saved_(Settings()) {}
    ~SettingsGuard() { Settings() = saved_; }
    SettingsGuard(const SettingsGuard&) = delete;
    SettingsGuard& operator=(const SettingsGuard&) = delete;

private:
    RuntimeSettings saved_;
};

}  // namespace pixa::test
