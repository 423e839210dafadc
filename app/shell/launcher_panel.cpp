#include "app/shell/launcher_panel.h"

#include "app/shell/hover_label.h"
#include "app/shell/open_transfer.h"
#include "app/shell/publics.h"
#include "app/shell/settings_dialog.h"
#include "app/shell/support_links.h"
#include "framework/controls/bitmap.h"
#include "framework/controls/cursor.h"
#include "framework/services/help.h"
#include "framework/services/shell_calls.h"

#include "framework/window/dialog.h"
#include "framework/window/font.h"
#include "app/shell/namespace.h"

namespace pixa::shell {

namespace {

constexpr std::uint32_t kLabelColour = 8388608;   // RGB(0,0,128)
constexpr std::uint32_t kOverColour = 16711680;   // RGB(0,0,255)
constexpr std::uint32_t kPanelWhite = 16777215;   // RGB(255,255,255)

std::weak_ptr<TDialog>& Panel() {
    static std::weak_ptr<TDialog> panel;
    return panel;
}

std::shared_ptr<TWindow> MainWindow() { return std::dynamic_pointer_cast<TWindow>(G().oWnd); }

Action Constant(const std::string& text) {
    return Action([text](const Args&) { return Value(text); });
}

// A picture of the panel: no border, unstretched, on the panel's white. Pictures
// with a white surround leave it unpainted, so they show no box on the panel.
std::shared_ptr<TBitmap> Picture(const std::shared_ptr<TDialog>& panel, int top, int left, int width, int height,
                                 const std::string& resource, bool cutOut, Action click = {},
                                 std::shared_ptr<TCursor> cursor = {}) {
    auto picture = TBitmap::New({.nTop = top, .nLeft = left, .nWidth = width, .nHeight = height, .cResName = resource,
                                 .lNoBorder = true, .oWnd = panel, .bLClicked = std::move(click),
                                 .oCursor = std::move(cursor), .lPixel = true});
    picture->SetColor(ColourArg(0u), kPanelWhite);
    picture->lTransparent = cutOut;
    return picture;
}

// The hint line is created after the labels; their mouse-over actions find it here.
using HintSlot = std::shared_ptr<std::weak_ptr<TSSay>>;

// An action label: plays its sound and shows its hint when the mouse enters it.
void ActionLabel(const std::shared_ptr<TDialog>& panel, int row, int col, const std::string& text,
                 const std::string& hint, const std::string& sound, Action action, const std::shared_ptr<TFont>& font,
                 const HintSlot& slot) {
    TSSay::New({.nRow = row, .nCol = col, .bText = Constant(text), .oWnd = panel, .oFont = font,
                .bAction = std::move(action), .lPixel = true, .nClrText = kLabelColour, .nClrOver = kOverColour,
                .nWidth = 100, .nHeight = 20, .lTransparent = true,
                .bMOver = Action([slot, hint, sound](const Args&) {
                    SndPlaySound(sound);
                    if (auto line = slot->lock()) line->SetText(hint);
                    return Value();
                })});
}

// A link icon: a small picture with a tooltip and the hand cursor.
void LinkIcon(const std::shared_ptr<TDialog>& panel, int col, const std::string& resource, const std::string& tip,
              void (*open)(), const std::shared_ptr<TCursor>& hand) {
    auto icon = Picture(panel, 180, col, 16, 16, resource, true, Action([open](const Args&) {
                            open();
                            return Value();
                        }),
                        hand);
    icon->cToolTip = tip;
}

}  // namespace

std::string TransferHint() { return "Bilder auf den Speicher der Kamera kopieren.\r\n"; }
std::string SettingsHint() { return "Einstellungen zum Kopieren vornehmen.\r\n"; }
std::string HelpHint() { return "Hilfe zu " + G().cRelease + " anzeigen.\r\n"; }
std::string ExitHint() { return "Das Programm beenden.\r\n"; }

std::shared_ptr<TDialog> LauncherPanel() { return Panel().lock(); }

bool BuildDlg() {
    auto main = MainWindow();
    if (!main) return true;
    Rect client = main->GetCliRect();
    HelpSetTopic("Hauptauswahl");
    auto labelFont = TFont::New({.cFaceName = "Arial", .nHeight = -22, .lBold = true, .lItalic = true});
    auto hintFont = TFont::New({.cFaceName = "Arial", .nHeight = -16, .lBold = true});
    auto hand = TCursor::New({.cPredef = "HAND"});

    auto panel = TDialog::New({.nTop = 0, .nLeft = 0, .nBottom = client.nBottom - 2, .nRight = client.nRight - 2,
                               .nStyle = WS_CHILD | WS_VISIBLE, .nClrText = "N*/W", .oWnd = main, .lPixel = true});
    Panel() = panel;

    Picture(panel, 5, 5, 125, 84, "Photo", false);
    Picture(panel, 100, 40, 50, 69, "Pfeil", true);
    Picture(panel, 140, 100, 93, 45, "Kamera", false);

    std::weak_ptr<TWindow> weakMain = main;
    auto slot = std::make_shared<std::weak_ptr<TSSay>>();
    ActionLabel(panel, 40, 180, "• Bilder Übertragen", TransferHint(), "Select.wav",
                Action([weakMain](const Args&) {
                    OpenKonvert(weakMain.lock());
                    return Value();
                }),
                labelFont, slot);
    ActionLabel(panel, 70, 190, "• Einstellungen", SettingsHint(), "Select.wav",
                Action([weakMain](const Args&) {
                    Setup(weakMain.lock());
                    return Value();
                }),
                labelFont, slot);
    ActionLabel(panel, 100, 200, "• Hilfe", HelpHint(), "Select.wav", Action([](const Args&) {
                    ShowHelpContents();
                    return Value();
                }),
                labelFont, slot);
    ActionLabel(panel, 130, 210, "• Programmende", ExitHint(), "DeSelect.wav", Action([weakMain](const Args&) {
                    if (auto window = weakMain.lock()) window->End();
                    return Value();
                }),
                labelFont, slot);
    if (!G().cS_WWW_M.empty()) LinkIcon(panel, 260, "Web", "Mit der Homepage verbinden", OpenHomepage, hand);
    if (!G().cS_Email_M.empty()) LinkIcon(panel, 290, "Email", "Email an den Support", MailSupport, hand);

    auto hint = TSSay::New({.nRow = 200, .nCol = 10, .oWnd = panel, .oFont = hintFont, .lPixel = true,
                            .nWidth = 200, .nHeight = 20});
    hint->lActive = false;
    *slot = hint;

    // Escape would end the panel: it refuses to close while the key is down.
    panel->Activate({.bValid = Action([](const Args&) { return Value((GetKeyState(VK_ESCAPE) & 0x8000) == 0); }),
                     .lModal = false});
    return true;
}

}  // namespace pixa::shell
