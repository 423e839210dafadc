#include "framework/window/colour_string.h"

#include <cctype>

namespace pixa {

namespace {
// The colour bits of the letter group starting at text[i]; advances i past it.
int ColourBits(std::string_view text, std::size_t& i) {
    auto at = [&](std::size_t k) { return k < text.size() ? std::toupper(static_cast<unsigned char>(text[k])) : 0; };
    int c = at(i), next = at(i + 1);
    // Two-letter groups count as one colour, not as the sum of two letters read apart.
    if ((c == 'B' && next == 'G') || (c == 'G' && next == 'R') || (c == 'R' && next == 'B')) {
        i += 2;
        return c == 'B' ? 3 : c == 'G' ? 6 : 5;
    }
    ++i;
    switch (c) {
        case 'B': return 1;
        case 'G': return 2;
        case 'R': return 4;
        case 'W': return 7;
        default: return 0;
    }
}
}  // namespace

int ColourStringAttribute(std::string_view colours) {
    int attribute = 0;
    bool background = false;
    for (std::size_t i = 0; i < colours.size();) {
        char c = colours[i];
        if (c == '/') {
            background = true;
            ++i;
        } else if (c == '+') {
            attribute |= 8;
            ++i;
        } else if (c == '*') {
            attribute |= 128;
            ++i;
        } else {
            int bits = ColourBits(colours, i);
            attribute |= background ? bits << 4 : bits;
        }
    }
    return attribute & 0xFF;
}

std::uint32_t NibbleToRgb(int nibble) {
    bool intense = nibble & 8;
    int colour = nibble & 7;
    if (colour == 0) return intense ? 0x808080u : 0u;
    if (colour == 7) return intense ? 0xFFFFFFu : 0xC0C0C0u;
    std::uint32_t level = intense ? 255 : 128;
    std::uint32_t rgb = 0;
    if (colour & 4) rgb |= level;         // red
    if (colour & 2) rgb |= level << 8;    // green
    if (colour & 1) rgb |= level << 16;   // blue
    return rgb;
}

ColourPair ColourStringToPair(std::string_view colours) {
    int attribute = ColourStringAttribute(colours);
    return {NibbleToRgb(attribute & 0x0F), NibbleToRgb(attribute >> 4)};
}

}  // namespace pixa
