#include "framework/window/font.h"

#include <commdlg.h>

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "framework/window/resource_log.h"

namespace pixa::window {

namespace {

std::vector<FontRef>& FontCache() {
    static std::vector<FontRef> cache;
    return cache;
}

std::string Upper(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(), [](unsigned char c) { return std::toupper(c); });
    return text;
}

// The platform's stock fonts that a face name may ask for.
int StockFontIndex(const std::string& face) {
    static const struct {
        const char* name;
        int index;
    } stock[] = {{"OEM_FIXED_FONT", OEM_FIXED_FONT},   {"ANSI_FIXED_FONT", ANSI_FIXED_FONT},
                 {"ANSI_VAR_FONT", ANSI_VAR_FONT},     {"SYSTEM_FONT", SYSTEM_FONT},
                 {"DEVICE_DEFAULT_FONT", DEVICE_DEFAULT_FONT}, {"SYSTEM_FIXED_FONT", SYSTEM_FIXED_FONT}};
    for (const auto& s : stock)
        if (face == s.name) return s.index;
    return -1;
}

int ScreenPixelsPerInch() {
    HDC screen = GetDC(nullptr);
    int dpi = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);
    return dpi;
}

}  // namespace

std::string SysFontFor(DWORD major, DWORD minor, DWORD platformId) {
    if (platformId == VER_PLATFORM_WIN32s) return "System";
    if (platformId == VER_PLATFORM_WIN32_NT && major == 5 && minor == 0) return "SysTahoma";
    return "Ms Sans Serif";
}

std::string GetSysFont() {
    OSVERSIONINFOA info{};
    info.dwOSVersionInfoSize = sizeof info;
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"
    GetVersionExA(&info);
#pragma GCC diagnostic pop
    return SysFontFor(info.dwMajorVersion, info.dwMinorVersion, info.dwPlatformId);
}

const std::vector<FontRef>& TFont::Cache() { return FontCache(); }

FontRef TFont::New(const FontNew& params) {
    FontRef font(new TFont());
    font->TakeParams(params);
    if (params.lFromUser && !font->Choose()) font->TakeParams(params);
    if (font->lBold) font->nWeight |= FW_BOLD;
    if (params.hDevice)
        font->nInpHeight = static_cast<int>(GetDeviceCaps(params.hDevice, LOGPIXELSY) / 72.0 * font->nInpHeight);

    for (const FontRef& cached : FontCache()) {
        if (cached->SameAttributes(*font)) {
            ++cached->nCount;
            cached->lNew = false;
            return cached;
        }
    }
    if (font->TakeStockFont()) return font;
    font->CreatePlatformFont();
    FontCache().push_back(font);
    return font;
}

FontRef TFont::Wrap(HFONT handle) {
    FontRef font(new TFont());
    font->ReadBack(handle);
    font->hFont = handle;
    font->nCount = 1;
    font->lDestroy = false;
    return font;
}

TFont::~TFont() {
    if (lDestroy && hFont) DeleteObject(hFont);
}

void TFont::TakeParams(const FontNew& p) {
    cFaceName = p.cFaceName;
    nInpWidth = p.nWidth;
    nInpHeight = p.nHeight;
    lBold = p.lBold;
    nEscapement = p.nEscapement;
    nOrientation = p.nOrientation;
    nWeight = p.nWeight;
    lItalic = p.lItalic;
    lUnderline = p.lUnderline;
    lStrikeOut = p.lStrikeOut;
    nCharSet = p.nCharSet;
    nOutPrecision = p.nOutPrecision;
    nClipPrecision = p.nClipPrecision;
    nQuality = p.nQuality;
    nPitchFamily = p.nPitchFamily;
    // Tahoma is unreadable below 12 pixels, so the framework's Tahoma never goes smaller.
    if (Upper(cFaceName) == "SYSTAHOMA") {
        cFaceName = "TAHOMA";
        if (nInpHeight < 0 && nInpHeight > -12) nInpHeight = -12;
    }
}

bool TFont::SameAttributes(const TFont& o) const {
    return nInpHeight == o.nInpHeight && nInpWidth == o.nInpWidth && nEscapement == o.nEscapement &&
           nOrientation == o.nOrientation && nWeight == o.nWeight && lItalic == o.lItalic &&
           lUnderline == o.lUnderline && lBold == o.lBold && lStrikeOut == o.lStrikeOut && nCharSet == o.nCharSet &&
           nOutPrecision == o.nOutPrecision && nClipPrecision == o.nClipPrecision && nQuality == o.nQuality &&
           nPitchFamily == o.nPitchFamily && cFaceName == o.cFaceName;
}

bool TFont::TakeStockFont() {
    int index = StockFontIndex(cFaceName);
    if (index < 0) return false;
    hFont = static_cast<HFONT>(GetStockObject(index));
    LOGFONTA lf{};
    if (hFont && GetObjectA(hFont, sizeof lf, &lf)) {
        nInpHeight = lf.lfHeight;
        nInpWidth = lf.lfWidth;
        lBold = lf.lfWeight >= FW_BOLD;
    }
    lDestroy = false;
    ++nCount;
    lNew = true;
    return true;
}

LOGFONTA TFont::ToLogFont() const {
    LOGFONTA lf{};
    lf.lfHeight = nInpHeight;
    lf.lfWidth = nInpWidth;
    lf.lfEscapement = nEscapement;
    lf.lfOrientation = nOrientation;
    lf.lfWeight = nWeight;
    lf.lfItalic = lItalic;
    lf.lfUnderline = lUnderline;
    lf.lfStrikeOut = lStrikeOut;
    lf.lfCharSet = static_cast<BYTE>(nCharSet);
    lf.lfOutPrecision = static_cast<BYTE>(nOutPrecision);
    lf.lfClipPrecision = static_cast<BYTE>(nClipPrecision);
    lf.lfQuality = static_cast<BYTE>(nQuality);
    lf.lfPitchAndFamily = static_cast<BYTE>(nPitchFamily);
    lstrcpynA(lf.lfFaceName, cFaceName.c_str(), LF_FACESIZE);
    return lf;
}

void TFont::CreatePlatformFont() {
    LOGFONTA lf = ToLogFont();
    hFont = CreateFontIndirectA(&lf);
    lDestroy = true;
    ++nCount;
    lNew = true;
}

void TFont::ReadBack(HFONT handle) {
    LOGFONTA lf{};
    if (!handle || !GetObjectA(handle, sizeof lf, &lf)) return;
    cFaceName = lf.lfFaceName;
    nInpHeight = lf.lfHeight;
    nInpWidth = lf.lfWidth;
    nWeight = lf.lfWeight;
    lBold = lf.lfWeight >= FW_BOLD;
    lItalic = lf.lfItalic;
    lUnderline = lf.lfUnderline;
    lStrikeOut = lf.lfStrikeOut;
    nCharSet = lf.lfCharSet;
}

void TFont::End() {
    --nCount;
    if (nCount >= 1 || !lDestroy || !hFont) return;
    if (DeleteObject(hFont)) {
        auto& cache = FontCache();
        FontRef keep = shared_from_this();  // the cache may hold the last reference
        cache.erase(std::remove(cache.begin(), cache.end(), keep), cache.end());
        hFont = nullptr;
        nCount = 0;
        return;
    }
    char details[96];
    std::snprintf(details, sizeof details, "hFont: %p nCount: %d lDestroy: %s", static_cast<void*>(hFont), nCount,
                  lDestroy ? ".T." : ".F.");
    LogResourceFailure("DeleteObject( ::hFont ) failed from TFont:End()", details);
}

void TFont::Activate(HDC hDC) { hFontOld = SelectObject(hDC, hFont); }

void TFont::DeActivate(HDC hDC) {
    if (hFontOld) SelectObject(hDC, hFontOld);
    hFontOld = nullptr;
}

int TFont::nHeight() const { return std::abs(nInpHeight); }

int TFont::nWidth() const { return nInpWidth ? nInpWidth : static_cast<int>(nHeight() * 0.44); }

double TFont::nSize() const { return nSizeAt(ScreenPixelsPerInch()); }

double TFont::nSizeAt(int pixelsPerInch) const {
    double size = -nInpHeight * 72.0 / pixelsPerInch;
    double fraction = size - std::floor(size);
    // Sizes snap to the quarter points the font dialog offers.
    if (std::fabs(fraction - 0.25) < 1e-9)
        size -= 0.25;
    else if (fraction > 1e-9)
        size += 0.25;
    return size;
}

bool TFont::Choose(HWND owner) {
    LOGFONTA lf = ToLogFont();
    CHOOSEFONTA cf{};
    cf.lStructSize = sizeof cf;
    cf.hwndOwner = owner;
    cf.lpLogFont = &lf;
    cf.Flags = CF_SCREENFONTS | CF_INITTOLOGFONTSTRUCT | CF_EFFECTS;
    if (!ChooseFontA(&cf)) return false;
    cFaceName = lf.lfFaceName;
    nInpHeight = lf.lfHeight;
    nInpWidth = lf.lfWidth;
    nWeight = lf.lfWeight;
    lBold = lf.lfWeight != FW_NORMAL;
    lItalic = lf.lfItalic;
    lUnderline = lf.lfUnderline;
    lStrikeOut = lf.lfStrikeOut;
    nCharSet = lf.lfCharSet;
    return true;
}

}  // namespace pixa::window
