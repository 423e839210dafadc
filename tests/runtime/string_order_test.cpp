#include "runtime/string_order.h"

#include <gtest/gtest.h>

#include <cmath>

using pixa::Value;

TEST(StringOrder, UnsignedBytesWithoutCaseFolding) {
    std::vector<std::string> names = {"IMG2.JPG", "abc.JPG", "IMG10.JPG", "Zoo.JPG", "IMG1.JPG"};
    pixa::ASort(names);
    EXPECT_EQ(names, (std::vector<std::string>{"IMG1.JPG", "IMG10.JPG", "IMG2.JPG", "Zoo.JPG", "abc.JPG"}));

    // Umlauts (Windows-1252 codes above 127) sort after every ASCII letter.
    EXPECT_TRUE(pixa::StringLess("z", "\xFC"));
    EXPECT_FALSE(pixa::StringLess("\xFC", "z"));
    EXPECT_TRUE(pixa::StringLess("\xC4", "\xE4"));
    // A leading part sorts first; "\" (92) lies between the upper- and lower-case letters.
    EXPECT_TRUE(pixa::StringLess("C:\\A", "C:\\A\\B"));
    EXPECT_TRUE(pixa::StringLess("C:\\Z\\x", "C:\\\\"));
    EXPECT_TRUE(pixa::StringLess("C:\\\\", "C:\\_"));
    EXPECT_FALSE(pixa::StringLess("same", "same"));
    EXPECT_TRUE(pixa::StringLess("", "a"));
    EXPECT_TRUE(pixa::StringLess(std::string_view("a\0b", 3), std::string_view("a\x01", 2)));
}

TEST(StringOrder, ValueArraysSortInPlaceAndStayShared) {
    Value list = Value::MakeArray({"b", "B", "\xE4", "a", "A"});
    Value alias = list;
    EXPECT_TRUE(pixa::ASort(list) == alias);
    const pixa::Array expected = {"A", "B", "a", "b", "\xE4"};
    ASSERT_EQ(alias.AsArray()->size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i) EXPECT_EQ((*alias.AsArray())[i].AsString(), expected[i].AsString());
}

TEST(StringOrder, MixedValuesGroupByTypeAndNumbersSortByValue) {
    pixa::Array values = {"x", 3, 2.5, Value(), true, pixa::Date{5}, std::nan(""), -1, false};
    pixa::ASort(values);
    ASSERT_EQ(values.size(), 9u);
    EXPECT_TRUE(values[0].IsAbsent());
    EXPECT_FALSE(values[1].AsLogical());
    EXPECT_TRUE(values[2].AsLogical());
    EXPECT_TRUE(std::isnan(values[3].AsNumber()));
    EXPECT_EQ(values[4].AsInteger(), -1);
    EXPECT_EQ(values[5].AsNumber(), 2.5);
    EXPECT_EQ(values[6].AsInteger(), 3);
    EXPECT_TRUE(values[7].IsDate());
    EXPECT_EQ(values[8].AsString(), "x");
}
