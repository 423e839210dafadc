#pragma once
// Erasing the pictures of the camera folder.
#include <string>

#include "app/transfer/transfer_ui.h"
#include "app/transfer/namespace.h"

namespace pixa::transfer {

// The folders erasing must never reach: the picture source (and every folder
// below it) and the program folder (configuration, sounds, error log).
struct EraseGuard {
    std::string source;         // picture source folder (cQuelle); empty: none
    std::string programFolder;  // program folder; empty: the executable's folder
};

// The camera folder to erase and what keeps other files from it.
struct EraseJob {
    std::string target;  // camera folder (cZiel)
    std::string extens;  // configured picture type (cExtens): its files count as the camera's
    EraseGuard guard;
};

// Why the target must not be erased (a German sentence for the user), or empty
// when it is a camera folder that may be: the target must be given, exist, and be
// neither the program folder nor the source folder or a folder below it, however
// their paths are spelled.
std::string EraseRefusal(const std::string& target, const EraseGuard& guard = {});

// Refuses with a stop box when EraseRefusal names a reason, and says so when the
// folder holds no camera files. Otherwise asks, naming how many files will go; on
// "Yes" deletes the camera files (other files, subfolders, hidden and system files
// stay; a read-only file is left as the camera protected it) and reports either that
// the card was erased or how many files stayed. Returns true.
bool CamErase(const EraseJob& job, TransferPrompts& prompts);

}  // namespace pixa::transfer
