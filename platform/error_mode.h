#pragma once
// Sets the process error mode for a scope and restores the previous one afterwards.
#include <windows.h>

namespace pixa::platform {

class ScopedErrorMode {
public:
    // Switches to mode (for example SEM_FAILCRITICALERRORS).
    explicit ScopedErrorMode(UINT mode) : previous_(SetErrorMode(mode)) {}
    ~ScopedErrorMode() { SetErrorMode(previous_); }
    ScopedErrorMode(const ScopedErrorMode&) = delete;
    ScopedErrorMode& operator=(const ScopedErrorMode&) = delete;

private:
    UINT previous_;
};

}  // namespace pixa::platform
