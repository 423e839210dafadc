// A dialog laid out like the program's dialogs, from control units, with the
// standard controls the program uses. Besides checking the layout, it can be held
// open for a screenshot: with PIXA_SCREENSHOT_DONE set to a file name, the dialog
// stays up until that file exists.
#include <gtest/gtest.h>

#include <cstdlib>

#include "framework/window/dialog.h"
#include "tests/support/gui_driver.h"
#include "tests/window/plain_control.h"
#include "tests/support/layers.h"

namespace pixa {
namespace {

using test::PlainControl;

constexpr DWORD kChild = WS_CHILD | WS_VISIBLE;
constexpr DWORD kEdit = kChild | WS_TABSTOP | WS_BORDER | ES_AUTOHSCROLL;

TEST(SampleDialog, StandardControlsLaidOutInControlUnits) {
    auto dialog = TDialog::New({.nTop = 120, .nLeft = 200, .nBottom = 440, .nRight = 688,
                                .cCaption = "Bilder \xDC" "bertragen", .lPixel = true});
    std::vector<std::shared_ptr<PlainControl>> controls;
    auto add = [&](const char* cls, const char* text, int top, int left, int height, int width, DWORD style) {
        auto c = PlainControl::New(dialog, cls, text, top, left, height, width, style);
        // Labels, boxes and frames take the dialog's colours, as the program's classes do;
        // a frame paints no background at all.
        if (std::string(cls) == "STATIC" || (std::string(cls) == "BUTTON" && (style & 0x0F)))
            c->SetColor(dialog->nClrText, dialog->nClrPane);
        if ((style & 0x0F) == BS_GROUPBOX) c->oBrush = TBrush::New({.cStyle = "NULL"});
        controls.push_back(c);
        return c;
    };
    add("BUTTON", " Ordner ", 2, 4, 138, 236, kChild | BS_GROUPBOX);
    add("STATIC", "Quelle:", 14, 10, 8, 40, kChild);
    add("EDIT", "C:\\Bilder", 12, 53, 10, 160, kEdit);
    add("STATIC", "Ziel:", 28, 10, 8, 40, kChild);
    add("EDIT", "E:\\DCIM\\100CANON", 26, 53, 10, 160, kEdit);
    add("STATIC", "Dateityp:", 42, 10, 8, 40, kChild);
    add("EDIT", "JPG", 40, 53, 10, 25, kEdit | ES_CENTER);
    // Check-box and radio prompts are given in code page 850 ("\x9A" is "Ü", "\x94" is "ö").
    add("BUTTON", " &Unterordner einbeziehen", 56, 10, 10, 120, kChild | WS_TABSTOP | BS_AUTOCHECKBOX);
    add("BUTTON", " \x9A" "bertragung &simulieren", 68, 10, 10, 120, kChild | WS_TABSTOP | BS_AUTOCHECKBOX);
    add("STATIC", "Kamera:", 84, 10, 8, 40, kChild);
    auto combo = add("COMBOBOX", "", 82, 53, 40, 60, kChild | WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWNLIST);
    add("BUTTON", " &L\x94schen", 100, 10, 10, 100, kChild | WS_TABSTOP | WS_GROUP | BS_AUTORADIOBUTTON);
    add("BUTTON", " &Drucken", 110, 10, 10, 100, kChild | BS_AUTORADIOBUTTON);
    add("BUTTON", " &Email-Versand", 120, 10, 10, 100, kChild | BS_AUTORADIOBUTTON);
    add("BUTTON", "\xDC" "bertragung &starten", 148, 10, 10, 70, 0);
    add("BUTTON", "&Abbruch", 148, 99, 10, 70, 0);
    add("BUTTON", "&Hilfe", 148, 188, 10, 50, 0);

    const char* screenshotDone = std::getenv("PIXA_SCREENSHOT_DONE");
    bool laidOut = true;
    std::string wrong;
    test::GuiScript script(std::chrono::milliseconds(screenshotDone ? 60000 : 5000));
    script.Until("dialog is up", [&] { return dialog->hWnd && IsWindowVisible(dialog->hWnd); })
        .Do("check the layout", [&] {
            for (auto& c : controls) {
                if (c->cPlatformClass == "COMBOBOX") continue;  // its height is the closed box's
                RECT r = test::RectIn(c->hWnd, dialog->hWnd);
                bool ok = r.left == 2 * c->nLeft && r.top == 2 * c->nTop &&
                          r.right - r.left == 2 * (c->nRight - c->nLeft + 1) &&
                          r.bottom - r.top == 2 * (c->nBottom - c->nTop + 1);
                if (!ok) laidOut = false, wrong += c->cCaption + "; ";
            }
            for (const char* maker : {"Canon", "Olympus", "Sony"})
                SendMessageA(combo->hWnd, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(maker));
            SendMessageA(combo->hWnd, CB_SETCURSEL, 0, 0);
            SendMessageA(controls[11]->hWnd, BM_SETCHECK, BST_CHECKED, 0);
        });
    if (screenshotDone)
        script.Until("screenshot taken", [&] { return GetFileAttributesA(screenshotDone) != INVALID_FILE_ATTRIBUTES; });
    script.Do("close", [&] { dialog->End(); });
    script.Start();
    dialog->Activate({});
    EXPECT_TRUE(script.Succeeded());
    EXPECT_TRUE(laidOut) << wrong;
}

}  // namespace
}  // namespace pixa
