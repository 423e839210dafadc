#include "app/transfer/folder_chooser.h"

#include <windows.h>
#include <shlobj.h>

#include "platform/wide_path.h"
#include "app/transfer/namespace.h"

namespace pixa::transfer {

std::string cGetDir(const std::string& title, const std::string& /*startFolder*/) {
    std::wstring wideTitle = platform::WideText(title);
    BROWSEINFOW info{};
    info.hwndOwner = GetActiveWindow();
    info.lpszTitle = wideTitle.c_str();
    info.ulFlags = BIF_RETURNONLYFSDIRS | BIF_DONTGOBELOWDOMAIN;
    PIDLIST_ABSOLUTE chosen = SHBrowseForFolderW(&info);
    if (!chosen) return {};
    wchar_t path[MAX_PATH] = {};
    BOOL ok = SHGetPathFromIDListW(chosen, path);
    CoTaskMemFree(chosen);
    return ok ? platform::CarriedPath(path) : std::string();
}

}  // namespace pixa::transfer
