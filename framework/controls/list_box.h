#pragma once
// TListBox: a plain single-selection list of texts, bound to the selected text.
#include <memory>
#include <string>
#include <vector>

#include "framework/window/control.h"
#include "framework/controls/namespace.h"

namespace pixa::controls {

// TListBox::New.
struct ListBoxNew {
    int nRow = 0;                     // 1 row (× 14 without lPixel)
    int nCol = 0;                     // 2 column (× 8 without lPixel)
    Action bSetGet{};                   // 3 bound selected text; the first item when it names none
    std::vector<std::string> aItems{};  // 4 item texts
    int nWidth = 40;                  // 5 width
    int nHeight = 40;                 // 6 height
    std::shared_ptr<TWindow> oWnd{};    // 7 parent
    bool lPixel = false;              // 8 row and column are final coordinates
    std::shared_ptr<TFont> oFont{};     // 9 font; the parent's
};

class TListBox : public TControl {
public:
    std::vector<std::string> aItems;  // the texts shown

    // ======== may be overridden ========
    // "TLISTBOX".
    std::string ClassName() const override { return "TLISTBOX"; }
    // Binds the template list, fills it and selects the bound text.
    void Initiate(HWND hDlg) override;
    // Fills the native list and applies the font.
    void Default() override;

    // ======== not to be overridden ========
    // Builds a list (see ListBoxNew).
    static std::shared_ptr<TListBox> New(const ListBoxNew& args);
    // The selected text, or empty.
    std::string GetSelText() const;
};

}  // namespace pixa::controls
