// The program's own pictures: present, at their sizes and colour depths, and the
// mark boxes drawn exactly as the selection list expects them.
#include <windows.h>

#include <gtest/gtest.h>

#include "framework/controls/dib.h"
#include "tests/support/temp_dir.h"
#include "tests/support/layers.h"

namespace pixa {
namespace {

int BitsOfResource(const char* name) {
    HRSRC found = FindResourceA(GetModuleHandleA(nullptr), name, MAKEINTRESOURCEA(2));
    if (!found) return 0;
    auto header = static_cast<const BITMAPINFOHEADER*>(LockResource(LoadResource(GetModuleHandleA(nullptr), found)));
    return header->biBitCount;
}

TEST(ProgramImages, SizesAndColourDepths) {
    struct Expect {
        const char* name;
        int width, height, bits;
    } expected[] = {{"Photo", 257, 169, 8}, {"Pfeil", 106, 140, 8}, {"Kamera", 187, 91, 24},
                    {"Web", 32, 32, 8},     {"Email", 32, 32, 8},   {"About", 320, 106, 8},
                    {"STOP_MAX", 64, 64, 8}, {"Mark0", 16, 16, 4},  {"Mark1", 16, 16, 4}};
    for (const auto& e : expected) {
        Dib dib;
        ASSERT_TRUE(dib.LoadResource(e.name)) << e.name;
        EXPECT_EQ(dib.Width(), e.width) << e.name;
        EXPECT_EQ(dib.Height(), e.height) << e.name;
        EXPECT_EQ(BitsOfResource(e.name), e.bits) << e.name;
        EXPECT_EQ(dib.Palette() != nullptr, e.bits <= 8) << e.name;
    }
}

// The picture drawn on a white 16 x 16 surface, read back pixel by pixel.
std::vector<COLORREF> Drawn(const char* name, std::optional<COLORREF> transparent = {}) {
    Dib dib;
    EXPECT_TRUE(dib.LoadResource(name));
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    HBITMAP surface = CreateCompatibleBitmap(screen, 16, 16);
    HGDIOBJ old = SelectObject(memory, surface);
    RECT all{0, 0, 16, 16};
    HBRUSH green = CreateSolidBrush(RGB(0, 255, 0));
    FillRect(memory, &all, green);
    dib.Draw(memory, 0, 0, {}, {}, transparent);
    std::vector<COLORREF> pixels;
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 16; ++x) pixels.push_back(GetPixel(memory, x, y));
    SelectObject(memory, old);
    DeleteObject(green);
    DeleteObject(surface);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
    return pixels;
}

TEST(ProgramImages, MarkBoxesAreAFramedSquareAndTheSameWithARedCross) {
    auto empty = Drawn("Mark0");
    auto crossed = Drawn("Mark1");
    const COLORREF white = RGB(255, 255, 255), black = RGB(0, 0, 0), red = RGB(255, 0, 0);
    EXPECT_EQ(empty[0], white);
    EXPECT_EQ(empty[2 * 16 + 2], black);
    EXPECT_EQ(empty[13 * 16 + 13], black);
    EXPECT_EQ(empty[2 * 16 + 8], black);
    EXPECT_EQ(empty[8 * 16 + 8], white) << "the square is empty";
    int frame = 0, reds = 0;
    for (int i = 0; i < 256; ++i) {
        frame += empty[i] == black;
        reds += crossed[i] == red;
        if (empty[i] == black) {
            EXPECT_EQ(crossed[i], black) << "same frame at " << i;
        }
    }
    EXPECT_EQ(frame, 44);
    for (int i = 3; i <= 12; ++i) {
        EXPECT_EQ(crossed[i * 16 + i], red) << i;
        EXPECT_EQ(crossed[i * 16 + 15 - i], red) << i;
    }
    EXPECT_EQ(reds, 20) << "nothing red but the two diagonals";

    auto see_through = Drawn("Mark0", white);
    EXPECT_EQ(see_through[8 * 16 + 8], RGB(0, 255, 0)) << "white is transparent for the browse";
    EXPECT_EQ(see_through[2 * 16 + 2], black);
}

TEST(ProgramImages, MissingPicturesLeaveNothingHeld) {
    Dib dib;
    EXPECT_FALSE(dib.LoadResource("NoSuchBitmap"));
    EXPECT_FALSE(dib);
    EXPECT_EQ(dib.Width(), 0);
    test::TempDir dir;
    EXPECT_FALSE(dib.LoadFile(dir.Write("bad.bmp", "not a bitmap")));
    EXPECT_FALSE(dib.LoadFile(dir / "missing.bmp"));
}

}  // namespace
}  // namespace pixa
