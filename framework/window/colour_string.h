#pragma once
// Colour strings in the classic text-mode notation ("N/W", "W+/B", "N*/W"):
// text colour, slash, background colour.
#include <cstdint>
#include <string_view>

namespace pixa {

// A text/background pair of 24-bit colours (red + green*256 + blue*65536).
struct ColourPair {
    std::uint32_t text = 0;  // text (foreground) colour
    std::uint32_t back = 0;  // background colour
};

// The 8-bit attribute of a colour string: foreground in the low, background in the high nibble.
int ColourStringAttribute(std::string_view colours);
// The colour of one attribute nibble (colour bits 1, 2, 4 and intensity bit 8).
std::uint32_t NibbleToRgb(int nibble);
// The colour pair a colour string stands for.
ColourPair ColourStringToPair(std::string_view colours);

}  // namespace pixa

#include <optional>
#include <string>

namespace pixa {

// A colour argument: absent, one 24-bit colour, or a colour string giving a pair.
class ColourArg {
public:
    ColourArg() = default;
    // One colour.
    ColourArg(int rgb) : rgb_(static_cast<std::uint32_t>(rgb)) {}
    // One colour.
    ColourArg(std::uint32_t rgb) : rgb_(rgb) {}
    // A colour string such as "N/W".
    ColourArg(const char* colours) : text_(colours) {}
    // A colour string such as "N/W".
    ColourArg(std::string colours) : text_(std::move(colours)) {}
    // An optional colour.
    ColourArg(std::optional<std::uint32_t> rgb) : rgb_(rgb) {}

    // Nothing given.
    bool IsAbsent() const { return !rgb_ && !text_; }
    // A colour string was given.
    bool IsString() const { return text_.has_value(); }
    // The single colour, when one was given.
    std::optional<std::uint32_t> Rgb() const { return rgb_; }
    // The pair of a colour string (black on black when no string was given).
    ColourPair Pair() const { return ColourStringToPair(text_.value_or("")); }

private:
    std::optional<std::uint32_t> rgb_;
    std::optional<std::string> text_;
};

}  // namespace pixa
