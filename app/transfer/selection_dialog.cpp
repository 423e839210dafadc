#include "app/transfer/selection_dialog.h"

#include <windows.h>

#include "app/kit/dialog_kit.h"
#include "app/transfer/disk_space.h"
#include "app/transfer/picture_viewer.h"
#include "app/transfer/selection_menu.h"
#include "app/transfer/selection_table.h"
#include "app/transfer/size_text.h"
#include "app/transfer/table_browse_source.h"
#include "app/transfer/folders.h"
#include "framework/controls/bitmap.h"
#include "framework/controls/button.h"
#include "framework/controls/say.h"
#include "framework/services/browse.h"
#include "framework/services/help.h"
#include "framework/window/dialog.h"
#include "framework/window/font.h"
#include "runtime/value_text.h"
#include "app/transfer/namespace.h"

namespace pixa::transfer {

namespace {

// What the list and the functions it calls share while it is open.
struct SelectionState : kit::DialogState {
    explicit SelectionState(const SelectionSetup& s) : setup(s) {}
    SelectionSetup setup;
    std::unique_ptr<SelectionTable> table;
    double nUsed = 0;
    int nRecs = 0;
    std::shared_ptr<TSay> oUsed, oRecs;
    std::shared_ptr<TWBrowse> oLbx;
    std::shared_ptr<TButton> oBtn1;
    std::shared_ptr<TBitmap> mark0, mark1;
};
using Kit = kit::StateKit<SelectionState>;

// Totals, then the browse repainted (and focused).
void Totals(SelectionState& st, bool focus) {
    st.table->MakeSum(st.table->Table().RecNo());
    st.oLbx->Refresh();
    if (focus) st.oLbx->SetFocus();
}

void Toggle(SelectionState& st) {
    st.table->ToggleCurrent();
    Totals(st, false);
}

void Mark(SelectionState& st, bool mark, int mode) {
    st.table->MarkRecs(mark, mode);
    Totals(st, true);
}

SelectionView View(const Kit& ui) {
    return {
        .showUsed = ui.Callback<void(double, bool)>([](SelectionState& st, double used, bool over) {
            st.nUsed = used;
            if (!st.oUsed) return;
            st.oUsed->SetColor(over ? "R+/W" : "N/W");
            st.oUsed->Refresh();
        }),
        .showMarked = ui.Callback<void(int)>([](SelectionState& st, int marked) {
            st.nRecs = marked;
            if (st.oRecs) st.oRecs->Refresh();
        }),
        .enableContinue = ui.Callback<void(bool)>([](SelectionState& st, bool enabled) {
            if (!st.oBtn1) return;
            if (enabled)
                st.oBtn1->Enable();
            else
                st.oBtn1->Disable();
            st.oBtn1->Refresh();
        }),
    };
}

// The cells of the current row: its mark, its display name, its size.
Value Line(SelectionState& st) {
    DbfTable& t = st.table->Table();
    HBITMAP mark = (t.GetLogical(0) ? st.mark1 : st.mark0)->hBitmap();
    return Value::MakeArray({Value(static_cast<long long>(reinterpret_cast<std::intptr_t>(mark))),
                             Value("...~\\" + TrimRight(t.GetText(2))), Value(KilobyteText(st.table->CurrentSize()))});
}

SelectionMenuActions MenuActions(const Kit& ui) {
    return {
        .markRecs = ui.Callback<void(bool, int)>(Mark),
        .markCurrent = ui.Callback<void(bool)>([](SelectionState& st, bool mark) {
            st.table->MarkCurrent(mark);
            Totals(st, true);
        }),
        .canShowHidden = ui.Callback<bool()>([](SelectionState& st) { return st.table->HideSteps() > 0; }),
        .help = [] { HelpTopic("Konvertieren"); },
        .cancel = ui.Callback<void()>([](SelectionState& st) { st.Dialog()->End(2); }),
    };
}

void BuildBrowse(const Kit& ui, const FontRef& font) {
    SelectionState& s = ui.State();
    s.oLbx = ui.Add<TWBrowse>({.nRow = 15, .nCol = 0, .nWidth = 300, .nHeight = 154,
                               .bLine = ui.On(Line, Value::MakeArray({})),
                               .aHeaders = {"", " Dateiname", " Größe KB"}, .aColSizes = {22, 500, 20},
                               .bLDblClick = ui.On(Toggle),
                               .bRClicked = ui.On([menu = MenuActions(ui)](SelectionState& st, int row, int col) {
                                   // The browse reports the click in its own client area; the menu opens there.
                                   POINT at{static_cast<LONG>(col), static_cast<LONG>(row)};
                                   auto dialog = st.Dialog();
                                   MapWindowPoints(st.oLbx->hWnd, dialog->hWnd, &at, 1);
                                   BuildMenu(dialog, at.y, at.x, menu);
                               }),
                               .oFont = font, .cAlias = std::string(SelectionTable::kAlias)});
    s.oLbx->nLineStyle = 3;
    s.oLbx->aJustify = {false, false, true};  // the sizes line up at their last digit
}

void BuildTotals(const Kit& ui, const FontRef& bold) {
    SelectionState& s = ui.State();
    const kit::LabelLook right{.align = kit::Align::Right};
    const kit::LabelLook total{.align = kit::Align::Centred, .font = bold};
    ui.Label(172, 1, 55, 10, "verfügbarer Speicher:", right);
    ui.Label(172, 57, 35, 10, ui.On([](SelectionState& st) { return st.setup.camSpace; }, Value(0)),
             {.align = kit::Align::Centred, .font = bold, .picture = "@E 999,999,999"});
    ui.Label(172, 94, 10, 10, "MB");
    ui.Label(172, 115, 55, 10, "benötigter Speicher:", right);
    // The totals take up to seven digits with their points: the labels after the need
    // move right into the room the row has left.
    s.oUsed = ui.Label(172, 171, 26, 10, ui.On([](SelectionState& st) { return Grouped(st.nUsed); }, Value(0)), total);
    ui.Label(172, 198, 10, 10, "MB");
    ui.Label(172, 207, 44, 10, "markierte Dateien:", right);
    s.oRecs = ui.Label(172, 252, 47, 10, ui.On([](SelectionState& st) { return Grouped(st.nRecs); }, Value(0)), total);
}

std::shared_ptr<TButton> Button(const Kit& ui, int col, const std::string& caption, Action action,
                                const std::string& tip) {
    return ui.Add<TButton>({.nRow = 183, .nCol = col, .cCaption = caption, .bAction = std::move(action), .nWidth = 35,
                            .nHeight = 10},
                           tip);
}

void BuildButtons(const Kit& ui) {
    // Enter anywhere toggles the current row through this default button outside the
    // visible area; Tab passes it by, or the focus would vanish for one step.
    auto nix = ui.Add<TButton>({.nRow = 500, .nCol = 500, .cCaption = "Nix", .bAction = ui.On(Toggle), .nWidth = 41,
                                .nHeight = 10, .lDefault = true});
    nix->nStyle &= ~WS_TABSTOP;
    Button(ui, 62, "&Zeigen", ui.On([](SelectionState& st) {
               if (!st.table->Table().Eof()) ShowPicture(st.table->CurrentPath());
               st.oLbx->SetFocus();
           }),
           {});
    Button(ui, 103, "A&lle", ui.On([](SelectionState& st) { Mark(st, true, 2); }), "Alle Dateien markieren");
    Button(ui, 140, "&Keine", ui.On([](SelectionState& st) { Mark(st, false, 2); }), "Keine Dateien markieren");
    ui.State().oBtn1 = Button(ui, 191, "&Weiter", ui.Ends(1), "Datentransfer starten");
    Button(ui, 228, "&Hilfe", Do([] { HelpTopic("Auswahl"); }), "Hilfe aufrufen");
    Button(ui, 265, "&Abbrechen", ui.Ends(2), "Dialog beenden");
}

// Without its horizontal scroll bar, the totals made once.
void Started(SelectionState& st) {
    HWND list = st.oLbx->hWnd;
    SetScrollRange(list, SB_HORZ, 0, 0, FALSE);
    ShowScrollBar(list, SB_HORZ, FALSE);
    st.oLbx->oHScroll = nullptr;
    st.table->MakeSum(0);
}

}  // namespace

bool Auswahl(const std::shared_ptr<TDialog>& owner, std::vector<std::string>& files, std::vector<std::uint64_t>& sizes,
             const SelectionSetup& setup) {
    auto font = TFont::New({.cFaceName = "Ms Sans Serif", .nWidth = 0, .nHeight = -8});
    auto bold = TFont::New({.cFaceName = "Ms Sans Serif", .nWidth = 0, .nHeight = -8, .lBold = true});
    Kit ui({.nTop = 0, .nLeft = 0, .nBottom = 390, .nRight = 600, .cCaption = "Bilddateien auswählen", .oWnd = owner,
            .oFont = font},
           std::make_shared<SelectionState>(setup));
    SelectionState& s = ui.State();
    s.table = std::make_unique<SelectionTable>(setup.camSpace, View(ui), ClusterBytes(setup.cardFolder));
    std::string folder = WithClosingBackslash(setup.tableFolder);
    if (!s.table->MakeDbf(folder, files)) return false;
    UseTablesForBrowse();
    HelpSetTopic("Auswahl");
    s.mark0 = TBitmap::Define("MARK0");
    s.mark1 = TBitmap::Define("MARK1");

    ui.Dialog()->lHelpIcon = false;
    ui.Label(3, 1, 300, 10,
             "Wählen Sie die Bilddateien zur Übertragung auf die Kamera. - Rechtsklick öffnet das Menü.",
             {.align = kit::Align::Centred, .font = bold});
    BuildBrowse(ui, font);
    BuildTotals(ui, bold);
    BuildButtons(ui);
    ui.Dialog()->Activate({.lCentered = true, .bInit = ui.On(Started)});
    bool chosen = ui.Dialog()->nResult.AsInteger() == 1;
    if (chosen) s.table->TakeChosen(files, sizes);
    s.table->Close();
    return chosen;
}

}  // namespace pixa::transfer
