#pragma once
// Camera file names: maker prefix + five-digit running number + "." + file type.
#include <functional>
#include <optional>
#include <string>

namespace pixa {

// The prefix a maker's firmware uses ("CAN", "PIC", "DSC"), or empty: only for the
// picture types BMP, GIF, JPG and TIF; the maker is matched by its leading characters.
std::string MakerPrefix(const std::string& maker, const std::string& type);

// True for the picture types BMP, GIF, JPG and TIF (exactly, case-sensitive).
bool IsPictureType(const std::string& type);

// Hands out the next free camera names in one target folder. The running number
// continues from the last one used, so a run never restarts its search.
class CameraNamer {
public:
    static constexpr int kLastNumber = 99999;  // the highest five-digit number

    // target: the folder ("\" added when missing); maker: cDFBeg; extens: cExtens.
    // With the type "*" each copy keeps its source's extension, in upper case.
    // lastNumber: the running number before the first name tried (0 for a new run).
    CameraNamer(std::string target, std::string maker, std::string extens, int lastNumber = 0);

    // The full path of the next name after the last one used that no entry of the
    // folder has (case ignored, hidden entries and folders count); tried() runs once
    // per name tried. Nothing when the numbers up to 99999 are used up.
    std::optional<std::string> NextFree(const std::string& source, const std::function<void()>& tried);

    // The last running number handed out or tried.
    int LastNumber() const { return number_; }
    // The target folder, ending in "\" unless empty.
    const std::string& Folder() const { return folder_; }

private:
    std::string folder_;
    std::string maker_;
    std::string extens_;
    int number_ = 0;
};

}  // namespace pixa
