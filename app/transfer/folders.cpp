#include "app/transfer/folders.h"

#include "platform/process.h"
#include "runtime/ansi_chars.h"
#include "app/transfer/namespace.h"

namespace pixa::transfer {

using platform::ChangeDirectory;
using platform::CurrentDirectory;

bool lIsDir(const std::string& path) {
    // The whole current folder as the platform gives it: a network folder has no drive letter to rebuild it from.
    std::string previous = CurrentDirectory();
    if (path.empty() || !ChangeDirectory(path)) return false;
    ChangeDirectory(previous);
    return true;
}

char CurDrive() {
    std::string dir = CurrentDirectory();
    return dir.size() >= 2 && dir[1] == ':' ? AnsiUpperText(dir.substr(0, 1))[0] : '\0';
}

std::string CurDir() {
    std::string dir = CurrentDirectory();
    if (dir.size() >= 2 && dir[1] == ':') dir.erase(0, 2);
    if (!dir.empty() && dir[0] == '\\') dir.erase(0, 1);
    return dir;
}

std::string FolderPart(const std::string& path) {
    auto cut = path.find_last_of("\\:");
    return cut == std::string::npos ? std::string() : path.substr(0, cut + 1);
}

std::string cFilePath(const std::string& path) {
    auto cut = path.find_last_of('\\');
    return cut == std::string::npos ? std::string() : AnsiUpperText(path.substr(0, cut + 1));
}

std::string cFileNoPath(const std::string& path) {
    auto cut = path.find_last_of('\\');
    return AnsiUpperText(cut == std::string::npos ? path : path.substr(cut + 1));
}

std::string WithClosingBackslash(std::string folder) {
    if (!folder.empty() && folder.back() != '\\') folder += '\\';
    return folder;
}

}  // namespace pixa::transfer
