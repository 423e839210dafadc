#include "framework/services/printer_setup.h"
#include "framework/services/namespace.h"

#include <commdlg.h>

namespace pixa::services {

namespace {
// Locks a global memory block for the life of the object.
template <typename T>
class Locked {
public:
    explicit Locked(HGLOBAL memory) : memory_(memory), data_(memory ? static_cast<T*>(GlobalLock(memory)) : nullptr) {}
    ~Locked() {
        if (data_) GlobalUnlock(memory_);
    }
    Locked(const Locked&) = delete;
    Locked& operator=(const Locked&) = delete;
    T* operator->() const { return data_; }
    T* get() const { return data_; }

private:
    HGLOBAL memory_;
    T* data_;
};

const char* NameAt(const DEVNAMES* names, WORD offset) { return reinterpret_cast<const char*>(names) + offset; }
}  // namespace

PrinterSetup& PrinterSetup::Instance() {
    static PrinterSetup setup;
    return setup;
}

PrinterSetup::~PrinterSetup() { Reset(); }

bool PrinterSetup::Ready() {
    if (devNames_) return true;
    PRINTDLGA pd{};
    pd.lStructSize = sizeof pd;
    pd.Flags = PD_RETURNDEFAULT;
    if (!PrintDlgA(&pd)) return false;
    Take(pd.hDevMode, pd.hDevNames);
    return devNames_ != nullptr;
}

void PrinterSetup::Take(HGLOBAL devMode, HGLOBAL devNames) {
    if (devMode_ && devMode_ != devMode) GlobalFree(devMode_);
    if (devNames_ && devNames_ != devNames) GlobalFree(devNames_);
    devMode_ = devMode;
    devNames_ = devNames;
}

void PrinterSetup::Reset() { Take(nullptr, nullptr); }

HDC PrinterSetup::CreateContext() const {
    Locked<DEVNAMES> names(devNames_);
    if (!names.get()) return nullptr;
    Locked<DEVMODEA> mode(devMode_);
    return CreateDCA(NameAt(names.get(), names->wDriverOffset), NameAt(names.get(), names->wDeviceOffset), nullptr,
                     mode.get());
}

std::string ModelFromDevNames(HGLOBAL devNames) {
    Locked<DEVNAMES> names(devNames);
    if (!names.get()) return {};
    return std::string(NameAt(names.get(), names->wDeviceOffset)) + "," + NameAt(names.get(), names->wDriverOffset) +
           "," + NameAt(names.get(), names->wOutputOffset);
}

std::string PrinterSetup::Model() const { return ModelFromDevNames(devNames_); }

int PrinterSetup::Orientation() const {
    Locked<DEVMODEA> mode(devMode_);
    return mode.get() && mode->dmOrientation == DMORIENT_LANDSCAPE ? 2 : 1;
}

void PrinterSetup::SetOrientation(int orientation) {
    Locked<DEVMODEA> mode(devMode_);
    if (!mode.get()) return;
    mode->dmOrientation = orientation == 1 ? DMORIENT_PORTRAIT : DMORIENT_LANDSCAPE;
    mode->dmFields |= DM_ORIENTATION;
}

}  // namespace pixa::services
