#pragma once
// Camera file names: maker prefix + five-digit running number + "." + file type.
#include <functional>
#include <optional>
#include <string>
#include <unordered_set>

#include "app/transfer/namespace.h"

namespace pixa::transfer {

// The prefix a maker's firmware uses ("CAN", "PIC", "DSC"), or empty: only for the
// picture types BMP, GIF, JPG and TIF; the maker is matched by its leading characters.
std::string MakerPrefix(const std::string& maker, const std::string& type);

// True for the picture types BMP, GIF, JPG and TIF (exactly, case-sensitive).
bool IsPictureType(const std::string& type);

// Hands out the next free camera names in one target folder. The running number
// continues from the last one used, so a run never restarts its search. The folder is
// listed once, at the first name asked for; names handed out are added to that list,
// so the names of one run never collide with each other. An entry that appears in the
// folder after the listing is not seen: the copy must not overwrite, and asks again.
class CameraNamer {
public:
    static constexpr int kLastNumber = 99999;  // the highest five-digit number

    // target: the folder ("\" added when missing); maker: cDFBeg; extens: cExtens.
    // With the type "*" each copy keeps its source's extension, in upper case.
    // lastNumber: the running number before the first name tried (0 for a new run).
    CameraNamer(std::string target, std::string maker, std::string extens, int lastNumber = 0);

    // The full path of the next name after the last one used that no entry of the
    // folder has (case ignored, hidden entries and folders count) and that was not
    // handed out before; tried() runs once per name tried. Nothing when the numbers
    // up to 99999 are used up.
    std::optional<std::string> NextFree(const std::string& source, const std::function<void()>& tried);

    // The last running number handed out or tried.
    int LastNumber() const { return number_; }
    // The target folder, ending in "\" unless empty.
    const std::string& Folder() const { return folder_; }

private:
    void ListOnce();

    std::string folder_;
    std::string maker_;
    std::string extens_;
    int number_ = 0;
    bool listed_ = false;
    std::unordered_set<std::string> taken_;  // upper-cased names of the folder's entries and of names handed out
};

}  // namespace pixa::transfer
