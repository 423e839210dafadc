#include "platform/folder_identity.h"

#include <windows.h>

#include "platform/file_system.h"

namespace pixa::platform {

namespace {
// Opens a folder for reading its information only; no access right to its content needed.
FileHandle OpenFolder(const std::string& folder) {
    return OpenFile(folder, {.access = 0,
                             .share = FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                             .disposition = OPEN_EXISTING,
                             .flags = FILE_FLAG_BACKUP_SEMANTICS});
}

std::optional<FolderIdentity> IdentityOf(const FileHandle& handle) {
    BY_HANDLE_FILE_INFORMATION info{};
    if (!handle || !GetFileInformationByHandle(handle.Get(), &info)) return std::nullopt;
    return FolderIdentity{.volume = info.dwVolumeSerialNumber,
                          .index = (static_cast<unsigned long long>(info.nFileIndexHigh) << 32) | info.nFileIndexLow};
}

// The path the file system resolves the folder to (substituted and mapped drives
// undone), so that walking its parents climbs the real tree; the full path of the
// spelling when the platform cannot say.
std::string ResolvedPath(const FileHandle& handle, const std::string& folder) {
    if (auto resolved = FinalPathOf(handle.Get())) return *resolved;
    return FullPathOf(folder).value_or(folder);
}

// The path without its last component; empty once nothing is left to cut.
std::string ParentOf(std::string path) {
    while (!path.empty() && path.back() == '\\') path.pop_back();
    auto cut = path.find_last_of('\\');
    return cut == std::string::npos ? std::string() : path.substr(0, cut + 1);
}
}  // namespace

std::optional<FolderIdentity> IdentityOf(const std::string& folder) { return IdentityOf(OpenFolder(folder)); }

std::optional<bool> IsSameOrBelow(const std::string& folder, const std::string& ancestor) {
    FileHandle handle = OpenFolder(folder);
    auto own = IdentityOf(handle);
    auto wanted = IdentityOf(ancestor);
    if (!own || !wanted) return std::nullopt;
    if (*own == *wanted) return true;
    // Parents that cannot be read (a share's root, a folder without rights) are passed over.
    for (std::string parent = ParentOf(ResolvedPath(handle, folder)); !parent.empty(); parent = ParentOf(parent))
        if (IdentityOf(parent) == wanted) return true;
    return false;
}

}  // namespace pixa::platform
