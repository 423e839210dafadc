#include "app/transfer/camera_erase.h"

#include <windows.h>

#include <gtest/gtest.h>

#include "app/transfer/directory.h"
#include "tests/support/temp_dir.h"
#include "tests/transfer/transfer_fakes.h"

namespace pixa {
namespace {

TEST(CamErase, AsksThenDeletesPlainFilesOnly) {
    test::TempDir card;
    card.Write("DSC00001.JPG", "1");
    card.Write("DSC00002.JPG", "2");
    card.Write("MISC\\DSC00003.JPG", "3");
    card.Write("HIDDEN.JPG", "h");
    SetFileAttributesA((card / "HIDDEN.JPG").c_str(), FILE_ATTRIBUTE_HIDDEN);
    std::string target = card.str() + "\\";

    test::RecordingPrompts no;
    no.answerYes = false;
    EXPECT_TRUE(CamErase(target, no));
    ASSERT_EQ(no.shown.size(), 1u);
    EXPECT_EQ(no.shown[0].kind, "noyes");
    EXPECT_EQ(no.shown[0].text, "Wollen Sie den Kameraspeicher löschen ?");
    EXPECT_EQ(no.shown[0].title, "Löschen");
    EXPECT_TRUE(File(card / "DSC00001.JPG"));

    test::RecordingPrompts yes;
    EXPECT_TRUE(CamErase(target, yes));
    EXPECT_FALSE(File(card / "DSC00001.JPG"));
    EXPECT_FALSE(File(card / "DSC00002.JPG"));
    EXPECT_TRUE(File(card / "MISC\\DSC00003.JPG"));
    EXPECT_TRUE(File(card / "HIDDEN.JPG"));
    ASSERT_EQ(yes.shown.size(), 2u);
    EXPECT_EQ(yes.shown[1].kind, "info");
    EXPECT_EQ(yes.shown[1].text, "Der Kameraspeicher wurde gelöscht !");
    EXPECT_EQ(yes.shown[1].title, "Information");
    EXPECT_EQ(yes.cursor, (std::vector<bool>{true, false}));
    SetFileAttributesA((card / "HIDDEN.JPG").c_str(), FILE_ATTRIBUTE_NORMAL);
}

TEST(CamErase, FolderWithoutClosingBackslashErasesOnlyItsOwnFiles) {
    test::TempDir root;
    root.Write("DCIM\\DSC00001.JPG", "1");
    root.Write("DCIM_notes.txt", "keep");  // beside the folder, sharing its name's beginning
    test::RecordingPrompts yes;
    EXPECT_TRUE(CamErase(root / "DCIM", yes));
    EXPECT_FALSE(File(root / "DCIM\\DSC00001.JPG"));
    EXPECT_TRUE(File(root / "DCIM_notes.txt"));
}

TEST(CamErase, ReadOnlyFileIsSkippedSilently) {
    test::TempDir card;
    card.Write("DSC00001.JPG", "1");
    card.Write("DSC00002.JPG", "2");
    SetFileAttributesA((card / "DSC00001.JPG").c_str(), FILE_ATTRIBUTE_READONLY);
    test::RecordingPrompts yes;
    EXPECT_TRUE(CamErase(card.str() + "\\", yes));
    EXPECT_TRUE(File(card / "DSC00001.JPG"));
    EXPECT_FALSE(File(card / "DSC00002.JPG"));
    EXPECT_EQ(yes.shown.back().text, "Der Kameraspeicher wurde gelöscht !");
    SetFileAttributesA((card / "DSC00001.JPG").c_str(), FILE_ATTRIBUTE_NORMAL);
}

}  // namespace
}  // namespace pixa
