#pragma once
// Copying and deleting single files.
#include <functional>
#include <optional>
#include <string>

namespace pixa {

// Copies source to target, replacing a target of that name.
// The bytes go to a temporary file beside the target, which is flushed and then
// renamed to the target, so the target name only ever holds a complete copy.
// Open, create, read and write failures go to the error handler (retry or default);
// on default the copy is given up and the temporary file removed.
// Returns true when the target holds every byte of the source.
bool __CopyFile(const std::string& source, const std::string& target);

// Copies like __CopyFile, but never replaces an entry: when an entry of the target's
// name appeared in the meantime, the complete copy is renamed to the name another()
// gives instead (nothing: the copy is given up). Returns the name the copy got.
std::optional<std::string> CopyToNewName(const std::string& source, const std::string& target,
                                         const std::function<std::optional<std::string>()>& another);

// Deletes the file: 0 when deleted, -1 when not.
int FErase(const std::string& path);

}  // namespace pixa
