#include "platform/process.h"

#include <windows.h>

#include "platform/wide_path.h"

namespace pixa::platform {

std::string ExecutableFolder() {
    std::string exe = ExecutablePath();
    return exe.substr(0, exe.find_last_of('\\') + 1);
}

std::string ExecutablePath() {
    std::wstring path(MAX_PATH, L'\0');
    for (;;) {
        DWORD length = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
        // A full buffer means the path may have been cut: try again with more room.
        if (length < path.size()) {
            path.resize(length);
            return CarriedPath(path);
        }
        path.resize(path.size() * 2);
    }
}

std::string CurrentDirectory() {
    DWORD needed = GetCurrentDirectoryW(0, nullptr);
    std::wstring folder(needed, L'\0');
    DWORD length = GetCurrentDirectoryW(needed, folder.data());
    folder.resize(length < needed ? length : 0);
    return CarriedPath(folder);
}

bool ChangeDirectory(const std::string& folder) {
    return SetCurrentDirectoryW(WidePath(folder).c_str()) != FALSE;
}

bool RemoveFile(const std::string& file) {
    return DeleteFileW(WidePath(file).c_str()) != FALSE;
}

}  // namespace pixa::platform
