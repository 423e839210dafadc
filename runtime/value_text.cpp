#include "runtime/value_text.h"

#include <charconv>
#include <cmath>

namespace pixa {

std::string NumberText(std::int64_t n) { return std::to_string(n); }

std::string NumberText(double d) {
    if (d == 0.0) return "0";  // also for -0.0
    if (std::isnan(d)) return "nan";
    if (std::isinf(d)) return d < 0 ? "-inf" : "inf";
    const double magnitude = std::fabs(d);
    const auto format = magnitude >= 1e17 || magnitude < 1e-6 ? std::chars_format::scientific
                                                               : std::chars_format::fixed;
    char text[64];
    const auto result = std::to_chars(text, text + sizeof text, d, format);
    return std::string(text, result.ptr);
}

std::string NumberText(const Value& number) {
    return number.IsInteger() ? NumberText(number.AsInteger()) : NumberText(number.AsNumber());
}

std::string PadLeft(std::string_view text, std::size_t width) {
    std::string out(text.size() < width ? width - text.size() : 0, ' ');
    return out.append(text);
}

std::string Str(const Value& number, std::size_t width) { return PadLeft(NumberText(number), width); }

std::string PadRight(std::string_view text, std::size_t width) {
    std::string out(text);
    if (out.size() < width) out.append(width - out.size(), ' ');
    return out;
}

std::string TrimRight(std::string_view text) {
    const std::size_t end = text.find_last_not_of(' ');
    return std::string(end == std::string_view::npos ? std::string_view() : text.substr(0, end + 1));
}

std::string cValToChar(const Value& value) {
    switch (value.type()) {
        case Value::Type::String: return value.AsString();
        case Value::Type::Date: return DateText(value.AsDate());
        case Value::Type::Logical: return value.AsLogical() ? ".t." : ".f.";
        case Value::Type::Number: return NumberText(value);
        case Value::Type::Action: return "{|| ... }";
        case Value::Type::Array: return "{ ... }";
        case Value::Type::Object: return "Object";
        case Value::Type::Absent: break;
    }
    return "";
}

std::string cGetInfo(const Value& value) {
    switch (value.type()) {
        case Value::Type::String: return "\"" + value.AsString() + "\"";
        case Value::Type::Object: return "Class: " + value.AsObject()->ClassName();
        case Value::Type::Array: return "Len: " + PadLeft(std::to_string(value.AsArray()->size()), 4);
        default: return cValToChar(value);
    }
}

std::string MsgValueText(const Value& value) {
    if (value.IsAbsent()) return "nil";
    if (!value.IsNumber() || value.IsInteger()) return cValToChar(value);
    const double whole = std::trunc(value.AsNumber());
    // Whole parts beyond the integer range keep their floating text.
    if (std::fabs(whole) < 9.2e18) return NumberText(static_cast<std::int64_t>(whole));
    return NumberText(whole);
}

}  // namespace pixa
