#pragma once
// The current drive and folder, the folder test and the parts of a path.
#include <string>

#include "app/transfer/namespace.h"

namespace pixa::transfer {

// True when path exists and can be made the current folder; the current folder is unchanged afterwards.
bool lIsDir(const std::string& path);

// The letter of the current drive.
char CurDrive();

// The current folder of the current drive, without drive and leading "\" (empty at the root).
std::string CurDir();

// The folder with one closing "\" (added when missing); an empty folder stays empty.
std::string WithClosingBackslash(std::string folder);

// The folder part of path as spelled, ending in "\" or ":" (empty for a bare name).
std::string FolderPart(const std::string& path);

// The part of path up to and including its last "\", in upper case.
std::string cFilePath(const std::string& path);

// The part of path after its last "\", in upper case.
std::string cFileNoPath(const std::string& path);

}  // namespace pixa::transfer
