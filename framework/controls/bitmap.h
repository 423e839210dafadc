#pragma once
// TBitmap: a control that shows a bitmap from the program's resources or from a
// file, unstretched and clipped at its edges (or stretched to its size), and
// reacts to clicks. Define makes a bitmap object without a window for drawing.
#include <memory>

#include "framework/controls/control_params.h"
#include "framework/controls/dib.h"
#include "framework/window/control.h"
#include "framework/controls/namespace.h"

namespace pixa::controls {

class TBitmap : public TControl {
public:
    int nX = 0, nY = 0;          // offset of the picture inside the control
    int nOldX = 0, nOldY = 0;    // previous offsets
    std::string cBmpFile;        // bitmap file it came from
    std::string cResName;        // bitmap resource it came from
    bool lScroll = false;        // scroll-bar styles (scrolling itself is not supported)
    bool lStretch = false;       // stretched to the control's client area
    int nVStep = 1, nHStep = 1;  // scroll steps
    int nZoom = 1;               // magnification of the unstretched picture
    bool lTransparent = false;   // pixels of the top-left pixel's colour stay unpainted

    // ======== not to be overridden ========
    // Builds a bitmap control (19 positions, see BitmapNew).
    static std::shared_ptr<TBitmap> New(const BitmapNew& args);
    // A bitmap object without a window, for drawing the picture elsewhere.
    static std::shared_ptr<TBitmap> Define(const std::string& cResName, const std::string& cBmpFile = {},
                                           const std::shared_ptr<TWindow>& oWnd = {});

    // Loads from the resource (when named) or else the file; false when nothing loaded
    // (the previous picture stays then). Empty names mean the stored ones.
    bool LoadImage(const std::string& resName = {}, const std::string& bmpFile = {});
    // Loads another picture, resets the offsets and repaints.
    bool ReLoad(const std::string& resName = {}, const std::string& bmpFile = {});
    // Shows the program's bitmap resource of that name.
    bool SetBMP(const std::string& resName) { return ReLoad(resName, {}); }
    // Shows the bitmap file.
    bool LoadBMP(const std::string& bmpFile) { return ReLoad({}, bmpFile); }
    // Centres the picture in the control.
    void Center();
    // The picture's width × nZoom (0 without a picture).
    int nWidth() const { return dib_.Width() * nZoom; }
    // The picture's height × nZoom (0 without a picture).
    int nHeight() const { return dib_.Height() * nZoom; }
    // The platform bitmap, or null.
    HBITMAP hBitmap() const { return dib_.Bitmap(); }
    // The picture's palette, or null.
    HPALETTE hPalette() const { return dib_.Palette(); }
    // Draws the picture into a device context at a position (its own size × nZoom).
    void Draw(HDC hDC, int x, int y) const;

    // ======== may be overridden ========
    // "TBITMAP".
    std::string ClassName() const override { return "TBITMAP"; }
    // Binds the template control.
    void Initiate(HWND hDlg) override;
    // Without a window: frees the picture; with one: ends the control.
    bool End() override;

protected:
    // Paints the picture and calls bPainted.
    MsgResult Display() override;
    MsgResult Paint() override;
    // Frees the picture with the window.
    MsgResult Destroy() override;

private:
    Dib dib_;
};

}  // namespace pixa::controls
