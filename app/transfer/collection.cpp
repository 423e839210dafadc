#include "app/transfer/collection.h"

#include <algorithm>

#include "app/transfer/directory.h"
#include "app/transfer/string_order.h"
#include "app/transfer/text_case.h"

namespace pixa {

namespace {
bool IsDot(const DirRow& row) { return !row.name.empty() && row.name[0] == '.'; }
bool IsFolder(const DirRow& row) { return row.attributes.find('D') != std::string::npos; }

// Appends folder + "\" + name for every subfolder listed by the pattern.
void AppendSubfolders(const std::string& pattern, const std::string& prefix, std::vector<std::string>& folders) {
    for (const auto& row : Directory(pattern, "D"))
        if (!IsDot(row) && IsFolder(row)) folders.push_back(prefix + row.name);
}

// Appends prefix + name for every plain file listed by the pattern.
void AppendFiles(const std::string& pattern, const std::string& prefix, std::vector<std::string>& files) {
    for (const auto& row : Directory(pattern, ""))
        if (!IsDot(row) && !IsFolder(row)) files.push_back(prefix + row.name);
}

std::string BaseFolder(const std::string& source) {
    std::string base = UpperText(source);
    if (base.empty() || base.back() != '\\') base += '\\';
    return base;
}

// The breadth-first walk: the folder list grows while it is walked.
std::vector<std::string> WalkFolders(const std::string& base, TransferProgress& progress) {
    std::vector<std::string> folders;
    AppendSubfolders(base + "*.*", base, folders);
    progress.SetMeterTotal(static_cast<int>(folders.size()));
    progress.SetMeterPos(0);
    for (std::size_t i = 0; i < folders.size(); ++i) {
        std::string folder = folders[i];  // copied: appending may move the list
        progress.SetAction("Ordner: " + ShowPath(folder, false));
        AppendSubfolders(folder + "\\*.*", folder + "\\", folders);
        progress.SetMeterPos(static_cast<int>(i + 1));
    }
    return ASort(folders);
}
}  // namespace

std::string FileMask(const std::string& extens) { return "*." + UpperText(TrimRight(extens)); }

std::vector<std::string> CollectFiles(const CollectRequest& request, TransferProgress& progress) {
    std::string base = BaseFolder(request.source);
    std::string mask = FileMask(request.extens);
    std::vector<std::string> folders = WalkFolders(base, progress);
    std::vector<std::string> files;
    AppendFiles(base + mask, base, files);
    if (request.includeSub) {
        progress.SetMeterTotal(static_cast<int>(folders.size()));
        progress.SetMeterPos(0);
        for (std::size_t i = 0; i < folders.size(); ++i) {
            std::string pattern = folders[i] + "\\" + mask;
            progress.SetAction("Dateien: " + ShowPath(pattern, true));
            AppendFiles(pattern, folders[i] + "\\", files);
            progress.SetMeterPos(static_cast<int>(i + 1));
        }
    }
    return ASort(files);
}

bool GetInDir(const CollectRequest& request, TransferProgress& progress, const SelectFiles& select,
              const CopyFiles& copy) {
    std::vector<std::string> files = CollectFiles(request, progress);
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

}  // namespace pixa
