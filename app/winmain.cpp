#include <windows.h>

#include "app/shell/error_log.h"
#include "app/shell/startup.h"
#include "framework/services/error_dialog.h"
#include "runtime/frame.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    // Every failure from here on reaches the error handler.
    pixa::services::ErrorSys();
    pixa::shell::AddAppReportSources();
    pixa::Frame frame("Main");
    return pixa::shell::Main() ? 0 : 1;
}
