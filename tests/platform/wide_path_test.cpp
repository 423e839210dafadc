// Paths outside Windows-1252: carried exactly in 8-bit strings, shown with "?", and
// reaching the right files and folders through the platform calls.
#include "platform/wide_path.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "platform/file_system.h"
#include "platform/process.h"
#include "platform/profile.h"
#include "tests/support/temp_dir.h"
#include "tests/support/layers.h"

namespace pixa::platform {
namespace {

const std::wstring kLodzStroke = L"\u0141\u00F3d\u017A.jpg";  // Łódź.jpg
const std::wstring kZhdan = L"\u0416\u0434\u0430\u043D";       // Ждан

TEST(WidePath, NamesTravelExactlyAndShowAQuestionMarkPerMissingCharacter) {
    const std::wstring names[] = {kLodzStroke, L"L\u00F3dz.jpg", kZhdan, L"\U0001F600.jpg", L"\u20AC\u00DF\u00FC",
                                  L"\u0080\u0081\u009D", L"a\u0001b"};
    for (const auto& name : names) EXPECT_EQ(WidePath(CarriedPath(name)), name);
    // Text that Windows-1252 holds is carried as its own bytes.
    EXPECT_EQ(CarriedPath(L"\u20AC\u00DF\u00FC\u0081"), "\x80\xDF\xFC\x81");
    EXPECT_EQ(ShownPath(CarriedPath(kLodzStroke)), "?\xF3" "d?.jpg");
    EXPECT_EQ(ShownPath(CarriedPath(L"C:\\\U0001F600\\" + kZhdan)), "C:\\?\\????");
    // Escapes that went through lower-casing still name the same character.
    std::string lowered = CarriedPath(kZhdan);
    for (char& c : lowered) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    EXPECT_EQ(WidePath(lowered), kZhdan);
}

TEST(WidePath, ProgramFolderOutsideTheCodePageIsEnteredAndKeepsItsIni) {
    test::TempDir dir;
    std::filesystem::path folder = dir.path() / kZhdan;
    ASSERT_TRUE(std::filesystem::create_directory(folder));
    std::string previous = CurrentDirectory();
    ASSERT_TRUE(ChangeDirectory(CarriedPath(folder.wstring())));
    std::string current = CurrentDirectory();
    ChangeDirectory(previous);
    ASSERT_EQ(WidePath(current), folder.wstring());

    std::string ini = current + "\\PIXAPORT.INI";
    EXPECT_TRUE(WriteIniValue(ini, "Project", "MyPath", current));
    EXPECT_TRUE(WriteIniValue(ini, "Data", "Quelle", "C:\\Bilder \xFC"));
    EXPECT_EQ(ReadIniValue(ini, "Project", "MyPath", ""), current);
    std::ifstream file(folder / L"PIXAPORT.INI", std::ios::binary);
    std::stringstream bytes;
    bytes << file.rdbuf();
    // A value that Windows-1252 holds stays plain text in the file.
    EXPECT_NE(bytes.str().find("Quelle=C:\\Bilder \xFC\r\n"), std::string::npos) << bytes.str();
    // The help viewer, which takes 8-bit paths only, is handed a spelling that reaches the file.
    std::string eightBit = EightBitPathOf(ini);
    EXPECT_FALSE(HasEscapes(eightBit)) << eightBit;
    EXPECT_NE(GetFileAttributesA(eightBit.c_str()), INVALID_FILE_ATTRIBUTES) << eightBit;
}

}  // namespace
}  // namespace pixa::platform
