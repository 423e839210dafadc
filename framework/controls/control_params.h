#pragma once
// The long positional argument lists of the basic controls, the edit field, the
// combo box and the bitmap control as structs: members keep the positions' order
// and defaults, so a call reads
//   TButton::New({.nRow = 148, .nCol = 10, .cCaption = "&Hilfe", .oWnd = dlg, .lPixel = true})
// A position whose default depends on other arguments is an optional left empty.
#include <windows.h>

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "framework/window/window_params.h"
#include "runtime/value.h"
#include "framework/controls/namespace.h"

namespace pixa::window {
class TWindow;
class TFont;
}  // namespace pixa::window

namespace pixa::controls {

class TCursor;
class TRadMenu;

// TButton::New, 17 positions.
struct ButtonNew {
    int nRow = 0;                          // 1 row (× 18 without lPixel)
    int nCol = 0;                          // 2 column (× 6 without lPixel)
    std::string cCaption = "&Button";      // 3 caption; & marks the hot key
    std::shared_ptr<TWindow> oWnd{};         // 4 parent; default window when empty
    Action bAction{};                        // 5 click action
    std::optional<int> nWidth{};             // 6 width; max(6 × caption length, 30)
    int nHeight = 13;                      // 7 height
    int nHelpId = 0;                       // 8 help topic; none: F1 asks the dialog
    std::shared_ptr<TFont> oFont{};          // 9 font; the parent's when empty
    bool lDefault = false;                 // 10 default push button
    bool lPixel = false;                   // 11 row and column are final coordinates
    bool lDesign = false;                  // 12 design mode
    std::string cMsg{};                      // 13 status-bar text
    bool lUpdate = false;                  // 14 refreshed with its dialog
    Action bWhen{};                          // 15 enabling condition
    Action bValid{};                         // 16 leaving condition
    bool lCancel = false;                  // 17 leaving to it skips validation
};

// TSay::New, 19 positions.
struct SayNew {
    int nRow = 0;                          // 1 row (× 15 + 2 without lPixel)
    int nCol = 0;                          // 2 column (× 6 without lPixel)
    Action bText{};                          // 3 yields the text or value; empty text when absent
    std::shared_ptr<TWindow> oWnd{};         // 4 parent
    std::string cPicture{};                  // 5 display format
    std::shared_ptr<TFont> oFont{};          // 6 font
    bool lCentered = false;                // 7 centred
    bool lRight = false;                   // 8 right-aligned
    bool lBorder = false;                  // 9 framed
    bool lPixel = false;                   // 10 row and column are final coordinates
    ColourArg nClrText{};                    // 11 text colour or colour string; the parent's
    std::optional<std::uint32_t> nClrBack{}; // 12 background; button face on a dialog
    std::optional<int> nWidth{};             // 13 width; 6 × text length − 4
    std::optional<int> nHeight{};            // 14 height; the font's height, else 15
    bool lDesign = false;                  // 15 design mode
    bool lUpdate = false;                  // 16 refreshed with its dialog
    bool lShaded = false;                  // 17 grey filled-rectangle look
    bool lBox = false;                     // 18 boxed look
    bool lRaised = false;                  // 19 raised look
};

// TGroup::New, 12 positions.
struct GroupNew {
    int nTop = 0;                          // 1 top (× 14 without lPixel)
    int nLeft = 0;                         // 2 left (× 7 without lPixel)
    int nBottom = 3;                       // 3 bottom
    int nRight = 3;                        // 4 right
    std::string cLabel{};                    // 5 label
    std::shared_ptr<TWindow> oWnd{};         // 6 parent
    std::optional<std::uint32_t> nClrFore{}; // 7 text colour; the parent's
    std::optional<std::uint32_t> nClrBack{}; // 8 background; the parent's
    bool lPixel = false;                   // 9 coordinates are final
    bool lDesign = false;                  // 10 design mode
    std::shared_ptr<TFont> oFont{};          // 11 font; the parent's
    bool lUnused = false;                  // 12 accepted, not used
};

// TCheckBox::New, 18 positions.
struct CheckBoxNew {
    int nRow = 0;                          // 1 row (× 13 without lPixel)
    int nCol = 0;                          // 2 column (× 7 without lPixel)
    std::string cCaption = "&CheckBox";    // 3 caption, in code page 850
    Action bSetGet{};                        // 4 bound logical; a private one when absent
    std::shared_ptr<TWindow> oWnd{};         // 5 parent
    std::optional<int> nWidth{};             // 6 width; 7 × caption length
    int nHeight = 19;                      // 7 height
    int nHelpId = 0;                       // 8 help topic; none: F1 asks the dialog
    Action bChange{};                        // 9 called with the new value and the box
    std::shared_ptr<TFont> oFont{};          // 10 font
    Action bValid{};                         // 11 leaving condition
    std::optional<std::uint32_t> nClrFore{}; // 12 text colour; the parent's
    std::optional<std::uint32_t> nClrBack{}; // 13 background; the parent's
    bool lDesign = false;                  // 14 design mode
    bool lPixel = false;                   // 15 coordinates are final
    std::string cMsg{};                      // 16 status-bar text
    bool lUpdate = false;                  // 17 refreshed with its dialog
    Action bWhen{};                          // 18 enabling condition
};

// TRadMenu::New, 18 positions.
struct RadMenuNew {
    int nRow = 0;                          // 1 row of the first item
    int nCol = 0;                          // 2 column
    std::vector<std::string> acItems{};      // 3 prompts, in code page 850
    Action bSetGet{};                        // 4 bound selected position, 1-based
    std::shared_ptr<TWindow> oWnd{};         // 5 parent
    std::vector<int> aHelpIds{};             // 6 help topics; none when empty
    Action bChange{};                        // 7 called after the selection changed
    std::optional<std::uint32_t> nClrText{}; // 8 text colour; the parent's
    std::optional<std::uint32_t> nClrPane{}; // 9 background; the parent's
    std::string cMsg{};                      // 10 status-bar text
    bool lUpdate = false;                  // 11 refreshed with its dialog
    Action bWhen{};                          // 12 enabling condition
    std::optional<int> nWidth{};             // 13 width of each item
    std::optional<int> nHeight{};            // 14 height of each item, also the row step
    Action bValid{};                         // 15 leaving condition
    bool lDesign = false;                  // 16 design mode
    bool l3D = false;                      // 17 three-dimensional look
    bool lPixel = false;                   // 18 coordinates are final
};

// TRadio::New, 19 positions (called by TRadMenu).
struct RadioNew {
    int nRow = 0;                          // 1 row
    int nCol = 0;                          // 2 column
    std::string cPrompt{};                   // 3 prompt, in code page 850
    bool lGroup = false;                   // 4 first item of its group
    bool lChecked = false;                 // 5 shown selected
    int nPos = 1;                          // 6 position in the group, 1-based
    std::shared_ptr<TWindow> oWnd{};         // 7 parent
    std::shared_ptr<TRadMenu> oRadMenu{};    // 8 its group
    int nHelpId = 0;                       // 9 help topic; none: F1 asks the dialog
    std::optional<std::uint32_t> nClrText{}; // 10 text colour
    std::optional<std::uint32_t> nClrPane{}; // 11 background
    std::string cMsg{};                      // 12 status-bar text
    bool lUpdate = false;                  // 13 refreshed with its dialog
    Action bWhen{};                          // 14 enabling condition
    std::optional<int> nWidth{};             // 15 width; 5 × prompt length
    std::optional<int> nHeight{};            // 16 height; 12 (row factor 13)
    Action bValid{};                         // 17 leaving condition
    bool lDesign = false;                  // 18 design mode
    bool lPixel = false;                   // 19 coordinates are final
};

// TGet::New, 29 positions.
struct GetNew {
    int nRow = 0;                          // 1 row (× 13 without lPixel)
    int nCol = 0;                          // 2 column (× 8 without lPixel)
    Action bSetGet{};                        // 3 bound value; a private text of 50 blanks when absent
    std::shared_ptr<TWindow> oWnd{};         // 4 parent
    std::optional<int> nWidth{};             // 5 width; by the caption's length
    std::optional<int> nHeight{};            // 6 height; the font's height, else 12
    std::string cPicture{};                  // 7 picture
    Action bValid{};                         // 8 leaving condition
    std::optional<std::uint32_t> nClrFore{}; // 9 text colour; platform window text
    std::optional<std::uint32_t> nClrBack{}; // 10 background; platform window colour
    std::shared_ptr<TFont> oFont{};          // 11 font
    bool lDesign = false;                  // 12 design mode
    std::shared_ptr<TCursor> oCursor{};      // 13 mouse cursor
    bool lPixel = false;                   // 14 coordinates are final
    std::string cMsg{};                      // 15 status-bar text
    bool lUpdate = false;                  // 16 refreshed with its dialog
    Action bWhen{};                          // 17 enabling condition
    bool lCenter = false;                  // 18 centred text
    bool lRight = false;                   // 19 right-aligned text
    Action bChanged{};                       // 20 called on every change (key, flags, field)
    bool lReadOnly = false;                // 21 read-only
    bool lPassword = false;                // 22 shows asterisks
    bool lNoBorder = false;                // 23 no frame
    int nHelpId = 0;                       // 24 help topic
    bool lSpinner = false;                 // 25 spinner (not supported)
    Action bUp{};                            // 26 spinner up
    Action bDown{};                          // 27 spinner down
    Action bMin{};                           // 28 spinner minimum
    Action bMax{};                           // 29 spinner maximum
};

// TComboBox::New, 23 positions.
struct ComboBoxNew {
    int nRow = 0;                          // 1 row (× 14 without lPixel)
    int nCol = 0;                          // 2 column (× 8 without lPixel)
    Action bSetGet{};                        // 3 bound value: an item text or a position
    std::vector<std::string> aItems{};       // 4 item texts
    int nWidth = 40;                       // 5 width
    int nHeight = 60;                      // 6 height including the opened list
    std::shared_ptr<TWindow> oWnd{};         // 7 parent
    int nHelpId = 0;                       // 8 help topic
    Action bChange{};                        // 9 called with the box and the text before the change
    Action bValid{};                         // 10 leaving condition
    std::optional<std::uint32_t> nClrText{}; // 11 text colour; platform window text
    std::optional<std::uint32_t> nClrPane{}; // 12 background; platform window colour
    bool lPixel = false;                   // 13 coordinates are final
    std::shared_ptr<TFont> oFont{};          // 14 font; the parent's
    std::string cMsg{};                      // 15 status-bar text
    bool lUpdate = false;                  // 16 refreshed with its dialog
    Action bWhen{};                          // 17 enabling condition
    bool lDesign = false;                  // 18 design mode
    std::vector<std::string> acBitmaps{};    // 19 item bitmaps (not supported)
    Action bDrawItem{};                      // 20 owner-draw action (not supported)
    int nStyle = 3;                        // 21 3 drop-down list, 2 drop-down with edit field
    std::string cPicture{};                  // 22 picture of the edit field (style 2)
    Action bEditValid{};                     // 23 leaving condition of the edit field (style 2)
};

// TBitmap::New, 19 positions.
struct BitmapNew {
    int nTop = 0;                          // 1 top (× 14 without lPixel)
    int nLeft = 0;                         // 2 left (× 8 without lPixel)
    std::optional<int> nWidth{};             // 3 width; the picture's, at most the parent's
    std::optional<int> nHeight{};            // 4 height; likewise
    std::string cResName{};                  // 5 bitmap resource
    std::string cBmpFile{};                  // 6 bitmap file
    bool lNoBorder = false;                // 7 no frame
    std::shared_ptr<TWindow> oWnd{};         // 8 parent
    Action bLClicked{};                      // 9 left click (row, col, flags)
    Action bRClicked{};                      // 10 right click
    bool lScroll = false;                  // 11 scroll bars
    bool lStretch = false;                 // 12 stretched to the control
    std::shared_ptr<TCursor> oCursor{};      // 13 mouse cursor
    std::string cMsg{};                      // 14 accepted, not stored
    bool lUpdate = false;                  // 15 refreshed with its dialog
    Action bWhen{};                          // 16 enabling condition
    bool lPixel = false;                   // 17 coordinates are final
    Action bValid{};                         // 18 leaving condition
    bool lDesign = false;                  // 19 design mode
};

}  // namespace pixa::controls
