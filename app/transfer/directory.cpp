#include "app/transfer/directory.h"

#include <windows.h>

#include <cstdio>

#include "platform/handles.h"
#include "runtime/ansi_chars.h"
#include "runtime/date.h"

namespace pixa {

namespace {
constexpr DWORD kVolumeLabel = 0x08;  // the old volume-label attribute bit

struct Filter {
    bool hidden = false, system = false, folders = false, volume = false;
};

Filter ParseFilter(const std::string& letters) {
    Filter f;
    for (char c : AnsiUpperText(letters)) {
        f.hidden |= c == 'H';
        f.system |= c == 'S';
        f.folders |= c == 'D';
        f.volume |= c == 'V';
    }
    return f;
}

// Every entry qualifies unless it is hidden, system, the volume label or a folder and the
// filter does not let that kind in; further attributes (not indexed, compressed, sparse,
// offline, temporary) never keep a plain file out.
bool Wanted(DWORD attr, const Filter& f) {
    if ((attr & FILE_ATTRIBUTE_HIDDEN) && !f.hidden) return false;
    if ((attr & FILE_ATTRIBUTE_SYSTEM) && !f.system) return false;
    if ((attr & kVolumeLabel) && !f.volume) return false;
    if ((attr & FILE_ATTRIBUTE_DIRECTORY) && !f.folders) return false;
    return true;
}

void SetStamp(DirRow& row, const FILETIME& written) {
    FILETIME local;
    SYSTEMTIME st;
    if (!FileTimeToLocalFileTime(&written, &local) || !FileTimeToSystemTime(&local, &st)) return;
    row.date = Date::FromYmd(st.wYear, st.wMonth, st.wDay);
    char text[16];
    std::snprintf(text, sizeof text, "%02d:%02d:%02d", st.wHour % 100, st.wMinute % 100, st.wSecond % 100);
    row.time = text;
}

DirRow MakeRow(const WIN32_FIND_DATAA& data) {
    DirRow row;
    row.name = data.cFileName;
    if (!(data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
        row.size = (static_cast<std::uint64_t>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
    SetStamp(row, data.ftLastWriteTime);
    row.attributes = AttributeText(data.dwFileAttributes);
    return row;
}

// The volume label of the pattern's drive as the only row, when it has one.
std::vector<DirRow> VolumeLabel(const std::string& pattern) {
    std::string root;
    if (pattern.size() >= 2 && pattern[1] == ':') {
        root.assign(pattern, 0, 2);
        root.push_back('\\');
    }
    char label[MAX_PATH + 1] = {};
    if (!GetVolumeInformationA(root.empty() ? nullptr : root.c_str(), label, sizeof label, nullptr, nullptr, nullptr,
                               nullptr, 0) ||
        label[0] == '\0')
        return {};
    DirRow row;
    row.name = label;
    row.attributes = AttributeText(kVolumeLabel);
    return {row};
}
}  // namespace

std::string AttributeText(unsigned long attr) {
    static const struct {
        DWORD bit;
        char letter;
    } kLetters[] = {
        {FILE_ATTRIBUTE_READONLY, 'R'},   {FILE_ATTRIBUTE_HIDDEN, 'H'},   {FILE_ATTRIBUTE_SYSTEM, 'S'},
        {kVolumeLabel, 'V'},              {FILE_ATTRIBUTE_DIRECTORY, 'D'}, {FILE_ATTRIBUTE_ARCHIVE, 'A'},
        {FILE_ATTRIBUTE_DEVICE, 'I'},     {FILE_ATTRIBUTE_NORMAL, 'N'},   {FILE_ATTRIBUTE_TEMPORARY, 'T'},
        {FILE_ATTRIBUTE_SPARSE_FILE, 'P'}, {FILE_ATTRIBUTE_REPARSE_POINT, 'L'}, {FILE_ATTRIBUTE_COMPRESSED, 'C'},
        {FILE_ATTRIBUTE_OFFLINE, 'O'},    {FILE_ATTRIBUTE_NOT_CONTENT_INDEXED, 'X'}, {FILE_ATTRIBUTE_ENCRYPTED, 'E'},
    };
    std::string text;
    for (const auto& l : kLetters)
        if (attr & l.bit) text += l.letter;
    return text;
}

namespace {
// Calls take(data) for every entry of the listing that the filter lets through.
template <typename Take>
void ForEachEntry(const std::string& pattern, const Filter& f, Take take) {
    WIN32_FIND_DATAA data;
    // The basic information level skips the short names; a large fetch reads more entries per call.
    FindHandle search(FindFirstFileExA(pattern.c_str(), FindExInfoBasic, &data, FindExSearchNameMatch, nullptr,
                                       FIND_FIRST_EX_LARGE_FETCH));
    if (!search) return;
    do {
        if (Wanted(data.dwFileAttributes, f)) take(data);
    } while (FindNextFileA(search.Get(), &data));
}
}  // namespace

bool ListingTakes(unsigned long attributes, const std::string& filter) {
    return Wanted(attributes, ParseFilter(filter));
}

std::vector<DirRow> Directory(const std::string& pattern, const std::string& filter) {
    Filter f = ParseFilter(filter);
    if (f.volume) return VolumeLabel(pattern);
    std::vector<DirRow> rows;
    ForEachEntry(pattern, f, [&](const WIN32_FIND_DATAA& data) { rows.push_back(MakeRow(data)); });
    return rows;
}

std::vector<DirName> DirectoryNames(const std::string& pattern, const std::string& filter) {
    Filter f = ParseFilter(filter);
    std::vector<DirName> names;
    if (f.volume) {
        for (auto& row : VolumeLabel(pattern)) names.push_back({row.name, false});
        return names;
    }
    ForEachEntry(pattern, f, [&](const WIN32_FIND_DATAA& data) {
        names.push_back({data.cFileName, (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0});
    });
    return names;
}

bool File(const std::string& path) {
    WIN32_FIND_DATAA data;
    FindHandle search(FindFirstFileA(path.c_str(), &data));
    return static_cast<bool>(search);
}

bool EntryExists(const std::string& path) {
    if (GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES) return true;
    DWORD error = GetLastError();
    // An entry that is in use or locked away still exists.
    return error == ERROR_SHARING_VIOLATION || error == ERROR_ACCESS_DENIED;
}

std::uint64_t FSize(const std::string& path) {
    if (path.find_first_of("*?") != std::string::npos) {
        auto rows = Directory(path);
        return rows.empty() ? 0 : rows.front().size;
    }
    // A path without wildcards lists at most its own entry: ask for that entry directly,
    // which spares the platform a search in its folder.
    WIN32_FILE_ATTRIBUTE_DATA data;
    if (!GetFileAttributesExA(path.c_str(), GetFileExInfoStandard, &data) ||
        !Wanted(data.dwFileAttributes, Filter{}))
        return 0;
    return (static_cast<std::uint64_t>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
}

}  // namespace pixa
