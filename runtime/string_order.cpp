#include "runtime/string_order.h"

#include <algorithm>
#include <cmath>

namespace pixa {

namespace {

int TypeRank(const Value& v) {
    switch (v.type()) {
        case Value::Type::Absent: return 0;
        case Value::Type::Logical: return 1;
        case Value::Type::Number: return 2;
        case Value::Type::Date: return 3;
        case Value::Type::String: return 4;
        default: return 5;
    }
}

// NaN sorts before every other number, so the order stays strict and weak.
bool NumberLess(double a, double b) {
    if (std::isnan(a)) return !std::isnan(b);
    if (std::isnan(b)) return false;
    return a < b;
}

}  // namespace

bool StringLess(std::string_view a, std::string_view b) {
    const std::size_t common = std::min(a.size(), b.size());
    for (std::size_t i = 0; i < common; ++i) {
        const auto ca = static_cast<unsigned char>(a[i]);
        const auto cb = static_cast<unsigned char>(b[i]);
        if (ca != cb) return ca < cb;
    }
    return a.size() < b.size();
}

bool ValueLess(const Value& a, const Value& b) {
    const int ra = TypeRank(a), rb = TypeRank(b);
    if (ra != rb) return ra < rb;
    switch (a.type()) {
        case Value::Type::Logical: return !a.AsLogical() && b.AsLogical();
        case Value::Type::Number:
            if (a.IsInteger() && b.IsInteger()) return a.AsInteger() < b.AsInteger();
            return NumberLess(a.AsNumber(), b.AsNumber());
        case Value::Type::Date: return a.AsDate() < b.AsDate();
        case Value::Type::String: return StringLess(a.AsString(), b.AsString());
        default: return false;
    }
}

void ASort(std::vector<std::string>& strings) {
    std::stable_sort(strings.begin(), strings.end(),
                     [](const std::string& a, const std::string& b) { return StringLess(a, b); });
}

void ASort(Array& values) { std::stable_sort(values.begin(), values.end(), ValueLess); }

Value ASort(const Value& array) {
    if (ArrayRef elements = array.AsArray()) ASort(*elements);
    return array;
}

}  // namespace pixa
