// One dialog with every control kind and the program's pictures. It is a test
// (every control is bound to its native window) and, with PIXA_SHOWCASE_SECONDS
// set, stays open that long so that a screenshot can be taken:
//   PIXA_SHOWCASE_SECONDS=6 wine explorer /desktop=shot,1024x768 test_controls.exe --gtest_filter=Showcase.*
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdlib>

#include "framework/controls/bitmap.h"
#include "framework/controls/cursor.h"
#include "framework/window/dialog.h"
#include "framework/controls/button.h"
#include "framework/controls/check_box.h"
#include "framework/controls/combo_box.h"
#include "framework/window/font.h"
#include "framework/controls/get.h"
#include "framework/controls/group.h"
#include "framework/controls/icon.h"
#include "framework/controls/radio.h"
#include "framework/controls/say.h"
#include "runtime/codepage.h"
#include "tests/support/layers.h"

namespace pixa {
namespace {

Action Binding(Value initial) {
    auto value = std::make_shared<Value>(std::move(initial));
    return Action([value](const Args& args) {
        if (!args.empty()) *value = args[0];
        return *value;
    });
}

Action Text(const char* text) {
    return Action([text](const Args&) { return Value(text); });
}

void CALLBACK CloseShowcase(HWND hWnd, UINT, UINT_PTR id, DWORD) {
    KillTimer(hWnd, id);
    EndDialog(hWnd, 2);
}

TEST(Showcase, EveryControlKindAndPictureOnOneDialog) {
    auto font = TFont::New({.cFaceName = "Ms Sans Serif", .nHeight = -8});
    auto bold = TFont::New({.cFaceName = "Ms Sans Serif", .nHeight = -8, .lBold = true});
    auto dlg = TDialog::New({.nTop = 10, .nLeft = 10, .cCaption = "Pixaport - Steuerelemente", .lPixel = true,
                             .oIcon = TIcon::New({.cResName = "Konvert"}), .oFont = font, .nWidth = 780,
                             .nHeight = 560});
    auto hand = TCursor::New({.cPredef = "HAND"});
    std::vector<std::shared_ptr<TControl>> all;
    auto add = [&all](auto control) {
        all.push_back(control);
        return control;
    };

    // Pictures at their own sizes (control units are two pixels).
    add(TBitmap::New({.nTop = 5, .nLeft = 5, .nWidth = 129, .nHeight = 85, .cResName = "Photo", .lNoBorder = true,
                      .oWnd = dlg, .lPixel = true}));
    add(TBitmap::New({.nTop = 95, .nLeft = 30, .nWidth = 53, .nHeight = 70, .cResName = "Pfeil", .lNoBorder = true,
                      .oWnd = dlg, .lPixel = true}));
    add(TBitmap::New({.nTop = 135, .nLeft = 85, .nWidth = 94, .nHeight = 46, .cResName = "Kamera",
                      .lNoBorder = true, .oWnd = dlg, .lPixel = true}));
    add(TBitmap::New({.nTop = 190, .nLeft = 5, .nWidth = 16, .nHeight = 16, .cResName = "Web", .lNoBorder = true,
                      .oWnd = dlg, .oCursor = hand, .lPixel = true}));
    add(TBitmap::New({.nTop = 190, .nLeft = 25, .nWidth = 16, .nHeight = 16, .cResName = "Email", .lNoBorder = true,
                      .oWnd = dlg, .oCursor = hand, .lPixel = true}));
    add(TBitmap::New({.nTop = 194, .nLeft = 50, .nWidth = 8, .nHeight = 8, .cResName = "Mark0", .lNoBorder = true,
                      .oWnd = dlg, .lPixel = true}));
    add(TBitmap::New({.nTop = 194, .nLeft = 62, .nWidth = 8, .nHeight = 8, .cResName = "Mark1", .lNoBorder = true,
                      .oWnd = dlg, .lPixel = true}));
    add(TBitmap::New({.nTop = 212, .nLeft = 5, .nWidth = 32, .nHeight = 32, .cResName = "STOP_MAX", .lNoBorder = true,
                      .oWnd = dlg, .lPixel = true}));
    add(TBitmap::New({.nTop = 5, .nLeft = 210, .nWidth = 160, .nHeight = 53, .cResName = "About", .lNoBorder = true,
                      .oWnd = dlg, .lPixel = true}));

    // A frame with labels, fields, a combo box, check boxes and a radio group.
    add(TGroup::New({.nTop = 62, .nLeft = 190, .nBottom = 232, .nRight = 385, .cLabel = "Einstellungen", .oWnd = dlg,
                     .lPixel = true}));
    struct Row {
        int row;
        const char* label;
    } rows[] = {{74, "Bilderordner"}, {88, "Dateityp"}, {102, "Kameraspeicher"}, {116, "Kamera-Hersteller"}};
    for (const auto& r : rows)
        add(TSay::New({.nRow = r.row + 1, .nCol = 195, .bText = Text(r.label), .oWnd = dlg, .lRight = true,
                       .lPixel = true, .nWidth = 55, .nHeight = 10}));
    add(TGet::New({.nRow = 74, .nCol = 255, .bSetGet = Binding("C:\\Bilder\\Urlaub\\          "), .oWnd = dlg,
                   .nWidth = 120, .nHeight = 10, .nClrFore = 1, .nClrBack = 13697023, .lPixel = true}));
    add(TGet::New({.nRow = 88, .nCol = 255, .bSetGet = Binding("JPG"), .oWnd = dlg, .nWidth = 25, .nHeight = 10,
                   .cPicture = "@K !!!", .nClrFore = 1, .nClrBack = 13697023, .lPixel = true, .lCenter = true}));
    add(TGet::New({.nRow = 102, .nCol = 255, .bSetGet = Binding(64), .oWnd = dlg, .nWidth = 25, .nHeight = 10,
                   .cPicture = "9999", .nClrFore = 1, .nClrBack = 13697023, .lPixel = true, .lRight = true}));
    add(TSay::New({.nRow = 103, .nCol = 283, .bText = Text("MB"), .oWnd = dlg, .lPixel = true, .nWidth = 15,
                   .nHeight = 10}));
    add(TComboBox::New({.nRow = 116, .nCol = 255, .bSetGet = Binding("Sony"), .aItems = {"Canon", "Olympus", "Sony"},
                        .nWidth = 60, .nHeight = 40, .oWnd = dlg, .nClrText = 1, .nClrPane = 13697023,
                        .lPixel = true}));
    add(TCheckBox::New({.nRow = 134, .nCol = 198, .cCaption = AnsiToCp850(" &Übertragung simulieren"),
                        .bSetGet = Binding(true), .oWnd = dlg, .nWidth = 150, .nHeight = 10, .lPixel = true}));
    add(TCheckBox::New({.nRow = 146, .nCol = 198,
                        .cCaption = AnsiToCp850(" Dialog zur Übertragung beim Programmstart ö&ffnen"),
                        .bSetGet = Binding(false), .oWnd = dlg, .nWidth = 180, .nHeight = 10, .lPixel = true}));
    auto radios = TRadMenu::New({.nRow = 162, .nCol = 194,
                                 .acItems = {AnsiToCp850(" &Löschen"), " &Drucken", " &Email-Versand"},
                                 .bSetGet = Binding(2), .oWnd = dlg, .nWidth = 80, .nHeight = 10, .lPixel = true});
    add(TSay::New({.nRow = 164, .nCol = 290, .bText = Text("Benutzt:"), .oWnd = dlg, .lPixel = true, .nWidth = 40,
                   .nHeight = 10}));
    add(TSay::New({.nRow = 164, .nCol = 332, .bText = Binding(7), .oWnd = dlg, .cPicture = "999", .oFont = bold,
                   .lRight = true, .lPixel = true, .nWidth = 20, .nHeight = 10}));
    add(TSay::New({.nRow = 178, .nCol = 290, .bText = Text("Frei:"), .oWnd = dlg, .lPixel = true, .nWidth = 40,
                   .nHeight = 10}));
    add(TSay::New({.nRow = 178, .nCol = 322, .bText = Binding(1234567), .oWnd = dlg, .cPicture = "@E 999,999,999",
                   .oFont = bold, .lRight = true, .lPixel = true, .nWidth = 50, .nHeight = 10}));
    add(TSay::New({.nRow = 206, .nCol = 196, .bText = Text("Größe übertragen: äöü ÄÖÜ ß – fünf Bilder"),
                   .oWnd = dlg, .lBorder = true, .lPixel = true, .nClrText = "N/W", .nWidth = 180,
                   .nHeight = 11}));
    add(TButton::New({.nRow = 245, .nCol = 190, .cCaption = "&Weiter", .oWnd = dlg, .nWidth = 45, .nHeight = 12,
                      .lDefault = true, .lPixel = true}));
    add(TButton::New({.nRow = 245, .nCol = 240, .cCaption = "&Abbruch", .oWnd = dlg, .nWidth = 45, .nHeight = 12,
                      .lPixel = true, .lCancel = true}));
    add(TButton::New({.nRow = 245, .nCol = 290, .cCaption = "&Hilfe", .oWnd = dlg, .nWidth = 45, .nHeight = 12,
                      .lPixel = true}));

    const char* seconds = std::getenv("PIXA_SHOWCASE_SECONDS");
    int bound = 0;
    dlg->Activate({.lCentered = false, .bInit = Action([&](const Args&) {
                       for (auto& control : all) bound += control->hWnd != nullptr;
                       for (int i = 1; i <= radios->Count(); ++i) bound += radios->Item(i)->hWnd != nullptr;
                       SetTimer(dlg->hWnd, 1, seconds ? std::atoi(seconds) * 1000 : 1, CloseShowcase);
                       return Value();
                   })});
    EXPECT_EQ(bound, static_cast<int>(all.size()) + 3);
    EXPECT_EQ(dlg->nResult.AsInteger(), 2);
    font->End();
    bold->End();
}

}  // namespace
}  // namespace pixa
