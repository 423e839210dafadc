#include "app/transfer/folder_guard.h"

#include <windows.h>

#include "app/transfer/folders.h"
#include "platform/file_system.h"
#include "platform/folder_identity.h"
#include "runtime/ansi_chars.h"
#include "app/transfer/namespace.h"

namespace pixa::transfer {

namespace {
// The full, upper-case form of a folder with a closing "\", for comparing spellings.
std::string Canonical(const std::string& folder) {
    return AnsiUpperText(WithClosingBackslash(platform::FullPathOf(folder).value_or(folder)));
}
}  // namespace

bool IsSameOrBelowFolder(const std::string& folder, const std::string& ancestor) {
    // No folder given holds nothing; its spelling would be the start of every path.
    if (ancestor.find_first_not_of(' ') == std::string::npos) return false;
    if (auto known = platform::IsSameOrBelow(folder, ancestor)) return *known;
    return Canonical(folder).rfind(Canonical(ancestor), 0) == 0;
}

bool IsSameFolder(const std::string& one, const std::string& other) {
    auto a = platform::IdentityOf(one), b = platform::IdentityOf(other);
    return a && b ? *a == *b : Canonical(one) == Canonical(other);
}

}  // namespace pixa::transfer
