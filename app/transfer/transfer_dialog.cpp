#include "app/transfer/transfer_dialog.h"

#include <string>

#include "app/transfer/camera_erase.h"
#include "app/transfer/disk_space.h"
#include "app/transfer/folder_guard.h"
#include "app/transfer/folder_search.h"
#include "app/transfer/folders.h"
#include "app/transfer/message_prompts.h"
#include "app/transfer/progress_dialog.h"
#include "framework/controls/button.h"
#include "framework/controls/check_box.h"
#include "framework/controls/group.h"
#include "framework/controls/icon.h"
#include "framework/controls/say.h"
#include "framework/services/help.h"
#include "framework/services/message_box.h"
#include "framework/window/dialog.h"
#include "platform/wide_path.h"
#include "runtime/codepage.h"
#include "app/transfer/namespace.h"

namespace pixa::transfer {

namespace {

const char* const kText1 =
    "Wählen Sie zuerst auf Ihrem Computer den Ordner aus, in dem die zu kopierenden Bilddateien gespeichert sind !";
const char* const kText2 =
    "Wählen Sie nun den Ordner auf Ihrer digitalen Kamera, in den die ausgewählten Bilddateien übertragen werden "
    "sollen !";

// What the dialog and the functions it calls share while it is open.
struct KonvertState {
    explicit KonvertState(const TransferValues& v) : values(v) {}
    TransferValues values;
    long long nCamSpace = 0;        // free space on the card in MB
    bool targetAlerted = false;     // the missing target was reported and is still missing
    std::shared_ptr<TDialog> dialog;
    std::shared_ptr<TSay> oQuelle, oZiel, oCamSpace;
    std::shared_ptr<TButton> start, cancel, erase;
};
using State = std::shared_ptr<KonvertState>;

Action Text(std::function<Value()> get) {
    return Action([get = std::move(get)](const Args&) { return get(); });
}

Action Run(std::function<void()> run) {
    return Action([run = std::move(run)](const Args&) {
        run();
        return Value();
    });
}

// A binding of a logical the program keeps.
Action Flag(bool& flag) {
    return Action([&flag](const Args& args) {
        if (!args.empty()) flag = args[0].AsLogical();
        return Value(flag);
    });
}

// True when both folders exist; measures the card's free space. The alert for a
// missing target comes once until the target is there again.
bool CheckDrives(const State& s) {
    bool source = lIsDir(s->values.cQuelle);
    bool target = lIsDir(s->values.cZiel);
    if (target) {
        s->targetAlerted = false;
        s->nCamSpace = FreeMegabytes(s->values.cZiel);
        if (s->oCamSpace) s->oCamSpace->Refresh();
    } else if (!s->targetAlerted) {
        s->targetAlerted = true;  // before the box: its loop repaints the dialog
        MsgAlert("Das Ziellaufwerk ist nicht verfügbar !", "Problem");
    }
    return source && target;
}

bool EraseAllowed(const State& s) { return s->nCamSpace < s->values.nSpeicher; }

// Every paint: both folders checked, the start and erase buttons follow.
void Painted(const State& s) {
    if (CheckDrives(s)) {
        s->start->Enable();
    } else {
        s->start->Disable();
        s->cancel->SetFocus();
    }
    if (EraseAllowed(s))
        s->erase->Enable();
    else
        s->erase->Disable();
}

// Copies written into the source folder or below it would be collected again as the
// user's own pictures: such a target is refused before the run starts.
bool RefuseTargetInSource(const TransferValues& v) {
    if (!IsSameOrBelowFolder(v.cZiel, v.cQuelle)) return false;
    MsgStop("Der Kameraordner " + platform::ShownPath(v.cZiel) + " ist der Bilderordner " +
                platform::ShownPath(v.cQuelle) +
                " oder liegt in ihm. Kopien würden zwischen die eigenen Bilder geschrieben. Bitte wählen Sie einen "
                "anderen Kameraordner.",
            "Übertragung");
    return true;
}

void Tip(const std::shared_ptr<TControl>& control, const std::string& tip, const std::string& status = {}) {
    control->cToolTip = Value(tip);
    control->cMsg = status.empty() ? tip : status;
}

std::shared_ptr<TSay> Label(const State& s, int row, int col, int width, int height, const std::string& text,
                            bool centred, bool right) {
    return TSay::New({.nRow = row, .nCol = col, .bText = Text([text] { return Value(text); }), .oWnd = s->dialog,
                      .lCentered = centred, .lRight = right, .lPixel = true, .nWidth = width, .nHeight = height});
}

// A framed value field in the program's value colours, showing what get reads from the state.
std::shared_ptr<TSay> ValueField(const State& s, int row, int width, std::function<Value(KonvertState&)> get,
                                 bool centred) {
    std::weak_ptr<KonvertState> weak = s;
    auto text = Text([weak, get = std::move(get)] {
        auto st = weak.lock();
        return st ? get(*st) : Value("");
    });
    return TSay::New({.nRow = row, .nCol = 50, .bText = text, .oWnd = s->dialog, .lCentered = centred,
                      .lBorder = true, .lPixel = true, .nClrText = static_cast<std::uint32_t>(s->values.nColF),
                      .nClrBack = static_cast<std::uint32_t>(s->values.nColBH), .nWidth = width, .nHeight = 10});
}

std::shared_ptr<TButton> Button(const State& s, int row, int col, int width, int height, const std::string& caption,
                                std::function<void()> action, Action when = {}) {
    return TButton::New({.nRow = row, .nCol = col, .cCaption = caption, .oWnd = s->dialog, .bAction = Run(std::move(action)),
                         .nWidth = width, .nHeight = height, .lPixel = true, .bWhen = std::move(when)});
}

void BuildButtons(const State& s) {
    std::weak_ptr<KonvertState> weak = s;
    s->start = Button(s, 148, 99, 70, 10, "Übertragung &starten", [weak] {
        auto st = weak.lock();
        if (!RefuseTargetInSource(st->values)) {
            Transfer(st->dialog, st->values, static_cast<double>(st->nCamSpace));
            CheckDrives(st);
        }
        st->start->SetFocus();
    });
    Tip(s->start, "Datentransfer starten", "Bilder auf die Kamera kopieren");
    Tip(Button(s, 148, 171, 35, 10, "&Hilfe", [] { HelpTopic("Konvertieren"); }), "Hilfe aufrufen");
    s->cancel = Button(s, 148, 208, 35, 10, "&Abbrechen", [weak] { weak.lock()->dialog->End(); });
    Tip(s->cancel, "Dialog beenden");
}

void BuildLabels(const State& s) {
    Label(s, 5, 50, 150, 20, kText1, true, false);
    Label(s, 47, 50, 150, 20, kText2, true, false);
    Label(s, 24, 6, 40, 10, "Bilderordner", false, true);
    Label(s, 66, 6, 40, 10, "Kameraordner", false, true);
    Label(s, 82, 6, 40, 10, "Dateitype", false, true);
    Label(s, 82, 77, 100, 10, "zur Übertragung auf die Kamera", false, false);
    Label(s, 102, 6, 40, 10, "Kameraspeicher", false, true);
    Label(s, 102, 77, 100, 10, "MB    maximaler verfügbarer Speicher", false, false);
    Label(s, 114, 6, 40, 10, "freier Speicher", false, true);
    Label(s, 114, 77, 100, 10, "MB    aktuell verfügbarer Speicher", false, false);
}

void BuildFolderRows(const State& s) {
    std::weak_ptr<KonvertState> weak = s;
    TransferValues& v = s->values;
    s->oQuelle = ValueField(s, 22, 150, [](KonvertState& st) { return Value(platform::ShownPath(st.values.cQuelle)); }, false);
    s->oZiel = ValueField(s, 64, 150, [](KonvertState& st) { return Value(platform::ShownPath(st.values.cZiel)); }, false);
    auto source = Button(s, 22, 205, 35, 9, "Suchen", [weak] {
        auto st = weak.lock();
        st->values.cQuelle = Suchen(st->values.cQuelle, "Bilderordner");
        st->oQuelle->Refresh();
        CheckDrives(st);
    });
    Tip(source, "Bilderordner suchen");
    auto sub = TCheckBox::New({.nRow = 33, .nCol = 50, .cCaption = AnsiToCp850(" Unterordner mit einbeziehen"),
                               .bSetGet = Flag(v.lSubOrd), .oWnd = s->dialog, .nWidth = 120, .nHeight = 10,
                               .lPixel = true});
    Tip(sub, "Untergeordnete Ordner mit kopieren");
    auto target = Button(s, 64, 205, 35, 9, "Suchen", [weak] {
        auto st = weak.lock();
        st->values.cZiel = Suchen(st->values.cZiel, "Kameraordner");
        st->oZiel->Refresh();
    });
    Tip(target, "Kameraordner suchen");
}

void BuildCardRows(const State& s) {
    std::weak_ptr<KonvertState> weak = s;
    TransferValues& v = s->values;
    ValueField(s, 80, 25, [](KonvertState& st) { return Value(st.values.cExtens); }, true);
    ValueField(s, 100, 25, [](KonvertState& st) { return Value(st.values.nSpeicher); }, true);
    s->oCamSpace = ValueField(s, 112, 25, [](KonvertState& st) { return Value(st.nCamSpace); }, true);
    s->erase = Button(
        s, 112, 205, 35, 9, "Löschen",
        [weak] {
            auto st = weak.lock();
            MessagePrompts prompts;
            CamErase({.target = st->values.cZiel,
                      .extens = st->values.cExtens,
                      .guard = {.source = st->values.cQuelle, .programFolder = st->values.cMyPath}},
                     prompts);
            CheckDrives(st);
            st->dialog->SetFocus();
        },
        Action([weak](const Args&) { return Value(EraseAllowed(weak.lock())); }));
    Tip(s->erase, "Kameraspeicher löschen");
    auto simulate = TCheckBox::New({.nRow = 130, .nCol = 50, .cCaption = AnsiToCp850(" &Übertragung simulieren"),
                                    .bSetGet = Flag(v.lSimulier), .oWnd = s->dialog, .nWidth = 120, .nHeight = 10,
                                    .lPixel = true});
    Tip(simulate, "Simulation ohne Kopieren");
}

}  // namespace

void Konvert(const std::shared_ptr<TWindow>& owner, const TransferValues& values) {
    HelpSetTopic("Konvertieren");
    auto s = std::make_shared<KonvertState>(values);
    int top = static_cast<int>(values.nTop) + 85, left = static_cast<int>(values.nLeft) + 85;
    s->dialog = TDialog::New({.nTop = top, .nLeft = left, .nBottom = top + 320, .nRight = left + 488,
                              .cCaption = "Bilddateien übertragen", .oWnd = owner, .lPixel = true,
                              .oIcon = TIcon::New({.cResName = "Konvert"})});
    s->dialog->lHelpIcon = false;
    TGroup::New({.nTop = -3, .nLeft = 0, .nBottom = 143, .nRight = 244, .oWnd = s->dialog, .lPixel = true});
    BuildButtons(s);
    BuildLabels(s);
    BuildFolderRows(s);
    BuildCardRows(s);
    std::weak_ptr<KonvertState> weak = s;
    s->dialog->Activate({.bPainted = Action([weak](const Args&) {
                             if (auto st = weak.lock()) Painted(st);
                             return Value();
                         }),
                         .lCentered = false});
    HelpSetTopic("Hauptauswahl");
}

}  // namespace pixa::transfer
