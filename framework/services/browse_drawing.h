#pragma once
// Scoped drawing brackets of the browse: its device context for a whole move (the
// paint one while painting), and objects selected into a device context.
#include <windows.h>

#include "framework/window/window.h"
#include "framework/services/namespace.h"

namespace pixa::services {

// The window's counted device context, held until the end of the scope; nested
// scopes share it, so a move that draws many rows takes and releases it once.
class DrawingDC {
public:
    explicit DrawingDC(TWindow& window) : window_(window) { window_.GetDC(); }
    ~DrawingDC() { window_.ReleaseDC(); }
    DrawingDC(const DrawingDC&) = delete;
    DrawingDC& operator=(const DrawingDC&) = delete;
    HDC Get() const { return window_.hDC; }

private:
    TWindow& window_;
};

// An object selected into a device context until the end of the scope.
class Selected {
public:
    Selected(HDC dc, HGDIOBJ object) : dc_(dc), old_(object ? SelectObject(dc, object) : nullptr) {}
    ~Selected() {
        if (old_) SelectObject(dc_, old_);
    }
    Selected(const Selected&) = delete;
    Selected& operator=(const Selected&) = delete;

private:
    HDC dc_;
    HGDIOBJ old_;
};

}  // namespace pixa::services
