#include "app/transfer/target_folder.h"

#include <windows.h>

#include "app/transfer/temporary_file.h"

namespace pixa {

bool TakesFiles(const std::string& folder) {
    DWORD attributes = GetFileAttributesA(folder.empty() ? "." : folder.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES || !(attributes & FILE_ATTRIBUTE_DIRECTORY)) return false;
    TemporaryFile probe;  // removed again when it goes
    return probe.Create(folder);
}

}  // namespace pixa
