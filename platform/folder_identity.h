#pragma once
// Folders as the file system identifies them, whatever path spelling reaches them:
// an 8.3 short name, another drive letter, a substituted or network drive.
#include <optional>
#include <string>

namespace pixa::platform {

// The volume serial number and the file index of a folder.
struct FolderIdentity {
    unsigned long volume = 0;
    unsigned long long index = 0;
    friend bool operator==(const FolderIdentity&, const FolderIdentity&) = default;
};

// The identity of an existing folder; nothing when it cannot be opened or read.
std::optional<FolderIdentity> IdentityOf(const std::string& folder);

// True when folder is ancestor itself or lies anywhere below it, false when it does
// not; nothing when the identity of either cannot be read.
std::optional<bool> IsSameOrBelow(const std::string& folder, const std::string& ancestor);

}  // namespace pixa::platform
