#include "runtime/codepage.h"

#include <gtest/gtest.h>

namespace {

std::string Byte(int b) { return std::string(1, static_cast<char>(b)); }

int Code(const std::string& s) { return static_cast<unsigned char>(s.at(0)); }

}  // namespace

TEST(Codepage, GermanLettersFromCodePage850) {
    EXPECT_EQ(Code(pixa::Cp850ToAnsi(Byte(0x81))), 0xFC);  // ü
    EXPECT_EQ(Code(pixa::Cp850ToAnsi(Byte(0x9A))), 0xDC);  // Ü
    EXPECT_EQ(Code(pixa::Cp850ToAnsi(Byte(0xE1))), 0xDF);  // ß
    EXPECT_EQ(Code(pixa::Cp850ToAnsi(Byte(0x84))), 0xE4);  // ä
    EXPECT_EQ(Code(pixa::Cp850ToAnsi(Byte(0x8E))), 0xC4);  // Ä
    EXPECT_EQ(Code(pixa::Cp850ToAnsi(Byte(0x94))), 0xF6);  // ö
    EXPECT_EQ(Code(pixa::Cp850ToAnsi(Byte(0x99))), 0xD6);  // Ö
    EXPECT_EQ(pixa::Cp850ToAnsi("\x9A" "bertragen"), "Übertragen");
    EXPECT_EQ(pixa::AnsiToCp850("Übertragen"), "\x9A" "bertragen");
}

TEST(Codepage, Utf8AtTheEdgesOfTheWindowsBand) {
    EXPECT_EQ(pixa::AnsiToUtf8("a\x7F"), "a\x7F");
    EXPECT_EQ(pixa::AnsiToUtf8("\x80"), "\xE2\x82\xAC");  // euro sign, first of the band
    EXPECT_EQ(pixa::AnsiToUtf8("\x81"), "\xC2\x81");      // unassigned: kept as its own value
    EXPECT_EQ(pixa::AnsiToUtf8("\x9F"), "\xC5\xB8");      // last of the band
    EXPECT_EQ(pixa::AnsiToUtf8("\xA0\xFC\xFF"), "\xC2\xA0\xC3\xBC\xC3\xBF");
}

TEST(Codepage, AsciiPassesUnchanged) {
    std::string ascii;
    for (int c = 0; c < 128; ++c) ascii += static_cast<char>(c);
    EXPECT_EQ(pixa::Cp850ToAnsi(ascii), ascii);
    EXPECT_EQ(pixa::AnsiToCp850(ascii), ascii);
}

TEST(Codepage, AllLatin1CharactersRoundTrip) {
    // Code page 850 holds every character of 0xA0 to 0xFF (all Latin letters among them).
    for (int c = 0xA0; c <= 0xFF; ++c) {
        const std::string oem = pixa::AnsiToCp850(Byte(c));
        EXPECT_GE(Code(oem), 0x80) << c;
        EXPECT_EQ(pixa::Cp850ToAnsi(oem), Byte(c)) << c;
    }
}

TEST(Codepage, ExactCounterpartsAreOneToOne) {
    for (int c = 0x80; c <= 0xFF; ++c) {
        const std::string ansi = pixa::Cp850ToAnsi(Byte(c));
        if (Code(ansi) < 0x80) continue;  // drawing characters become plain ones
        EXPECT_EQ(pixa::AnsiToCp850(ansi), Byte(c)) << c;
    }
}

TEST(Codepage, CharactersWithoutCounterpart) {
    EXPECT_EQ(pixa::Cp850ToAnsi("\xC4\xB3\xC5\xDB"), "-|+#");  // box drawing and block
    EXPECT_EQ(pixa::AnsiToCp850("\x80"), "?");                 // € is not in code page 850
    EXPECT_EQ(pixa::AnsiToCp850("\x93\x94"), "??");            // curly quotes neither
}
