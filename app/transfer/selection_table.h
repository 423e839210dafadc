#pragma once
// The selection list's work table "TEMP.DBF" (alias DTMP) and the logic on it:
// filling it, the running totals, marking, and hiding and showing folder groups.
// The selection dialog shows the totals through a SelectionView.
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "app/transfer/dbf_table.h"
#include "app/transfer/namespace.h"

namespace pixa::transfer {

// Where the totals are shown; absent parts are simply not called.
struct SelectionView {
    std::function<void(double usedMb, bool overFree)> showUsed;  // needed space and its warning colour
    std::function<void(int marked)> showMarked;                  // number of marked visible rows
    std::function<void(bool enabled)> enableContinue;            // the "&Weiter" button
};

// The display name of a path: last folder in lower case + "\" + file name; a file
// directly in a drive root keeps its whole path.
std::string DisplayName(const std::string& path);

// The folder group of a display name: its part before the first "\".
std::string FolderGroup(const std::string& displayName);

class SelectionTable {
public:
    static constexpr const char* kFileName = "TEMP.DBF";  // file name in the program folder
    static constexpr const char* kAlias = "DTMP";         // alias it is opened under

    // Free space on the card in whole MB, against which the needed space is compared, and
    // the card's cluster size: each file needs its size rounded up to whole clusters.
    explicit SelectionTable(double camSpaceMb, SelectionView view = {}, std::uint32_t clusterBytes = 1);

    // Creates the table in folder (ending in "\"), opens it exclusively and appends one
    // marked row per path with its display name and size; goes to the first row.
    bool MakeDbf(const std::string& folder, const std::vector<std::string>& files);
    // Recomputes the totals, shows them, goes to record n (0: the first row) and
    // enables "&Weiter" while something is marked and it fits. Returns the needed MB.
    double MakeSum(std::uint32_t recno);
    // Mode 2: marks all visible rows; 1: the current row's group; 0: hides the
    // current row's group (mark false) or shows the group hidden last (mark true).
    void MarkRecs(bool mark, int mode);
    // Toggles the mark of the current row.
    void ToggleCurrent();
    // Marks or unmarks the current row.
    void MarkCurrent(bool mark);
    // Removes the hidden rows for good and replaces files and sizes by the marked rows,
    // in table order, each with its full path (also when longer than the path field).
    void TakeChosen(std::vector<std::string>& files, std::vector<std::uint64_t>& sizes);
    // Writes back and closes the table; the file stays on disk.
    void Close();

    // The true size in bytes and hide step of the current row (the table's SIZE and DELS
    // fields hold only 10 and 2 digits); 0 past the last row.
    std::uint64_t CurrentSize() const;
    int CurrentHideStep() const;
    // The full path of the current row (also when longer than the path field).
    std::string CurrentPath() const { return FullPath(); }

    double Used() const { return used_; }           // needed space in MB (nUsed)
    std::uint64_t NeededBytes() const { return need_; }  // the same in bytes, as the card stores it
    int Marked() const { return marked_; }          // marked visible rows (nRecs)
    int HideSteps() const { return nDels_; }    // hide steps that can be undone (nDels)
    DbfTable& Table() { return *table_; }           // the open table

private:
    std::string FullPath() const;

    std::uint64_t freeBytes_;
    std::uint32_t cluster_;
    SelectionView view_;
    std::shared_ptr<DbfTable> table_;
    // Beside the table, by record number - 1: the values its fields cannot always hold.
    std::vector<std::string> fullPaths_;   // paths as given
    std::vector<std::uint64_t> sizes_;     // sizes in bytes
    std::vector<int> hideSteps_;           // hide step that hid the row, 0 when visible
    std::uint64_t need_ = 0;
    double used_ = 0;
    int marked_ = 0;
    int nDels_ = 0;
    int copy_ = 0, file_ = 1, bild_ = 2, size_ = 3, dels_ = 4;  // field positions
};

}  // namespace pixa::transfer
