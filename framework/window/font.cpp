#include "framework/window/font.h"

#include <algorithm>
#include <cctype>
#include <vector>

namespace pixa {

namespace {
// Fonts whose platform font was created by New and is still alive.
std::vector<std::shared_ptr<TFont>>& Cache() {
    static std::vector<std::shared_ptr<TFont>> cache;
    return cache;
}

std::string Upper(std::string s) {
    for (auto& c : s) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return s;
}

int StockFontIndex(const std::string& face) {
    static const struct { const char* name; int index; } stock[] = {
        {"OEM_FIXED_FONT", OEM_FIXED_FONT},     {"ANSI_FIXED_FONT", ANSI_FIXED_FONT},
        {"ANSI_VAR_FONT", ANSI_VAR_FONT},       {"SYSTEM_FONT", SYSTEM_FONT},
        {"DEVICE_DEFAULT_FONT", DEVICE_DEFAULT_FONT}, {"SYSTEM_FIXED_FONT", SYSTEM_FIXED_FONT}};
    for (auto& s : stock)
        if (face == s.name) return s.index;
    return -1;
}

void ReadBack(TFont& font) {
    LOGFONTA lf{};
    if (GetObjectA(font.hFont, sizeof lf, &lf)) {
        font.nInpHeight = lf.lfHeight;
        font.nInpWidth = lf.lfWidth;
        font.nWeight = lf.lfWeight;
        font.lBold = lf.lfWeight > 400;
        font.cFaceName = lf.lfFaceName;
    }
}
}  // namespace

bool TFont::SameAttributes(const TFont& o) const {
    return nInpHeight == o.nInpHeight && nInpWidth == o.nInpWidth && nEscapement == o.nEscapement &&
           nOrientation == o.nOrientation && nWeight == o.nWeight && lItalic == o.lItalic &&
           lUnderline == o.lUnderline && lBold == o.lBold && lStrikeOut == o.lStrikeOut && nCharSet == o.nCharSet &&
           nOutPrecision == o.nOutPrecision && nClipPrecision == o.nClipPrecision && nQuality == o.nQuality &&
           nPitchFamily == o.nPitchFamily && cFaceName == o.cFaceName;
}

std::shared_ptr<TFont> TFont::New(const FontNew& a) {
    auto f = std::make_shared<TFont>();
    f->cFaceName = Upper(a.cFaceName) == "SYSTAHOMA" ? "TAHOMA" : a.cFaceName;
    f->nInpHeight = (a.nHeight < 0 && a.nHeight > -12) ? -12 : a.nHeight;
    f->nInpWidth = a.nWidth;
    f->nEscapement = a.nEscapement;
    f->nOrientation = a.nOrientation;
    f->nWeight = a.lBold ? (a.nWeight | 700) : a.nWeight;
    f->lBold = a.lBold;
    f->lItalic = a.lItalic;
    f->lUnderline = a.lUnderline;
    f->lStrikeOut = a.lStrikeOut;
    f->nCharSet = a.nCharSet;
    f->nOutPrecision = a.nOutPrecision;
    f->nClipPrecision = a.nClipPrecision;
    f->nQuality = a.nQuality;
    f->nPitchFamily = a.nPitchFamily;
    if (a.hDevice) f->nInpHeight = GetDeviceCaps(a.hDevice, LOGPIXELSY) * f->nInpHeight / 72;

    for (auto& cached : Cache()) {
        if (cached->SameAttributes(*f)) {
            ++cached->nCount;
            cached->lNew = false;
            return cached;
        }
    }
    if (int stock = StockFontIndex(f->cFaceName); stock >= 0) {
        f->hFont = static_cast<HFONT>(GetStockObject(stock));
        ReadBack(*f);
        f->lDestroy = false;
        f->nCount = 1;
        f->lNew = true;
        return f;
    }
    f->hFont = CreateFontA(f->nInpHeight, f->nInpWidth, f->nEscapement, f->nOrientation, f->nWeight, f->lItalic,
                           f->lUnderline, f->lStrikeOut, static_cast<DWORD>(f->nCharSet),
                           static_cast<DWORD>(f->nOutPrecision), static_cast<DWORD>(f->nClipPrecision),
                           static_cast<DWORD>(f->nQuality), static_cast<DWORD>(f->nPitchFamily), f->cFaceName.c_str());
    f->lDestroy = true;
    f->nCount = 1;
    f->lNew = true;
    Cache().push_back(f);
    return f;
}

std::shared_ptr<TFont> TFont::Wrap(HFONT font) {
    auto f = std::make_shared<TFont>();
    f->hFont = font;
    ReadBack(*f);
    f->lDestroy = false;
    f->nCount = 1;
    return f;
}

void TFont::End() {
    --nCount;
    if (nCount >= 1 || !lDestroy || !hFont) return;
    if (DeleteObject(hFont)) {
        auto& cache = Cache();
        cache.erase(std::remove_if(cache.begin(), cache.end(), [this](auto& f) { return f.get() == this; }),
                    cache.end());
        hFont = nullptr;
        nCount = 0;
    }
}

void TFont::Activate(HDC dc) {
    if (dc && hFont) hFontOld = static_cast<HFONT>(SelectObject(dc, hFont));
}

void TFont::DeActivate(HDC dc) {
    if (dc && hFontOld) SelectObject(dc, hFontOld);
    hFontOld = nullptr;
}

std::string GetSysFont() { return "Ms Sans Serif"; }

}  // namespace pixa
