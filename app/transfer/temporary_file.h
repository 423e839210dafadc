#pragma once
// The temporary file a copy is written to beside its target.
#include <string>

#include "framework/services/hard_exit.h"
#include "platform/handles.h"
#include "app/transfer/namespace.h"

namespace pixa::transfer {

// Until it is kept under its final name, the file is removed when the object goes and
// when the program ends hard (Quit in the error dialog): no half-written copy stays.
class TemporaryFile {
public:
    TemporaryFile() = default;
    ~TemporaryFile() { Discard(); }
    TemporaryFile(const TemporaryFile&) = delete;
    TemporaryFile& operator=(const TemporaryFile&) = delete;

    // Creates a new file under a temporary name of ours in folder ("" or ending in "\"
    // or ":"), open for writing and not shared. False when none can be created; the
    // platform's reason is then the last error.
    bool Create(const std::string& folder);
    platform::FileHandle& Handle() { return out_; }
    const std::string& Name() const { return name_; }
    // The file is the target now (renamed): nothing is removed any more.
    void Keep() { name_.clear(); }
    // Closes and removes the file.
    void Discard();

private:
    platform::FileHandle out_;
    std::string name_;
    HardExitHook hook_{[this] { Discard(); }};
};

}  // namespace pixa::transfer
