#include "framework/window/brush.h"

#include <cstdio>

#include "framework/window/resource_log.h"
#include "framework/window/weak_cache.h"

namespace pixa::window {

namespace {

WeakCache<TBrush>& BrushCache() {
    static WeakCache<TBrush> cache;
    return cache;
}

// Hatch index of a style name: its position in this list.
int HatchIndex(const std::string& style) {
    static const char* names[] = {"HORIZONTAL", "VERTICAL", "FDIAGONAL", "BDIAGONAL", "CROSS", "DIAGCROSS"};
    for (int i = 0; i < 6; ++i)
        if (style == names[i]) return i;
    return -1;
}

}  // namespace

std::vector<BrushRef> TBrush::Cache() { return BrushCache().Alive(); }

BrushRef TBrush::New(const BrushNew& p) {
    if (BrushRef cached = BrushCache().Find([&](const TBrush& b) {
            return b.cStyle == p.cStyle && b.nRGBColor == p.nRGBColor && b.cBmpFile == p.cBmpFile && b.cBmpRes == p.cBmpRes;
        }))
        return cached;
    BrushRef brush(new TBrush());
    brush->cStyle = p.cStyle;
    brush->nRGBColor = p.nRGBColor;
    brush->cBmpFile = p.cBmpFile;
    brush->cBmpRes = p.cBmpRes;
    brush->Make();
    BrushCache().Add(brush);
    return brush;
}

void TBrush::Make() {
    COLORREF colour = nRGBColor.value_or(0);
    if (cStyle == "NULL") {
        hBrush = static_cast<HBRUSH>(GetStockObject(HOLLOW_BRUSH));
        lStock = true;
    } else if (int hatch = HatchIndex(cStyle); hatch >= 0) {
        hBrush = CreateHatchBrush(hatch, colour);
    } else if (!cBmpFile.empty() || !cBmpRes.empty()) {
        hBitmap = static_cast<HBITMAP>(
            cBmpRes.empty() ? LoadImageA(nullptr, cBmpFile.c_str(), IMAGE_BITMAP, 0, 0, LR_LOADFROMFILE)
                            : LoadImageA(GetModuleHandleA(nullptr), cBmpRes.c_str(), IMAGE_BITMAP, 0, 0, 0));
        if (hBitmap) hBrush = CreatePatternBrush(hBitmap);
    } else if (cStyle.empty() && nRGBColor) {
        hBrush = CreateSolidBrush(colour);
    }
}

TBrush::~TBrush() {
    if (hBrush && !lStock && !DeleteObject(hBrush)) {
        char details[48];
        std::snprintf(details, sizeof details, "hBrush: %p", static_cast<void*>(hBrush));
        LogResourceFailure("DeleteObject( ::hBrush ) failed from TBrush:End()", details);
    }
    if (hBitmap) DeleteObject(hBitmap);
}

}  // namespace pixa::window
