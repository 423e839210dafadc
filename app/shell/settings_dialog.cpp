#include "app/shell/settings_dialog.h"

#include <algorithm>

#include "app/kit/dialog_kit.h"
#include "app/shell/config.h"
#include "app/shell/path_binding.h"
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

// What the buttons tell the function after the dialog has closed.
struct SettingsState : kit::DialogState {
    bool saved = false;
};
using Kit = kit::StateKit<SettingsState>;

// An entry field bound to a program-wide value, in the settings' colours.
std::shared_ptr<TGet> Field(const Kit& ui, int row, int col, int width, Action binding, const std::string& picture = {},
                            bool centred = false, bool right = false) {
    const Publics& g = G();
    return ui.Add<TGet>({.nRow = row, .nCol = col, .bSetGet = std::move(binding), .nWidth = width, .nHeight = 10,
                         .cPicture = picture, .nClrFore = static_cast<std::uint32_t>(g.nColF),
                         .nClrBack = static_cast<std::uint32_t>(g.nColB), .lCenter = centred, .lRight = right});
}

// A "..." button that lets the user choose a folder for an entry field.
void FolderButton(const Kit& ui, int row, std::string& folder, const std::string& title, const std::string& hint,
                  const std::shared_ptr<TGet>& field) {
    ui.Add<TButton>({.nRow = row, .nCol = 220, .cCaption = "...", .bAction = Do(field, [&folder, title](TGet& shown) {
                         folder = Suchen(folder, title);
                         shown.Refresh();
                     }),
                     .nWidth = 15, .nHeight = 9, .cMsg = hint},
                    hint);
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
    Kit ui({.nTop = top, .nLeft = left, .nBottom = top + 299, .nRight = left + 479,
            .cCaption = "Pixaport - Einstellungen", .oWnd = oWnd, .oIcon = TIcon::New({.cResName = "Setup"})},
           std::make_shared<SettingsState>());
    ui.Dialog()->lHelpIcon = false;

    ui.Add<TGroup>({.nTop = -3, .nLeft = 0, .nBottom = 133, .nRight = 239});
    ui.Add<TCheckBox>({.nRow = 7, .nCol = 53,
                       .cCaption = AnsiToCp850(" &Dialog zur Übertragung beim Programmstart öffnen"),
                       .bSetGet = Bind(g.lS_Konvert), .nWidth = 150, .nHeight = 10});
    const kit::LabelLook right{.align = kit::Align::Right};
    ui.Label(30, 9, 40, 10, "Bilderordner", right);
    ui.Label(42, 9, 40, 10, "Dateiendung", right);
    ui.Label(42, 95, 100, 10, "* = alle Dateiformate verarbeiten");
    ui.Label(82, 9, 40, 10, "Kameraordner", right);
    ui.Label(96, 9, 40, 10, "Kameraspeicher", right);
    ui.Label(96, 85, 10, 10, "MB");
    ui.Label(95, 95, 100, 10, "0 = beliebig (z.B. für MicroDrive)");
    ui.Label(120, 4, 45, 10, "Kamera-Hersteller", right);

    auto quelle = Field(ui, 28, 53, 160, BindPath(g.cQuelle));
    g.oQuelle = quelle;
    FolderButton(ui, 28, g.cQuelle, "Bilderordner", "Bilderordner suchen", quelle);
    g.oExtens = Field(ui, 40, 53, 25, Bind(g.cExtens), "@K !!!", true);
    g.oSubOrd = ui.Add<TCheckBox>({.nRow = 52, .nCol = 53, .cCaption = " &Unterordner mit einbeziehen",
                                   .bSetGet = Bind(g.lSubOrd), .nWidth = 120, .nHeight = 10});
    auto ziel = Field(ui, 80, 53, 160, BindPath(g.cZiel));
    g.oZiel = ziel;
    FolderButton(ui, 80, g.cZiel, "Kameraordner", "Kameraordner suchen", ziel);
    g.oSpeicher = Field(ui, 94, 53, 30, Bind(g.nSpeicher), kSpeicherPicture, false, true);
    KeepMakerListed(g);
    g.oDFBeg = ui.Add<TComboBox>({.nRow = 118, .nCol = 53, .bSetGet = Bind(g.cDFBeg), .aItems = g.aDFBeg, .nWidth = 60,
                                  .nHeight = 40, .nClrText = static_cast<std::uint32_t>(g.nColF),
                                  .nClrPane = static_cast<std::uint32_t>(g.nColB)});

    ui.Add<TButton>({.nRow = 138, .nCol = 129, .cCaption = "&Speichern", .bAction = ui.On([](SettingsState& st) {
                         st.saved = true;
                         st.Dialog()->End();
                     }),
                     .nWidth = 35, .nHeight = 10},
                    "Einstellungen speichern");
    ui.Add<TButton>({.nRow = 138, .nCol = 166, .cCaption = "&Hilfe", .bAction = Do([] { HelpTopic(kTopic); }),
                     .nWidth = 35, .nHeight = 10},
                    "Hilfe aufrufen");
    ui.Add<TButton>({.nRow = 138, .nCol = 203, .cCaption = "&Abbrechen", .bAction = ui.Ends(2), .nWidth = 35,
                     .nHeight = 10},
                    "Ohne Speichern beenden");

    ui.Dialog()->Activate({});
    if (ui.State().saved) SaveSettings();
    HelpSetTopic(kMainTopic);
    return true;
}

}  // namespace pixa::shell
