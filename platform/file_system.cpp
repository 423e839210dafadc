#include "platform/file_system.h"

#include <vector>

#include "platform/wide_path.h"

namespace pixa::platform {

FileHandle OpenFile(const std::string& path, const FileOpening& how) {
    return FileHandle(
        CreateFileW(WidePath(path).c_str(), how.access, how.share, nullptr, how.disposition, how.flags, nullptr));
}

bool MovePath(const std::string& from, const std::string& to, DWORD flags) {
    return MoveFileExW(WidePath(from).c_str(), WidePath(to).c_str(), flags) != FALSE;
}

DWORD AttributesOf(const std::string& path) { return GetFileAttributesW(WidePath(path).c_str()); }

bool AttributeDataOf(const std::string& path, WIN32_FILE_ATTRIBUTE_DATA& data) {
    return GetFileAttributesExW(WidePath(path).c_str(), GetFileExInfoStandard, &data) != FALSE;
}

std::optional<std::string> FullPathOf(const std::string& path) {
    std::wstring wide = WidePath(path);
    DWORD needed = GetFullPathNameW(wide.c_str(), 0, nullptr, nullptr);
    if (needed == 0) return std::nullopt;
    std::vector<wchar_t> full(needed);
    DWORD length = GetFullPathNameW(wide.c_str(), needed, full.data(), nullptr);
    if (length == 0 || length >= needed) return std::nullopt;
    return CarriedPath(std::wstring_view(full.data(), length));
}

std::optional<std::string> FinalPathOf(HANDLE handle) {
    constexpr DWORD kFlags = FILE_NAME_NORMALIZED | VOLUME_NAME_DOS;
    DWORD needed = GetFinalPathNameByHandleW(handle, nullptr, 0, kFlags);
    if (needed == 0) return std::nullopt;
    std::vector<wchar_t> path(needed + 1);
    DWORD length = GetFinalPathNameByHandleW(handle, path.data(), static_cast<DWORD>(path.size()), kFlags);
    if (length == 0 || length >= path.size()) return std::nullopt;
    return CarriedPath(std::wstring_view(path.data(), length));
}

std::string EightBitPathOf(const std::string& path) {
    if (!HasEscapes(path)) return path;
    std::wstring wide = WidePath(path);
    DWORD needed = GetShortPathNameW(wide.c_str(), nullptr, 0);
    if (needed == 0) return path;
    std::vector<wchar_t> shortPath(needed);
    DWORD length = GetShortPathNameW(wide.c_str(), shortPath.data(), needed);
    if (length == 0 || length >= needed) return path;
    std::string spelled = CarriedPath(std::wstring_view(shortPath.data(), length));
    return HasEscapes(spelled) ? path : spelled;
}

FileSearch::FileSearch(const std::string& pattern, bool basic) {
    std::wstring wide = WidePath(pattern);
    search_.Reset(basic ? FindFirstFileExW(wide.c_str(), FindExInfoBasic, &data_, FindExSearchNameMatch, nullptr,
                                           FIND_FIRST_EX_LARGE_FETCH)
                        : FindFirstFileW(wide.c_str(), &data_));
    pending_ = static_cast<bool>(search_);
}

bool FileSearch::Next(FoundEntry& entry) {
    if (!pending_) return false;
    entry.name = CarriedPath(data_.cFileName);
    entry.attributes = data_.dwFileAttributes;
    entry.size = (static_cast<std::uint64_t>(data_.nFileSizeHigh) << 32) | data_.nFileSizeLow;
    entry.written = data_.ftLastWriteTime;
    pending_ = FindNextFileW(search_.Get(), &data_) != FALSE;
    return true;
}

}  // namespace pixa::platform
