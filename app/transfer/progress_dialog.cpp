#include "app/transfer/progress_dialog.h"

#include <string>
#include <vector>

#include "app/transfer/camera_copy.h"
#include "app/transfer/collection.h"
#include "app/transfer/message_prompts.h"
#include "app/transfer/paced_repaint.h"
#include "app/transfer/pump_limit.h"
#include "app/transfer/selection_dialog.h"
#include "framework/controls/button.h"
#include "framework/controls/say.h"
#include "framework/services/help.h"
#include "framework/services/meter.h"
#include "framework/services/sys_refresh.h"
#include "framework/window/dialog.h"
#include "framework/window/font.h"
#include "app/transfer/namespace.h"

namespace pixa::transfer {

namespace {

const char* const kText =
    "Die Bilddateien werden nun auf den Speicher der Kamera übertragen. Dieser Vorgang kann einige Minuten dauern. "
    "Um die Operation abzubrechen, klicken Sie auf den Button 'Unterbrechen' !";

// The run state, and the progress the collection and the copy report to.
class ProgressState : public TransferProgress {
public:
    ProgressState(const TransferValues& v, double space) : values(v), camSpace(space) {}

    // The label shows the line at the pace. While copying, every line (one per file)
    // also reaches the label as its text at once, its redraw held off until the next
    // paint: a static control paints as soon as its text is set.
    void SetAction(const std::string& text) override {
        cAction = text;
        if (lineByLine && oAction && oAction->hWnd) {
            if (!actionHeld) SendMessageA(oAction->hWnd, WM_SETREDRAW, FALSE, 0);
            actionHeld = true;
            oAction->Refresh();
        }
        actionPace.Changed();
    }
    void SetMeterTotal(int total) override {
        meterPace.Flush();
        if (oMeter) oMeter->SetTotal(total);
    }
    // The position is stored at once (a paint on uncovering shows it); the meter's own
    // repaint follows at the pace of the action line, the last always shown. While
    // copying, each position (one per file) still lets pending messages in, so an
    // interrupt posted during a file is seen right after it.
    void SetMeterPos(int position) override {
        nMeter = Value(position);
        if (lineByLine) SysRefresh();
        if (oMeter && position == oMeter->nTotal) {
            meterPace.Flush();
            oMeter->Set(position);  // the final position at once
        } else {
            meterPace.Changed();
        }
    }
    // Shows the last action line and meter position now.
    void ShowWaiting() {
        actionPace.Flush();
        meterPace.Flush();
    }
    void Pump() override {
        if (pumpLimit.Due()) SysRefresh();
    }
    bool BreakRequested() const override { return lBreak; }

    TransferValues values;
    double camSpace;
    std::string cAction;
    Value nMeter = Value(0);
    bool lBreak = false;
    bool running = false;  // the collection, selection or copy is under way
    PumpLimit pumpLimit;   // the copy asks once per name tried; the window system needs far fewer
    bool lineByLine = false;  // the copy is under way
    bool actionHeld = false;  // the action label's redraw is off until its next paint
    PacedRepaint actionPace{[this] {
        if (!oAction || !oAction->hWnd) return;
        if (!actionHeld) {
            oAction->Refresh();
            return;
        }
        actionHeld = false;  // the text is there already: paint it
        SendMessageA(oAction->hWnd, WM_SETREDRAW, TRUE, 0);
        InvalidateRect(oAction->hWnd, nullptr, TRUE);
        UpdateWindow(oAction->hWnd);
    }};
    PacedRepaint meterPace{[this] {
        if (oMeter) oMeter->Set(nMeter.AsNumber());
    }};
    std::shared_ptr<TDialog> dialog;
    std::shared_ptr<TSay> oAction;
    std::shared_ptr<TMeter> oMeter;
};
using State = std::shared_ptr<ProgressState>;

// Collection, selection and copy; the dialog closes when they are done.
void RunTransfer(const State& s) {
    TransferValues& v = s->values;
    MessagePrompts prompts;
    std::weak_ptr<ProgressState> weak = s;
    s->running = true;
    s->actionPace.SetOwner(s->dialog);
    s->meterPace.SetOwner(s->dialog);
    GetInDir(
        {.source = v.cQuelle, .includeSub = v.lSubOrd, .target = v.cZiel, .extens = v.cExtens}, *s, prompts,
        [weak](std::vector<std::string>& files, std::vector<std::uint64_t>& sizes) {
            auto st = weak.lock();
            st->ShowWaiting();
            return Auswahl(st->dialog, files, sizes, {.camSpace = st->camSpace, .tableFolder = st->values.cMyPath,
                                                     .cardFolder = st->values.cZiel});
        },
        [weak, &prompts](const std::vector<std::string>& files, const std::string& target) {
            auto st = weak.lock();
            // An interrupt that reached the dialog before the copy (a late Esc of the walk
            // handled while the list was open) belongs to that phase, not to the copy.
            st->lBreak = false;
            st->lineByLine = true;
            RenInDir(files,
                     {.target = target, .maker = st->values.cDFBeg, .extens = st->values.cExtens,
                      .simulate = st->values.lSimulier, .verify = st->values.lPruefen},
                     *st, prompts);
        });
    s->running = false;
    s->ShowWaiting();
    s->dialog->End();
}

void BuildControls(const State& s) {
    auto bold = TFont::New({.cFaceName = "Ms Sans Serif", .nWidth = 0, .nHeight = -8, .lBold = true});
    TSay::New({.nRow = 10, .nCol = 5, .bText = Action([](const Args&) { return Value(kText); }), .oWnd = s->dialog,
               .lCentered = true, .lPixel = true, .nWidth = 190, .nHeight = 20});
    std::weak_ptr<ProgressState> weak = s;
    s->oAction = TSay::New({.nRow = 44, .nCol = 5, .bText = Action([weak](const Args&) {
                                auto st = weak.lock();
                                return Value(st ? st->cAction : std::string());
                            }),
                            .oWnd = s->dialog, .oFont = bold, .lPixel = true, .nWidth = 190, .nHeight = 10});
    s->oMeter = TMeter::New({.nRow = 60, .nCol = 5, .bSetGet = Action([weak](const Args& args) {
                                 auto st = weak.lock();
                                 if (!st) return Value(0);
                                 if (!args.empty()) st->nMeter = args[0];
                                 return st->nMeter;
                             }),
                             .oWnd = s->dialog, .nWidth = 190, .nHeight = 10, .lPixel = true, .oFont = bold});
    auto stop = TButton::New({.nRow = 83, .nCol = 80, .cCaption = "&Unterbrechen", .oWnd = s->dialog,
                              .bAction = Action([weak](const Args&) {
                                  if (auto st = weak.lock()) st->lBreak = true;
                                  return Value();
                              }),
                              .nWidth = 40, .nHeight = 10, .lPixel = true, .cMsg = "Datentransfer unterbrechen"});
    stop->cToolTip = Value("Datentransfer unterbrechen");
}

}  // namespace

bool Transfer(const std::shared_ptr<TDialog>& owner, const TransferValues& values, double camSpace) {
    auto s = std::make_shared<ProgressState>(values, camSpace);
    HelpSetTopic("Transfer");
    s->dialog = TDialog::New({.nTop = 0, .nLeft = 0, .nBottom = 200, .nRight = 400,
                              .cCaption = "Bilddateien übertragen",
                              .nStyle = WS_POPUP | WS_VISIBLE | WS_BORDER | WS_THICKFRAME | DS_MODALFRAME,
                              .oWnd = owner, .lPixel = true,
                              .oFont = TFont::New({.cFaceName = "Ms Sans Serif", .nWidth = 0, .nHeight = -8})});
    s->dialog->lHelpIcon = false;
    BuildControls(s);
    std::weak_ptr<ProgressState> weak = s;
    s->dialog->bStart = Action([weak](const Args&) {
        if (auto st = weak.lock()) RunTransfer(st);
        return Value();
    });
    s->dialog->Activate({.lCentered = true,
                         // Esc while a run is under way asks for the interrupt instead of closing
                         // the dialog under the copy loop.
                         .bValid = Action([weak](const Args&) {
                             auto st = weak.lock();
                             if (!st || !st->running) return Value(true);
                             st->lBreak = true;
                             return Value(false);
                         })});
    HelpSetTopic("Hauptauswahl");
    return true;
}

}  // namespace pixa::transfer
