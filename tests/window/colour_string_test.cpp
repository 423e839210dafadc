#include "framework/window/colour_string.h"
#include "tests/support/layers.h"

#include <gtest/gtest.h>

namespace pixa {
namespace {

TEST(ColourArgument, NumberStringOrNothing) {
    ColourArg absent;
    EXPECT_TRUE(absent.IsAbsent());
    ColourArg single = 255;
    EXPECT_FALSE(single.IsString());
    EXPECT_EQ(single.Rgb(), 255u);
    // The program's pairs.
    ColourArg grey = "N/W";
    EXPECT_TRUE(grey.IsString());
    EXPECT_EQ(grey.Pair().text, 0u);
    EXPECT_EQ(grey.Pair().back, 12632256u);
    EXPECT_EQ(ColourArg("N*/W").Pair().back, 16777215u);
    EXPECT_EQ(ColourArg("W+/B").Pair().text, 16777215u);
    EXPECT_EQ(ColourArg("W+/B").Pair().back, 8388608u);
}

}  // namespace
}  // namespace pixa
