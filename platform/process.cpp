#include "platform/process.h"

#include <windows.h>

namespace pixa::platform {

std::string ExecutablePath() {
    std::string path(MAX_PATH, '\0');
    for (;;) {
        DWORD length = GetModuleFileNameA(nullptr, path.data(), static_cast<DWORD>(path.size()));
        // A full buffer means the path may have been cut: try again with more room.
        if (length < path.size()) {
            path.resize(length);
            return path;
        }
        path.resize(path.size() * 2);
    }
}

std::string CurrentDirectory() {
    DWORD needed = GetCurrentDirectoryA(0, nullptr);
    std::string folder(needed, '\0');
    DWORD length = GetCurrentDirectoryA(needed, folder.data());
    folder.resize(length < needed ? length : 0);
    return folder;
}

bool ChangeDirectory(const std::string& folder) {
    return SetCurrentDirectoryA(folder.c_str()) != FALSE;
}

bool RemoveFile(const std::string& file) {
    return DeleteFileA(file.c_str()) != FALSE;
}

}  // namespace pixa::platform
