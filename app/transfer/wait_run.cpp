#include "app/transfer/wait_run.h"

#include <windows.h>

#include "platform/handles.h"
#include "app/transfer/namespace.h"

namespace pixa::transfer {

namespace {
bool IsInput(UINT message) {
    return (message >= WM_KEYFIRST && message <= WM_KEYLAST) ||
           (message >= WM_MOUSEFIRST && message <= WM_MOUSELAST) ||
           (message >= WM_NCMOUSEMOVE && message <= WM_NCXBUTTONDBLCLK);
}

// Lets the program's windows paint and its timers run; keys and clicks meant for
// them are dropped, so nothing acts behind the started program. Keeps a quit
// request for the loop that waits for it.
void DispatchAllButInput(bool& quit, WPARAM& quitCode) {
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        if (msg.message == WM_QUIT) {
            quit = true, quitCode = msg.wParam;
            continue;
        }
        if (IsInput(msg.message)) continue;
        DispatchMessageA(&msg);
    }
}

void WaitPainting(HANDLE process) {
    bool quit = false;
    WPARAM quitCode = 0;
    DispatchAllButInput(quit, quitCode);
    while (MsgWaitForMultipleObjects(1, &process, FALSE, INFINITE, QS_ALLINPUT) == WAIT_OBJECT_0 + 1)
        DispatchAllButInput(quit, quitCode);
    if (quit) PostQuitMessage(static_cast<int>(quitCode));
}
}  // namespace

int WaitRun(const std::string& command, int show) {
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = static_cast<WORD>(show);
    PROCESS_INFORMATION process{};
    std::string line = command;  // CreateProcessA may write into the command line
    if (!CreateProcessA(nullptr, line.data(), nullptr, nullptr, FALSE, CREATE_NEW_CONSOLE | NORMAL_PRIORITY_CLASS,
                        nullptr, nullptr, &startup, &process))
        return -1;
    platform::KernelHandle processHandle(process.hProcess);
    platform::KernelHandle threadHandle(process.hThread);
    WaitPainting(processHandle.Get());
    DWORD code = 0;
    GetExitCodeProcess(processHandle.Get(), &code);
    return static_cast<int>(code);
}

}  // namespace pixa::transfer
