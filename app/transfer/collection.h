#pragma once
// Gathering the pictures of the source folder (and its subfolders) for a transfer run.
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "app/transfer/transfer_ui.h"
#include "app/transfer/namespace.h"

namespace pixa::transfer {

// What one collection run works on (the program-wide settings of the run).
struct CollectRequest {
    std::string source;          // source folder (cQuelle), ending in "\"
    bool includeSub = false;     // also collect the subfolders' files (lSubOrd)
    std::string target;          // target folder (cZiel), passed through to the copy
    std::string extens = "JPG";  // file type (cExtens); "*" collects every file
};

// The selection list: may replace both lists; false when it was cancelled.
using SelectFiles = std::function<bool(std::vector<std::string>& files, std::vector<std::uint64_t>& sizes)>;
// The copy of the chosen files into the target folder.
using CopyFiles = std::function<void(const std::vector<std::string>& files, const std::string& target)>;

// The file mask of a file type: "*." + the type in upper case ("*.*" for "*").
std::string FileMask(const std::string& extens);

// Walks the folder tree breadth first (reporting each folder on the progress) and
// returns the matching files in byte-wise order. Hidden, system and dot entries are skipped.
// An interrupt asked for during the walk ends it at once with no files.
std::vector<std::string> CollectFiles(const CollectRequest& request, TransferProgress& progress);

// Collects, lets select choose, and hands a non-empty choice to copy. True when the
// selection was confirmed; false when it was cancelled or the walk was interrupted
// (then the interrupt is told and nothing is offered).
bool GetInDir(const CollectRequest& request, TransferProgress& progress, TransferPrompts& prompts,
              const SelectFiles& select, const CopyFiles& copy);

// The action line's form of a path: the drive kept, each folder shortened to "~\"
// or, with short components, to its first three characters and "~...\".
std::string ShowPath(const std::string& path, bool shortComponents);

}  // namespace pixa::transfer
