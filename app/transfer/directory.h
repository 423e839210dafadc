#pragma once
// Folder listings and existence tests over the platform's directory search.
#include <cstdint>
#include <string>
#include <vector>

#include "runtime/date.h"
#include "app/transfer/namespace.h"

namespace pixa::transfer {

// One entry of a folder listing.
struct DirRow {
    std::string name;        // long name as stored, case kept, without folder
    std::uint64_t size = 0;  // size in bytes, 0 for folders
    Date date;               // date of the last change, local time
    std::string time;        // time of the last change, local time, "hh:mm:ss"
    std::string attributes;  // letters R H S V D A, then further platform attributes
};

// Lists the entries matching pattern. By default hidden and system entries, the
// volume label and folders are left out; the filter letters H, S and D let them
// in, V asks for the volume label alone. Never fails: an unreadable folder lists nothing.
std::vector<DirRow> Directory(const std::string& pattern = "*.*", const std::string& filter = "");

// True when a listing with this filter takes an entry with these platform attributes.
bool ListingTakes(unsigned long attributes, const std::string& filter);

// The name of a listed entry and whether it is a folder.
struct DirName {
    std::string name;     // long name as stored
    bool folder = false;  // the entry is a folder
};

// Lists like Directory, but only names and the folder flag: cheaper for walking large trees.
std::vector<DirName> DirectoryNames(const std::string& pattern, const std::string& filter = "");

// True when at least one entry of any kind (hidden and system included) matches path.
bool File(const std::string& path);

// True when an entry of exactly this name (no wildcards) exists: file or folder, hidden
// and system ones included, case ignored. Asks for the entry itself instead of
// listing its folder, so the cost does not grow with the number of entries there.
bool EntryExists(const std::string& path);

// path with its folders spelled as the platform stores them (the last component as it
// is); path itself when a folder cannot be found. Wine looks a name that is not stored
// in exactly that case up by reading its whole folder: a path spelled as stored spares
// that. The folders of the last path asked for are remembered, so a run of paths in one
// folder looks it up once; a folder renamed or removed since makes the spelled path fail,
// and callers then use path itself.
std::string StoredSpellingOf(const std::string& path);

// Size of the first entry that Directory(path) lists; 0 when it lists none.
std::uint64_t FSize(const std::string& path);

// The attribute letters for platform attribute bits.
std::string AttributeText(unsigned long attributes);

}  // namespace pixa::transfer
