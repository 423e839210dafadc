#include "app/shell/startup.h"

#include <windows.h>

#include "app/shell/config.h"
#include "app/shell/publics.h"
#include "platform/plain_window.h"
#include "platform/process.h"
#include "runtime/codepage.h"
#include "runtime/settings.h"

namespace pixa::app {

namespace {

constexpr const char* kWorkTable = "TEMP.DBF";
constexpr unsigned long kLightGrey = 192 + 192 * 256 + 192 * 65536;  // "N/W" background

// Makes the program folder current. A folder on a lettered drive is entered
// by drive root first, then by its path; a network path is entered whole.
void EnterProgramFolder(const std::string& runIn) {
    bool lettered = runIn.size() >= 3 && runIn[1] == ':';
    if (!lettered) {
        platform::ChangeDirectory(runIn);
        return;
    }
    platform::ChangeDirectory(runIn.substr(0, 2) + "\\");
    platform::ChangeDirectory(runIn.substr(2, 255));
}

}  // namespace

void StartUp() {
    Publics& g = G();
    std::string exe = platform::ExecutablePath();
    g.cRunIn = exe.substr(0, exe.find_last_of('\\') + 1);
    EnterProgramFolder(g.cRunIn);

    RuntimeSettings& settings = Settings();
    settings.confirm = true;
    settings.century = false;
    settings.deletedHidden = true;
    settings.helpFile = "Pixaport.HLP";

    LoadPublics();
    GetCoords(g.nTop, g.nLeft, g.nBottom, g.nRight);
}

void ShutDown() {
    CheckIni();
    platform::RemoveFile(kWorkTable);  // a missing table is not an error
}

bool Main() {
    StartUp();
    const Publics& g = G();
    platform::RunPlainWindow({
        .top = g.nTop,
        .left = g.nLeft,
        .bottom = g.nBottom,
        .right = g.nRight,
        .title = " " + Cp850ToAnsi(g.cRelease),
        .background = kLightGrey,
        .style = WS_CLIPCHILDREN | WS_THICKFRAME | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX,
        .iconResource = "AIcon",
    });
    ShutDown();
    return true;
}

}  // namespace pixa::app
