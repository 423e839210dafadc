#pragma once
// Erasing the pictures of the camera folder.
#include <string>

#include "app/transfer/transfer_ui.h"

namespace pixa {

// The folders erasing must never reach: the picture source (and every folder
// below it) and the program folder (configuration, sounds, error log).
struct EraseGuard {
    std::string source;         // picture source folder (cQuelle); empty: none
    std::string programFolder;  // program folder; empty: the executable's folder
};

// Why the target must not be erased (a German sentence for the user), or empty
// when it is a camera folder that may be: the target must be given, exist, and be
// neither the program folder nor the source folder or a folder below it.
std::string EraseRefusal(const std::string& target, const EraseGuard& guard = {});

// Refuses with a stop box when EraseRefusal names a reason. Otherwise asks first;
// on "Yes" deletes the plain files of the target folder (subfolders, hidden and
// system files stay) and tells that the card was erased. Returns true.
bool CamErase(const std::string& target, TransferPrompts& prompts, const EraseGuard& guard = {});

}  // namespace pixa
