#include "app/shell/startup.h"

#include <memory>
#include <utility>

#include "app/shell/about_box.h"
#include "app/shell/config.h"
#include "app/shell/error_log.h"
#include "app/shell/launcher_panel.h"
#include "app/shell/main_menu.h"
#include "app/shell/publics.h"
#include "app/shell/settings_dialog.h"
#include "app/shell/single_instance.h"
#include "app/shell/window_place.h"
#include "app/shell/open_transfer.h"
#include "framework/services/help.h"
#include "framework/services/menu.h"
#include "framework/window/window.h"
#include "platform/process.h"
#include "platform/wide_path.h"
#include "runtime/codepage.h"
#include "runtime/settings.h"
#include "runtime/value_text.h"
#include "app/shell/namespace.h"

namespace pixa::shell {

namespace {

constexpr const char* kWorkTable = "TEMP.DBF";

// Makes the program folder current. A folder on a lettered drive is entered
// by drive root first, then by its path; a network path is entered whole.
void EnterProgramFolder(const std::string& runIn) {
    bool lettered = runIn.size() >= 3 && runIn[1] == ':';
    if (!lettered) {
        platform::ChangeDirectory(runIn);
        return;
    }
    platform::ChangeDirectory(runIn.substr(0, 2) + "\\");
    // At most 255 characters of the folder, not bytes of its carried form.
    platform::ChangeDirectory(platform::CarriedPath(platform::WidePath(runIn).substr(2, 255)));
}

}  // namespace

void StartUp() {
    Publics& g = G();
    g.cRunIn = platform::ExecutableFolder();
    EnterProgramFolder(g.cRunIn);

    RuntimeSettings& settings = Settings();
    settings.confirm = true;
    settings.century = false;
    settings.deletedHidden = true;
    settings.helpFile = "Pixaport.HLP";
    SetHelpFile(settings.helpFile);  // what F1 and the help buttons open; also F1 in open menus

    LoadPublics();
    PrintErr();  // an error log of an earlier run, before anything else is on the screen
}

void ShutDown() {
    CheckIni();
    platform::RemoveFile(kWorkTable);  // a missing table is not an error
}

// The main window's first action: the launcher panel, then the settings dialog
// while no source folder is set, or else the transfer dialog when it is wanted.
Value InitMainWindow(const std::shared_ptr<TWindow>& window) {
    const Publics& g = G();
    BuildDlg();
    if (TrimRight(g.cQuelle).empty())
        Setup(window);
    else if (g.lS_Konvert)
        OpenKonvert(window);
    return Value();
}

// Creates the main window at the remembered place and runs it until it is closed.
void RunMainWindow() {
    Publics& g = G();
    GetCoords(g.nTop, g.nLeft, g.nBottom, g.nRight);
    // A place on a monitor that is gone, or edited by hand, would open the window out of reach.
    StoredRect place = ReachableOnScreen({g.nTop, g.nLeft, g.nBottom, g.nRight});
    g.nTop = place.top, g.nLeft = place.left, g.nBottom = place.bottom, g.nRight = place.right;
    auto window = TWindow::New({
        .nTop = static_cast<int>(g.nTop),
        .nLeft = static_cast<int>(g.nLeft),
        .nBottom = static_cast<int>(g.nBottom),
        .nRight = static_cast<int>(g.nRight),
        .cTitle = " " + Cp850ToAnsi(g.cRelease),
        .oMenu = BuildMenu(),
        .oIcon = std::string("AIcon"),
        .nClrFore = std::string("N/W"),
        .lSysMenu = true,
        .lCaption = true,
        .lMin = true,
        .lMax = false,
        .lPixel = true,
    });
    g.oWnd = window;
    window->Activate({
        // The platform also reports a "move" when the window is first shown and when
        // it is sized from the top or left edge; only a changed position is a move.
        .bMoved = Action([window, last = std::make_shared<std::pair<int, int>>(window->nTop, window->nLeft)](
                             const Args&) {
            window->CoorsUpdate();
            std::pair<int, int> now{window->nTop, window->nLeft};
            if (now != *last) {
                *last = now;
                PutCoords();
            }
            return Value();
        }),
        .bInit = Action([](const Args& args) {
            return InitMainWindow(std::dynamic_pointer_cast<TWindow>(Arg(args, 0).AsObject()));
        }),
    });
    // The moved action holds the window; let both go once the loop has ended.
    window->bMoved = Action();
    g.oWnd = nullptr;
    g.oMenu = nullptr;
}

bool Main() {
    // A second start from the same folder hands over to the running copy before it
    // reads or writes anything there.
    const std::string folder = platform::ExecutableFolder();
    SingleInstance instance(folder);
    if (!instance.First()) {
        ShowRunningCopy(folder);
        return true;
    }
    StartUp();
    AboutInfo(true);
    RunMainWindow();
    ShutDown();
    return true;
}

}  // namespace pixa::shell
