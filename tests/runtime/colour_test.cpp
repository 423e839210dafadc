#include "runtime/colour.h"

#include <gtest/gtest.h>

using pixa::ColourAttribute;
using pixa::ColourPair;
using pixa::ParseColours;

TEST(Colour, ProgramColourStrings) {
    EXPECT_EQ(ParseColours("N/W"), (ColourPair{0, 12632256}));
    EXPECT_EQ(ParseColours("N*/W"), (ColourPair{0, 16777215}));
    EXPECT_EQ(ParseColours("W+/B"), (ColourPair{16777215, 8388608}));
    EXPECT_EQ(ParseColours("R+/W"), (ColourPair{255, 12632256}));
    EXPECT_EQ(ColourAttribute("N/W"), 0x70);
    EXPECT_EQ(ColourAttribute("N*/W"), 0xF0);
    EXPECT_EQ(ColourAttribute("W+/B"), 0x1F);
    EXPECT_EQ(ColourAttribute("R+/W"), 0x7C);
}

TEST(Colour, GrammarDetails) {
    EXPECT_EQ(ColourAttribute("w+/b"), ColourAttribute("W+/B"));
    EXPECT_EQ(ColourAttribute("*N/W"), 0xF0);   // '*' counts wherever it stands
    EXPECT_EQ(ColourAttribute("N/W+"), 0x78);   // so does '+': it is the foreground's bit
    EXPECT_EQ(ColourAttribute("BG/RB"), 0x53);
    EXPECT_EQ(ColourAttribute("GR/BG"), 0x36);
    EXPECT_EQ(ColourAttribute("RG/GB"), 0x36);
    EXPECT_EQ(ColourAttribute("WW/WW"), 0x77);  // repeated letters do not carry over
    EXPECT_EQ(ColourAttribute("X/Y"), 0x00);
    EXPECT_EQ(ColourAttribute(""), 0x00);
    EXPECT_EQ(ColourAttribute("W"), 0x07);
    EXPECT_EQ(ColourAttribute("/W"), 0x70);
}

TEST(Colour, NibblesToRgb) {
    EXPECT_EQ(pixa::NibbleRgb(0), 0u);
    EXPECT_EQ(pixa::NibbleRgb(8), 128u + 128u * 256 + 128u * 65536);
    EXPECT_EQ(pixa::NibbleRgb(7), 192u + 192u * 256 + 192u * 65536);
    EXPECT_EQ(pixa::NibbleRgb(15), 0xFFFFFFu);
    EXPECT_EQ(pixa::NibbleRgb(1), 128u * 65536);
    EXPECT_EQ(pixa::NibbleRgb(9), 255u * 65536);
    EXPECT_EQ(pixa::NibbleRgb(2), 128u * 256);
    EXPECT_EQ(pixa::NibbleRgb(4), 128u);
    EXPECT_EQ(pixa::NibbleRgb(14), 255u + 255u * 256);  // intense yellow
    EXPECT_EQ(pixa::NibbleRgb(5), 128u + 128u * 65536);
    EXPECT_EQ(ParseColours("W/N*"), (ColourPair{192u + 192u * 256 + 192u * 65536, 128u + 128u * 256 + 128u * 65536}));
    EXPECT_EQ(ParseColours("GR+/N+"), (ColourPair{255u + 255u * 256, 0}));
}
