#include "runtime/actions.h"

#include <gtest/gtest.h>

namespace pixa {
namespace {

struct Shown : Object {
    std::string ClassName() const override { return "SHOWN"; }
};

TEST(Actions, TypedArgumentsArriveByPositionAndMissingOnesReadEmpty) {
    int seenRow = -1;
    std::string seenText = "x";
    void* seenHandle = nullptr;
    std::shared_ptr<Shown> seenObject;
    Action a = Do([&](int row, const std::string& text, void* handle, std::shared_ptr<Shown> object) {
        seenRow = row;
        seenText = text;
        seenHandle = handle;
        seenObject = object;
    });
    auto shown = std::make_shared<Shown>();
    EXPECT_TRUE(a.Call(7, "Kopieren", 0x1234LL, shown).IsAbsent());
    EXPECT_EQ(seenRow, 7);
    EXPECT_EQ(seenText, "Kopieren");
    EXPECT_EQ(seenHandle, reinterpret_cast<void*>(0x1234));
    EXPECT_EQ(seenObject, shown);
    a.Call(3);
    EXPECT_EQ(seenText, "");
    EXPECT_EQ(seenObject, nullptr);
    // A result keeps its type; the raw form sees every argument.
    EXPECT_EQ(Do([] { return 5; })().AsInteger(), 5);
    EXPECT_EQ(Do([](const Args& args) { return static_cast<long>(args.size()); }).Call(1, 2, 3).AsInteger(), 3);
    EXPECT_EQ(Constant("Ordner").Call(1).AsString(), "Ordner");
}

TEST(Actions, BindingsStoreWhatTheyAreGivenAndForgetStateThatIsGone) {
    long number = 4;
    Action n = Bind(number);
    EXPECT_EQ(n().AsInteger(), 4);
    EXPECT_EQ(n.Call(12).AsInteger(), 12);
    EXPECT_EQ(number, 12);
    std::string text = "a";
    Bind(text).Call(Value());  // a value of another type stores the empty text
    EXPECT_EQ(text, "");

    struct State {
        bool on = false;
    };
    auto state = std::make_shared<State>();
    Action on = Bind(state, &State::on);
    on.Call(true);
    EXPECT_TRUE(state->on);
    Action add = Do(state, [](State& s, int times) { return s.on ? times : -times; }, Value("weg"));
    EXPECT_EQ(add.Call(3).AsInteger(), 3);
    state.reset();
    EXPECT_TRUE(on.Call(false).IsAbsent());
    EXPECT_EQ(add.Call(3).AsString(), "weg");
}

}  // namespace
}  // namespace pixa
