#include "framework/window/colour_string.h"

#include <gtest/gtest.h>

namespace pixa {
namespace {

TEST(ColourString, PairsOfTheProgram) {
    EXPECT_EQ(ColourStringToPair("N/W").text, 0u);
    EXPECT_EQ(ColourStringToPair("N/W").back, 12632256u);
    EXPECT_EQ(ColourStringToPair("N*/W").back, 16777215u);
    EXPECT_EQ(ColourStringToPair("W+/B").text, 16777215u);
    EXPECT_EQ(ColourStringToPair("W+/B").back, 8388608u);
}

TEST(ColourString, AttributeGrammar) {
    // Two-letter groups are one colour; case does not matter; sides switch at the slash.
    EXPECT_EQ(ColourStringAttribute("bg/r"), 3 | (4 << 4));
    EXPECT_EQ(ColourStringAttribute("GR/RB"), 6 | (5 << 4));
    // Intensity marks count wherever they stand.
    EXPECT_EQ(ColourStringAttribute("+N/W"), 8 | (7 << 4));
    EXPECT_EQ(ColourStringAttribute("N/*W"), 128 | (7 << 4));
    // Unknown characters and black add nothing.
    EXPECT_EQ(ColourStringAttribute("X N/Q"), 0);
    EXPECT_EQ(ColourStringAttribute(""), 0);
}

TEST(ColourString, NibbleColours) {
    EXPECT_EQ(NibbleToRgb(0), 0u);
    EXPECT_EQ(NibbleToRgb(8), 0x808080u);          // intense black is grey
    EXPECT_EQ(NibbleToRgb(4), 128u);               // red
    EXPECT_EQ(NibbleToRgb(4 | 8), 255u);           // bright red
    EXPECT_EQ(NibbleToRgb(2), 128u << 8);          // green
    EXPECT_EQ(NibbleToRgb(1 | 8), 255u << 16);     // bright blue
    EXPECT_EQ(NibbleToRgb(6), 128u | (128u << 8)); // brown: red and green
}

TEST(ColourString, ColourArgument) {
    ColourArg absent;
    EXPECT_TRUE(absent.IsAbsent());
    ColourArg single = 255;
    EXPECT_FALSE(single.IsString());
    EXPECT_EQ(single.Rgb(), 255u);
    ColourArg text = "N/W";
    EXPECT_TRUE(text.IsString());
    EXPECT_EQ(text.Pair().back, 12632256u);
}

}  // namespace
}  // namespace pixa
