#include "app/transfer/target_folder.h"

#include <windows.h>

#include "app/transfer/temporary_file.h"
#include "platform/file_system.h"
#include "app/transfer/namespace.h"

namespace pixa::transfer {

bool TakesFiles(const std::string& folder) {
    DWORD attributes = platform::AttributesOf(folder.empty() ? "." : folder);
    if (attributes == INVALID_FILE_ATTRIBUTES || !(attributes & FILE_ATTRIBUTE_DIRECTORY)) return false;
    TemporaryFile probe;  // removed again when it goes
    return probe.Create(folder);
}

}  // namespace pixa::transfer
