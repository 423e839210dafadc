#include "runtime/picture.h"

#include "runtime/ansi_chars.h"

namespace pixa {

Picture Picture::Parse(std::string_view picture) {
    Picture p;
    if (picture.empty() || picture.front() != '@') {
        p.mask = picture;
        return p;
    }
    const std::size_t blank = picture.find(' ');
    const std::string_view functions = picture.substr(1, blank == std::string_view::npos ? picture.npos : blank - 1);
    for (char c : functions) p.functions += AnsiToUpper(c);
    if (blank != std::string_view::npos) p.mask = picture.substr(blank + 1);
    return p;
}

bool Picture::Has(char function) const { return functions.find(function) != std::string::npos; }

bool IsDigitPosition(char maskChar) { return maskChar == '9' || maskChar == '#'; }

bool IsValuePosition(char maskChar, bool numeric) {
    if (IsDigitPosition(maskChar)) return true;
    if (numeric) return false;
    return maskChar == '!' || maskChar == 'A' || maskChar == 'N' || maskChar == 'X';
}

std::optional<char> AcceptChar(char maskChar, char c, bool numeric, bool upperAll) {
    bool ok = false;
    switch (maskChar) {
        case '9': ok = AnsiIsDigit(c) || (numeric && c == '-'); break;
        case '#': ok = AnsiIsDigit(c) || c == ' ' || c == '+' || c == '-'; break;
        case 'A': ok = AnsiIsAlpha(c); break;
        case 'N': ok = AnsiIsAlpha(c) || AnsiIsDigit(c); break;
        case 'X': ok = true; break;
        case '!': ok = true; upperAll = true; break;
        default: break;
    }
    if (!ok) return std::nullopt;
    return upperAll ? AnsiToUpper(c) : c;
}

}  // namespace pixa
