#include <windows.h>

#include "app/shell/error_log.h"
#include "app/shell/startup.h"
#include "framework/services/error_dialog.h"
#include "framework/services/frame.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    // Every failure from here on reaches the error handler.
    pixa::ErrorSys();
    pixa::app::AddAppReportSources();
    pixa::Frame frame("Main");
    return pixa::app::Main() ? 0 : 1;
}
