#include "framework/services/winhelp_file.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <vector>

#include "platform/wide_path.h"
#include "framework/services/namespace.h"

namespace pixa::services {

namespace {

using Bytes = std::vector<unsigned char>;

constexpr std::uint32_t kFileMagic = 0x00035F3F;
constexpr std::uint16_t kTreeMagic = 0x293B;
constexpr std::size_t kFileHeader = 9;   // reserved space, used space, flags
constexpr std::size_t kTreeHeader = 38;  // magic, flags, page size, structure, levels...

std::optional<std::uint32_t> U32(const Bytes& b, std::size_t at) {
    if (at + 4 > b.size()) return std::nullopt;
    return b[at] | b[at + 1] << 8 | b[at + 2] << 16 | static_cast<std::uint32_t>(b[at + 3]) << 24;
}

std::optional<std::uint16_t> U16(const Bytes& b, std::size_t at) {
    if (at + 2 > b.size()) return std::nullopt;
    return static_cast<std::uint16_t>(b[at] | b[at + 1] << 8);
}

// The leaf pages of the B+ tree of the internal file at offset, in key order;
// each visited once and only inside the file.
std::vector<std::size_t> LeafPages(const Bytes& b, std::size_t at) {
    std::size_t tree = at + kFileHeader;
    auto magic = U16(b, tree), pageSize = U16(b, tree + 4), root = U16(b, tree + 26), levels = U16(b, tree + 32),
         pages = U16(b, tree + 30);
    if (!magic || *magic != kTreeMagic || !pageSize || !root || !levels || !pages) return {};
    auto pageAt = [&](std::uint16_t page) { return tree + kTreeHeader + static_cast<std::size_t>(page) * *pageSize; };
    std::uint16_t page = *root;
    for (int level = 1; level < static_cast<std::int16_t>(*levels); ++level) {  // leftmost child down to the leaves
        auto first = U16(b, pageAt(page) + 4);
        if (!first || *first >= *pages) return {};
        page = *first;
    }
    std::vector<std::size_t> leaves;
    while (page < *pages && leaves.size() < *pages && pageAt(page) + *pageSize <= b.size()) {
        leaves.push_back(pageAt(page));
        auto next = U16(b, pageAt(page) + 6);
        if (!next || *next == 0xFFFF) break;
        page = *next;
    }
    return leaves;
}

// The offset of an internal file, from the file's directory tree.
std::optional<std::size_t> InternalFile(const Bytes& b, const std::string& name) {
    auto magic = U32(b, 0), directory = U32(b, 4);
    if (!magic || *magic != kFileMagic || !directory) return std::nullopt;
    for (std::size_t leaf : LeafPages(b, *directory)) {
        auto count = U16(b, leaf + 2);
        std::size_t at = leaf + 8;
        for (int i = 0; count && i < *count; ++i) {
            auto end = std::find(b.begin() + static_cast<std::ptrdiff_t>(std::min(at, b.size())), b.end(), 0);
            if (end == b.end()) return std::nullopt;
            std::string entry(b.begin() + static_cast<std::ptrdiff_t>(at), end);
            at = static_cast<std::size_t>(end - b.begin()) + 1;
            auto offset = U32(b, at);
            at += 4;
            if (entry == name && offset) return *offset;
        }
    }
    return std::nullopt;
}

}  // namespace

std::int32_t WinHelpTopicHash(const std::string& name) {
    std::uint32_t hash = 0;
    for (unsigned char c : name) {
        unsigned value = 0;
        if (c >= 'A' && c <= 'Z') value = c - 'A' + 17;
        else if (c >= 'a' && c <= 'z') value = c - 'a' + 17;
        else if (c >= '1' && c <= '9') value = c - '0';
        else if (c == '0') value = 10;
        else if (c == '.') value = 12;
        else if (c == '_') value = 13;
        if (value) hash = hash * 43 + value;
    }
    return static_cast<std::int32_t>(hash);
}

bool WinHelpFileHasTopic(const std::string& file, const std::string& name) {
    std::ifstream in(std::filesystem::path(platform::WidePath(file)), std::ios::binary);
    if (!in) return false;
    Bytes b((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    auto contexts = InternalFile(b, "|CONTEXT");
    if (!contexts) return false;
    const auto wanted = static_cast<std::uint32_t>(WinHelpTopicHash(name));
    for (std::size_t leaf : LeafPages(b, *contexts)) {
        auto count = U16(b, leaf + 2);
        for (int i = 0; count && i < *count; ++i)
            if (U32(b, leaf + 8 + 8 * static_cast<std::size_t>(i)) == wanted) return true;
    }
    return false;
}

}  // namespace pixa::services
