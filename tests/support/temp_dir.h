#pragma once
// A fresh temporary folder for one test, removed with everything in it afterwards.
#include <filesystem>
#include <string>

#include "tests/support/layers.h"

namespace pixa::test {

class TempDir {
public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    // The folder's path (native form: backslashes on Windows).
    const std::filesystem::path& path() const { return path_; }
    // The folder's path as text, without a trailing separator.
    std::string str() const { return path_.string(); }
    // Path of an entry inside the folder.
    std::string operator/(const std::string& name) const { return (path_ / name).string(); }
    // Writes a file inside the folder (creating subfolders) and returns its path.
    std::string Write(const std::string& name, const std::string& content) const;
    // Reads a whole file inside the folder; empty when it does not exist.
    std::string Read(const std::string& name) const;

private:
    std::filesystem::path path_;
};

}  // namespace pixa::test
