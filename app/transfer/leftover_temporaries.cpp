#include "app/transfer/leftover_temporaries.h"

#include "app/transfer/camera_files.h"
#include "app/transfer/directory.h"
#include "app/transfer/folders.h"
#include "platform/process.h"
#include "app/transfer/namespace.h"

namespace pixa::transfer {

void RemoveLeftoverTemporaries(const std::string& folder) {
    std::string base = WithClosingBackslash(folder);
    // Hidden and system files too: a camera or a PC may have marked a leftover so.
    for (const auto& entry : DirectoryNames(base + "PXA*.TMP", "HS"))
        if (!entry.folder && IsOwnTemporaryName(entry.name)) platform::RemoveFile(base + entry.name);
}

}  // namespace pixa::transfer
