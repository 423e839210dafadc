#include "framework/services/sys_refresh.h"

#include <windows.h>

#include "framework/window/event_loop.h"
#include "framework/window/modeless_dialogs.h"
#include "framework/services/namespace.h"

namespace pixa::services {

bool SysRefresh() {
    HACCEL accelerators = CurrentAccelerators();
    AcceleratorPause pause;
    MSG msg;
    bool quit = false;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        if (msg.message == WM_QUIT) {
            quit = true;
            break;
        }
        if (ModelessDialogs::Route(msg)) continue;
        HWND app = GetWndApp();
        if (!accelerators || !app || !TranslateAcceleratorA(app, accelerators, &msg)) {
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
        }
        if (msg.message == WM_CHAR) SetLastKeyTyped(static_cast<int>(msg.wParam));
    }
    // The loop that waits for the quit message must still see it. A main window
    // destroyed on the way counts: its destruction is what posted the quit.
    if (quit && (GetWndApp() || lWRunning())) PostQuitMessage(static_cast<int>(msg.wParam));
    return !quit;
}

}  // namespace pixa::services
