#include "app/shell/about_box.h"

#include "app/kit/dialog_kit.h"
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

}  // namespace

bool AboutWait(const std::shared_ptr<TDialog>& oDlg) {
    auto timer = TTimer::New(kSplashMilliseconds, Do(oDlg, [](TDialog& open) { open.End(); }), oDlg);
    AboutTimer() = timer;
    timer->Activate();
    return true;
}

bool AboutInfo(bool lSplash) {
    const Publics& g = G();
    auto font = TFont::New({.cFaceName = "Ms Sans Serif", .nHeight = -8});
    auto bold = TFont::New({.cFaceName = "Ms Sans Serif", .nHeight = -8, .lBold = true});
    kit::DialogKit ui({.nTop = 0, .nLeft = 0, .nBottom = 199, .nRight = 319, .cCaption = Cp850ToAnsi(g.cRelease),
                       .nClrText = "N*/W", .oFont = font});
    auto dlg = ui.Dialog();
    dlg->lHelpIcon = false;
    Action close = ui.Ends(2);
    ui.Add<TBitmap>({.nTop = 0, .nLeft = 0, .nWidth = 160, .nHeight = 55, .cResName = "About", .lNoBorder = true,
                     .bLClicked = close});
    // Centred text blocks in black on white, without border.
    kit::LabelLook block{.align = kit::Align::Centred, .font = font, .colour = "N*/W"};
    ui.Label(55, 0, 160, 30, kMakerBlock, block);
    ui.Label(75, 0, 160, 15, "Internet: " + g.cS_WWW + "\r\nEmail: " + g.cS_Email, block);
    block.font = bold;
    ui.Label(92, 0, 160, 8, kRightsLine, block);

    // The timer starts at the first paint, and at the latest when the box is set
    // up: a splash that is never painted (a minimised start) still closes.
    std::weak_ptr<TDialog> box = dlg;
    Action startOnce = Do([box] {
        auto open = box.lock();
        if (open && !AboutTimer()) AboutWait(open);
    });
    if (lSplash) dlg->bStart = startOnce;
    dlg->Activate({.bLClicked = close, .lCentered = true, .bInit = lSplash ? startOnce : Action()});
    if (auto timer = AboutTimer()) {
        timer->End();
        AboutTimer() = nullptr;
    }
    return true;
}

}  // namespace pixa::shell
