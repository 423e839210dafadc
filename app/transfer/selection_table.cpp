#include "app/transfer/selection_table.h"

#include <algorithm>
#include <string_view>

#include "app/transfer/base_error.h"
#include "app/transfer/directory.h"
#include "app/transfer/disk_space.h"
#include "app/transfer/table_areas.h"
#include "platform/wide_path.h"
#include "runtime/ansi_chars.h"
#include "runtime/settings.h"
#include "runtime/value_text.h"
#include "app/transfer/namespace.h"

namespace pixa::transfer {

namespace {
const std::vector<DbfField> kFields = {
    {"COPY", 'L', 1, 0}, {"FILE", 'C', 254, 0}, {"BILD", 'C', 150, 0}, {"SIZE", 'N', 10, 0}, {"DELS", 'N', 2, 0},
};

constexpr std::uint64_t kMegabyteBytes = 1024 * 1024;
constexpr int kSubCreate = 2012;

// Creates the empty work table and opens it exclusively. A table that cannot be made (held
// open by another program, a read-only folder) is told with its name and the platform's
// reason, as a create failure: an open failure from sharing would pass unsaid.
std::shared_ptr<DbfTable> NewWorkTable(const std::string& path) {
    for (;;) {
        if (DbfTable::Create(path, kFields))
            if (auto table = DbUseArea(path, SelectionTable::kAlias)) return table;
        auto os = static_cast<int>(GetLastError());
        if (RaiseBaseError(FileError(kGenCreate, kSubCreate, "Create error", path, os)) != ErrorAnswer::Retry)
            return nullptr;
    }
}

// The folder of a path with its closing "\"; empty for a file in a drive root.
std::string_view FolderOf(std::string_view path) {
    auto cut = path.find_last_of('\\');
    return cut == std::string_view::npos || cut < 3 ? std::string_view() : path.substr(0, cut + 1);
}

// The size of each path in order, 0 for a file that cannot be read. A folder found gone
// has taken all its files along: the rest of them (the list runs folder by folder) get 0
// without a failing lookup each, which on a card pulled out would cost seconds. A file
// that reads as 0 has its folder looked at once, spelled as stored (the size query has
// just looked that up), so the platform need not search for it ignoring case.
std::vector<std::uint64_t> SizesOf(const std::vector<std::string>& files) {
    std::vector<std::uint64_t> sizes(files.size(), 0);
    std::string_view checked;  // the folder looked at last
    bool gone = false;         // and it was missing
    for (std::size_t i = 0; i < files.size(); ++i) {
        std::string_view folder = FolderOf(files[i]);
        if (gone && folder == checked) continue;
        sizes[i] = FSize(files[i]);
        if (sizes[i] != 0 || folder.empty() || folder == checked) continue;
        checked = folder;
        std::string stored = StoredSpellingOf(files[i]);
        gone = !EntryExists(stored.substr(0, stored.find_last_of('\\')));
    }
    return sizes;
}

// Makes deleted records visible for the scope of an object.
class ShowDeleted {
public:
    ShowDeleted() : previous_(Settings().deletedHidden) { Settings().deletedHidden = false; }
    ~ShowDeleted() { Settings().deletedHidden = previous_; }
    ShowDeleted(const ShowDeleted&) = delete;
    ShowDeleted& operator=(const ShowDeleted&) = delete;

private:
    bool previous_;
};
}  // namespace

std::string DisplayName(const std::string& path) {
    auto last = path.find_last_of('\\');
    if (last == std::string::npos || last < 3) return path;
    std::string folder = AnsiLowerText(path.substr(0, last));
    auto cut = folder.find_last_of('\\');
    return folder.substr(cut == std::string::npos ? 0 : cut + 1) + path.substr(last);
}

std::string FolderGroup(const std::string& displayName) { return displayName.substr(0, displayName.find('\\')); }

SelectionTable::SelectionTable(double camSpaceMb, SelectionView view, std::uint32_t clusterBytes)
    : freeBytes_(static_cast<std::uint64_t>(std::max(0.0, camSpaceMb)) * kMegabyteBytes),
      cluster_(clusterBytes),
      view_(std::move(view)) {}

bool SelectionTable::MakeDbf(const std::string& folder, const std::vector<std::string>& files) {
    table_ = NewWorkTable(folder + kFileName);
    if (!table_) return false;
    fullPaths_ = files;
    sizes_ = SizesOf(files);
    hideSteps_.assign(files.size(), 0);
    nDels_ = 0;
    table_->Reserve(files.size());
    for (std::size_t i = 0; i < files.size(); ++i) {
        table_->Append();
        table_->PutLogical(copy_, true);
        // The fields hold the shown form; the side list names the file exactly.
        table_->PutText(file_, platform::ShownPath(files[i]));
        table_->PutText(bild_, platform::ShownPath(DisplayName(files[i])));
        table_->PutNumber(size_, static_cast<double>(sizes_[i]));
        table_->PutNumber(dels_, 0);
    }
    table_->GoTop();
    return true;
}

double SelectionTable::MakeSum(std::uint32_t recno) {
    // Counted in bytes as the card will store them, compared exactly at any size.
    std::uint64_t need = 0;
    int marked = 0;
    table_->Eval([&] {
        need += OnCardBytes(CurrentSize(), cluster_);
        ++marked;
    },
                 [&] { return table_->GetLogical(copy_); });
    need_ = need;
    used_ = static_cast<double>(need) / kMegabyteBytes;
    marked_ = marked;
    bool over = need > freeBytes_;
    if (view_.showUsed) view_.showUsed(used_, over);
    if (view_.showMarked) view_.showMarked(marked_);
    if (recno == 0)
        table_->GoTop();
    else
        table_->GoTo(recno);
    if (view_.enableContinue) view_.enableContinue(!over && need > 0);
    return used_;
}

void SelectionTable::MarkRecs(bool mark, int mode) {
    // Past the last row there is no group: an empty group name would take in every row.
    if ((mode == 1 || (mode == 0 && !mark)) && table_->Eof()) return;
    std::uint32_t recno = table_->RecNo();
    // Groups by the exact name: two folders shown alike ("???") are still two groups.
    std::string group = FolderGroup(DisplayName(FullPath()));
    auto inGroup = [&] { return DisplayName(FullPath()).substr(0, group.size()) == group; };
    auto setMark = [&] { table_->PutLogical(copy_, mark); };
    if (mode == 2) {
        table_->Eval(setMark);
    } else if (mode == 1) {
        table_->Eval(setMark, inGroup);
    } else if (!mark) {
        ++nDels_;
        table_->Eval([&] {
            hideSteps_[table_->RecNo() - 1] = nDels_;
            table_->PutNumber(dels_, nDels_);
            table_->Delete();
        },
                     inGroup);
    } else {
        if (nDels_ == 0) return;
        std::uint32_t first = 0;
        {
            ShowDeleted all;
            table_->Eval([&] {
                if (CurrentHideStep() != nDels_) return;
                hideSteps_[table_->RecNo() - 1] = 0;
                table_->PutNumber(dels_, 0);
                table_->Recall();
                if (first == 0) first = table_->RecNo();
            });
        }
        --nDels_;
        if (first != 0) recno = first;
    }
    table_->GoTo(recno);
}

void SelectionTable::ToggleCurrent() {
    if (!table_->Eof()) table_->PutLogical(copy_, !table_->GetLogical(copy_));
}

void SelectionTable::MarkCurrent(bool mark) {
    if (!table_->Eof()) table_->PutLogical(copy_, mark);
}

void SelectionTable::TakeChosen(std::vector<std::string>& files, std::vector<std::uint64_t>& sizes) {
    files.clear();
    sizes.clear();
    std::vector<std::string> kept;      // full paths of the rows that stay after packing
    std::vector<std::uint64_t> keptSizes;  // and their sizes
    {
        ShowDeleted all;  // walk by record number so each row finds its full path
        for (table_->GoTop(); !table_->Eof(); table_->Skip()) {
            if (table_->Deleted()) continue;
            kept.push_back(FullPath());
            keptSizes.push_back(CurrentSize());
            if (!table_->GetLogical(copy_)) continue;
            files.push_back(kept.back());
            sizes.push_back(keptSizes.back());
        }
    }
    table_->Pack();
    fullPaths_ = std::move(kept);
    sizes_ = std::move(keptSizes);
    hideSteps_.assign(fullPaths_.size(), 0);
}

void SelectionTable::Close() {
    if (table_) table_->Close();
}

std::uint64_t SelectionTable::CurrentSize() const {
    std::uint32_t n = table_->RecNo();
    return n >= 1 && n <= sizes_.size() ? sizes_[n - 1] : 0;
}

int SelectionTable::CurrentHideStep() const {
    std::uint32_t n = table_->RecNo();
    return n >= 1 && n <= hideSteps_.size() ? hideSteps_[n - 1] : 0;
}

std::string SelectionTable::FullPath() const {
    std::uint32_t n = table_->RecNo();
    return n >= 1 && n <= fullPaths_.size() ? fullPaths_[n - 1] : TrimRight(table_->GetText(file_));
}

}  // namespace pixa::transfer
