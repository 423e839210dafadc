#pragma once
// Logical fonts shared between windows: a program-wide cache hands out one object
// per distinct set of attributes and counts its holders (nCount).
// Kept small here: what windows and dialogs need; grows with the graphic resources.
#include <windows.h>

#include <memory>
#include <string>

namespace pixa {

// The positional arguments of TFont::New, in their order, with their defaults.
struct FontNew {
    std::string cFaceName = "SYSTEM_FONT";  // face, or a stock font name
    int nWidth = 0;                         // average character width, 0 = platform's choice
    int nHeight = 14;                       // negative: character height; positive: cell height
    bool lFromUser = false;                 // let the user choose (not supported here)
    bool lBold = false;                     // adds weight 700
    int nEscapement = 0;                    // angle of the text line in tenths of degrees
    int nOrientation = 0;                   // angle of each character
    int nWeight = 0;                        // 0 = default weight
    bool lItalic = false;                   // italic
    bool lUnderline = false;                // underlined
    bool lStrikeOut = false;                // struck out
    int nCharSet = 0;                       // character set
    int nOutPrecision = 0;                  // output precision
    int nClipPrecision = 0;                 // clipping precision
    int nQuality = 0;                       // output quality
    HDC hDevice = nullptr;                  // device for point heights; null for the screen
    int nPitchFamily = 0;                   // pitch and family
};

class TFont {
public:
    std::string cFaceName;      // face name
    HFONT hFont = nullptr;      // platform font
    HFONT hFontOld = nullptr;   // font selected before Activate
    bool lBold = false;         // bold
    bool lItalic = false;       // italic
    bool lUnderline = false;    // underlined
    bool lStrikeOut = false;    // struck out
    int nInpHeight = 0;         // requested height
    int nInpWidth = 0;          // requested width
    int nEscapement = 0;        // escapement
    int nOrientation = 0;       // orientation
    int nWeight = 0;            // weight
    int nCharSet = 0;           // character set
    int nOutPrecision = 0;      // output precision
    int nClipPrecision = 0;     // clipping precision
    int nQuality = 0;           // quality
    int nPitchFamily = 0;       // pitch and family
    int nCount = 0;             // number of holders
    bool lDestroy = true;       // the platform font is owned and deleted with the last holder
    bool lNew = false;          // this request created the platform font

    // The cached font with these attributes (count incremented), or a new one.
    static std::shared_ptr<TFont> New(const FontNew& args);
    // Wraps a platform font that someone else owns (count 1, never deleted).
    static std::shared_ptr<TFont> Wrap(HFONT font);
    // Gives up one reference; the last one deletes an owned platform font.
    void End();
    // Same as End.
    void Release() { End(); }
    // Selects the font into a device context, remembering the previous one.
    void Activate(HDC dc);
    // Selects the previously remembered font back.
    void DeActivate(HDC dc);
    // Absolute requested height.
    int nHeight() const { return nInpHeight < 0 ? -nInpHeight : nInpHeight; }
    // Requested width, or 0.44 of the height when none was requested.
    int nWidth() const { return nInpWidth ? nInpWidth : static_cast<int>(nHeight() * 0.44); }

private:
    bool SameAttributes(const TFont& other) const;
};

// The face name for framework texts on this platform.
std::string GetSysFont();

}  // namespace pixa
