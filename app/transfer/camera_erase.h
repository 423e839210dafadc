#pragma once
// Erasing the pictures of the camera folder.
#include <string>

#include "app/transfer/transfer_ui.h"

namespace pixa {

// Asks first; on "Yes" deletes the plain files of the target folder (subfolders,
// hidden and system files stay) and tells that the card was erased. Returns true.
bool CamErase(const std::string& target, TransferPrompts& prompts);

}  // namespace pixa
