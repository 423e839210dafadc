#pragma once
// Copying and deleting single files.
#include <functional>
#include <optional>
#include <string>

#include "app/transfer/namespace.h"

namespace pixa::transfer {

// Copies source to target, replacing a target of that name.
// The bytes go to a temporary file beside the target, which is flushed and then
// renamed to the target, so the target name only ever holds a complete copy.
// Open, create, read and write failures go to the error handler (retry or default);
// on default the copy is given up and the temporary file removed.
// Returns true when the target holds every byte of the source.
bool __CopyFile(const std::string& source, const std::string& target);

// How a copy onto a new name ended.
struct CopyOutcome {
    std::optional<std::string> name;  // the name the complete copy got; nothing when it was given up
    bool targetLost = false;          // given up, without asking, because the target folder is gone or takes no file
};

// Copies like __CopyFile, but never replaces an entry: when an entry of the target's
// name appeared in the meantime, the complete copy is renamed to the name another()
// gives instead (nothing: the copy is given up). A failure on the target whose folder
// is gone or takes no file any more (card pulled, write-protected) ends the copy at
// once, without the error handler. Errors about the target name the source in their
// operation text. The temporary file is removed on every way out, also a hard end.
CopyOutcome CopyToNewName(const std::string& source, const std::string& target,
                          const std::function<std::optional<std::string>()>& another);

// Deletes the file: 0 when deleted, -1 when not.
int FErase(const std::string& path);

}  // namespace pixa::transfer
