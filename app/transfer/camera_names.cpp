#include "app/transfer/camera_names.h"

#include <cstdio>

#include "app/transfer/camera_files.h"
#include "app/transfer/directory.h"
#include "app/transfer/folders.h"
#include "runtime/ansi_chars.h"
#include "runtime/value_text.h"
#include "app/transfer/namespace.h"

namespace pixa::transfer {

namespace {
// The type a copy of source gets: the configured one, or with "*" the source's own extension.
std::string TypeFor(const std::string& extens, const std::string& source) {
    if (TrimRight(extens) != "*") return TrimRight(extens);
    return UpperExtension(source.substr(source.find_last_of('\\') + 1));
}
}  // namespace

bool IsPictureType(const std::string& type) {
    return type == "BMP" || type == "GIF" || type == "JPG" || type == "TIF";
}

std::string MakerPrefix(const std::string& maker, const std::string& type) {
    if (!IsPictureType(type)) return {};
    if (maker.starts_with("Canon")) return "CAN";
    if (maker.starts_with("Olympus")) return "PIC";
    if (maker.starts_with("Sony")) return "DSC";
    return {};
}

CameraNamer::CameraNamer(std::string target, std::string maker, std::string extens, int lastNumber)
    : folder_(std::move(target)), maker_(std::move(maker)), extens_(std::move(extens)), number_(lastNumber) {
    folder_ = WithClosingBackslash(std::move(folder_));
}

void CameraNamer::ListOnce() {
    if (listed_) return;
    listed_ = true;
    for (auto& entry : DirectoryNames(folder_ + "*.*", "HSD")) taken_.insert(AnsiUpperText(entry.name));
}

std::optional<std::string> CameraNamer::NextFree(const std::string& source, const std::function<void()>& tried) {
    ListOnce();
    std::string type = TypeFor(extens_, source);
    std::string prefix = MakerPrefix(maker_, type);
    std::string suffix = type.empty() ? std::string() : "." + type;
    while (number_ < kLastNumber) {
        ++number_;
        char digits[8];
        std::snprintf(digits, sizeof digits, "%05d", number_);
        std::string name = prefix + digits + suffix;
        if (tried) tried();
        if (taken_.insert(AnsiUpperText(name)).second) return folder_ + name;
    }
    return std::nullopt;
}

}  // namespace pixa::transfer
