#include "app/transfer/collection.h"

#include <algorithm>
#include <iterator>

#include "app/transfer/camera_copy.h"
#include "app/transfer/directory.h"
#include "platform/wide_path.h"
#include "runtime/ansi_chars.h"
#include "runtime/string_order.h"
#include "runtime/value_text.h"
#include "app/transfer/namespace.h"

namespace pixa::transfer {

namespace {
// One folder of the walk with the matching files that its listing showed.
struct FolderFiles {
    std::string folder;              // full path without a trailing "\"
    std::vector<std::string> files;  // full paths of its matching files
};

bool PlainLettersAndDigits(const std::string& text) {
    return !text.empty() && std::all_of(text.begin(), text.end(), [](char c) {
        return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
    });
}

// How files are matched against the file type. A type of plain letters and digits (or "*")
// is matched by the name's ending while each folder is listed once; the platform's mask
// "*." + type matches exactly those names. Any other type (blank, wildcards, other
// characters) is left to the platform's own matching of the mask in a second listing.
class TypeMatch {
public:
    explicit TypeMatch(const std::string& extens) : mask_("*." + AnsiUpperText(extens)) {
        std::string type = AnsiUpperText(TrimRight(extens));
        all_ = type == "*";
        byName_ = all_ || PlainLettersAndDigits(type);
        suffix_ = "." + type;
    }
    // True when names can be matched here; false when the platform must list with Mask().
    bool ByName() const { return byName_; }
    const std::string& Mask() const { return mask_; }
    bool operator()(const std::string& name) const {
        if (all_) return true;
        return name.size() >= suffix_.size() && AnsiUpperText(name.substr(name.size() - suffix_.size())) == suffix_;
    }

private:
    std::string mask_, suffix_;
    bool all_ = false, byName_ = true;
};

bool Collectable(const DirName& entry) { return !entry.name.empty() && entry.name[0] != '.'; }

// The matching files of folder (ending in "\", listed as listAt) as the platform's mask listing shows them.
std::vector<std::string> MaskedFiles(const std::string& folder, const std::string& listAt, const TypeMatch& match) {
    std::vector<std::string> files;
    for (auto& entry : DirectoryNames(listAt + match.Mask()))
        if (Collectable(entry) && !entry.folder) files.push_back(folder + entry.name);
    return files;
}

// Lists folder (ending in "\"; the same folder spelled as stored: listAt) once, folders
// included: appends its subfolders to folders and, when wanted, returns its matching
// files. Hidden, system and dot entries are left out.
std::vector<std::string> ListFolder(const std::string& folder, const std::string& listAt, const TypeMatch& match,
                                    bool wantFiles, std::vector<FolderFiles>& folders) {
    std::vector<std::string> files;
    for (auto& entry : DirectoryNames(listAt + "*.*", "D")) {
        if (!Collectable(entry)) continue;
        if (entry.folder)
            folders.push_back({folder + entry.name, {}});
        else if (wantFiles && match.ByName() && match(entry.name))
            files.push_back(folder + entry.name);
    }
    if (wantFiles && !match.ByName()) files = MaskedFiles(folder, listAt, match);
    return files;
}

// Lets a click on "&Unterbrechen" or Esc in; true when the interrupt was asked for. The
// meter pumps only while it advances by whole percents, which a deep tree under few top
// folders never does; the progress limits how often a pump really goes to the platform.
bool Interrupted(TransferProgress& progress) {
    progress.Pump();
    return progress.BreakRequested();
}

std::string BaseFolder(const std::string& source) {
    std::string base = AnsiUpperText(source);
    if (base.empty() || base.back() != '\\') base += '\\';
    return base;
}
}  // namespace

std::string FileMask(const std::string& extens) { return "*." + AnsiUpperText(TrimRight(extens)); }

std::vector<std::string> CollectFiles(const CollectRequest& request, TransferProgress& progress) {
    std::string base = BaseFolder(request.source);
    TypeMatch match(request.extens);
    std::vector<FolderFiles> folders;
    // The paths start with the upper-case base; the listings go to the base as stored,
    // which the platform need not look up ignoring case in every listing.
    std::string listed = StoredSpellingOf(base);
    std::vector<std::string> files = ListFolder(base, listed, match, true, folders);

    // The breadth-first walk: the folder list grows while it is walked.
    progress.SetMeterTotal(static_cast<int>(folders.size()));
    progress.SetMeterPos(0);
    for (std::size_t i = 0; i < folders.size(); ++i) {
        std::string folder = folders[i].folder;  // copied: appending may move the list
        progress.SetAction("Ordner: " + ShowPath(platform::ShownPath(folder), false));
        if (Interrupted(progress)) return {};
        std::string below = folder.substr(base.size()) + "\\";
        auto found = ListFolder(base + below, listed + below, match, request.includeSub, folders);
        folders[i].files = std::move(found);
        progress.SetMeterPos(static_cast<int>(i + 1));
    }
    if (Interrupted(progress)) return {};  // also a walk without subfolders, one long listing
    std::sort(folders.begin(), folders.end(),
              [](const FolderFiles& a, const FolderFiles& b) { return StringLess(a.folder, b.folder); });

    if (request.includeSub) {
        std::string mask = FileMask(request.extens);
        progress.SetMeterTotal(static_cast<int>(folders.size()));
        progress.SetMeterPos(0);
        for (std::size_t i = 0; i < folders.size(); ++i) {
            progress.SetAction("Dateien: " + ShowPath(platform::ShownPath(folders[i].folder) + "\\" + mask, true));
            files.insert(files.end(), std::make_move_iterator(folders[i].files.begin()),
                         std::make_move_iterator(folders[i].files.end()));
            progress.SetMeterPos(static_cast<int>(i + 1));
        }
    }
    ASort(files);
    return files;
}

bool GetInDir(const CollectRequest& request, TransferProgress& progress, TransferPrompts& prompts,
              const SelectFiles& select, const CopyFiles& copy) {
    std::vector<std::string> files = CollectFiles(request, progress);
    if (progress.BreakRequested()) {
        TellInterrupted(prompts);
        progress.SetAction(kAbortedAction);
        return false;
    }
    std::vector<std::uint64_t> sizes;
    if (!select(files, sizes)) return false;
    if (!files.empty()) copy(files, request.target);
    return true;
}

std::string ShowPath(const std::string& path, bool shortComponents) {
    if (path.size() <= 3) return path;
    std::string shown = path.substr(0, 3);
    std::string rest = path.substr(3);
    for (auto cut = rest.find('\\'); cut != std::string::npos; cut = rest.find('\\')) {
        shown += shortComponents ? rest.substr(0, std::min<std::size_t>(cut, 3)) + "~...\\" : "~\\";
        rest.erase(0, cut + 1);
    }
    return shown + rest;
}

}  // namespace pixa::transfer
