// The program's help file opened through the program's help calls in the
// platform's viewer (Wine's winhlp32): the contents list every chapter of the help
// source, and a dialog's keyword (F1, help buttons) opens that dialog's topic.
// The viewer runs as its own process; its text is read back from its text window.
#include <windows.h>

#include <gtest/gtest.h>

#include <chrono>
#include <map>
#include <regex>
#include <string>
#include <thread>

#include "framework/services/help.h"
#include "framework/services/help_viewer.h"
#include "framework/services/winhelp_file.h"
#include "tests/release/help_viewer_reader.h"
#include "tests/support/layers.h"

namespace pixa {
namespace {

using namespace test;

class HelpFileViewer : public ::testing::Test {
protected:
    void SetUp() override { SetHelpFile(file_); }
    void TearDown() override { CloseViewer(file_); }
    const std::string file_ = WinePath(PIXA_HELP_DIR "/PIXAPORT.HLP");
    const std::map<std::string, std::string> chapters_ = SourceChapters();
};

TEST_F(HelpFileViewer, ContentsListEveryChapterInGerman) {
    ASSERT_GE(chapters_.size(), 8u);
    ASSERT_TRUE(WinHelp(file_));  // the help label and "&Hilfe anzeigen"
    std::string shown = ViewerTextWith(chapters_.begin()->second);
    ASSERT_FALSE(shown.empty()) << "the viewer did not show the contents";
    for (const auto& [key, title] : chapters_) EXPECT_NE(shown.find(title), std::string::npos) << key;
    EXPECT_NE(shown.find("H\xE4ufige Fragen"), std::string::npos) << "umlauts";
}

TEST_F(HelpFileViewer, DialogKeywordOpensItsOwnTopic) {
    for (const char* keyword : {"Hauptauswahl", "Konvertieren", "Transfer", "Auswahl", "Einstellungen"}) {
        SCOPED_TRACE(keyword);
        auto chapter = chapters_.find(keyword);
        ASSERT_NE(chapter, chapters_.end()) << "no topic named after the keyword";
        ASSERT_TRUE(HelpTopic(std::string(keyword)));
        std::string shown = ViewerTextWith(chapter->second);
        // The topic's own title opens the text; a contents page would begin with "Inhalt".
        ASSERT_FALSE(shown.empty());
        EXPECT_LT(shown.find(chapter->second), 40u);
    }
}

TEST_F(HelpFileViewer, TopicNamesAreReadFromTheFileAsTheViewerFindsThem) {
    for (const auto& [key, title] : chapters_) EXPECT_TRUE(WinHelpFileHasTopic(file_, key)) << key;
    EXPECT_TRUE(WinHelpFileHasTopic(file_, "konvertieren")) << "names are found without regard to case";
    EXPECT_FALSE(WinHelpFileHasTopic(file_, "Kameraordner")) << "an index entry is no topic name";
    EXPECT_FALSE(WinHelpFileHasTopic(file_, "Konvertieren2"));
    EXPECT_FALSE(WinHelpFileHasTopic(WinePath(PIXA_HELP_DIR "/PIXAPORT.CHM"), "Konvertieren")) << "not a WinHelp file";
    EXPECT_FALSE(WinHelpFileHasTopic(WinePath(PIXA_HELP_DIR "/FEHLT.HLP"), "Konvertieren"));
}

TEST_F(HelpFileViewer, KeywordWithoutTopicOpensTheContents) {
    ASSERT_TRUE(HelpTopic(std::string("Kameraordner")));
    EXPECT_FALSE(ViewerTextWith(chapters_.at("Fragen")).empty());
}

TEST_F(HelpFileViewer, IndexAndEmptySearchOpenTheContents) {
    ASSERT_TRUE(HelpSearch());  // "Hilfe-&Index"
    EXPECT_FALSE(ViewerTextWith(chapters_.at("ErsteSchritte")).empty());
    ASSERT_TRUE(HelpIndex());  // F1 in an open menu
    EXPECT_FALSE(ViewerTextWith(chapters_.at("Fragen")).empty());
}

// Where WinHelp cannot serve, the compiled HTML Help file beside the help file opens
// in the platform's HTML Help viewer, whose window bears the help's title.
TEST(CompiledHelpFallback, OpensTheCompiledFileBesideTheHelpFile) {
    std::smatch title;
    std::string source = SourceText();
    ASSERT_TRUE(std::regex_search(source, title, std::regex(R"(\n\\title ([^\n]+))")));
    const std::string file = WinePath(PIXA_HELP_DIR "/PIXAPORT.HLP");
    for (UINT command : {HELP_KEY, HELP_CONTENTS, HELP_PARTIALKEY}) {
        SCOPED_TRACE(command);
        ASSERT_TRUE(ShowHtmlHelp(nullptr, HtmlHelpFor(file, command, "Auswahl", 0)));
        HWND viewer = FindWindowA("HH Parent", nullptr);
        ASSERT_NE(viewer, nullptr);
        char caption[256] = {};
        GetWindowTextA(viewer, caption, sizeof caption);
        EXPECT_EQ(caption, Ansi(title[1]));
        ShowHtmlHelp(nullptr, HtmlHelpFor(file, HELP_QUIT, "", 0));
        EXPECT_EQ(FindWindowA("HH Parent", nullptr), nullptr) << "quit leaves a help window open";
    }
    EXPECT_FALSE(ShowHtmlHelp(nullptr, HtmlHelpFor("C:\\Fehlt\\PIXAPORT.HLP", HELP_CONTENTS, "", 0)));
}

}  // namespace
}  // namespace pixa
