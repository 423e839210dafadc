#include "framework/services/accelerators.h"
#include "framework/services/namespace.h"

namespace pixa::services {

void TAccTable::Add(BYTE nVKState, WORD nVirtKey, WORD nId) {
    keys_.push_back(ACCEL{static_cast<BYTE>(FVIRTKEY | (nVKState & (FSHIFT | FCONTROL | FALT))), nVirtKey, nId});
}

void TAccTable::Activate() {
    End();
    if (!keys_.empty()) hAccel_ = CreateAcceleratorTableA(keys_.data(), static_cast<int>(keys_.size()));
}

void TAccTable::End() {
    if (hAccel_) DestroyAcceleratorTable(hAccel_);
    hAccel_ = nullptr;
}

}  // namespace pixa::services
