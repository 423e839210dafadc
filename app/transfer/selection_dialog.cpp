#include "app/transfer/selection_dialog.h"

#include <windows.h>

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
struct SelectionState {
    explicit SelectionState(const SelectionSetup& s) : setup(s) {}
    SelectionSetup setup;
    std::unique_ptr<SelectionTable> table;
    double nUsed = 0;
    int nRecs = 0;
    std::shared_ptr<TDialog> dialog;
    std::shared_ptr<TSay> oUsed, oRecs;
    std::shared_ptr<TWBrowse> oLbx;
    std::shared_ptr<TButton> oBtn1;
    std::shared_ptr<TBitmap> mark0, mark1;
};
using State = std::shared_ptr<SelectionState>;
using Weak = std::weak_ptr<SelectionState>;

// An action that runs fn on the state while the list is open.
Action On(const Weak& weak, std::function<void(SelectionState&)> fn) {
    return Action([weak, fn = std::move(fn)](const Args&) {
        if (auto st = weak.lock()) fn(*st);
        return Value();
    });
}

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

SelectionView View(const Weak& weak) {
    return {
        .showUsed =
            [weak](double used, bool over) {
                auto st = weak.lock();
                st->nUsed = used;
                if (!st->oUsed) return;
                st->oUsed->SetColor(over ? "R+/W" : "N/W");
                st->oUsed->Refresh();
            },
        .showMarked =
            [weak](int marked) {
                auto st = weak.lock();
                st->nRecs = marked;
                if (st->oRecs) st->oRecs->Refresh();
            },
        .enableContinue =
            [weak](bool enabled) {
                auto st = weak.lock();
                if (!st->oBtn1) return;
                if (enabled)
                    st->oBtn1->Enable();
                else
                    st->oBtn1->Disable();
                st->oBtn1->Refresh();
            },
    };
}

std::shared_ptr<TSay> Label(const State& s, int row, int col, int width, Action text, bool centred, bool right,
                            const FontRef& font = {}, const std::string& picture = {}) {
    return TSay::New({.nRow = row, .nCol = col, .bText = std::move(text), .oWnd = s->dialog, .cPicture = picture,
                      .oFont = font, .lCentered = centred, .lRight = right, .lPixel = true, .nWidth = width,
                      .nHeight = 10});
}

Action Fixed(const std::string& text) {
    return Action([text](const Args&) { return Value(text); });
}

Action Read(const Weak& weak, std::function<Value(SelectionState&)> get) {
    return Action([weak, get = std::move(get)](const Args&) {
        auto st = weak.lock();
        return st ? get(*st) : Value(0);
    });
}

std::shared_ptr<TButton> Button(const State& s, int row, int col, const std::string& caption, Action action,
                                const std::string& tip = {}, int width = 35, bool isDefault = false) {
    auto button = TButton::New({.nRow = row, .nCol = col, .cCaption = caption, .oWnd = s->dialog,
                                .bAction = std::move(action), .nWidth = width, .nHeight = 10, .lDefault = isDefault,
                                .lPixel = true});
    if (!tip.empty()) button->cToolTip = Value(tip);
    return button;
}

// The cells of the current row: its mark, its display name, its size.
Action Line(const Weak& weak) {
    return Action([weak](const Args&) {
        auto st = weak.lock();
        if (!st) return Value::MakeArray({});
        DbfTable& t = st->table->Table();
        HBITMAP mark = (t.GetLogical(0) ? st->mark1 : st->mark0)->hBitmap();
        return Value::MakeArray({Value(static_cast<long long>(reinterpret_cast<std::intptr_t>(mark))),
                                 Value("...~\\" + TrimRight(t.GetText(2))),
                                 Value(KilobyteText(st->table->CurrentSize()))});
    });
}

SelectionMenuActions MenuActions(const Weak& weak) {
    return {
        .markRecs = [weak](bool mark, int mode) {
            auto st = weak.lock();
            st->table->MarkRecs(mark, mode);
            Totals(*st, true);
        },
        .markCurrent = [weak](bool mark) {
            auto st = weak.lock();
            st->table->MarkCurrent(mark);
            Totals(*st, true);
        },
        .canShowHidden = [weak] { return weak.lock()->table->HideSteps() > 0; },
        .help = [] { HelpTopic("Konvertieren"); },
        .cancel = [weak] { weak.lock()->dialog->End(2); },
    };
}

void BuildBrowse(const State& s, const FontRef& font) {
    Weak weak = s;
    s->oLbx = TWBrowse::New({.nRow = 15, .nCol = 0, .nWidth = 300, .nHeight = 154, .bLine = Line(weak),
                             .aHeaders = {"", " Dateiname", " Größe KB"}, .aColSizes = {22, 500, 20},
                             .oWnd = s->dialog, .bLDblClick = On(weak, Toggle),
                             .bRClicked = Action([weak](const Args& args) {
                                 auto st = weak.lock();
                                 if (!st) return Value();
                                 // The browse reports the click in its own client area; the menu opens there.
                                 POINT at{static_cast<LONG>(Arg(args, 1).AsInteger()),
                                          static_cast<LONG>(Arg(args, 0).AsInteger())};
                                 MapWindowPoints(st->oLbx->hWnd, st->dialog->hWnd, &at, 1);
                                 BuildMenu(st->dialog, at.y, at.x, MenuActions(weak));
                                 return Value();
                             }),
                             .oFont = font, .cAlias = std::string(SelectionTable::kAlias), .lPixel = true});
    s->oLbx->nLineStyle = 3;
    s->oLbx->aJustify = {false, false, true};  // the sizes line up at their last digit
}

void BuildTotals(const State& s, const FontRef& bold) {
    Weak weak = s;
    Label(s, 172, 1, 55, Fixed("verfügbarer Speicher:"), false, true);
    Label(s, 172, 57, 35, Read(weak, [](SelectionState& st) { return Value(st.setup.camSpace); }), true, false, bold,
          "@E 999,999,999");
    Label(s, 172, 94, 10, Fixed("MB"), false, false);
    Label(s, 172, 115, 55, Fixed("benötigter Speicher:"), false, true);
    // The totals take up to seven digits with their points: the labels after the need
    // move right into the room the row has left.
    s->oUsed = Label(s, 172, 171, 26, Read(weak, [](SelectionState& st) { return Value(Grouped(st.nUsed)); }), true,
                     false, bold);
    Label(s, 172, 198, 10, Fixed("MB"), false, false);
    Label(s, 172, 207, 44, Fixed("markierte Dateien:"), false, true);
    s->oRecs = Label(s, 172, 252, 47, Read(weak, [](SelectionState& st) { return Value(Grouped(st.nRecs)); }), true,
                     false, bold);
}

void BuildButtons(const State& s) {
    Weak weak = s;
    // Enter anywhere toggles the current row through this default button outside the
    // visible area; Tab passes it by, or the focus would vanish for one step.
    auto nix = Button(s, 500, 500, "Nix", On(weak, Toggle), {}, 41, true);
    nix->nStyle &= ~WS_TABSTOP;
    Button(s, 183, 62, "&Zeigen", On(weak, [](SelectionState& st) {
               if (!st.table->Table().Eof()) ShowPicture(st.table->CurrentPath());
               st.oLbx->SetFocus();
           }));
    Button(s, 183, 103, "A&lle", On(weak, [](SelectionState& st) {
               st.table->MarkRecs(true, 2);
               Totals(st, true);
           }),
           "Alle Dateien markieren");
    Button(s, 183, 140, "&Keine", On(weak, [](SelectionState& st) {
               st.table->MarkRecs(false, 2);
               Totals(st, true);
           }),
           "Keine Dateien markieren");
    s->oBtn1 = Button(s, 183, 191, "&Weiter", On(weak, [](SelectionState& st) { st.dialog->End(1); }),
                      "Datentransfer starten");
    Button(s, 183, 228, "&Hilfe", Action([](const Args&) {
               HelpTopic("Auswahl");
               return Value();
           }),
           "Hilfe aufrufen");
    Button(s, 183, 265, "&Abbrechen", On(weak, [](SelectionState& st) { st.dialog->End(2); }), "Dialog beenden");
}

}  // namespace

bool Auswahl(const std::shared_ptr<TDialog>& owner, std::vector<std::string>& files, std::vector<std::uint64_t>& sizes,
             const SelectionSetup& setup) {
    auto s = std::make_shared<SelectionState>(setup);
    Weak weak = s;
    s->table = std::make_unique<SelectionTable>(setup.camSpace, View(weak), ClusterBytes(setup.cardFolder));
    std::string folder = WithClosingBackslash(setup.tableFolder);
    if (!s->table->MakeDbf(folder, files)) return false;
    UseTablesForBrowse();
    HelpSetTopic("Auswahl");
    s->mark0 = TBitmap::Define("MARK0");
    s->mark1 = TBitmap::Define("MARK1");

    auto font = TFont::New({.cFaceName = "Ms Sans Serif", .nWidth = 0, .nHeight = -8});
    auto bold = TFont::New({.cFaceName = "Ms Sans Serif", .nWidth = 0, .nHeight = -8, .lBold = true});
    s->dialog = TDialog::New({.nTop = 0, .nLeft = 0, .nBottom = 390, .nRight = 600,
                              .cCaption = "Bilddateien auswählen", .oWnd = owner, .lPixel = true, .oFont = font});
    s->dialog->lHelpIcon = false;
    Label(s, 3, 1, 300, Fixed("Wählen Sie die Bilddateien zur Übertragung auf die Kamera. - Rechtsklick öffnet das Menü."),
          true, false, bold);
    BuildBrowse(s, font);
    BuildTotals(s, bold);
    BuildButtons(s);
    s->dialog->Activate({.lCentered = true, .bInit = On(weak, [](SelectionState& st) {
                             HWND list = st.oLbx->hWnd;
                             SetScrollRange(list, SB_HORZ, 0, 0, FALSE);
                             ShowScrollBar(list, SB_HORZ, FALSE);
                             st.oLbx->oHScroll = nullptr;
                             st.table->MakeSum(0);
                         })});
    bool chosen = s->dialog->nResult.AsInteger() == 1;
    if (chosen) s->table->TakeChosen(files, sizes);
    s->table->Close();
    return chosen;
}

}  // namespace pixa::transfer
