#include "runtime/value.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

using pixa::Value;

TEST(Value, TypesAndLetters) {
    EXPECT_EQ(Value().TypeLetter(), 'U');
    EXPECT_EQ(Value(true).TypeLetter(), 'L');
    EXPECT_EQ(Value(3).TypeLetter(), 'N');
    EXPECT_EQ(Value(2.5).TypeLetter(), 'N');
    EXPECT_EQ(Value("x").TypeLetter(), 'C');
    EXPECT_EQ(Value(pixa::Date{2450000}).TypeLetter(), 'D');
    EXPECT_EQ(Value::MakeArray().TypeLetter(), 'A');
    EXPECT_EQ(Value(pixa::Action([](const pixa::Args&) { return Value(); })).TypeLetter(), 'B');
    EXPECT_EQ(Value(pixa::Action()).TypeLetter(), 'U');
}

TEST(Value, ArraysAreSharedAndActionsSeeMissingArgumentsAsAbsent) {
    Value a = Value::MakeArray({1, "two"});
    Value b = a;
    b.AsArray()->push_back(3.0);
    EXPECT_EQ(a.AsArray()->size(), 3u);
    EXPECT_TRUE(a == b);
    EXPECT_FALSE(a == Value::MakeArray({1, "two", 3.0}));

    pixa::Action second([](const pixa::Args& args) { return pixa::Arg(args, 1); });
    EXPECT_TRUE(second.Call(1).IsAbsent());
    EXPECT_EQ(second.Call(1, "b").AsString(), "b");
    EXPECT_TRUE(Value(2) == Value(2.0));
}

TEST(Value, FloatingNumbersReadAsIntegersTowardsZeroAndSaturate) {
    EXPECT_EQ(Value(5.9).AsInteger(), 5);
    EXPECT_EQ(Value(-5.9).AsInteger(), -5);
    EXPECT_EQ(Value(1e300).AsInteger(), std::numeric_limits<std::int64_t>::max());
    EXPECT_EQ(Value(-1e300).AsInteger(), std::numeric_limits<std::int64_t>::min());
    EXPECT_EQ(Value(std::nan("")).AsInteger(), 0);
}
