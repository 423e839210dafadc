#include "app/transfer/size_text.h"

#include "runtime/transform.h"
#include "app/transfer/namespace.h"

namespace pixa::transfer {

namespace {
// Wide enough for any size in kilobytes and any total in megabytes.
constexpr const char* kGroupedPicture = "@E 999,999,999,999,999,999";
}  // namespace

std::string Grouped(const Value& number) {
    std::string text = Transform(number, kGroupedPicture);
    auto first = text.find_first_not_of(' ');
    return first == std::string::npos ? std::string() : text.substr(first);
}

std::string KilobyteText(std::uint64_t bytes) {
    return Grouped(Value(static_cast<long long>(bytes / 1024 + (bytes % 1024 != 0))));
}

}  // namespace pixa::transfer
