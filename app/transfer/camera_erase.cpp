#include "app/transfer/camera_erase.h"

#include "app/transfer/directory.h"
#include "app/transfer/file_copy.h"

namespace pixa {

bool CamErase(const std::string& target, TransferPrompts& prompts) {
    if (!prompts.NoYes("Wollen Sie den Kameraspeicher löschen ?", "Löschen")) return true;
    prompts.WaitCursor(true);
    for (const auto& row : Directory(target + "*.*", "")) FErase(target + row.name);
    prompts.WaitCursor(false);
    prompts.Info("Der Kameraspeicher wurde gelöscht !", "Information");
    return true;
}

}  // namespace pixa
