#pragma once
// The keyboard accelerator table of a menu tree: keys bound to menu command ids,
// collected while the menu is built and made a platform table when it is finished.
#include <windows.h>

#include <vector>

#include "framework/services/namespace.h"

namespace pixa::services {

class TAccTable {
public:
    TAccTable() = default;
    ~TAccTable() { End(); }
    TAccTable(const TAccTable&) = delete;
    TAccTable& operator=(const TAccTable&) = delete;

    // Binds a virtual key with a shift state (FSHIFT, FCONTROL, FALT bits) to a command id.
    void Add(BYTE nVKState, WORD nVirtKey, WORD nId);
    // Makes the platform table of the keys added so far.
    void Activate();
    // The platform table, or null before Activate.
    HACCEL hAccel() const { return hAccel_; }
    // Destroys the platform table.
    void End();

private:
    std::vector<ACCEL> keys_;
    HACCEL hAccel_ = nullptr;
};

}  // namespace pixa::services
