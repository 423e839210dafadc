#include "framework/window/dialog_template.h"
#include "tests/support/layers.h"

#include <gtest/gtest.h>

#include <cstdint>

namespace pixa {
namespace {

std::uint16_t WordAt(const std::string& b, std::size_t at) {
    return static_cast<std::uint16_t>(static_cast<unsigned char>(b[at]) | static_cast<unsigned char>(b[at + 1]) << 8);
}
std::uint32_t DWordAt(const std::string& b, std::size_t at) { return WordAt(b, at) | (std::uint32_t{WordAt(b, at + 2)} << 16); }

TEST(DialogTemplate, HeaderLayout) {
    DialogTemplate t({.style = 0x80C80080, .count = 3, .x = 42, .y = 42, .cx = 245, .cy = 161, .caption = "Abc"});
    const std::string& b = t.Bytes();
    EXPECT_EQ(DWordAt(b, 0), 0x80C80080u);
    EXPECT_EQ(DWordAt(b, 4), 0u);
    EXPECT_EQ(WordAt(b, 8), 3);
    EXPECT_EQ(WordAt(b, 10), 42);
    EXPECT_EQ(WordAt(b, 12), 42);
    EXPECT_EQ(WordAt(b, 14), 245);
    EXPECT_EQ(WordAt(b, 16), 161);
    EXPECT_EQ(WordAt(b, 18), 0);  // menu
    EXPECT_EQ(WordAt(b, 20), 0);  // class
    // "Abc" has odd length: a blank is appended, so the header ends on a 4-byte boundary.
    EXPECT_EQ(WordAt(b, 22), 'A');
    EXPECT_EQ(WordAt(b, 28), ' ');
    EXPECT_EQ(WordAt(b, 30), 0);
    EXPECT_EQ(b.size(), 32u);
}

TEST(DialogTemplate, EvenCaptionAndEmptyCaptionNeedNoBlank) {
    EXPECT_EQ(DialogTemplate({.caption = "Ab"}).Bytes().size(), 28u);
    EXPECT_EQ(DialogTemplate({.caption = ""}).Bytes().size(), 24u);
}

TEST(DialogTemplate, ItemsStartOnFourByteBoundaries) {
    DialogTemplate t({.count = 2, .caption = "Abc"});
    t.Add({.style = 0x50010000, .x = 99, .y = 148, .cx = 71, .cy = 11, .id = 101, .className = "BUTTON", .text = "&OK"});
    std::size_t second = t.Bytes().size();
    t.Add({.style = 0x50010000, .x = 1, .y = 2, .cx = 3, .cy = 4, .id = 102, .className = "EDIT", .text = ""});
    const std::string& b = t.Bytes();
    EXPECT_EQ(second % 4, 0u);
    EXPECT_EQ(b.size() % 4, 0u);
    // First item right after the 32-byte header.
    EXPECT_EQ(DWordAt(b, 32), 0x50010000u);
    EXPECT_EQ(WordAt(b, 40), 99);
    EXPECT_EQ(WordAt(b, 42), 148);
    EXPECT_EQ(WordAt(b, 44), 71);
    EXPECT_EQ(WordAt(b, 46), 11);
    EXPECT_EQ(WordAt(b, 48), 101);
    EXPECT_EQ(WordAt(b, 50), 'B');
    // "BUTTON\0" = 14 bytes, "&OK\0" = 8 bytes, creation data 2 bytes.
    EXPECT_EQ(WordAt(b, 64), '&');
    EXPECT_EQ(WordAt(b, 70), 0);
    EXPECT_EQ(WordAt(b, 72), 0);  // creation data
    EXPECT_EQ(second, 76u);
    EXPECT_EQ(WordAt(b, second + 16), 102);
}

TEST(DialogTemplate, TextsAreConvertedFromCodePage850) {
    // " &Übertragung": 0x9A is "Ü" in code page 850, U+00DC as a 16-bit character.
    DialogTemplate t({.caption = "\x9A" "b"});
    EXPECT_EQ(WordAt(t.Bytes(), 22), 0x00DC);
    EXPECT_EQ(WordAt(t.Bytes(), 24), 'b');
    // Code page 850's "ä" (0x84) is U+00E4, not the Windows-1252 meaning of 0x84.
    DialogTemplate u({.caption = "\x84" "x"});
    EXPECT_EQ(WordAt(u.Bytes(), 22), 0x00E4);
}

TEST(DialogUnits, ControlUnitsAreTwoPixelsWithStandardBaseUnits) {
    DialogUnits units{8, 16};
    // A button at control units (148, 99), 70 x 10: nBottom 158, nRight 169.
    EXPECT_EQ(units.ItemX(99), 99);
    EXPECT_EQ(units.ItemY(148), 148);
    EXPECT_EQ(units.ItemX(169) - units.ItemX(99) + 1, 71);
    EXPECT_EQ(units.ItemY(158) - units.ItemY(148) + 1, 11);
    // A dialog at pixels (100, 100)-(420, 588) owned by a window starting at (15, 15).
    EXPECT_EQ(units.DialogX(100, 15), 42);
    EXPECT_EQ(units.DialogY(100, 15), 42);
    // Other base units scale the other way round.
    DialogUnits wide{7, 16};
    EXPECT_EQ(wide.ItemX(99), 113);
}

}  // namespace
}  // namespace pixa

#include "framework/window/modeless_dialogs.h"

namespace pixa {
namespace {

TEST(ModelessDialogs, TableHoldsTwoHundredDialogs) {
    std::vector<HWND> fake;
    for (int i = 0; i < ModelessDialogs::kCapacity && !ModelessDialogs::Full(); ++i) {
        HWND h = reinterpret_cast<HWND>(static_cast<INT_PTR>(0x7000000 + i));
        ASSERT_TRUE(ModelessDialogs::Add(h));
        fake.push_back(h);
    }
    EXPECT_TRUE(ModelessDialogs::Full());
    EXPECT_FALSE(ModelessDialogs::Add(reinterpret_cast<HWND>(0x7FFFFFF)));
    ModelessDialogs::Remove(fake.back());
    EXPECT_FALSE(ModelessDialogs::Full());
    for (HWND h : fake) ModelessDialogs::Remove(h);
}

}  // namespace
}  // namespace pixa
