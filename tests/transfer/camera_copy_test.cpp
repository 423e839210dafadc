#include "app/transfer/camera_copy.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>

#include "app/transfer/camera_names.h"
#include "app/transfer/directory.h"
#include "platform/handles.h"
#include "tests/support/temp_dir.h"
#include "tests/transfer/transfer_fakes.h"
#include "tests/support/layers.h"

namespace pixa {
namespace {

// Names on the card (every entry but "." and "..", hidden ones included), sorted.
std::vector<std::string> CardNames(const std::string& card) {
    std::vector<std::string> names;
    for (const auto& row : Directory(card + "*.*", "HSD"))
        if (row.name != "." && row.name != "..") names.push_back(row.name);
    std::sort(names.begin(), names.end());
    return names;
}

class CameraCopyTest : public ::testing::Test {
protected:
    // Source pictures with the given names; each file's content is its own name.
    std::vector<std::string> Sources(const std::vector<std::string>& names) {
        std::vector<std::string> paths;
        for (const auto& n : names) paths.push_back(src_.Write(n, n));
        return paths;
    }
    CopyTally Run(const std::vector<std::string>& files, CameraCopyRequest request) {
        if (request.target.empty()) request.target = card_.str();  // without "\": the loop adds it
        return RenInDir(files, request, progress_, prompts_);
    }
    std::string Card() const { return card_.str() + "\\"; }

    test::ScriptedErrors errors_;
    test::TempDir src_, card_;
    test::RecordingProgress progress_;
    test::RecordingPrompts prompts_;
};

TEST_F(CameraCopyTest, EmptyCardGetsRunningNamesInByteOrder) {
    auto files = Sources({"c.jpg", "B.jpg", "a.jpg"});
    CopyTally tally = Run(files, {.target = "", .maker = "Sony", .extens = "JPG"});
    EXPECT_EQ(tally.copied, 3);
    EXPECT_EQ(tally.failed, 0);
    EXPECT_EQ(CardNames(Card()), (std::vector<std::string>{"DSC00001.JPG", "DSC00002.JPG", "DSC00003.JPG"}));
    EXPECT_EQ(card_.Read("DSC00001.JPG"), "B.jpg");
    EXPECT_EQ(card_.Read("DSC00002.JPG"), "a.jpg");
    EXPECT_EQ(card_.Read("DSC00003.JPG"), "c.jpg");
    EXPECT_EQ(progress_.actions, (std::vector<std::string>{"Kopieren: B.jpg", "Kopieren: a.jpg", "Kopieren: c.jpg",
                                                           "Übertragung erfolgreich abgeschlossen "}));
    EXPECT_EQ(progress_.totals, std::vector<int>{3});
    EXPECT_EQ(progress_.positions, (std::vector<int>{0, 1, 2, 3}));
    EXPECT_EQ(progress_.pumps, 3);  // one per name tried
    ASSERT_EQ(prompts_.shown.size(), 1u);
    EXPECT_EQ(prompts_.shown[0].kind, "info");
    EXPECT_EQ(prompts_.shown[0].text, "Es wurden 3 Dateien erfolgreich konvertiert.");
    EXPECT_EQ(prompts_.shown[0].title, "Konvertierung beendet");
    EXPECT_EQ(src_.Read("a.jpg"), "a.jpg");  // the source stays as it is
}

TEST_F(CameraCopyTest, GapsAreFilledAndTakenNamesSkippedWhateverTheirCase) {
    card_.Write("DSC00001.JPG", "old1");
    card_.Write("DSC00003.JPG", "old3");
    card_.Write("dsc00004.jpg", "old4");
    card_.Write("DSC00005.JPG", "hidden");
    SetFileAttributesA((card_ / "DSC00005.JPG").c_str(), FILE_ATTRIBUTE_HIDDEN);
    CreateDirectoryA((card_ / "DSC00006.JPG").c_str(), nullptr);  // a folder takes the name too
    auto files = Sources({"1.jpg", "2.jpg"});
    Run(files, {.target = Card(), .maker = "Sony", .extens = "JPG"});
    EXPECT_EQ(card_.Read("DSC00002.JPG"), "1.jpg");
    EXPECT_EQ(card_.Read("DSC00007.JPG"), "2.jpg");
    EXPECT_EQ(card_.Read("DSC00001.JPG"), "old1");
    EXPECT_EQ(card_.Read("dsc00004.jpg"), "old4");
    EXPECT_EQ(progress_.pumps, 7);  // 1, 2, then 3 to 7: the search never restarts
}

TEST_F(CameraCopyTest, NameTakenAfterTheListingIsNeitherOverwrittenNorReused) {
    card_.Write("DSC00001.JPG", "old1");
    auto files = Sources({"a.jpg", "b.jpg"});
    // While the second file's name is searched, another program writes that very name.
    progress_.onPump = [&] {
        if (progress_.actions.size() == 2 && !File(card_ / "DSC00003.JPG")) card_.Write("dsc00003.jpg", "other");
    };
    CopyTally tally = Run(files, {.target = Card(), .maker = "Sony", .extens = "JPG"});
    EXPECT_EQ(tally.copied, 2);
    EXPECT_EQ(tally.failed, 0);
    EXPECT_TRUE(errors_.raised.empty());
    EXPECT_EQ(CardNames(Card()), (std::vector<std::string>{"DSC00001.JPG", "DSC00002.JPG", "DSC00004.JPG", "dsc00003.jpg"}));
    EXPECT_EQ(card_.Read("dsc00003.jpg"), "other");
    EXPECT_EQ(card_.Read("DSC00002.JPG"), "a.jpg");
    EXPECT_EQ(card_.Read("DSC00004.JPG"), "b.jpg");

    // The names of one run never collide with each other, also when nothing is written.
    CameraNamer namer(Card(), "Sony", "JPG");
    EXPECT_EQ(namer.NextFree("x.jpg", {}), Card() + "DSC00005.JPG");
    EXPECT_EQ(namer.NextFree("y.jpg", {}), Card() + "DSC00006.JPG");
}

TEST(CameraNames, MakerPrefixAndTypeRules) {
    test::TempDir card;
    auto first = [&](const std::string& maker, const std::string& type) {
        CameraNamer namer(card.str(), maker, type);
        auto path = namer.NextFree(card / "src.x", {});
        return path ? path->substr(card.str().size() + 1) : std::string("-");
    };
    EXPECT_EQ(first("Canon", "TIF"), "CAN00001.TIF");
    EXPECT_EQ(first("Olympus", "GIF"), "PIC00001.GIF");
    EXPECT_EQ(first("Sony", "BMP"), "DSC00001.BMP");
    EXPECT_EQ(first("Sony DSC-F707", "JPG"), "DSC00001.JPG");
    EXPECT_EQ(first("sony", "JPG"), "00001.JPG");
    EXPECT_EQ(first("Sony", "PNG"), "00001.PNG");
    EXPECT_EQ(first("Canon", "MOV"), "00001.MOV");
    EXPECT_EQ(first("Sony", "jpg"), "00001.jpg");
    EXPECT_EQ(first("Nikon", "JPG"), "00001.JPG");
    EXPECT_EQ(first("Sony", "QT "), "00001.QT");
}

TEST(CameraNames, AllFilesTypeKeepsEachSourceExtension) {
    test::TempDir card;
    CameraNamer namer(card.str() + "\\", "Sony", "*");
    auto name = [&](const std::string& source) { return namer.NextFree(source, {})->substr(card.str().size() + 1); };
    EXPECT_EQ(name("C:\\B\\x.jpg"), "DSC00001.JPG");
    EXPECT_EQ(name("C:\\B\\clip.mov"), "00002.MOV");
    EXPECT_EQ(name("C:\\B.D\\README"), "00003");
    EXPECT_EQ(name("C:\\B\\scan.Tif"), "DSC00004.TIF");
}

TEST_F(CameraCopyTest, AllFilesTypeCopiesUnderOwnExtensions) {
    auto files = Sources({"a.gif", "b.png"});
    Run(files, {.target = Card(), .maker = "Olympus", .extens = "*"});
    EXPECT_EQ(CardNames(Card()), (std::vector<std::string>{"00002.PNG", "PIC00001.GIF"}));
}

TEST_F(CameraCopyTest, SimulationWritesNothingButCountsAndNames) {
    card_.Write("DSC00001.JPG", "old");
    auto files = Sources({"a.jpg", "b.jpg"});
    CopyTally tally = Run(files, {.target = Card(), .maker = "Sony", .extens = "JPG", .simulate = true});
    EXPECT_EQ(tally.copied, 2);
    EXPECT_EQ(CardNames(Card()), std::vector<std::string>{"DSC00001.JPG"});
    EXPECT_EQ(progress_.pumps, 3);  // names 1 (taken), 2 and 3 were tried against the card
    ASSERT_EQ(prompts_.shown.size(), 1u);
    EXPECT_EQ(prompts_.shown[0].text, "Es wurden 2 Dateien erfolgreich konvertiert.");
    EXPECT_EQ(prompts_.shown[0].title, "Simulation beendet");
}

TEST_F(CameraCopyTest, InterruptDuringTheThirdOfTenFiles) {
    std::vector<std::string> names;
    for (char digit = '0'; digit <= '9'; ++digit) names.push_back(std::string{'p', digit, '.', 'j', 'p', 'g'});
    auto files = Sources(names);
    // The button is pressed while the third file's name is being searched.
    progress_.onPump = [&] {
        if (progress_.actions.size() == 3) progress_.breakRequested = true;
    };
    CopyTally tally = Run(files, {.target = Card(), .maker = "Sony", .extens = "JPG"});
    EXPECT_TRUE(tally.interrupted);
    EXPECT_EQ(tally.copied, 3);
    EXPECT_EQ(CardNames(Card()), (std::vector<std::string>{"DSC00001.JPG", "DSC00002.JPG", "DSC00003.JPG"}));
    EXPECT_EQ(card_.Read("DSC00003.JPG"), "p2.jpg");  // the third file was completed
    EXPECT_EQ(progress_.actions.back(), "Die Übertragung wurde abgebrochen");
    ASSERT_EQ(prompts_.shown.size(), 2u);
    EXPECT_EQ(prompts_.shown[0].kind, "stop");
    EXPECT_EQ(prompts_.shown[0].text, "Der Datentransfer wurde abgebrochen !");
    EXPECT_EQ(prompts_.shown[0].title, "Unterbrechung");
    EXPECT_EQ(prompts_.shown[1].text, "Es wurden 3 Dateien erfolgreich konvertiert.");
}

TEST_F(CameraCopyTest, UsedUpNumbersStopWithAMessage) {
    card_.Write("DSC99999.JPG", "last");
    auto files = Sources({"a.jpg", "b.jpg", "c.jpg"});
    CopyTally tally = Run(files, {.target = Card(), .maker = "Sony", .extens = "JPG", .lastNumber = 99997});
    EXPECT_TRUE(tally.numbersExhausted);
    EXPECT_EQ(tally.copied, 1);
    EXPECT_EQ(CardNames(Card()), (std::vector<std::string>{"DSC99998.JPG", "DSC99999.JPG"}));
    EXPECT_EQ(card_.Read("DSC99999.JPG"), "last");
    EXPECT_EQ(progress_.actions.back(), "Die Übertragung wurde abgebrochen");
    ASSERT_EQ(prompts_.shown.size(), 2u);
    EXPECT_EQ(prompts_.shown[0].kind, "stop");
    EXPECT_NE(prompts_.shown[0].text.find("aufgebraucht"), std::string::npos);
    EXPECT_EQ(prompts_.shown[1].text, "Es wurden 1 Dateien erfolgreich konvertiert.");
}

TEST_F(CameraCopyTest, FailedCopiesAreCountedApartAndLeaveNothing) {
    auto files = Sources({"a.jpg", "b.jpg", "c.jpg"});
    HANDLE lock = CreateFileA(files[1].c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(lock, INVALID_HANDLE_VALUE);
    CopyTally tally = Run(files, {.target = Card(), .maker = "Sony", .extens = "JPG"});
    CloseHandle(lock);
    EXPECT_EQ(tally.copied, 2);
    EXPECT_EQ(tally.failed, 1);
    // The locked file's name was used up; the next file takes the next number.
    EXPECT_EQ(CardNames(Card()), (std::vector<std::string>{"DSC00001.JPG", "DSC00003.JPG"}));
    ASSERT_EQ(errors_.raised.size(), 1u);
    EXPECT_TRUE(IsSoftOpenFailure(errors_.raised[0]));
    EXPECT_EQ(progress_.actions.back(), "Die Übertragung wurde mit Fehlern abgeschlossen");
    ASSERT_EQ(prompts_.shown.size(), 1u);
    EXPECT_EQ(prompts_.shown[0].text,
              "Es wurden 2 Dateien erfolgreich konvertiert, 1 Datei konnte nicht kopiert werden:\r\n" + files[1]);
}

TEST(CopyResult, NamesTenFilesNotCopiedAndCountsTheRest) {
    CopyTally tally;
    for (char c = 'a'; c <= 'l'; ++c) tally.notCopied.push_back(std::string(1, c));
    tally.failed = 12;
    EXPECT_EQ(CopyResultText(tally), "Es wurden 0 Dateien erfolgreich konvertiert, 12 Dateien konnten nicht kopiert "
                                     "werden:\r\na\r\nb\r\nc\r\nd\r\ne\r\nf\r\ng\r\nh\r\ni\r\nj\r\n… und 2 weitere");
}

TEST_F(CameraCopyTest, LeftoverTemporariesOfAnEarlierRunGoFirstUnlessInUse) {
    card_.Write("PXA0BEEF.TMP", "half a picture");
    card_.Write("PXA1.TMP", "not ours");
    platform::FileHandle busy(CreateFileA((card_ / "PXA00002.TMP").c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, 0, nullptr));
    Run(Sources({"a.jpg"}), {.target = Card(), .maker = "Sony", .extens = "JPG"});
    EXPECT_EQ(CardNames(Card()), (std::vector<std::string>{"DSC00001.JPG", "PXA00002.TMP", "PXA1.TMP"}));
}

}  // namespace
}  // namespace pixa
