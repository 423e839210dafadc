#pragma once
// Copying and deleting single files.
#include <string>

namespace pixa {

// Copies source to target in 8192-byte blocks, replacing a target of that name.
// The bytes go to a temporary file beside the target, which is flushed, closed and
// then renamed to the target, so the target name only ever holds a complete copy.
// Open, create, read and write failures go to the error handler (retry or default);
// on default the copy is given up and the temporary file removed.
// Returns true when the target holds every byte of the source.
bool __CopyFile(const std::string& source, const std::string& target);

// Deletes the file: 0 when deleted, -1 when not.
int FErase(const std::string& path);

}  // namespace pixa
