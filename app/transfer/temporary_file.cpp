#include "app/transfer/temporary_file.h"

#include <windows.h>

#include "app/transfer/camera_files.h"
#include "platform/file_system.h"
#include "platform/process.h"
#include "app/transfer/namespace.h"

namespace pixa::transfer {

bool TemporaryFile::Create(const std::string& folder) {
    Discard();
    static unsigned counter = GetTickCount() & 0xFFFFF;
    // A name already taken (a leftover still in use, another copy) is passed over.
    for (int tries = 0; tries < 64; ++tries) {
        std::string name = folder + TemporaryName(counter++);
        out_ = platform::OpenFile(name, {.access = GENERIC_WRITE | DELETE, .share = 0, .disposition = CREATE_NEW});
        if (out_) {
            name_ = std::move(name);
            return true;
        }
        if (GetLastError() != ERROR_FILE_EXISTS) return false;
    }
    return false;
}

void TemporaryFile::Discard() {
    out_.Close();
    if (!name_.empty()) platform::RemoveFile(name_);
    name_.clear();
}

}  // namespace pixa::transfer
