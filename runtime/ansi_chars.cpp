#include "runtime/ansi_chars.h"

namespace pixa {

namespace {

unsigned char Byte(char c) { return static_cast<unsigned char>(c); }

std::string MapChars(std::string_view text, char (*map)(char)) {
    std::string out(text);
    for (char& c : out) c = map(c);
    return out;
}

}  // namespace

bool AnsiIsDigit(char c) { return c >= '0' && c <= '9'; }

bool AnsiIsAlpha(char c) {
    const unsigned char u = Byte(c);
    if ((u >= 'A' && u <= 'Z') || (u >= 'a' && u <= 'z')) return true;
    // Š Œ Ž š œ ž Ÿ ª µ º, then the Latin-1 letters except × and ÷.
    switch (u) {
        case 0x8A: case 0x8C: case 0x8E: case 0x9A: case 0x9C: case 0x9E: case 0x9F:
        case 0xAA: case 0xB5: case 0xBA:
            return true;
        default:
            return u >= 0xC0 && u != 0xD7 && u != 0xF7;
    }
}

char AnsiToUpper(char c) {
    const unsigned char u = Byte(c);
    if (u >= 'a' && u <= 'z') return static_cast<char>(u - 0x20);
    // à..þ lie 0x20 above À..Þ; ÷ is no letter. ß (0xDF) has no single upper-case letter.
    if (u >= 0xE0 && u <= 0xFE && u != 0xF7) return static_cast<char>(u - 0x20);
    switch (u) {
        case 0x9A: return static_cast<char>(0x8A);  // š → Š
        case 0x9C: return static_cast<char>(0x8C);  // œ → Œ
        case 0x9E: return static_cast<char>(0x8E);  // ž → Ž
        case 0xFF: return static_cast<char>(0x9F);  // ÿ → Ÿ
        default: return c;
    }
}

char AnsiToLower(char c) {
    const unsigned char u = Byte(c);
    if (u >= 'A' && u <= 'Z') return static_cast<char>(u + 0x20);
    // À..Þ lie 0x20 below à..þ; × is no letter.
    if (u >= 0xC0 && u <= 0xDE && u != 0xD7) return static_cast<char>(u + 0x20);
    switch (u) {
        case 0x8A: return static_cast<char>(0x9A);  // Š → š
        case 0x8C: return static_cast<char>(0x9C);  // Œ → œ
        case 0x8E: return static_cast<char>(0x9E);  // Ž → ž
        case 0x9F: return static_cast<char>(0xFF);  // Ÿ → ÿ
        default: return c;
    }
}

std::string AnsiUpperText(std::string_view text) { return MapChars(text, AnsiToUpper); }

std::string AnsiLowerText(std::string_view text) { return MapChars(text, AnsiToLower); }

}  // namespace pixa
