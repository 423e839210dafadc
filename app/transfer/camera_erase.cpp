#include "app/transfer/camera_erase.h"

#include "app/transfer/directory.h"
#include "app/transfer/file_copy.h"

namespace pixa {

bool CamErase(const std::string& target, TransferPrompts& prompts) {
    if (!prompts.NoYes("Wollen Sie den Kameraspeicher löschen ?", "Löschen")) return true;
    // A folder given without its closing "\\" must not list its parent's entries that begin with its name.
    std::string folder = target;
    if (!folder.empty() && folder.back() != '\\') folder += '\\';
    prompts.WaitCursor(true);
    for (const auto& row : Directory(folder + "*.*", "")) FErase(folder + row.name);
    prompts.WaitCursor(false);
    prompts.Info("Der Kameraspeicher wurde gelöscht !", "Information");
    return true;
}

}  // namespace pixa
