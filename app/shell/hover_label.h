#pragma once
// TSSay: the program's own label, drawn by itself, that behaves like a link.
// Under the mouse its text takes the highlight colour and its mouse-over action
// runs; a button release over it runs its action. It draws several lines with an
// alignment anchor, 3-D frames, an embossed grey look when inactive, and can let
// its parent's background show through.
//
// The labels take over the mouse-move action of their parent: a move over the
// parent's own surface ends the highlight of the label that has it. At most one
// label of the whole program is highlighted at a time.
#include <windows.h>

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "framework/window/control.h"
#include "app/shell/namespace.h"

namespace pixa::window {
class TFont;
}  // namespace pixa::window
namespace pixa::controls {
class TCursor;
}  // namespace pixa::controls

namespace pixa::shell {

// TSSay::New, 25 positions.
struct SSayNew {
    int nRow = 0;                              // 1 row (× line height + 2 without lPixel)
    int nCol = 0;                              // 2 column (× character width without lPixel)
    Action bText{};                              // 3 yields the value to show; empty text when absent
    std::shared_ptr<TWindow> oWnd{};             // 4 parent; the default window when empty
    std::string cPicture{};                      // 5 display format
    std::shared_ptr<TFont> oFont{};              // 6 font; the parent's when empty
    std::shared_ptr<TCursor> oCursor{};          // 7 cursor under the mouse; the hand when empty
    Action bAction{};                            // 8 run with the label on a button release
    bool lCentered = false;                    // 9 lines centred on the middle
    bool lRight = false;                       // 10 lines ending at the right edge
    bool lBottom = false;                      // 11 lines anchored at the bottom
    bool lBorder = false;                      // 12 thin border
    bool lPixel = false;                       // 13 row and column are final coordinates
    std::optional<std::uint32_t> nClrText{};     // 14 text colour; the parent's
    std::optional<std::uint32_t> nClrBack{};     // 15 background; the parent's
    std::optional<std::uint32_t> nClrOver{};     // 16 highlight colour; the active caption's
    std::optional<int> nWidth{};                 // 17 width; character width × text length − 4
    std::optional<int> nHeight{};                // 18 height; the font's, else 15
    bool lDesign = false;                      // 19 design mode
    bool lUpdate = false;                      // 20 refreshed with its dialog
    bool lShaded = false;                      // 21 sunken frame
    bool lBox = false;                         // 22 sunken box with a raised one inside
    bool lRaised = false;                      // 23 raised frame
    bool lTransparent = false;                 // 24 the parent's background shows through
    Action bMOver{};                             // 25 run when the mouse enters
};

class TSSay : public TControl {
public:
    bool l3D = false;                   // shaded, boxed or raised
    std::string cPicture;               // display format; empty: plain text
    std::vector<std::string> aCaption;  // the caption's display lines
    Action bGet;                        // yields the value Refresh shows
    bool lTransparent = false;          // no background of its own
    bool lShaded = false, lBox = false, lRaised = false;
    bool lOver = false;                 // highlighted: the mouse is over it
    std::uint32_t nClrOver = 0;         // text colour while highlighted
    Action bAction;                     // button released over the label (with the label)
    Action bMOver, bNonMOver;           // mouse entered / left
    std::optional<bool> lDrawBox;       // one-pixel box around the text area
    int nSTop = 0, nSLeft = 0;          // text anchor in the client area, pixels
    RECT aRect{};                       // client rectangle less the frame
    int nTxtWidth = 0, nTxtHeight = 0;  // widest line, one line's height
    int nAlign = 0;                     // text alignment: 2 right, 6 centred, + 8 bottom

    // ======== may be overridden ========
    // "TSSAY".
    std::string ClassName() const override { return "TSSAY"; }
    // Binds the template label, then prepares it.
    void Initiate(HWND hDlg) override;
    // Prepares the created window for painting: font, lines, anchor, frame inset,
    // the parent's mouse-move action taken over, and an invalidation.
    void Default() override;
    MsgResult HandleEvent(UINT nMsg, WPARAM nWParam, LPARAM nLParam) override;
    // Shows bGet()'s value.
    void Refresh(bool lErase = true) override;
    // Shows a value (formatted with the picture) at once.
    void SetText(const Value& xValue) override;
    // Fixes the shown value: bGet yields its text from now on; shown at Refresh.
    void VarPut(const Value& xValue) override;
    // The mouse left: the highlight ends (nothing for an inactive label).
    MsgResult NcMouseMove(int nHitTest, int nRow, int nCol) override;

protected:
    MsgResult Display() override;
    MsgResult Paint() override;
    MsgResult EraseBkGnd(HDC hDCErase) override;
    MsgResult ReSize(std::optional<int> nType, std::optional<int> nWidth, std::optional<int> nHeight) override;
    MsgResult MouseMove(int nRow, int nCol, UINT nFlags) override;
    MsgResult LButtonUp(int nRow, int nCol, UINT nFlags) override;

public:
    // ======== not to be overridden ========
    // Builds a label (25 positions, see SSayNew).
    static std::shared_ptr<TSSay> New(const SSayNew& args);
    // The label that is highlighted now, if any.
    static std::shared_ptr<TSSay> Highlighted();
    // Draws or erases the one-pixel box in the parent's text or background colour.
    void DrawBox(bool over);

private:
    bool Inert() const { return !lActive || lDrag; }
    void TakeOverParentMouse();
    void Invalidate();
    void Repaint();
    void DrawFrames(HDC dc);
};

// A mouse move over the surface of the parent whose action the labels took over:
// the highlighted label leaves its highlight, then the parent's own earlier action runs.
Value NcSSayOver(int nRow, int nCol, WPARAM nKeyFlags);

}  // namespace pixa::shell
