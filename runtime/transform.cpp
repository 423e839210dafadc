#include "runtime/transform.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "runtime/ansi_chars.h"
#include "runtime/picture.h"
#include "runtime/value_text.h"

namespace pixa {

namespace {

// The unsigned digits of a number split at the decimal point, rounded to the
// given count of decimals.
struct Digits {
    bool negative = false;
    bool finite = true;
    std::string whole;
    std::string fraction;
};

Digits DigitsOf(const Value& number, int decimals) {
    Digits d;
    if (number.IsInteger()) {
        const std::int64_t n = number.AsInteger();
        d.negative = n < 0;
        const std::uint64_t magnitude = d.negative ? 0 - static_cast<std::uint64_t>(n) : static_cast<std::uint64_t>(n);
        d.whole = std::to_string(magnitude);
        d.fraction.assign(decimals, '0');
        return d;
    }
    const double x = number.AsNumber();
    if (!std::isfinite(x)) {
        d.finite = false;
        return d;
    }
    // Beyond 20 decimals a double carries no digits; the rest is padded with zeros.
    const int requested = decimals;
    decimals = std::min(decimals, 20);
    const double scaled = std::round(std::fabs(x) * std::pow(10.0, decimals));
    std::string text;
    if (scaled < 9007199254740992.0) {  // exact in a double: round half away from zero
        text = std::to_string(static_cast<std::uint64_t>(scaled));
        if (text.size() <= static_cast<std::size_t>(decimals)) text.insert(0, decimals + 1 - text.size(), '0');
    } else {
        char buffer[400];
        std::snprintf(buffer, sizeof buffer, "%.*f", decimals, std::fabs(x));
        text = buffer;
        text.erase(std::remove(text.begin(), text.end(), '.'), text.end());
    }
    d.whole = text.substr(0, text.size() - decimals);
    d.fraction = text.substr(text.size() - decimals);
    d.fraction.append(requested - decimals, '0');
    d.negative = x < 0 && text.find_first_not_of('0') != std::string::npos;
    return d;
}

int CountDecimals(std::string_view mask, std::size_t point) {
    if (point >= mask.size()) return 0;
    return static_cast<int>(std::count_if(mask.begin() + point + 1, mask.end(), IsDigitPosition));
}

void SwapSeparators(std::string& text) {
    for (char& c : text) {
        if (c == '.') c = ',';
        else if (c == ',') c = '.';
    }
}

bool HasDigitPosition(std::string_view mask) { return std::any_of(mask.begin(), mask.end(), IsDigitPosition); }

bool IsZero(const Value& number) { return number.IsInteger() ? number.AsInteger() == 0 : number.AsNumber() == 0.0; }

std::string TransformNumber(const Value& number, const Picture& p) {
    if (p.Has('Z') && IsZero(number)) return std::string(p.mask.size(), ' ');
    if (HasDigitPosition(p.mask)) return FormatNumber(number, p.mask, p.Has('E'));
    std::string text = NumberText(number);
    if (p.Has('E')) SwapSeparators(text);
    return text;
}

std::string TransformText(const std::string& text, const Picture& p) {
    const bool upper = p.Has('!');
    if (!p.mask.empty()) return FormatText(text, p.mask, upper);
    return upper ? AnsiUpperText(text) : text;
}

}  // namespace

std::string FormatNumber(const Value& number, std::string_view mask, bool european) {
    const std::size_t point = std::min(mask.find('.'), mask.size());
    Digits d = DigitsOf(number, CountDecimals(mask, point));
    const std::string overflow(mask.size(), '*');
    if (!d.finite) return overflow;
    const bool hasWholePositions = std::any_of(mask.begin(), mask.begin() + point, IsDigitPosition);
    if (d.whole == "0" && !hasWholePositions) d.whole.clear();  // ".50" in a template without whole digits

    std::string out(mask.size(), ' ');
    std::size_t left = d.whole.size();  // whole digits not yet placed
    bool signPending = d.negative;
    for (std::size_t i = point; i-- > 0;) {
        const char m = mask[i];
        if (IsDigitPosition(m)) {
            if (left > 0) out[i] = d.whole[--left];
            else if (signPending) out[i] = '-', signPending = false;
        } else if (m == ',') {
            if (left > 0) out[i] = ',';
        } else {
            out[i] = m;
        }
    }
    if (left > 0 || signPending) return overflow;

    std::size_t next = 0;
    for (std::size_t i = point; i < mask.size(); ++i) {
        const char m = mask[i];
        out[i] = IsDigitPosition(m) ? d.fraction[next++] : m;
    }
    if (european) SwapSeparators(out);
    return out;
}

std::string FormatText(std::string_view text, std::string_view mask, bool upperAll) {
    std::string out;
    out.reserve(mask.size());
    std::size_t next = 0;
    for (char m : mask) {
        if (!IsValuePosition(m, false)) {
            out += m;
            continue;
        }
        char c = next < text.size() ? text[next++] : ' ';
        if (upperAll || m == '!') c = AnsiToUpper(c);
        out += c;
    }
    return out;
}

std::string Transform(const Value& value, std::string_view picture) {
    const Picture p = Picture::Parse(picture);
    switch (value.type()) {
        case Value::Type::Number: return TransformNumber(value, p);
        case Value::Type::String: return TransformText(value.AsString(), p);
        case Value::Type::Logical: return value.AsLogical() ? "T" : "F";
        default: return cValToChar(value);
    }
}

}  // namespace pixa
