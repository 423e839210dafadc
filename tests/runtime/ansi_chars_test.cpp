#include "runtime/ansi_chars.h"

#include <gtest/gtest.h>

TEST(AnsiChars, UpperAndLowerCaseArePairedForEveryLetter) {
    for (int code = 0; code < 256; ++code) {
        const char c = static_cast<char>(code);
        const char upper = pixa::AnsiToUpper(c), lower = pixa::AnsiToLower(c);
        // A letter changed by one direction comes back by the other; nothing else changes.
        if (upper != c) {
            EXPECT_EQ(pixa::AnsiToLower(upper), c) << code;
        }
        if (lower != c) {
            EXPECT_EQ(pixa::AnsiToUpper(lower), c) << code;
        }
        if (!pixa::AnsiIsAlpha(c)) {
            EXPECT_EQ(upper, c) << code;
            EXPECT_EQ(lower, c) << code;
        }
    }
}

TEST(AnsiChars, WholeTextsChangeCase) {
    // "Größe ÄÖÜ ß × ÷ Ÿ š" in Windows-1252: ß has no single upper-case letter.
    const std::string mixed = "Gr\xF6\xDF" "e \xC4\xD6\xDC \xDF \xD7 \xF7 \x9F \x9A";
    EXPECT_EQ(pixa::AnsiUpperText(mixed), "GR\xD6\xDF" "E \xC4\xD6\xDC \xDF \xD7 \xF7 \x9F \x8A");
    EXPECT_EQ(pixa::AnsiLowerText(mixed), "gr\xF6\xDF" "e \xE4\xF6\xFC \xDF \xD7 \xF7 \xFF \x9A");
    EXPECT_EQ(pixa::AnsiUpperText("dsc_0001.jpg"), "DSC_0001.JPG");
    EXPECT_EQ(pixa::AnsiLowerText(std::string_view("A\0B", 3)), std::string("a\0b", 3));
    EXPECT_EQ(pixa::AnsiUpperText(""), "");
}
