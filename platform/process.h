#pragma once
// The running process's place in the file system: its executable and current folder.
#include <string>

namespace pixa::platform {

// Full path of the running executable.
std::string ExecutablePath();

// The running executable's folder, ending in "\".
std::string ExecutableFolder();

// The current folder with its drive ("C:\Pixaport", "E:\" for a root).
std::string CurrentDirectory();

// Makes a folder current; false when it cannot be.
bool ChangeDirectory(const std::string& folder);

// Deletes a file; false when it is missing or cannot be deleted.
bool RemoveFile(const std::string& file);

}  // namespace pixa::platform
