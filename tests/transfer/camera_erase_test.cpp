#include "app/transfer/camera_erase.h"

#include <windows.h>

#include <gtest/gtest.h>

#include "app/transfer/directory.h"
#include "platform/handles.h"
#include "tests/support/temp_dir.h"
#include "tests/transfer/transfer_fakes.h"
#include "tests/support/layers.h"

namespace pixa {
namespace {

// A job on the target for the picture type JPG, without folders to guard.
EraseJob Job(const std::string& target) { return {.target = target, .extens = "JPG", .guard = {}}; }

std::string Question(const std::string& countLine) {
    return "Wollen Sie den Kameraspeicher löschen ?\n\n" + countLine + " gelöscht.";
}

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
    EXPECT_TRUE(CamErase(Job(target), no));
    ASSERT_EQ(no.shown.size(), 1u);
    EXPECT_EQ(no.shown[0].kind, "noyes");
    EXPECT_EQ(no.shown[0].text, Question("Es werden 2 Dateien aus " + target));
    EXPECT_EQ(no.shown[0].title, "Löschen");
    EXPECT_TRUE(File(card / "DSC00001.JPG"));

    test::RecordingPrompts yes;
    EXPECT_TRUE(CamErase(Job(target), yes));
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
    EXPECT_TRUE(CamErase(Job(root / "DCIM"), yes));
    EXPECT_FALSE(File(root / "DCIM\\DSC00001.JPG"));
    EXPECT_TRUE(File(root / "DCIM_notes.txt"));
}

TEST(CamErase, TakesOnlyCameraFilesAndSaysHowMany) {
    test::TempDir card;
    for (const char* name : {"DSC00001.JPG", "IMG_0042.JPG", "MVI_0003.MOV", "Urlaub am See.jpg", "PXA0001A.TMP",
                             "Bericht.docx", "notizen.txt"})
        card.Write(name, "x");
    test::RecordingPrompts yes, again;
    CamErase(Job(card.str() + "\\"), yes);
    EXPECT_EQ(yes.shown.at(0).text, Question("Es werden 5 Dateien aus " + card.str() + "\\"));
    EXPECT_EQ(Directory(card / "*.*").size(), 2u);
    EXPECT_TRUE(File(card / "Bericht.docx") && File(card / "notizen.txt"));
    // Only the user's files left: nothing is asked or deleted.
    CamErase(Job(card.str()), again);
    ASSERT_EQ(again.shown.size(), 1u);
    EXPECT_EQ(again.shown[0].text,
              "Im Kameraordner " + card.str() + "\\ gibt es keine Kameradateien. Es wurde nichts gelöscht !");
}

TEST(CamErase, FilesThatStayAreCountedAndProtectionIsKept) {
    test::TempDir card;
    const std::string target = card.str() + "\\", why = " nicht gelöscht werden (schreibgeschützt oder in Gebrauch).";
    SetFileAttributesA(card.Write("DSC00001.JPG", "protected").c_str(), FILE_ATTRIBUTE_READONLY);
    test::RecordingPrompts one, two;
    CamErase(Job(target), one);
    platform::FileHandle held(
        CreateFileA(card.Write("DSC00002.JPG", "in use").c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr));
    CamErase(Job(target), two);
    held.Close();
    EXPECT_EQ(one.shown.at(0).text, Question("Es wird 1 Datei aus " + target));
    EXPECT_EQ(one.shown.back().text, "1 Datei konnte" + why);
    EXPECT_EQ(two.shown.back().text, "2 Dateien konnten" + why);
    EXPECT_NE(GetFileAttributesA((card / "DSC00001.JPG").c_str()) & FILE_ATTRIBUTE_READONLY, 0u);
    SetFileAttributesA((card / "DSC00001.JPG").c_str(), FILE_ATTRIBUTE_NORMAL);
}

}  // namespace
}  // namespace pixa
