#include "app/transfer/picture_viewer.h"

#include <windows.h>
#include <shellapi.h>

#include "app/transfer/wait_run.h"
#include "framework/services/sys_refresh.h"
#include "platform/file_system.h"
#include "platform/handles.h"
#include "platform/wide_path.h"
#include "app/transfer/namespace.h"

namespace pixa::transfer {

void ShowPicture(const std::string& path) {
    std::wstring file = platform::WidePath(path);
    SHELLEXECUTEINFOW info{};
    info.cbSize = sizeof info;
    info.fMask = SEE_MASK_NOCLOSEPROCESS | SEE_MASK_FLAG_NO_UI;
    info.hwnd = GetActiveWindow();
    info.lpVerb = L"open";
    info.lpFile = file.c_str();
    info.nShow = SW_SHOWNORMAL;
    if (!ShellExecuteExW(&info)) {
        // The command line is 8-bit: a name outside Windows-1252 goes by its short form.
        WaitRun("cmd /c start \"\" /wait \"" + platform::EightBitPathOf(path) + "\"", SW_HIDE);
        return;
    }
    if (!info.hProcess) return;  // handed to a program that was already running
    platform::KernelHandle process(info.hProcess);
    SysRefresh();
    WaitForSingleObject(process.Get(), INFINITE);
}

}  // namespace pixa::transfer
