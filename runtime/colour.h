#pragma once
// Colour strings of the classic text-mode notation ("N/W", "W+/B", "N*/W"):
// text colour, slash, background colour, as an 8-bit attribute and as RGB.
#include <cstdint>
#include <string_view>

namespace pixa {

// A colour as red + green * 256 + blue * 65536.
using Rgb = std::uint32_t;

// A text colour on a background colour.
struct ColourPair {
    Rgb text = 0;  // text (foreground) colour
    Rgb back = 0;  // background colour
    bool operator==(const ColourPair&) const = default;
};

// The attribute of a colour string: foreground in the low four bits, background
// in the high four. Letters B 1, G 2, R 4, W 7 (any case) set colour bits of the
// current side, a slash switches to the background side, '+' sets bit 8 and
// '*' bit 128 wherever they stand; every other character adds nothing.
std::uint8_t ColourAttribute(std::string_view colours);
// The RGB colour of one attribute nibble (colour bits 1, 2, 4, intensity 8).
Rgb NibbleRgb(unsigned nibble);
// Text and background colour of an attribute.
ColourPair AttributeColours(std::uint8_t attribute);
// Text and background colour of a colour string.
ColourPair ParseColours(std::string_view colours);

}  // namespace pixa
