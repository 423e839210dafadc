#include "app/shell/single_instance.h"

#include <windows.h>

#include <cstdint>
#include <cstdio>

#include "app/transfer/folders.h"
#include "platform/wide_path.h"
#include "runtime/ansi_chars.h"
#include "app/shell/namespace.h"

namespace pixa::shell {

namespace {
// The framework's class of top-level windows, which the main window has.
constexpr const char* kMainWindowClass = "TWINDOW";

// One spelling per folder: a short 8.3 path and a long one name the same folder.
std::string CanonicalFolder(const std::string& folder) {
    wchar_t buffer[MAX_PATH * 2];
    DWORD length = GetLongPathNameW(platform::WidePath(folder).c_str(), buffer, MAX_PATH * 2);
    std::string canonical =
        length > 0 && length < MAX_PATH * 2 ? platform::CarriedPath(std::wstring_view(buffer, length)) : folder;
    if (!canonical.empty() && canonical.back() != '\\') canonical += '\\';
    return AnsiUpperText(canonical);
}

// The program folder of the process that owns a window; empty when it cannot be read.
std::string FolderOfWindowProcess(HWND window) {
    DWORD id = 0;
    GetWindowThreadProcessId(window, &id);
    platform::KernelHandle process(OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, id));
    if (!process) return {};
    wchar_t path[MAX_PATH * 2];
    DWORD length = MAX_PATH * 2;
    if (!QueryFullProcessImageNameW(process.Get(), 0, path, &length)) return {};
    std::string exe = platform::CarriedPath(std::wstring_view(path, length));
    return FolderPart(exe);
}

bool IsMainWindow(HWND window) {
    char className[64] = "";
    GetClassNameA(window, className, sizeof className);
    return std::string(className) == kMainWindowClass && IsWindowVisible(window) &&
           !GetWindow(window, GW_OWNER) && (GetWindowLongA(window, GWL_STYLE) & WS_CAPTION) == WS_CAPTION;
}

struct Search {
    std::string name;  // InstanceName of the folder looked for
    DWORD self = GetCurrentProcessId();
    HWND found = nullptr;
};

BOOL CALLBACK Visit(HWND window, LPARAM data) {
    auto* search = reinterpret_cast<Search*>(data);
    DWORD id = 0;
    GetWindowThreadProcessId(window, &id);
    if (id == search->self || !IsMainWindow(window)) return TRUE;
    std::string folder = FolderOfWindowProcess(window);
    if (folder.empty() || InstanceName(folder) != search->name) return TRUE;
    search->found = window;
    return FALSE;
}
}  // namespace

std::string InstanceName(const std::string& programFolder) {
    std::uint64_t hash = 14695981039346656037ull;  // FNV-1a
    for (unsigned char c : CanonicalFolder(programFolder)) hash = (hash ^ c) * 1099511628211ull;
    char name[40];
    std::snprintf(name, sizeof name, "Pixaport.%016llx", static_cast<unsigned long long>(hash));
    return name;
}

SingleInstance::SingleInstance(const std::string& programFolder)
    : mutex_(CreateMutexA(nullptr, FALSE, InstanceName(programFolder).c_str())) {
    // Without a mutex at all nothing can be told apart: run rather than refuse.
    first_ = !mutex_ || GetLastError() != ERROR_ALREADY_EXISTS;
}

bool ShowRunningCopy(const std::string& programFolder) {
    Search search{.name = InstanceName(programFolder)};
    EnumWindows(Visit, reinterpret_cast<LPARAM>(&search));
    if (!search.found) return false;
    if (IsIconic(search.found)) ShowWindow(search.found, SW_RESTORE);
    // A dialog the copy has open (settings, transfer) is what the user works in.
    SetForegroundWindow(GetLastActivePopup(search.found));
    return true;
}

}  // namespace pixa::shell
