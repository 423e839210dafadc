// Erasing the camera folder never reaches the program folder or the pictures.
#include <windows.h>

#include <gtest/gtest.h>

#include "app/transfer/camera_erase.h"
#include "app/transfer/directory.h"
#include "platform/process.h"
#include "runtime/ansi_chars.h"
#include "tests/support/temp_dir.h"
#include "tests/transfer/transfer_fakes.h"

namespace pixa {
namespace {

std::string ExeFolder() {
    std::string exe = platform::ExecutablePath();
    return exe.substr(0, exe.find_last_of('\\') + 1);
}

TEST(EraseGuard, RefusesEverythingButACameraFolder) {
    test::TempDir pictures, card;
    card.Write("DSC00001.JPG", "x");
    CreateDirectoryA((pictures / "Urlaub").c_str(), nullptr);
    CreateDirectoryA((pictures.str() + "2").c_str(), nullptr);  // a sibling whose name starts like the source
    EraseGuard guard{.source = pictures.str() + "\\", .programFolder = ""};

    EXPECT_NE(EraseRefusal("", guard).find("kein Kameraordner"), std::string::npos);
    EXPECT_NE(EraseRefusal("   ", guard).find("kein Kameraordner"), std::string::npos);
    EXPECT_NE(EraseRefusal(card / "nicht-da\\", guard).find("nicht vorhanden"), std::string::npos);
    // The program folder in any spelling: other case, no closing backslash, a detour.
    std::string program = ExeFolder();
    for (const std::string& spelling :
         {program, program.substr(0, program.size() - 1), AnsiLowerText(program),
          program + "..\\" + program.substr(program.find_last_of('\\', program.size() - 2) + 1)})
        EXPECT_NE(EraseRefusal(spelling, guard).find("Programmordner"), std::string::npos) << spelling;
    // The source and every folder below it, but not a sibling that merely shares the start of its name.
    EXPECT_NE(EraseRefusal(pictures.str() + "\\", guard).find("Bilderordner"), std::string::npos);
    EXPECT_NE(EraseRefusal(pictures / "Urlaub", guard).find("Bilderordner"), std::string::npos);
    EXPECT_EQ(EraseRefusal(pictures.str() + "2\\", guard), "");
    EXPECT_EQ(EraseRefusal(card.str() + "\\", guard), "");
    // An explicitly named program folder counts as well.
    EXPECT_NE(EraseRefusal(card.str(), {.source = "", .programFolder = card.str() + "\\"}).find("Programmordner"),
              std::string::npos);
    RemoveDirectoryA((pictures.str() + "2").c_str());
}

TEST(EraseGuard, RefusalTellsWhyAndDeletesNothing) {
    // With an empty target the listing used to be "*.*" of the current folder, the program folder.
    test::TempDir program;
    program.Write("PIXAPORT.INI", "[Data]");
    program.Write("Select.wav", "RIFF");
    std::string previous = platform::CurrentDirectory();
    ASSERT_TRUE(platform::ChangeDirectory(program.str()));
    test::RecordingPrompts prompts;
    EXPECT_TRUE(CamErase("", prompts, {.source = "", .programFolder = program.str()}));
    EXPECT_TRUE(CamErase(program.str(), prompts, {.source = "", .programFolder = program.str()}));
    platform::ChangeDirectory(previous);

    ASSERT_EQ(prompts.shown.size(), 2u);
    for (const auto& shown : prompts.shown) {
        EXPECT_EQ(shown.kind, "stop");  // no question asked, no "erased" report
        EXPECT_EQ(shown.title, "Löschen");
        EXPECT_NE(shown.text.find("Es wurde nichts gelöscht !"), std::string::npos);
    }
    EXPECT_TRUE(File(program / "PIXAPORT.INI"));
    EXPECT_TRUE(File(program / "Select.wav"));
}

}  // namespace
}  // namespace pixa
