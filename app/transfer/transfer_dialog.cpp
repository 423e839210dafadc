#include "app/transfer/transfer_dialog.h"

#include <string>

#include "app/kit/dialog_kit.h"
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
struct KonvertState : kit::DialogState {
    explicit KonvertState(const TransferValues& v) : values(v) {}
    TransferValues values;
    long long nCamSpace = 0;        // free space on the card in MB
    bool targetAlerted = false;     // the missing target was reported and is still missing
    std::shared_ptr<TSay> oQuelle, oZiel, oCamSpace;
    std::shared_ptr<TButton> start, cancel, erase;
};
using Kit = kit::StateKit<KonvertState>;

// True when both folders exist; measures the card's free space. The alert for a
// missing target comes once until the target is there again.
bool CheckDrives(KonvertState& s) {
    bool source = lIsDir(s.values.cQuelle);
    bool target = lIsDir(s.values.cZiel);
    if (target) {
        s.targetAlerted = false;
        s.nCamSpace = FreeMegabytes(s.values.cZiel);
        if (s.oCamSpace) s.oCamSpace->Refresh();
    } else if (!s.targetAlerted) {
        s.targetAlerted = true;  // before the box: its loop repaints the dialog
        MsgAlert("Das Ziellaufwerk ist nicht verfügbar !", "Problem");
    }
    return source && target;
}

bool EraseAllowed(const KonvertState& s) { return s.nCamSpace < s.values.nSpeicher; }

// Every paint: both folders checked, the start and erase buttons follow.
void Painted(KonvertState& s) {
    if (CheckDrives(s)) {
        s.start->Enable();
    } else {
        s.start->Disable();
        s.cancel->SetFocus();
    }
    if (EraseAllowed(s))
        s.erase->Enable();
    else
        s.erase->Disable();
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

// A framed value field in the program's value colours, showing what get reads from the state.
std::shared_ptr<TSay> ValueField(const Kit& ui, int row, int width, Value (*get)(KonvertState&), bool centred) {
    const TransferValues& v = ui.State().values;
    return ui.Add<TSay>({.nRow = row, .nCol = 50, .bText = ui.On(get, Value("")), .lCentered = centred,
                         .lBorder = true, .nClrText = static_cast<std::uint32_t>(v.nColF),
                         .nClrBack = static_cast<std::uint32_t>(v.nColBH), .nWidth = width, .nHeight = 10});
}

void StartTransfer(KonvertState& s) {
    if (!RefuseTargetInSource(s.values)) {
        Transfer(s.Dialog(), s.values, static_cast<double>(s.nCamSpace));
        CheckDrives(s);
    }
    s.start->SetFocus();
}

void EraseCard(KonvertState& s) {
    MessagePrompts prompts;
    CamErase({.target = s.values.cZiel,
              .extens = s.values.cExtens,
              .guard = {.source = s.values.cQuelle, .programFolder = s.values.cMyPath}},
             prompts);
    CheckDrives(s);
    s.Dialog()->SetFocus();
}

void BuildButtons(const Kit& ui) {
    KonvertState& s = ui.State();
    s.start = ui.Add<TButton>({.nRow = 148, .nCol = 99, .cCaption = "Übertragung &starten",
                               .bAction = ui.On(StartTransfer), .nWidth = 70, .nHeight = 10,
                               .cMsg = "Bilder auf die Kamera kopieren"},
                              "Datentransfer starten");
    ui.Add<TButton>({.nRow = 148, .nCol = 171, .cCaption = "&Hilfe", .bAction = Do([] { HelpTopic("Konvertieren"); }),
                     .nWidth = 35, .nHeight = 10, .cMsg = "Hilfe aufrufen"},
                    "Hilfe aufrufen");
    s.cancel = ui.Add<TButton>({.nRow = 148, .nCol = 208, .cCaption = "&Abbrechen", .bAction = ui.Ends(2), .nWidth = 35,
                                .nHeight = 10, .cMsg = "Dialog beenden"},
                               "Dialog beenden");
}

void BuildLabels(const Kit& ui) {
    const kit::LabelLook centred{.align = kit::Align::Centred}, right{.align = kit::Align::Right};
    ui.Label(5, 50, 150, 20, kText1, centred);
    ui.Label(47, 50, 150, 20, kText2, centred);
    ui.Label(24, 6, 40, 10, "Bilderordner", right);
    ui.Label(66, 6, 40, 10, "Kameraordner", right);
    ui.Label(82, 6, 40, 10, "Dateitype", right);
    ui.Label(82, 77, 100, 10, "zur Übertragung auf die Kamera");
    ui.Label(102, 6, 40, 10, "Kameraspeicher", right);
    ui.Label(102, 77, 100, 10, "MB    maximaler verfügbarer Speicher");
    ui.Label(114, 6, 40, 10, "freier Speicher", right);
    ui.Label(114, 77, 100, 10, "MB    aktuell verfügbarer Speicher");
}

void BuildFolderRows(const Kit& ui) {
    KonvertState& s = ui.State();
    s.oQuelle = ValueField(
        ui, 22, 150, [](KonvertState& st) { return Value(platform::ShownPath(st.values.cQuelle)); }, false);
    s.oZiel = ValueField(
        ui, 64, 150, [](KonvertState& st) { return Value(platform::ShownPath(st.values.cZiel)); }, false);
    ui.Add<TButton>({.nRow = 22, .nCol = 205, .cCaption = "Suchen", .bAction = ui.On([](KonvertState& st) {
                         st.values.cQuelle = Suchen(st.values.cQuelle, "Bilderordner");
                         st.oQuelle->Refresh();
                         CheckDrives(st);
                     }),
                     .nWidth = 35, .nHeight = 9, .cMsg = "Bilderordner suchen"},
                    "Bilderordner suchen");
    ui.Add<TCheckBox>({.nRow = 33, .nCol = 50, .cCaption = AnsiToCp850(" Unterordner mit einbeziehen"),
                       .bSetGet = Bind(s.values.lSubOrd), .nWidth = 120, .nHeight = 10,
                       .cMsg = "Untergeordnete Ordner mit kopieren"},
                      "Untergeordnete Ordner mit kopieren");
    ui.Add<TButton>({.nRow = 64, .nCol = 205, .cCaption = "Suchen", .bAction = ui.On([](KonvertState& st) {
                         st.values.cZiel = Suchen(st.values.cZiel, "Kameraordner");
                         st.oZiel->Refresh();
                     }),
                     .nWidth = 35, .nHeight = 9, .cMsg = "Kameraordner suchen"},
                    "Kameraordner suchen");
}

void BuildCardRows(const Kit& ui) {
    KonvertState& s = ui.State();
    ValueField(ui, 80, 25, [](KonvertState& st) { return Value(st.values.cExtens); }, true);
    ValueField(ui, 100, 25, [](KonvertState& st) { return Value(st.values.nSpeicher); }, true);
    s.oCamSpace = ValueField(ui, 112, 25, [](KonvertState& st) { return Value(st.nCamSpace); }, true);
    s.erase = ui.Add<TButton>({.nRow = 112, .nCol = 205, .cCaption = "Löschen", .bAction = ui.On(EraseCard),
                               .nWidth = 35, .nHeight = 9, .cMsg = "Kameraspeicher löschen",
                               .bWhen = ui.On(EraseAllowed, Value(false))},
                              "Kameraspeicher löschen");
    ui.Add<TCheckBox>({.nRow = 130, .nCol = 50, .cCaption = AnsiToCp850(" &Übertragung simulieren"),
                       .bSetGet = Bind(s.values.lSimulier), .nWidth = 120, .nHeight = 10,
                       .cMsg = "Simulation ohne Kopieren"},
                      "Simulation ohne Kopieren");
}

}  // namespace

void Konvert(const std::shared_ptr<TWindow>& owner, const TransferValues& values) {
    HelpSetTopic("Konvertieren");
    int top = static_cast<int>(values.nTop) + 85, left = static_cast<int>(values.nLeft) + 85;
    Kit ui({.nTop = top, .nLeft = left, .nBottom = top + 320, .nRight = left + 488,
            .cCaption = "Bilddateien übertragen", .oWnd = owner, .oIcon = TIcon::New({.cResName = "Konvert"})},
           std::make_shared<KonvertState>(values));
    ui.Dialog()->lHelpIcon = false;
    ui.Add<TGroup>({.nTop = -3, .nLeft = 0, .nBottom = 143, .nRight = 244});
    BuildButtons(ui);
    BuildLabels(ui);
    BuildFolderRows(ui);
    BuildCardRows(ui);
    ui.Dialog()->Activate({.bPainted = ui.On(Painted), .lCentered = false});
    HelpSetTopic("Hauptauswahl");
}

}  // namespace pixa::transfer
