// The real program, interrupted in the middle of copying a large picture (the card is
// full, so the error dialog holds the copy there): ended hard, its next run leaves
// only complete camera files; Retry in a transfer opened at start-up goes on.
#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <filesystem>

#include "app/transfer/directory.h"
#include "tests/errorlog/handler_support.h"
#include "tests/support/program_process.h"
#include "tests/transfer_ui/window_probe.h"

namespace pixa::test {
namespace {

constexpr const char* kCard = "P:\\DCIM\\";

template <typename Find>
HWND Wait(Find find) {
    for (int i = 0; i < 300; ++i, Sleep(100))
        if (HWND found = find()) return found;
    return nullptr;
}

class InterruptedCopy : public ::testing::Test {
protected:
    void SetUp() override {
        if (!CardIsSmallTmpfs()) GTEST_SKIP() << "the 2 MiB card P: is not mounted";
        std::string program = "Z:" + std::string(PIXA_PROGRAM_EXE);
        std::replace(program.begin(), program.end(), '/', '\\');
        ASSERT_TRUE(CopyFileA(program.c_str(), (dir_ / "pixaport.exe").c_str(), FALSE));
        EmptyCard();
        CreateDirectoryA(kCard, nullptr);
        dir_.Write("Bilder\\a.jpg", std::string(600000, 'a'));  // copied first: too large for the filled card
        dir_.Write("Bilder\\b.jpg", std::string(20000, 'b'));
        dir_.Write("PIXAPORT.INI", "[Data]\r\nKonvert=1\r\nExtens=JPG\r\nBeginn=Sony\r\nQuelle=" + dir_.str() +
                                       "\\Bilder\\\r\nSubOrd=0\r\nZiel=" + kCard + "\r\nSpeicher=2\r\n");
    }
    void TearDown() override {
        process_.Stop();
        EmptyCard();
    }
    static void EmptyCard() {
        std::error_code ec;
        for (const auto& entry : std::filesystem::directory_iterator("P:\\", ec)) std::filesystem::remove_all(entry.path(), ec);
    }
    HWND Top(const std::string& caption, const std::string& child = {}) { return FindTop(process_.Id(), caption, child); }
    // Starts the program, which opens the transfer dialog by itself, and starts the
    // transfer; with fillCard the card fills up while the selection list is open.
    void Transfer(bool fillCard) {
        std::filesystem::remove(dir_.path() / "Error.log");  // else the next start offers it first
        ASSERT_TRUE(process_.Start(dir_ / "pixaport.exe"));
        HWND transfer = Wait([&] { return Top("Bilddateien übertragen", "Übertragung &starten"); });
        ASSERT_NE(transfer, nullptr);
        Press(ChildWithText(transfer, "Übertragung &starten"));
        HWND list = Wait([&] { return Top("Bilddateien auswählen", "&Weiter"); });
        ASSERT_NE(list, nullptr);
        if (fillCard) {
            ASSERT_TRUE(FillCardLeaving("P:\\", 200000, "P:\\FILL.BIN"));
        }
        Press(ChildWithText(list, "&Weiter"));
    }
    // Waits for the final box, checks its text and closes it.
    void ExpectBothCopied() {
        HWND box = Wait([&] { return Top("Konvertierung beendet"); });
        ASSERT_NE(box, nullptr);
        EXPECT_EQ(BoxText(box), "Es wurden 2 Dateien erfolgreich konvertiert.");
        Answer(box, IDOK);
        std::vector<std::string> card;
        for (const auto& row : Directory(std::string(kCard) + "*.*", "HS"))
            card.push_back(row.name + " " + std::to_string(row.size));
        std::sort(card.begin(), card.end());
        EXPECT_EQ(card, (std::vector<std::string>{"DSC00001.JPG 600000", "DSC00002.JPG 20000"}));
    }

    TempDir dir_;
    ProgramProcess process_;
};

TEST_F(InterruptedCopy, AProgramEndedHardLeavesOnlyCompleteCameraFilesAfterTheNextRun) {
    Transfer(true);
    ASSERT_NE(Wait([&] { return Top("Velmora for Tamsell"); }), nullptr);
    process_.Stop();  // TerminateProcess in the middle of the copy
    ASSERT_EQ(TemporaryFilesIn(kCard), 1) << "the half-written copy is on the card";
    DeleteFileA("P:\\FILL.BIN");
    Transfer(false);
    ExpectBothCopied();
}

TEST_F(InterruptedCopy, RetryInATransferOpenedAtStartUpCopiesOn) {
    Transfer(true);
    HWND error = Wait([&] { return Top("Velmora for Tamsell"); });
    ASSERT_NE(error, nullptr);
    DeleteFileA("P:\\FILL.BIN");  // the user makes room on the card
    Press(ChildWithText(error, "&Retry"));
    ExpectBothCopied();
}

}  // namespace
}  // namespace pixa::test
