// The real program in the middle of copying a large picture, held there by a full card
// and its error dialog: ended hard, then run again with Retry at start-up.
#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <filesystem>

#include "app/transfer/directory.h"
#include "tests/errorlog/handler_support.h"
#include "tests/support/program_process.h"
#include "tests/transfer_ui/window_probe.h"
#include "tests/support/layers.h"

namespace pixa::test {
namespace {

template <typename Find>
HWND Wait(Find find) {
    for (int i = 0; i < 300; ++i, Sleep(100))
        if (HWND found = find()) return found;
    return nullptr;
}

TEST(InterruptedCopy, AfterAHardEndTheNextRunRetriesAtStartUpAndLeavesOnlyCompleteFiles) {
    if (!CardIsSmallTmpfs()) GTEST_SKIP() << "the 2 MiB card P: is not mounted";
    TempDir dir;
    std::string exe = "Z:" + std::string(PIXA_PROGRAM_EXE);
    std::replace(exe.begin(), exe.end(), '/', '\\');
    ASSERT_TRUE(CopyFileA(exe.c_str(), (dir / "pixaport.exe").c_str(), FALSE));
    CreateDirectoryA("P:\\DCIM", nullptr);
    dir.Write("Bilder\\a.jpg", std::string(600000, 'a'));  // copied first, too large for the filled card
    dir.Write("Bilder\\b.jpg", std::string(20000, 'b'));
    dir.Write("PIXAPORT.INI", "[Data]\r\nKonvert=1\r\nExtens=JPG\r\nBeginn=Sony\r\nQuelle=" + dir.str() +
                                  "\\Bilder\\\r\nSubOrd=0\r\nZiel=P:\\DCIM\\\r\nSpeicher=2\r\n");
    ProgramProcess program;
    auto top = [&](const char* caption, const char* child = "") { return FindTop(program.Id(), caption, child); };
    // The transfer dialog opens at start-up; the card fills up while the list is open.
    auto copyIntoAFullCard = [&] {
        std::filesystem::remove(dir.path() / "Error.log");  // else the start offers it first
        program.Start(dir / "pixaport.exe");
        Press(ChildWithText(Wait([&] { return top("Bilddateien übertragen", "Übertragung &starten"); }),
                            "Übertragung &starten"));
        HWND list = Wait([&] { return top("Bilddateien auswählen", "&Weiter"); });
        FillCardLeaving("P:\\", 200000, "P:\\FILL.BIN");
        Press(ChildWithText(list, "&Weiter"));
        return Wait([&] { return top("Velmora for Tamsell"); });
    };
    ASSERT_NE(copyIntoAFullCard(), nullptr);
    program.Stop();  // TerminateProcess in the middle of the copy
    EXPECT_EQ(Directory("P:\\DCIM\\PXA*.TMP").size(), 1u) << "the half-written copy is on the card";
    HWND error = copyIntoAFullCard();
    ASSERT_NE(error, nullptr);
    DeleteFileA("P:\\FILL.BIN");  // the user makes room, then chooses Retry
    Press(ChildWithText(error, "&Retry"));
    HWND box = Wait([&] { return top("Konvertierung beendet"); });
    std::string said = box ? BoxText(box) : "no final box";
    std::vector<std::string> card;
    for (const auto& row : Directory("P:\\DCIM\\*.*", "HS")) card.push_back(row.name + " " + std::to_string(row.size));
    program.Stop();
    std::filesystem::remove_all("P:\\DCIM");
    EXPECT_EQ(said, "Es wurden 2 Dateien erfolgreich konvertiert.\r\n2 Kopien wurden auf der Karte nachgeprüft.");
    std::sort(card.begin(), card.end());
    EXPECT_EQ(card, (std::vector<std::string>{"DSC00001.JPG 600000", "DSC00002.JPG 20000"}));
}

}  // namespace
}  // namespace pixa::test
