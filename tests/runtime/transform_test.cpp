#include "runtime/transform.h"

#include <gtest/gtest.h>

#include <limits>

#include "runtime/picture.h"

#include "tests/runtime/settings_guard.h"

using pixa::Transform;
using pixa::Value;

TEST(Transform, LabelPicturesRightAlignNumbers) {
    EXPECT_EQ(Transform(7, "999"), "  7");
    EXPECT_EQ(Transform(0, "999"), "  0");
    EXPECT_EQ(Transform(64, "9999"), "  64");
    EXPECT_EQ(Transform(1234567, "@E 999,999,999"), "  1.234.567");
    EXPECT_EQ(Transform(999, "@E 999,999,999"), "        999");
    EXPECT_EQ(Transform(1000, "@E 999,999,999"), "      1.000");
    EXPECT_EQ(Transform(7995392.0, "@E 999,999,999"), "  7.995.392");
    EXPECT_EQ(Transform(1234567, "999,999,999"), "  1,234,567");
}

TEST(Transform, NumbersThatDoNotFitShowStars) {
    EXPECT_EQ(Transform(1000, "999"), "***");
    EXPECT_EQ(Transform(1234567890, "@E 999,999,999"), "***********");
    EXPECT_EQ(Transform(-100, "999"), "***");  // no room for the sign
    EXPECT_EQ(Transform(1e300, "999"), "***");
    EXPECT_EQ(Transform(std::numeric_limits<double>::infinity(), "9999"), "****");
}

TEST(Transform, SignsDecimalsAndRounding) {
    EXPECT_EQ(Transform(-1234, "9,999,999"), "   -1,234");
    EXPECT_EQ(Transform(-5, "999"), " -5");
    EXPECT_EQ(Transform(1234.5, "@E 999,999.99"), "  1.234,50");
    EXPECT_EQ(Transform(2.125, "99.99"), " 2.13");   // half away from zero
    EXPECT_EQ(Transform(-2.125, "99.99"), "-2.13");
    EXPECT_EQ(Transform(2.5, "999"), "  3");
    EXPECT_EQ(Transform(-0.004, "9.99"), "0.00");    // rounds to zero: no minus sign
    EXPECT_EQ(Transform(0.5, "999.99"), "  0.50");
    EXPECT_EQ(Transform(0.5, ".99"), ".50");
    EXPECT_EQ(Transform(3, "99.9"), " 3.0");
    EXPECT_EQ(Transform(std::numeric_limits<long long>::min(), "99"), "**");
    EXPECT_EQ(Transform(1.5, "9." + std::string(30, '9')), "1.5" + std::string(29, '0'));
}

TEST(Transform, NumberFunctionsAndLiterals) {
    EXPECT_EQ(Transform(0, "@Z 999"), "   ");
    EXPECT_EQ(Transform(0.0, "@Z 9.99"), "    ");
    EXPECT_EQ(Transform(5, "@Z 999"), "  5");
    EXPECT_EQ(Transform(42, "DM 9999"), "DM   42");
    EXPECT_EQ(Transform(2.5, ""), "2.5");
    EXPECT_EQ(Transform(2.5, "@E"), "2,5");
    EXPECT_EQ(Transform(12, "@!"), "12");
}

TEST(Transform, TextTemplates) {
    EXPECT_EQ(Transform("jpg", "@K !!!"), "JPG");
    EXPECT_EQ(Transform("ab", "!!!"), "AB ");
    EXPECT_EQ(Transform("abcdef", "!!!"), "ABC");
    EXPECT_EQ(Transform("abcd", "XX-XX"), "ab-cd");
    EXPECT_EQ(Transform("abcd", "@! XX-XX"), "AB-CD");
    EXPECT_EQ(Transform("gr\xFC\xDF", "@!"), "GR\xDC\xDF");  // ü → Ü, ß stays
    EXPECT_EQ(Transform("C:\\Bilder", ""), "C:\\Bilder");
    EXPECT_EQ(Transform("1234", "9999"), "1234");
}

TEST(Transform, OtherTypes) {
    pixa::test::SettingsGuard guard;
    pixa::Settings().century = true;
    EXPECT_EQ(Transform(pixa::Date::FromYmd(2026, 1, 2), "@D"), "02.01.2026");
    EXPECT_EQ(Transform(true, ""), "T");
    EXPECT_EQ(Transform(false, "@!"), "F");
    EXPECT_EQ(Transform(Value(), "999"), "");
}

TEST(Picture, SplitsFunctionsFromTheTemplate) {
    auto p = pixa::Picture::Parse("@e 999,999,999");
    EXPECT_EQ(p.functions, "E");
    EXPECT_EQ(p.mask, "999,999,999");
    EXPECT_TRUE(p.Has('E'));
    EXPECT_FALSE(p.Has('K'));
    p = pixa::Picture::Parse("@K");
    EXPECT_TRUE(p.Has('K'));
    EXPECT_EQ(p.mask, "");
    p = pixa::Picture::Parse("@KE 99");
    EXPECT_TRUE(p.Has('K') && p.Has('E'));
    EXPECT_EQ(p.mask, "99");
    p = pixa::Picture::Parse("99-99");
    EXPECT_EQ(p.functions, "");
    EXPECT_EQ(p.mask, "99-99");
}
