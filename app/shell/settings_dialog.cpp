#include "app/shell/settings_dialog.h"

#include <algorithm>

#include "app/shell/config.h"
#include "app/shell/path_binding.h"
#include "app/shell/public_binding.h"
#include "app/shell/publics.h"
#include "app/transfer/folder_search.h"
#include "app/transfer/folders.h"
#include "framework/controls/button.h"
#include "framework/controls/check_box.h"
#include "framework/controls/combo_box.h"
#include "framework/controls/get.h"
#include "framework/controls/group.h"
#include "framework/controls/icon.h"
#include "framework/controls/say.h"
#include "framework/services/help.h"
#include "framework/window/dialog.h"
#include "runtime/ansi_chars.h"
#include "runtime/codepage.h"
#include "runtime/value_text.h"
#include "app/shell/namespace.h"

namespace pixa::shell {

namespace {

constexpr const char* kTopic = "Einstellungen";
constexpr const char* kMainTopic = "Hauptauswahl";

// A right-aligned or plain caption without border, in control units.
void Label(const std::shared_ptr<TDialog>& dlg, int row, int col, int width, const std::string& text, bool right) {
    TSay::New({.nRow = row, .nCol = col, .bText = Action([text](const Args&) { return Value(text); }),
               .oWnd = dlg, .lRight = right, .lPixel = true, .nWidth = width, .nHeight = 10});
}

// An entry field bound to a program-wide value, in the settings' colours.
std::shared_ptr<TGet> Field(const std::shared_ptr<TDialog>& dlg, int row, int col, int width, Action binding,
                            const std::string& picture = {}, bool centred = false, bool right = false) {
    const Publics& g = G();
    return TGet::New({.nRow = row, .nCol = col, .bSetGet = std::move(binding), .oWnd = dlg, .nWidth = width,
                      .nHeight = 10, .cPicture = picture,
                      .nClrFore = static_cast<std::uint32_t>(g.nColF), .nClrBack = static_cast<std::uint32_t>(g.nColB),
                      .lPixel = true, .lCenter = centred, .lRight = right});
}

// A "..." button that lets the user choose a folder for an entry field.
void FolderButton(const std::shared_ptr<TDialog>& dlg, int row, std::string& folder, const std::string& title,
                  const std::string& hint, const std::shared_ptr<TGet>& field) {
    std::weak_ptr<TGet> weakField = field;
    auto button = TButton::New({.nRow = row, .nCol = 220, .cCaption = "...", .oWnd = dlg,
                                .bAction = Action([&folder, title, weakField](const Args&) {
                                    folder = Suchen(folder, title);
                                    if (auto shown = weakField.lock()) shown->Refresh();
                                    return Value();
                                }),
                                .nWidth = 15, .nHeight = 9, .lPixel = true, .cMsg = hint});
    button->cToolTip = hint;
}

void Button(const std::shared_ptr<TDialog>& dlg, int col, const std::string& caption, const std::string& tip,
            Action action) {
    auto button = TButton::New({.nRow = 138, .nCol = col, .cCaption = caption, .oWnd = dlg, .bAction = std::move(action),
                                .nWidth = 35, .nHeight = 10, .lPixel = true});
    button->cToolTip = tip;
}

// Makers are told apart as the drop-down list tells its items apart: blanks trimmed, any case.
std::string MakerKey(const std::string& maker) {
    std::string key = TrimRight(maker);
    key.erase(0, std::min(key.size(), key.find_first_not_of(' ')));
    return AnsiUpperText(key);
}

// Only the listed makers can be chosen, and the one shown is the one used: a stored
// maker (the file is not checked when read) takes the list's spelling, and one
// outside the list becomes the first listed maker.
void KeepMakerListed(Publics& g) {
    for (const auto& maker : g.aDFBeg)
        if (MakerKey(maker) == MakerKey(g.cDFBeg)) {
            g.cDFBeg = maker;
            return;
        }
    if (!g.aDFBeg.empty()) g.cDFBeg = g.aDFBeg.front();
}

}  // namespace

std::string SavedFolder(const std::string& folder) {
    return WithClosingBackslash(TrimRight(folder));
}

void SaveSettings() {
    Publics& g = G();
    g.cQuelle = SavedFolder(g.cQuelle);
    g.cZiel = SavedFolder(g.cZiel);
    if (TrimRight(g.cExtens).empty()) g.cExtens = "JPG";
    WriteIni(ini::kData, "Konvert", IniText(g.lS_Konvert));
    WriteIni(ini::kData, "Extens", g.cExtens);
    WriteIni(ini::kData, "Beginn", g.cDFBeg);
    WriteIni(ini::kData, "Quelle", g.cQuelle);
    WriteIni(ini::kData, "SubOrd", IniText(g.lSubOrd));
    WriteIni(ini::kData, "Ziel", g.cZiel);
    WriteIni(ini::kData, "Speicher", IniText(g.nSpeicher));
}

bool Setup(const std::shared_ptr<TWindow>& oWnd) {
    Publics& g = G();
    HelpSetTopic(kTopic);
    int top = static_cast<int>(g.nTop) + 85, left = static_cast<int>(g.nLeft) + 85;
    auto dlg = TDialog::New({.nTop = top, .nLeft = left, .nBottom = top + 299, .nRight = left + 479,
                             .cCaption = "Pixaport - Einstellungen", .oWnd = oWnd, .lPixel = true,
                             .oIcon = TIcon::New({.cResName = "Setup"})});
    dlg->lHelpIcon = false;

    TGroup::New({.nTop = -3, .nLeft = 0, .nBottom = 133, .nRight = 239, .oWnd = dlg, .lPixel = true});
    TCheckBox::New({.nRow = 7, .nCol = 53, .cCaption = AnsiToCp850(" &Dialog zur Übertragung beim Programmstart öffnen"),
                    .bSetGet = BindLogical(g.lS_Konvert), .oWnd = dlg, .nWidth = 150, .nHeight = 10, .lPixel = true});
    Label(dlg, 30, 9, 40, "Bilderordner", true);
    Label(dlg, 42, 9, 40, "Dateiendung", true);
    Label(dlg, 42, 95, 100, "* = alle Dateiformate verarbeiten", false);
    Label(dlg, 82, 9, 40, "Kameraordner", true);
    Label(dlg, 96, 9, 40, "Kameraspeicher", true);
    Label(dlg, 96, 85, 10, "MB", false);
    Label(dlg, 95, 95, 100, "0 = beliebig (z.B. für MicroDrive)", false);
    Label(dlg, 120, 4, 45, "Kamera-Hersteller", true);

    auto quelle = Field(dlg, 28, 53, 160, BindPath(g.cQuelle));
    g.oQuelle = quelle;
    FolderButton(dlg, 28, g.cQuelle, "Bilderordner", "Bilderordner suchen", quelle);
    g.oExtens = Field(dlg, 40, 53, 25, BindText(g.cExtens), "@K !!!", true);
    g.oSubOrd = TCheckBox::New({.nRow = 52, .nCol = 53, .cCaption = " &Unterordner mit einbeziehen",
                                .bSetGet = BindLogical(g.lSubOrd), .oWnd = dlg, .nWidth = 120, .nHeight = 10,
                                .lPixel = true});
    auto ziel = Field(dlg, 80, 53, 160, BindPath(g.cZiel));
    g.oZiel = ziel;
    FolderButton(dlg, 80, g.cZiel, "Kameraordner", "Kameraordner suchen", ziel);
    g.oSpeicher = Field(dlg, 94, 53, 30, BindNumber(g.nSpeicher), kSpeicherPicture, false, true);
    KeepMakerListed(g);
    g.oDFBeg = TComboBox::New({.nRow = 118, .nCol = 53, .bSetGet = BindText(g.cDFBeg), .aItems = g.aDFBeg,
                               .nWidth = 60, .nHeight = 40, .oWnd = dlg,
                               .nClrText = static_cast<std::uint32_t>(g.nColF),
                               .nClrPane = static_cast<std::uint32_t>(g.nColB), .lPixel = true});

    auto saved = std::make_shared<bool>(false);
    std::weak_ptr<TDialog> weakDlg = dlg;
    auto close = [weakDlg] {
        if (auto open = weakDlg.lock()) open->End();
    };
    Button(dlg, 129, "&Speichern", "Einstellungen speichern", Action([saved, close](const Args&) {
               *saved = true;
               close();
               return Value();
           }));
    Button(dlg, 166, "&Hilfe", "Hilfe aufrufen", Action([](const Args&) {
               HelpTopic(kTopic);
               return Value();
           }));
    Button(dlg, 203, "&Abbrechen", "Ohne Speichern beenden", Action([close](const Args&) {
               close();
               return Value();
           }));

    dlg->Activate({});
    if (*saved) SaveSettings();
    HelpSetTopic(kMainTopic);
    return true;
}

}  // namespace pixa::shell
