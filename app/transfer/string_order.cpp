#include "app/transfer/string_order.h"

#include <algorithm>
#include <cstring>

namespace pixa {

bool ByteLess(std::string_view a, std::string_view b) {
    // memcmp compares as unsigned char, which is the order wanted here.
    int c = std::memcmp(a.data(), b.data(), std::min(a.size(), b.size()));
    return c != 0 ? c < 0 : a.size() < b.size();
}

std::vector<std::string>& ASort(std::vector<std::string>& list) {
    std::sort(list.begin(), list.end(), [](const std::string& a, const std::string& b) { return ByteLess(a, b); });
    return list;
}

}  // namespace pixa
