#include "app/shell/main_menu.h"

#include "app/shell/about_box.h"
#include "app/shell/publics.h"
#include "app/shell/settings_dialog.h"
#include "app/shell/support_links.h"
#include "app/shell/open_transfer.h"
#include "framework/services/help.h"
#include "framework/services/menu_builder.h"
#include "framework/window/window.h"
#include "runtime/codepage.h"
#include "app/shell/namespace.h"

namespace pixa::shell {

namespace {

std::shared_ptr<TWindow> MainWindow() { return std::dynamic_pointer_cast<TWindow>(G().oWnd); }

Action Do(void (*what)()) {
    return Action([what](const Args&) {
        what();
        return Value();
    });
}

}  // namespace

std::shared_ptr<TMenu> BuildMenu() {
    const Publics& g = G();
    auto bar = MenuBegin();
    MenuAddItem({.cPrompt = Cp850ToAnsi("&Pixaport")});
    MenuBegin();
    MenuAddItem({.cPrompt = "&Beenden", .cMsg = "Qor Pixaport verlassen", .bAction = Do([] {
                     if (auto window = MainWindow()) window->End();
                 })});
    MenuEnd();
    MenuAddItem({.cPrompt = Cp850ToAnsi("&\x9A" "bertragen"), .cMsg = "Bilddateien übertragen",
                 .bAction = Do([] { OpenKonvert(MainWindow()); })});
    MenuAddItem({.cPrompt = "&Einstellungen", .cMsg = "Zum ersten Begriff", .bAction = Do([] { Setup(MainWindow()); })});
    MenuAddItem({.cPrompt = "&?"});
    MenuBegin();
    MenuAddItem({.cPrompt = "&Hilfe anzeigen", .cMsg = "Hilfe zum Programm anzeigen", .bAction = Do(ShowHelpContents)});
    MenuAddItem({.cPrompt = "Hilfe-&Index", .cMsg = "Hilfeindex", .bAction = Do([] { HelpSearch(""); })});
    MenuAddItem();
    MenuAddItem({.cPrompt = Cp850ToAnsi("&\x9A" "ber Pixaport"), .bAction = Do([] { AboutInfo(false); })});
    MenuAddItem();
    if (!g.cS_WWW_M.empty())
        MenuAddItem({.cPrompt = Cp850ToAnsi(g.cS_WWW_M), .cMsg = "Mit unserer Homepage verbinden",
                     .bAction = Do(OpenHomepage)});
    if (!g.cS_Email_M.empty())
        MenuAddItem({.cPrompt = Cp850ToAnsi(g.cS_Email_M), .cMsg = "Eine Email an den Support versenden",
                     .bAction = Do(MailSupport)});
    MenuEnd();
    MenuEnd();
    G().oMenu = bar;
    return bar;
}

}  // namespace pixa::shell
