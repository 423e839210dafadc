#include "platform/wide_path.h"

#include <array>

namespace pixa::platform {

namespace {
// Unicode of the bytes 0x80 to 0x9F. The five bytes that Windows-1252 leaves unassigned
// map to the control characters of the same number, as the platform's own table does.
constexpr std::array<char16_t, 32> kHigh = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};
constexpr std::size_t kEscapeLength = 5;  // the marker and four digits
constexpr char kDigits[] = "0123456789ABCDEF";

wchar_t FromByte(unsigned char b) { return b >= 0x80 && b < 0xA0 ? kHigh[b - 0x80] : b; }

// The Windows-1252 byte of c; -1 when it has none or when c must be escaped (control
// characters, the marker among them, unless they are to stay).
int ToByte(wchar_t c, bool keepControls) {
    if (c < 0x20) return keepControls ? c : -1;
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) return c;
    for (std::size_t i = 0; i < kHigh.size(); ++i)
        if (kHigh[i] == c) return static_cast<int>(0x80 + i);
    return -1;
}

int DigitValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;  // a path that went through lower-casing
    return -1;
}

// The code unit of the escape at text[at]; -1 when none starts there.
long EscapeAt(std::string_view text, std::size_t at) {
    if (text[at] != kEscape || text.size() - at < kEscapeLength) return -1;
    long unit = 0;
    for (std::size_t i = 1; i < kEscapeLength; ++i) {
        int digit = DigitValue(text[at + i]);
        if (digit < 0) return -1;
        unit = unit * 16 + digit;
    }
    return unit;
}

bool IsHighSurrogate(long unit) { return unit >= 0xD800 && unit < 0xDC00; }
bool IsLowSurrogate(long unit) { return unit >= 0xDC00 && unit < 0xE000; }
}  // namespace

std::wstring WidePath(std::string_view carried) {
    std::wstring wide;
    wide.reserve(carried.size());
    for (std::size_t at = 0; at < carried.size();) {
        long unit = EscapeAt(carried, at);
        if (unit >= 0) {
            wide.push_back(static_cast<wchar_t>(unit));
            at += kEscapeLength;
        } else {
            wide.push_back(FromByte(static_cast<unsigned char>(carried[at++])));
        }
    }
    return wide;
}

namespace {
std::string Narrowed(std::wstring_view wide, bool keepControls) {
    std::string carried;
    carried.reserve(wide.size());
    for (wchar_t c : wide) {
        int b = ToByte(c, keepControls);
        if (b >= 0) {
            carried.push_back(static_cast<char>(b));
            continue;
        }
        carried.push_back(kEscape);
        for (int shift = 12; shift >= 0; shift -= 4) carried.push_back(kDigits[(c >> shift) & 0xF]);
    }
    return carried;
}
}  // namespace

std::string CarriedPath(std::wstring_view wide) { return Narrowed(wide, false); }

std::wstring WideText(std::string_view text) {
    std::wstring wide;
    wide.reserve(text.size());
    for (char c : text) wide.push_back(FromByte(static_cast<unsigned char>(c)));
    return wide;
}

std::string NarrowText(std::wstring_view wide) { return Narrowed(wide, true); }

std::string ShownPath(std::string_view carried) {
    std::string shown;
    shown.reserve(carried.size());
    for (std::size_t at = 0; at < carried.size();) {
        long unit = EscapeAt(carried, at);
        if (unit < 0) {
            shown.push_back(carried[at++]);
            continue;
        }
        at += kEscapeLength;
        if (IsHighSurrogate(unit) && at < carried.size() && IsLowSurrogate(EscapeAt(carried, at))) at += kEscapeLength;
        shown.push_back('?');
    }
    return shown;
}

bool HasEscapes(std::string_view carried) {
    for (std::size_t at = 0; at < carried.size(); ++at)
        if (EscapeAt(carried, at) >= 0) return true;
    return false;
}

}  // namespace pixa::platform
