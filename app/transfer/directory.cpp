#include "app/transfer/directory.h"

#include <windows.h>

#include <algorithm>
#include <cstdio>

#include "platform/file_system.h"
#include "runtime/ansi_chars.h"
#include "runtime/date.h"
#include "app/transfer/namespace.h"

namespace pixa::transfer {

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

DirRow MakeRow(const platform::FoundEntry& entry) {
    DirRow row;
    row.name = entry.name;
    if (!(entry.attributes & FILE_ATTRIBUTE_DIRECTORY)) row.size = entry.size;
    SetStamp(row, entry.written);
    row.attributes = AttributeText(entry.attributes);
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
// Calls take(entry) for every entry of the listing that the filter lets through.
template <typename Take>
void ForEachEntry(const std::string& pattern, const Filter& f, Take take) {
    // The basic information level skips the short names; a large fetch reads more entries per call.
    platform::FileSearch search(pattern, true);
    for (platform::FoundEntry entry; search.Next(entry);)
        if (Wanted(entry.attributes, f)) take(entry);
}
}  // namespace

bool ListingTakes(unsigned long attributes, const std::string& filter) {
    return Wanted(attributes, ParseFilter(filter));
}

std::vector<DirRow> Directory(const std::string& pattern, const std::string& filter) {
    Filter f = ParseFilter(filter);
    if (f.volume) return VolumeLabel(pattern);
    std::vector<DirRow> rows;
    ForEachEntry(pattern, f, [&](const platform::FoundEntry& entry) { rows.push_back(MakeRow(entry)); });
    return rows;
}

std::vector<DirName> DirectoryNames(const std::string& pattern, const std::string& filter) {
    Filter f = ParseFilter(filter);
    std::vector<DirName> names;
    if (f.volume) {
        for (auto& row : VolumeLabel(pattern)) names.push_back({row.name, false});
        return names;
    }
    ForEachEntry(pattern, f, [&](const platform::FoundEntry& entry) {
        names.push_back({entry.name, (entry.attributes & FILE_ATTRIBUTE_DIRECTORY) != 0});
    });
    return names;
}

bool File(const std::string& path) {
    platform::FoundEntry entry;
    return platform::FileSearch(path, false).Next(entry);
}

bool EntryExists(const std::string& path) {
    if (platform::AttributesOf(path) != INVALID_FILE_ATTRIBUTES) return true;
    DWORD error = GetLastError();
    // An entry that is in use or locked away still exists.
    return error == ERROR_SHARING_VIOLATION || error == ERROR_ACCESS_DENIED;
}

namespace {
// Remembers how the platform stores the folders of the last size query. Wine finds a
// name that is not stored in exactly that case only by reading its whole folder, and
// the collection hands out paths under an upper-cased base folder; the work table asks
// for the sizes folder after folder, so each folder is spelled out as stored once.
class StoredSpelling {
public:
    // path with its folders as stored; path itself when they cannot be found.
    std::string Of(const std::string& path) {
        auto cut = path.find_last_of('\\');
        if (cut == std::string::npos || path.size() < 3 || path[1] != ':' || path[2] != '\\') return path;
        std::vector<std::string> parts = Split(path.substr(0, cut));
        std::size_t same = 0;
        while (same < parts.size() && same < asked_.size() && parts[same] == asked_[same]) ++same;
        if (same == parts.size() && same == asked_.size() && !found_) return path;  // not found last time either
        stored_.resize(std::min(same, stored_.size()));
        found_ = true;
        for (std::size_t i = stored_.size(); i < parts.size() && found_; ++i) found_ = Find(parts[i]);
        asked_ = std::move(parts);
        if (!found_) return path;
        std::string spelled;
        for (const auto& part : stored_) spelled += part + "\\";
        return spelled + path.substr(cut + 1);
    }

private:
    static std::vector<std::string> Split(const std::string& folder) {
        std::vector<std::string> parts;
        for (std::size_t from = 0, to; from <= folder.size(); from = to + 1) {
            to = std::min(folder.find('\\', from), folder.size());
            parts.push_back(folder.substr(from, to - from));
        }
        return parts;
    }
    // Appends the stored spelling of part (a folder of the ones stored so far). A name
    // with lower-case letters was read from a listing, not upper-cased by us: it is taken
    // as it is. The spelling only spares lookups; the platform finds the entry either way.
    bool Find(const std::string& part) {
        bool lower = std::any_of(part.begin(), part.end(), [](char c) { return c >= 'a' && c <= 'z'; });
        if (stored_.empty() || lower) {
            stored_.push_back(part);  // the drive, or a name as listed
            return true;
        }
        if (part.empty() || part == "." || part == ".." || part.find_first_of("*?") != std::string::npos) return false;
        std::string asked;
        for (const auto& stored : stored_) asked += stored + "\\";
        platform::FoundEntry entry;
        if (!platform::FileSearch(asked + part, false).Next(entry)) return false;
        stored_.push_back(entry.name);
        return true;
    }

    std::vector<std::string> asked_;   // the folders of the last query as asked, drive first
    std::vector<std::string> stored_;  // the same folders as stored, as far as found
    bool found_ = false;               // every folder of asked_ was found
};

bool SizeOf(const std::string& path, std::uint64_t& size) {
    WIN32_FILE_ATTRIBUTE_DATA data;
    if (!platform::AttributeDataOf(path, data)) return false;
    size = Wanted(data.dwFileAttributes, Filter{})
               ? (static_cast<std::uint64_t>(data.nFileSizeHigh) << 32) | data.nFileSizeLow
               : 0;
    return true;
}
}  // namespace

std::string StoredSpellingOf(const std::string& path) {
    static StoredSpelling spelling;  // the last folder asked for, looked up once
    return spelling.Of(path);
}

std::uint64_t FSize(const std::string& path) {
    if (path.find_first_of("*?") != std::string::npos) {
        auto rows = Directory(path);
        return rows.empty() ? 0 : rows.front().size;
    }
    // A path without wildcards lists at most its own entry: ask for that entry directly,
    // which spares the platform a search in its folder. A spelling remembered from an
    // earlier query that no longer finds it gives way to the path as asked.
    std::uint64_t size = 0;
    std::string stored = StoredSpellingOf(path);
    if (SizeOf(stored, size) || (stored != path && SizeOf(path, size))) return size;
    return 0;
}

}  // namespace pixa::transfer
