// Erasing the camera folder never reaches the program folder or the pictures.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include "app/transfer/camera_erase.h"
#include "app/transfer/directory.h"
#include "platform/process.h"
#include "runtime/ansi_chars.h"
#include "tests/support/temp_dir.h"
#include "tests/transfer/transfer_fakes.h"
#include "tests/support/layers.h"

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
    EXPECT_TRUE(CamErase({.target = "", .extens = "WAV", .guard = {.source = "", .programFolder = program.str()}},
                         prompts));
    EXPECT_TRUE(CamErase(
        {.target = program.str(), .extens = "WAV", .guard = {.source = "", .programFolder = program.str()}}, prompts));
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

std::string ShortSpelling(const std::string& folder) {
    char path[MAX_PATH] = {};
    DWORD n = GetShortPathNameA(folder.c_str(), path, sizeof path);
    return std::string(path, n < sizeof path ? n : 0);
}

// The folder through Wine's drive Z: (the Unix root) instead of its own letter or share.
std::string DriveZSpelling(const std::string& folder) {
    auto unixName = reinterpret_cast<char*(CDECL*)(const wchar_t*)>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("kernel32"), "wine_get_unix_file_name")));
    char* found = unixName ? unixName(std::wstring(folder.begin(), folder.end()).c_str()) : nullptr;
    std::string path = found ? std::string("Z:") + found : std::string();
    HeapFree(GetProcessHeap(), 0, found);
    std::replace(path.begin(), path.end(), '/', '\\');
    return path;
}

TEST(EraseGuard, SourceReachedByAnotherSpellingIsRefusedAndKept) {
    test::TempDir temp;
    std::string source = temp.str() + "\\Meine Bilder vom Urlaub\\";
    test::WriteAnsi(source + "Tag 2\\DSC00001.JPG", "1");
    std::string share = "\\\\pixasrv\\share\\pixa-guard-" + std::to_string(GetCurrentProcessId()) + "\\";
    test::WriteAnsi(share + "Tag 2\\DSC00001.JPG", "1");
    // {source, target}: the 8.3 name, another drive letter, a share and a drive letter.
    const std::pair<std::string, std::string> cases[] = {{source, ShortSpelling(source + "Tag 2")},
                                                         {source, DriveZSpelling(source)},
                                                         {DriveZSpelling(share), share + "Tag 2"}};
    for (const auto& [guarded, target] : cases) {
        test::RecordingPrompts yes;
        CamErase({.target = target, .extens = "JPG", .guard = {.source = guarded, .programFolder = ""}}, yes);
        EXPECT_NE(yes.shown.at(0).text.find("Bilderordner"), std::string::npos) << target;
        EXPECT_TRUE(File(source + "Tag 2\\DSC00001.JPG") && File(share + "Tag 2\\DSC00001.JPG")) << target;
    }
    std::filesystem::remove_all(share);
}

}  // namespace
}  // namespace pixa
