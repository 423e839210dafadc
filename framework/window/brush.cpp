#include "framework/window/brush.h"

#include <algorithm>
#include <cstdio>

#include "framework/window/resource_log.h"

namespace pixa::window {

namespace {

std::vector<BrushRef>& BrushCache() {
    static std::vector<BrushRef> cache;
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

const std::vector<BrushRef>& TBrush::Cache() { return BrushCache(); }

BrushRef TBrush::New(const BrushNew& p) {
    for (const BrushRef& cached : BrushCache()) {
        if (cached->cStyle == p.cStyle && cached->nRGBColor == p.nRGBColor && cached->cBmpFile == p.cBmpFile &&
            cached->cBmpRes == p.cBmpRes) {
            ++cached->nCount;
            return cached;
        }
    }
    BrushRef brush(new TBrush());
    brush->cStyle = p.cStyle;
    brush->nRGBColor = p.nRGBColor;
    brush->cBmpFile = p.cBmpFile;
    brush->cBmpRes = p.cBmpRes;
    brush->Make();
    brush->nCount = 1;
    BrushCache().push_back(brush);
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
    if (hBrush && !lStock) DeleteObject(hBrush);
    if (hBitmap) DeleteObject(hBitmap);
}

void TBrush::End() {
    --nCount;
    if (nCount >= 1) return;
    auto& cache = BrushCache();
    BrushRef keep = shared_from_this();  // the cache may hold the last reference
    cache.erase(std::remove(cache.begin(), cache.end(), keep), cache.end());
    if (hBrush && !lStock && !DeleteObject(hBrush)) {
        char details[48];
        std::snprintf(details, sizeof details, "hBrush: %p", static_cast<void*>(hBrush));
        LogResourceFailure("DeleteObject( ::hBrush ) failed from TBrush:End()", details);
    }
    if (hBitmap) DeleteObject(hBitmap);
    hBrush = nullptr;
    hBitmap = nullptr;
}

}  // namespace pixa::window
