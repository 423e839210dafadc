#pragma once
// TMeter: a horizontal progress bar with a centred text (an optional caption and a
// four-character percentage). The text is one string drawn twice at one place,
// clipped once to the filled part (bar-text colour on the bar colour) and once to
// the rest (text colour on the pane colour).
//
//   auto done = std::make_shared<Value>(0);
//   auto meter = TMeter::New({.nRow = 40, .nCol = 10, .bSetGet = Binding(done), .nTotal = nFiles,
//                             .oWnd = dlg, .lPixel = true});
//   meter->Set(nCopied);   // repaints and processes pending messages from 1 % on
#include <windows.h>

#include <cstdint>
#include <memory>
#include <optional>
#include <string>

#include "framework/window/control.h"
#include "framework/services/namespace.h"

namespace pixa::services {

// TMeter::New, 17 positions.
struct MeterNew {
    int nRow = 0;                                  // 1 row (× 14 without lPixel)
    int nCol = 0;                                  // 2 column (× 8 without lPixel)
    Action bSetGet{};                                // 3 value binding; one that yields 1 when absent
    double nTotal = 10;                            // 4 the value that means 100 %
    std::shared_ptr<TWindow> oWnd{};                 // 5 owner; the default window when empty
    int nWidth = 300;                              // 6 width
    int nHeight = 20;                              // 7 height
    bool lUpdate = false;                          // 8 accepted, no effect
    bool lPixel = false;                           // 9 row and column are final coordinates
    std::shared_ptr<TFont> oFont{};                  // 10 font; the owner's when empty
    std::string cText = " ";                       // 11 caption before the percentage
    bool lNoPercentage = false;                    // 12 no percentage
    std::optional<std::uint32_t> nClrPane{};         // 13 rest background; the owner's
    std::optional<std::uint32_t> nClrText{};         // 14 rest text; the owner's
    std::uint32_t nClrBar = 16711680;              // 15 bar background (blue)
    std::uint32_t nClrBText = 16777215;            // 16 text over the bar (white)
    bool lDesign = false;                          // 17 design mode
};

class TMeter : public TControl {
public:
    double nTotal = 10;                 // the value that means 100 %
    double nRefresh = 0;                // the last value Set repainted for
    std::uint32_t nClrBar = 16711680;   // background of the filled part
    std::uint32_t nClrBText = 16777215; // text over the filled part
    std::string cText = " ";            // caption before the percentage
    bool lPercentage = true;            // draw the percentage

    // Builds a meter: created now on an existing window, else with its dialog.
    static std::shared_ptr<TMeter> New(const MeterNew& args = {});
    // "TMETER", also its platform class.
    std::string ClassName() const override { return "TMETER"; }

    // The text a meter shows for a percentage ("   42%" with the default caption).
    static std::string MeterText(const std::string& cText, bool lPercentage, int nPercent);
    // The percentage of a value: value × 100 / total (× 100 when the total is 0), whole.
    static int Percentage(double nValue, double nTotal);

    // Binds the template meter, then Default.
    void Initiate(HWND hDlg) override;
    // Writes 0 when the binding yields nothing; takes its font or the owner's.
    void Default() override;
    // Stores a value clamped to 0..total; from 1 % of the total it repaints (without
    // erasing) and processes pending messages. Without a value: the current one.
    void Set(std::optional<double> n = {});
    // A new total; repaints.
    void SetTotal(double total);

protected:
    // WM_PAINT: BeginPaint, Paint, EndPaint; yields 0.
    MsgResult Display() override;
    // Draws bar, frame and text for the bound value.
    MsgResult Paint() override;
};

}  // namespace pixa::services
