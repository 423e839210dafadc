#include "framework/window/brush.h"

#include <algorithm>
#include <vector>

namespace pixa {

namespace {
std::vector<std::shared_ptr<TBrush>>& Cache() {
    static std::vector<std::shared_ptr<TBrush>> cache;
    return cache;
}

HBRUSH MakeBrush(const TBrush& b) {
    static const char* hatches[] = {"HORIZONTAL", "VERTICAL", "FDIAGONAL", "BDIAGONAL", "CROSS", "DIAGCROSS"};
    COLORREF colour = b.nRGBColor.value_or(0);
    if (b.cStyle.empty()) return CreateSolidBrush(colour);
    if (b.cStyle == "NULL") return static_cast<HBRUSH>(GetStockObject(NULL_BRUSH));
    for (int i = 0; i < 6; ++i)
        if (b.cStyle == hatches[i]) return CreateHatchBrush(i, colour);
    return CreateSolidBrush(colour);
}
}  // namespace

std::shared_ptr<TBrush> TBrush::New(const BrushNew& a) {
    for (auto& cached : Cache()) {
        if (cached->cStyle == a.cStyle && cached->nRGBColor == a.nRGBColor && cached->cBmpFile == a.cBmpFile &&
            cached->cBmpRes == a.cBmpRes) {
            ++cached->nCount;
            return cached;
        }
    }
    auto b = std::make_shared<TBrush>();
    b->cStyle = a.cStyle;
    b->nRGBColor = a.nRGBColor;
    b->cBmpFile = a.cBmpFile;
    b->cBmpRes = a.cBmpRes;
    b->hBrush = MakeBrush(*b);
    b->nCount = 1;
    Cache().push_back(b);
    return b;
}

void TBrush::End() {
    if (--nCount >= 1) return;
    auto& cache = Cache();
    cache.erase(std::remove_if(cache.begin(), cache.end(), [this](auto& b) { return b.get() == this; }), cache.end());
    // Stock objects ignore DeleteObject, so the hollow brush needs no special case.
    if (hBrush) DeleteObject(hBrush);
    if (hBitmap) DeleteObject(hBitmap);
    hBrush = nullptr;
    hBitmap = nullptr;
}

}  // namespace pixa
