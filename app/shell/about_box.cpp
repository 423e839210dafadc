#include "app/shell/about_box.h"

#include "app/shell/publics.h"
#include "framework/controls/bitmap.h"
#include "framework/controls/say.h"
#include "framework/services/timer.h"
#include "framework/window/dialog.h"
#include "framework/window/font.h"
#include "runtime/codepage.h"
#include "app/shell/namespace.h"

namespace pixa::shell {

const char* const kMakerBlock =
    "Qor Software GmbH\r\n"
    "Am Mühlbach 7, 34117 Kassel\r\n"
    "Tel. 0561 / 40 71 20, Fax 0561 / 40 71 29";
const char* const kRightsLine = "© 2026 Qor Software GmbH. Alle Rechte vorbehalten.";

namespace {

constexpr int kSplashMilliseconds = 3000;

// The splash's closing timer; set only while a splash is open.
std::shared_ptr<TTimer>& AboutTimer() {
    static std::shared_ptr<TTimer> timer;
    return timer;
}

Action Constant(const std::string& text) {
    return Action([text](const Args&) { return Value(text); });
}

// A centred text block in black on white, without border, in control units.
void TextBlock(const std::shared_ptr<TDialog>& dlg, int row, int height, const std::string& text,
               const std::shared_ptr<TFont>& font) {
    TSay::New({.nRow = row, .nCol = 0, .bText = Constant(text), .oWnd = dlg, .oFont = font, .lCentered = true,
               .lPixel = true, .nClrText = "N*/W", .nWidth = 160, .nHeight = height});
}

}  // namespace

bool AboutWait(const std::shared_ptr<TDialog>& oDlg) {
    std::weak_ptr<TDialog> box = oDlg;
    auto timer = TTimer::New(kSplashMilliseconds, Action([box](const Args&) {
                                 if (auto open = box.lock()) open->End();
                                 return Value();
                             }),
                             oDlg);
    AboutTimer() = timer;
    timer->Activate();
    return true;
}

bool AboutInfo(bool lSplash) {
    const Publics& g = G();
    auto font = TFont::New({.cFaceName = "Ms Sans Serif", .nHeight = -8});
    auto bold = TFont::New({.cFaceName = "Ms Sans Serif", .nHeight = -8, .lBold = true});
    auto dlg = TDialog::New({.nTop = 0, .nLeft = 0, .nBottom = 199, .nRight = 319,
                             .cCaption = Cp850ToAnsi(g.cRelease), .nClrText = "N*/W", .lPixel = true, .oFont = font});
    dlg->lHelpIcon = false;
    std::weak_ptr<TDialog> box = dlg;
    Action close([box](const Args&) {
        if (auto open = box.lock()) open->End();
        return Value();
    });
    TBitmap::New({.nTop = 0, .nLeft = 0, .nWidth = 160, .nHeight = 55, .cResName = "About", .lNoBorder = true,
                  .oWnd = dlg, .bLClicked = close, .lPixel = true});
    TextBlock(dlg, 55, 30, kMakerBlock, font);
    TextBlock(dlg, 75, 15, "Internet: " + g.cS_WWW + "\r\nEmail: " + g.cS_Email, font);
    TextBlock(dlg, 92, 8, kRightsLine, bold);

    // The timer starts at the first paint, and at the latest when the box is set
    // up: a splash that is never painted (a minimised start) still closes.
    Action startOnce([box](const Args&) {
        auto open = box.lock();
        if (open && !AboutTimer()) AboutWait(open);
        return Value();
    });
    if (lSplash) dlg->bStart = startOnce;
    dlg->Activate({.bLClicked = close, .lCentered = true, .bInit = lSplash ? startOnce : Action()});
    if (auto timer = AboutTimer()) {
        timer->End();
        AboutTimer() = nullptr;
    }
    font->End();
    bold->End();
    return true;
}

}  // namespace pixa::shell
