#include "runtime/colour.h"

namespace pixa {

namespace {

unsigned LetterBits(char c) {
    switch (c) {
        case 'B': case 'b': return 1;
        case 'G': case 'g': return 2;
        case 'R': case 'r': return 4;
        case 'W': case 'w': return 7;
        default: return 0;
    }
}

Rgb MakeRgb(unsigned red, unsigned green, unsigned blue) { return red + green * 256u + blue * 65536u; }

}  // namespace

std::uint8_t ColourAttribute(std::string_view colours) {
    unsigned attribute = 0;
    unsigned shift = 0;  // 0 on the foreground side, 4 on the background side
    for (char c : colours) {
        if (c == '/') shift = 4;
        else if (c == '+') attribute |= 8;
        else if (c == '*') attribute |= 128;
        // Bits are set, not summed: a repeated letter ("WW", "BGB") cannot carry
        // into the intensity bit or the other side.
        else attribute |= LetterBits(c) << shift;
    }
    return static_cast<std::uint8_t>(attribute);
}

Rgb NibbleRgb(unsigned nibble) {
    const bool intense = (nibble & 8) != 0;
    switch (nibble & 7) {
        case 0: return intense ? MakeRgb(128, 128, 128) : 0;
        case 7: return intense ? MakeRgb(255, 255, 255) : MakeRgb(192, 192, 192);
        default: break;
    }
    const unsigned level = intense ? 255 : 128;
    return MakeRgb(nibble & 4 ? level : 0, nibble & 2 ? level : 0, nibble & 1 ? level : 0);
}

ColourPair AttributeColours(std::uint8_t attribute) {
    return ColourPair{NibbleRgb(attribute & 0x0F), NibbleRgb(attribute >> 4)};
}

ColourPair ParseColours(std::string_view colours) { return AttributeColours(ColourAttribute(colours)); }

}  // namespace pixa
