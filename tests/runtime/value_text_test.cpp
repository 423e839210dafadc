#include "runtime/value_text.h"

#include <gtest/gtest.h>

#include <limits>

#include "tests/runtime/settings_guard.h"

using pixa::Value;

namespace {

class Dialog : public pixa::Object {
public:
    std::string ClassName() const override { return "TDIALOG"; }
};

}  // namespace

TEST(ValueText, NumbersAreTrimmedIntegersOrShortestDecimals) {
    EXPECT_EQ(pixa::cValToChar(42), "42");
    EXPECT_EQ(pixa::cValToChar(-7), "-7");
    EXPECT_EQ(pixa::cValToChar(std::numeric_limits<long long>::min()), "-9223372036854775808");
    EXPECT_EQ(pixa::cValToChar(2.5), "2.5");
    EXPECT_EQ(pixa::cValToChar(0.1), "0.1");
    EXPECT_EQ(pixa::cValToChar(3.0), "3");
    EXPECT_EQ(pixa::cValToChar(-0.0), "0");
    EXPECT_EQ(pixa::cValToChar(1234567.891), "1234567.891");
    EXPECT_EQ(pixa::cValToChar(7995392.0), "7995392");
    EXPECT_EQ(pixa::cValToChar(1e20), "1e+20");
    EXPECT_EQ(pixa::cValToChar(0.0000001), "1e-07");
    EXPECT_EQ(pixa::cValToChar(std::numeric_limits<double>::quiet_NaN()), "nan");
}

TEST(ValueText, EveryTypeHasItsText) {
    pixa::test::SettingsGuard guard;
    pixa::Settings().century = false;
    EXPECT_EQ(pixa::cValToChar("Bilder"), "Bilder");
    EXPECT_EQ(pixa::cValToChar(pixa::Date::FromYmd(2026, 12, 8)), "08.12.26");
    EXPECT_EQ(pixa::cValToChar(pixa::Date{}), "  .  .  ");
    EXPECT_EQ(pixa::cValToChar(true), ".t.");
    EXPECT_EQ(pixa::cValToChar(false), ".f.");
    EXPECT_EQ(pixa::cValToChar(pixa::Action([](const pixa::Args&) { return Value(); })), "{|| ... }");
    EXPECT_EQ(pixa::cValToChar(Value::MakeArray({1, 2})), "{ ... }");
    EXPECT_EQ(pixa::cValToChar(std::make_shared<Dialog>()), "Object");
    EXPECT_EQ(pixa::cValToChar(Value()), "");
    pixa::Settings().century = true;
    EXPECT_EQ(pixa::cValToChar(pixa::Date::FromYmd(2026, 12, 8)), "08.12.2026");
}

TEST(ValueText, DetailedTextQuotesTextsAndNamesClassesAndLengths) {
    EXPECT_EQ(pixa::cGetInfo("abc"), "\"abc\"");
    EXPECT_EQ(pixa::cGetInfo(""), "\"\"");
    EXPECT_EQ(pixa::cGetInfo(std::make_shared<Dialog>()), "Class: TDIALOG");
    EXPECT_EQ(pixa::cGetInfo(Value::MakeArray({1, "x", 3})), "Len:    3");
    EXPECT_EQ(pixa::cGetInfo(Value::MakeArray(pixa::Array(12345))), "Len: 12345");
    EXPECT_EQ(pixa::cGetInfo(2.5), "2.5");
    EXPECT_EQ(pixa::cGetInfo(Value()), "");
}

TEST(ValueText, MessageBoxShowsNilAndWholeParts) {
    EXPECT_EQ(pixa::MsgValueText(Value()), "nil");
    EXPECT_EQ(pixa::MsgValueText(5.7), "5");
    EXPECT_EQ(pixa::MsgValueText(-5.7), "-5");
    EXPECT_EQ(pixa::MsgValueText(12), "12");
    EXPECT_EQ(pixa::MsgValueText(1e30), "1e+30");
    EXPECT_EQ(pixa::MsgValueText(false), ".f.");
    EXPECT_EQ(pixa::MsgValueText("Text"), "Text");
    EXPECT_EQ(pixa::MsgValueText(""), "");
}

TEST(ValueText, Padding) {
    EXPECT_EQ(pixa::PadLeft("7", 4), "   7");
    EXPECT_EQ(pixa::PadLeft("12345", 4), "12345");
    EXPECT_EQ(pixa::PadRight("ab", 4), "ab  ");
    EXPECT_EQ(pixa::PadRight("abcde", 4), "abcde");
    EXPECT_EQ(pixa::Str(42), "        42");
    EXPECT_EQ(pixa::Str(2.5, 4), " 2.5");
}

TEST(ValueText, TrimRightCutsOnlyTrailingBlanks) {
    EXPECT_EQ(pixa::TrimRight("  DSC 01.JPG   "), "  DSC 01.JPG");
    EXPECT_EQ(pixa::TrimRight("JPG\t"), "JPG\t");
    EXPECT_EQ(pixa::TrimRight("    "), "");
    EXPECT_EQ(pixa::TrimRight(""), "");
}
