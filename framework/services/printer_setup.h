#pragma once
// The process-wide printer setup: the platform's device mode and device names of
// the printer last chosen in the run, taken from the default printer on first use.
#include <windows.h>

#include <string>

#include "framework/services/namespace.h"

namespace pixa::services {

class PrinterSetup {
public:
    // The one setup of the process.
    static PrinterSetup& Instance();
    ~PrinterSetup();
    PrinterSetup(const PrinterSetup&) = delete;
    PrinterSetup& operator=(const PrinterSetup&) = delete;

    // Reads the default printer once; false when there is none.
    bool Ready();
    // Takes the records that a confirmed print dialog returned (frees the earlier ones).
    void Take(HGLOBAL devMode, HGLOBAL devNames);
    HGLOBAL DevMode() const { return devMode_; }
    HGLOBAL DevNames() const { return devNames_; }
    // A device context for the set-up printer, or null.
    HDC CreateContext() const;
    // "model,driver,port" of the set-up printer (empty without one).
    std::string Model() const;
    // Orientation in the device mode: 1 portrait, 2 landscape (1 without a device mode).
    int Orientation() const;
    void SetOrientation(int orientation);
    // Forgets the printer (the next use reads the default printer again).
    void Reset();

private:
    PrinterSetup() = default;
    HGLOBAL devMode_ = nullptr;
    HGLOBAL devNames_ = nullptr;
};

// "model,driver,port" from a device-names record.
std::string ModelFromDevNames(HGLOBAL devNames);

}  // namespace pixa::services
