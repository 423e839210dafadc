// Tests on the card drive P: that scripts/test-drives.sh maps (a 2 MiB tmpfs where it can be mounted).
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>

#include "app/transfer/camera_copy.h"
#include "app/transfer/directory.h"
#include "app/transfer/disk_space.h"
#include "app/transfer/folders.h"
#include "tests/support/temp_dir.h"
#include "tests/transfer/transfer_fakes.h"
#include "tests/support/layers.h"

namespace pixa {
namespace {

constexpr int kCardDrive = 16;  // P:
constexpr const char* kCardRoot = "P:\\";
constexpr std::uint64_t kTmpfsSize = 2 * 1024 * 1024;

bool CardMapped() { return GetDriveTypeA(kCardRoot) != DRIVE_NO_ROOT_DIR; }

// True when the card is the small tmpfs (its total size is 2 MiB).
bool CardIsSmallTmpfs() {
    ULARGE_INTEGER available, total, free;
    return CardMapped() && GetDiskFreeSpaceExA(kCardRoot, &available, &total, &free) && total.QuadPart == kTmpfsSize;
}

// A fresh folder on the card, removed with its files afterwards.
class CardFolder {
public:
    CardFolder() {
        static int counter = 0;
        path_ = std::string(kCardRoot) + "pixa-" + std::to_string(GetCurrentProcessId()) + "-" +
                std::to_string(++counter) + "\\";
        CreateDirectoryA(path_.c_str(), nullptr);
    }
    ~CardFolder() {
        for (const auto& row : Directory(path_ + "*.*", "HS")) DeleteFileA((path_ + row.name).c_str());
        RemoveDirectoryA(path_.c_str());
    }
    CardFolder(const CardFolder&) = delete;
    CardFolder& operator=(const CardFolder&) = delete;

    const std::string& Path() const { return path_; }
    std::vector<std::string> Names() const {
        std::vector<std::string> names;
        for (const auto& row : Directory(path_ + "*.*", "HS")) names.push_back(row.name);
        std::sort(names.begin(), names.end());
        return names;
    }

private:
    std::string path_;
};

std::string Content(std::size_t size, char seed) {
    std::string s(size, '\0');
    for (std::size_t i = 0; i < size; ++i) s[i] = static_cast<char>(seed + i * 31 + i / 4096);
    return s;
}

TEST(DiskSpace, MeasuresTheMappedCardDrive) {
    if (!CardIsSmallTmpfs()) GTEST_SKIP() << "the card drive P: is not a 2 MiB tmpfs (see scripts/test-drives.sh)";
    test::ScriptedErrors errors;
    CardFolder card;
    EXPECT_EQ(DiskSpace(kCardDrive), kTmpfsSize);
    test::WriteAnsi(card.Path() + "one.bin", std::string(1024 * 1024, 'x'));
    EXPECT_EQ(DiskSpace(kCardDrive), kTmpfsSize - 1024 * 1024);
    EXPECT_TRUE(errors.raised.empty());
}

TEST(DiskSpace, CurrentDriveAndUnmappedDrive) {
    test::ScriptedErrors errors;
    int current = CurDrive() - 'A' + 1;
    EXPECT_GT(DiskSpace(0), 0u);
    EXPECT_NEAR(double(DiskSpace(0)), double(DiskSpace(current)), 64.0 * 1024 * 1024);
    EXPECT_TRUE(errors.raised.empty());

    DWORD mapped = GetLogicalDrives();
    int unmapped = 0;
    for (int n = 26; n >= 4 && unmapped == 0; --n)
        if (!(mapped & (1u << (n - 1)))) unmapped = n;
    ASSERT_NE(unmapped, 0);
    UINT previous = SetErrorMode(0);
    EXPECT_EQ(DiskSpace(unmapped), 0u);
    EXPECT_EQ(SetErrorMode(previous), 0u);  // the error mode was restored
    ASSERT_EQ(errors.raised.size(), 1u);
    const Error& e = errors.raised[0];
    EXPECT_EQ(e.SubSystem, "BASE");
    EXPECT_EQ(e.GenCode, 21);
    EXPECT_EQ(e.SubCode, 2018);
    EXPECT_EQ(e.OsCode, 0);
    EXPECT_FALSE(e.CanRetry);
    EXPECT_TRUE(e.CanDefault);
    ASSERT_TRUE(e.Args.IsArray());
    EXPECT_EQ(e.Args.AsArray()->at(0).AsInteger(), unmapped);
}

TEST(FullCard, RunStopsCleanlyAndTheCardHoldsOnlyCompleteFiles) {
    if (!CardIsSmallTmpfs()) GTEST_SKIP() << "the card drive P: is not a 2 MiB tmpfs (see scripts/test-drives.sh)";
    test::TempDir src;
    CardFolder card;
    std::vector<std::string> contents = {Content(900 * 1024, 'a'), Content(900 * 1024, 'b'), Content(900 * 1024, 'c')};
    std::vector<std::string> files;
    for (std::size_t i = 0; i < contents.size(); ++i)
        files.push_back(src.Write(std::string(1, static_cast<char>('a' + i)) + ".jpg", contents[i]));

    test::ScriptedErrors errors;  // the user lets each failure pass
    test::RecordingProgress progress;
    test::RecordingPrompts prompts;
    CopyTally tally = RenInDir(files, {.target = card.Path(), .maker = "Sony", .extens = "JPG"}, progress, prompts);
    EXPECT_EQ(tally.copied, 2);
    EXPECT_EQ(tally.failed, 1);
    EXPECT_EQ(card.Names(), (std::vector<std::string>{"DSC00001.JPG", "DSC00002.JPG"}));  // no partial or temporary file
    EXPECT_EQ(test::ReadAnsi(card.Path() + "DSC00001.JPG"), contents[0]);
    EXPECT_EQ(test::ReadAnsi(card.Path() + "DSC00002.JPG"), contents[1]);
    ASSERT_FALSE(errors.raised.empty());
    const Error& e = errors.raised[0];
    EXPECT_EQ(e.GenCode, 24);
    EXPECT_EQ(e.SubCode, 2016);
    EXPECT_EQ(e.OsCode, ERROR_DISK_FULL);
    EXPECT_EQ(e.FileName, card.Path() + "DSC00003.JPG");
    EXPECT_TRUE(e.CanRetry);
    EXPECT_EQ(prompts.shown.back().text,
              "Es wurden 2 Dateien erfolgreich konvertiert, 1 Datei konnte nicht kopiert werden:\r\n" + files[2]);
    EXPECT_EQ(DiskSpace(kCardDrive), kTmpfsSize - 2 * 900 * 1024);
}

TEST(FullCard, RetryAfterMakingRoomWritesTheRestExactlyOnce) {
    if (!CardIsSmallTmpfs()) GTEST_SKIP() << "the card drive P: is not a 2 MiB tmpfs (see scripts/test-drives.sh)";
    test::TempDir src;
    CardFolder card;
    test::WriteAnsi(card.Path() + "BIG.BIN", std::string(1500 * 1024, 'z'));
    std::string picture = Content(900 * 1024, 'p');
    std::string source = src.Write("p.jpg", picture);
    // The user frees space on the card, then chooses Retry.
    test::ScriptedErrors errors([&](const Error&) {
        DeleteFileA((card.Path() + "BIG.BIN").c_str());
        return ErrorAnswer::Retry;
    });
    test::RecordingProgress progress;
    test::RecordingPrompts prompts;
    CopyTally tally = RenInDir({source}, {.target = card.Path(), .maker = "Sony", .extens = "JPG"}, progress, prompts);
    EXPECT_EQ(errors.raised.size(), 1u);
    EXPECT_EQ(tally.copied, 1);
    EXPECT_EQ(card.Names(), std::vector<std::string>{"DSC00001.JPG"});
    EXPECT_EQ(test::ReadAnsi(card.Path() + "DSC00001.JPG"), picture);
}

TEST(LostCard, ACardGoneInTheMiddleOfALargeFileEndsTheRunWithOneMessage) {
    if (!CardIsSmallTmpfs()) GTEST_SKIP() << "the card drive P: is not a 2 MiB tmpfs (see scripts/test-drives.sh)";
    test::TempDir src;
    CardFolder card;
    std::string pulled = card.Path().substr(0, card.Path().size() - 1) + "-pulled";
    test::WriteAnsi(card.Path() + "BIG.BIN", std::string(1500 * 1024, 'z'));
    std::vector<std::string> files = {src.Write("a.jpg", Content(900 * 1024, 'a')), src.Write("b.jpg", "b")};
    // The large picture fills the card; while the user reads that, the card is pulled
    // (Wine keeps the open file, so only the next write fails), and the user retries.
    test::ScriptedErrors errors([&](const Error&) {
        return MoveFileA(card.Path().c_str(), pulled.c_str()) ? ErrorAnswer::Retry : ErrorAnswer::Default;
    });
    test::RecordingProgress progress;
    test::RecordingPrompts prompts;
    RenInDir(files, {.target = card.Path(), .maker = "Sony", .extens = "JPG"}, progress, prompts);
    MoveFileA(pulled.c_str(), card.Path().c_str());
    ASSERT_EQ(errors.raised.size(), 1u);  // no dialog once the card was gone
    EXPECT_EQ(errors.raised[0].Operation, "Kopieren: " + files[0]);  // the error dialog names the picture
    ASSERT_EQ(prompts.shown.size(), 2u);
    EXPECT_EQ(prompts.shown[0].text, "Die Speicherkarte ist nicht mehr erreichbar oder schreibgeschützt (" +
                                         card.Path() + "). Die Übertragung wurde beendet.");
    EXPECT_EQ(prompts.shown[0].title, "Übertragung");
    EXPECT_EQ(prompts.shown[1].text,
              "Es wurden 0 Dateien erfolgreich konvertiert, 1 Datei konnte nicht kopiert werden:\r\n" + files[0]);
}

}  // namespace
}  // namespace pixa
