#include "app/transfer/camera_files.h"

#include <cstdio>

#include "runtime/ansi_chars.h"
#include "runtime/value_text.h"
#include "app/transfer/namespace.h"

namespace pixa::transfer {

namespace {
bool IsDigit(char c) { return c >= '0' && c <= '9'; }
bool IsHexDigit(char c) { return IsDigit(c) || (c >= 'A' && c <= 'F'); }

}  // namespace

std::string UpperExtension(const std::string& name) {
    auto dot = name.find_last_of('.');
    return dot == std::string::npos ? std::string() : AnsiUpperText(name.substr(dot + 1));
}

std::string TemporaryName(unsigned n) {
    char name[16];
    std::snprintf(name, sizeof name, "PXA%05X.TMP", n & 0xFFFFF);
    return name;
}

bool IsOwnTemporaryName(const std::string& name) {
    std::string upper = AnsiUpperText(name);
    if (upper.size() != 12 || upper.compare(0, 3, "PXA") != 0 || upper.compare(8, 4, ".TMP") != 0) return false;
    for (std::size_t i = 3; i < 8; ++i)
        if (!IsHexDigit(upper[i])) return false;
    return true;
}

bool HasCameraForm(const std::string& name) {
    auto dot = name.find('.');
    if (dot == std::string::npos || dot < 4 || dot > 8) return false;
    std::size_t extension = name.size() - dot - 1;
    if (extension < 1 || extension > 3 || name.find_first_of(". ", dot + 1) != std::string::npos) return false;
    if (name.find(' ') < dot) return false;
    for (std::size_t i = dot - 4; i < dot; ++i)
        if (!IsDigit(name[i])) return false;
    return true;
}

bool IsCameraFile(const std::string& name, const std::string& extens) {
    if (HasCameraForm(name) || IsOwnTemporaryName(name)) return true;
    std::string type = AnsiUpperText(TrimRight(extens));
    return !type.empty() && type != "*" && UpperExtension(name) == type;
}

}  // namespace pixa::transfer
