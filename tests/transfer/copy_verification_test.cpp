// Checking copies on the simulated card V: (tests/support/card_sim.py, steered through V:\.PIXACARD).
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <sstream>

#include "app/transfer/camera_copy.h"
#include "app/transfer/directory.h"
#include "tests/support/temp_dir.h"
#include "tests/transfer/transfer_fakes.h"
#include "tests/support/layers.h"

namespace pixa {
namespace {

constexpr const char* kCard = "V:\\";
constexpr const char* kControl = "V:\\.PIXACARD";

std::string ReadAll(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream all;
    all << in.rdbuf();
    return all.str();
}

// Sends commands to the card; false when there is no simulated card.
bool Steer(const std::string& commands) {
    std::ofstream control(kControl, std::ios::binary);
    control << commands << "\n";
    return static_cast<bool>(control.flush());
}

class SimulatedCard : public ::testing::Test {
protected:
    void SetUp() override {
        if (GetFileAttributesA(kControl) == INVALID_FILE_ATTRIBUTES) GTEST_SKIP() << "no simulated card on V:";
        ASSERT_TRUE(Steer("return\nformat 64"));
    }
    void TearDown() override { Steer("return\nformat 64"); }

    // count pictures of size bytes each, all different.
    std::vector<std::string> Pictures(int count, std::size_t size) {
        std::vector<std::string> files;
        for (int i = 0; i < count; ++i) {
            std::string bytes(size, '\0');
            for (std::size_t b = 0; b < size; ++b) bytes[b] = static_cast<char>((b * 7 + i * 131 + b / 997) & 0xFF);
            files.push_back(source_.Write("P" + std::to_string(10 + i) + ".JPG", bytes));
        }
        return files;
    }

    CopyTally Copy(const std::vector<std::string>& files) {
        return RenInDir(files, {.target = kCard, .verify = true}, progress_, prompts_);
    }

    // Checks that every camera file on the card holds the picture its number was given
    // to (the n-th picture in copy order); returns how many there are.
    std::size_t CameraFilesMatch(const std::vector<std::string>& files) {
        std::size_t count = 0;
        for (const auto& row : Directory(std::string(kCard) + "*.*", "HS")) {
            if (row.name.rfind("DSC", 0) != 0) continue;
            ++count;
            EXPECT_EQ(ReadAll(std::string(kCard) + row.name), ReadAll(files[std::stoul(row.name.substr(3, 5)) - 1]))
                << row.name;
        }
        return count;
    }

    test::TempDir source_;
    test::RecordingProgress progress_;
    test::RecordingPrompts prompts_;
};

TEST_F(SimulatedCard, ACleanCardPassesAndAFlippedBitIsCaughtAndCopiedRightOnRetry) {
    auto files = Pictures(3, 300000);
    test::ScriptedErrors errors([](const Error&) { return ErrorAnswer::Retry; });
    ASSERT_TRUE(Steer("flip-write-at 400000"));  // a byte of the second copy is stored wrong, once
    CopyTally tally = Copy(files);
    ASSERT_EQ(errors.raised.size(), 1u) << "one mismatch, retried once";
    EXPECT_NE(errors.raised[0].Description.find("Verify error"), std::string::npos);
    EXPECT_EQ(errors.raised[0].FileName, std::string(kCard) + "DSC00002.JPG");
    EXPECT_EQ(tally.copied, 3);
    EXPECT_EQ(tally.checked, 3);
    EXPECT_EQ(CameraFilesMatch(files), 3u);
    // The card saw every temporary file flushed before it took its camera name.
    std::istringstream calls(ReadAll(kControl));
    int renamed = 0;
    std::vector<std::string> flushed;
    for (std::string verb, path, line; std::getline(calls, line);) {
        std::istringstream words(line);
        words >> verb >> path;
        if (verb == "fsync") flushed.push_back(path);
        if (verb == "rename" && path.find("PXA") != std::string::npos) {
            ++renamed;
            EXPECT_NE(std::find(flushed.begin(), flushed.end(), path), flushed.end()) << line;
        }
    }
    EXPECT_EQ(renamed, 4) << "three copies and the one copied again";
    EXPECT_EQ(prompts_.shown.back().text,
              "Es wurden 3 Dateien erfolgreich konvertiert.\r\n3 Kopien wurden auf der Karte nachgeprüft.");

    // Default gives the bad copy up and removes it.
    ASSERT_TRUE(Steer("format 64\nflip-write-at 10"));
    test::ScriptedErrors giveUp;
    tally = Copy({files[0]});
    EXPECT_EQ(tally.failed, 1);
    EXPECT_EQ(tally.checked, 0);
    EXPECT_TRUE(Directory(std::string(kCard) + "*.*", "HS").empty());
}

TEST_F(SimulatedCard, ACounterfeitCardIsNamedBeforeTheFinalBoxAndItsOverwrittenCopiesGo) {
    ASSERT_TRUE(Steer("format 64 8"));  // reports 64 MB, holds 8
    auto files = Pictures(12, 1000000);
    test::ScriptedErrors errors;
    CopyTally tally = Copy(files);
    EXPECT_TRUE(errors.raised.empty()) << "each copy was right when it was checked";
    ASSERT_GT(tally.overwritten, 0);
    EXPECT_EQ(tally.copied + tally.overwritten, 12);
    ASSERT_EQ(prompts_.shown.size(), 2u);
    EXPECT_EQ(prompts_.shown[0].title, "Speicherkarte fehlerhaft");
    EXPECT_EQ(prompts_.shown[0].text.rfind("Die Speicherkarte behält nicht, was auf sie geschrieben wird", 0), 0u);
    EXPECT_EQ(prompts_.shown[1].title, "Konvertierung beendet");
    EXPECT_EQ(CameraFilesMatch(files), static_cast<std::size_t>(tally.copied)) << "the copies kept are right";
}

TEST_F(SimulatedCard, ACardVanishingInTheMiddleOfAFileIsSaidOnceAndLeavesNoHalfCameraFile) {
    auto files = Pictures(5, 600000);
    test::ScriptedErrors errors;
    ASSERT_TRUE(Steer("vanish-after 1500000"));  // in the middle of the third picture
    CopyTally tally = Copy(files);
    EXPECT_TRUE(tally.targetLost);
    EXPECT_EQ(tally.copied, 2);
    int stops = 0;
    for (const auto& shown : prompts_.shown) stops += shown.kind == "stop";
    EXPECT_EQ(stops, 1) << "said once, not once per remaining picture";
    ASSERT_TRUE(Steer("return"));
    EXPECT_EQ(CameraFilesMatch(files), 2u) << "no camera-named half file";
}

}  // namespace
}  // namespace pixa
