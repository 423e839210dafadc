#pragma once
// Logical fonts shared by windows and controls. Every font made by New lives in
// one program-wide cache: two requests with equal attributes share one object,
// whose nCount counts its holders; the last End deletes the platform font.
#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "runtime/value.h"

namespace pixa::window {

class TFont;
using FontRef = std::shared_ptr<TFont>;

// The face name for framework texts on the running platform.
std::string GetSysFont();
// The face name for a platform version (major, minor, platform id as GetVersionEx reports them).
std::string SysFontFor(DWORD major, DWORD minor, DWORD platformId);

// The positional arguments of TFont::New, in their order, with their defaults.
// arguments, in their positional order.
struct FontNew {
    std::string cFaceName = "SYSTEM_FONT";  // face, or one of the stock font names
    int nWidth = 0;                         // average character width, 0 = by the height
    int nHeight = 14;                       // negative: character height; positive: cell height
    bool lFromUser = false;                 // let the user choose in the font dialog
    bool lBold = false;                     // adds 700 to the weight
    int nEscapement = 0;                    // angle of the text line, tenths of a degree
    int nOrientation = 0;                   // angle of each character, tenths of a degree
    int nWeight = 0;                        // 0 = default, 400 normal, 700 bold
    bool lItalic = false;                   // italic
    bool lUnderline = false;                // underlined
    bool lStrikeOut = false;                // struck out
    int nCharSet = 0;                       // character set
    int nOutPrecision = 0;                  // output precision
    int nClipPrecision = 0;                 // clipping precision
    int nQuality = 0;                       // output quality
    HDC hDevice = nullptr;                  // device whose resolution scales the height (points); none = screen
    int nPitchFamily = 0;                   // pitch and family
};

class TFont : public Object, public std::enable_shared_from_this<TFont> {
public:

    // The shared font for these attributes (a cached one when it exists).
    static FontRef New(const FontNew& params);
    // A holder object for a platform font the caller owns (count 1, never deleted here).
    static FontRef Wrap(HFONT handle);
    // The fonts currently in the cache, oldest first.
    static const std::vector<FontRef>& Cache();

    TFont(const TFont&) = delete;
    TFont& operator=(const TFont&) = delete;
    ~TFont() override;

    std::string ClassName() const override { return "TFONT"; }

    // Gives up one reference; the last one deletes the platform font.
    void End();
    // Same as End.
    void Release() { End(); }
    // Selects the font into a device context, remembering the previous font.
    void Activate(HDC hDC);
    // Selects the previously remembered font back.
    void DeActivate(HDC hDC);
    // Absolute height (of nInpHeight).
    int nHeight() const;
    // Sets the requested height.
    void nHeight(int height) { nInpHeight = height; }
    // Requested width, or 0.44 of the height when none was requested.
    int nWidth() const;
    // Sets the requested width.
    void nWidth(int width) { nInpWidth = width; }
    // Point size at the screen's resolution (quarter points, rounded as described in font.cpp).
    double nSize() const;
    // Point size for a given vertical resolution in pixels per inch.
    double nSizeAt(int pixelsPerInch) const;
    // Shows the platform font dialog and takes the chosen attributes; false when cancelled.
    bool Choose(HWND owner = nullptr);

    std::string cFaceName;        // face name as requested (after the SysTahoma rule)
    HFONT hFont = nullptr;        // the platform font
    HGDIOBJ hFontOld = nullptr;   // font selected before Activate
    bool lBold = false;           // bold
    bool lItalic = false;         // italic
    bool lUnderline = false;      // underlined
    bool lStrikeOut = false;      // struck out
    int nInpHeight = 0;           // requested height
    int nInpWidth = 0;            // requested width
    int nEscapement = 0;          // text line angle
    int nOrientation = 0;         // character angle
    int nWeight = 0;              // weight
    int nCharSet = 0;             // character set
    int nOutPrecision = 0;        // output precision
    int nClipPrecision = 0;       // clipping precision
    int nQuality = 0;             // quality
    int nPitchFamily = 0;         // pitch and family
    int nCount = 0;               // number of holders
    bool lDestroy = true;         // the platform font is owned and deleted by the last End
    bool lNew = false;            // this request created the platform font

private:
    TFont() = default;
    void TakeParams(const FontNew& params);
    bool SameAttributes(const TFont& other) const;
    bool TakeStockFont();
    void CreatePlatformFont();
    void ReadBack(HFONT handle);
    LOGFONTA ToLogFont() const;
};

}  // namespace pixa::window
