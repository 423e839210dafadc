#pragma once
// The file-system calls of the program, taking and giving carried paths (wide_path.h):
// each goes to the platform's wide entry point, so a name outside Windows-1252 reaches
// exactly its own file.
#include <windows.h>

#include <cstdint>
#include <optional>
#include <string>

#include "platform/handles.h"

namespace pixa::platform {

// How CreateFile is asked to open a file.
struct FileOpening {
    DWORD access = GENERIC_READ;
    DWORD share = FILE_SHARE_READ;
    DWORD disposition = OPEN_EXISTING;
    DWORD flags = FILE_ATTRIBUTE_NORMAL;
};

// The opened file; an empty handle (GetLastError tells why) when it cannot be opened.
FileHandle OpenFile(const std::string& path, const FileOpening& how);

// Renames or moves from to to with MoveFileEx flags; false when that failed.
bool MovePath(const std::string& from, const std::string& to, DWORD flags);

// The platform's attributes of an entry; INVALID_FILE_ATTRIBUTES when it cannot be read.
DWORD AttributesOf(const std::string& path);

// Attributes, size and times of an entry without opening it; false when it cannot be read.
bool AttributeDataOf(const std::string& path, WIN32_FILE_ATTRIBUTE_DATA& data);

// The full path of path, relative to the current folder; nothing when the platform cannot say.
std::optional<std::string> FullPathOf(const std::string& path);

// The path that an open file or folder resolves to (drive letters as mapped); nothing when unknown.
std::optional<std::string> FinalPathOf(HANDLE handle);

// A spelling of path for a program that takes 8-bit paths only (the help viewer): path
// itself when Windows-1252 holds it, else its short form, which is plain ASCII where the
// file system keeps short names; path itself when it has none.
std::string EightBitPathOf(const std::string& path);

// One entry of a folder listing.
struct FoundEntry {
    std::string name;  // carried form of the long name
    DWORD attributes = 0;
    std::uint64_t size = 0;
    FILETIME written{};
};

// A listing of the entries matching a pattern, one entry at a time.
class FileSearch {
public:
    // Starts the listing; basic leaves the short names out and fetches many entries per call.
    FileSearch(const std::string& pattern, bool basic);
    // The next entry into entry; false once there is none (or the listing could not start).
    bool Next(FoundEntry& entry);

private:
    FindHandle search_;
    WIN32_FIND_DATAW data_{};
    bool pending_ = false;  // data_ holds an entry not handed out yet
};

}  // namespace pixa::platform
