// The program's help file opened through the program's help calls in the
// platform's viewer (Wine's winhlp32): the contents list every chapter of the help
// source, and a dialog's keyword (F1, help buttons) opens that dialog's topic.
// The viewer runs as its own process; its text is read back from its text window.
#include <windows.h>

#include <gtest/gtest.h>

#include <chrono>
#include <fstream>
#include <map>
#include <regex>
#include <sstream>
#include <string>
#include <thread>

#include "framework/services/help.h"
#include "framework/services/help_viewer.h"
#include "framework/services/winhelp_file.h"

namespace pixa {
namespace {

// A path of the build machine as Wine sees it.
std::string WinePath(std::string unixPath) {
    for (char& c : unixPath)
        if (c == '/') c = '\\';
    return "Z:" + unixPath;
}

std::string Ansi(const std::string& utf8) {
    std::wstring wide(utf8.size(), L'\0');
    wide.resize(MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), wide.data(),
                                    static_cast<int>(wide.size())));
    std::string ansi(wide.size() * 2, '\0');
    ansi.resize(WideCharToMultiByte(1252, 0, wide.data(), static_cast<int>(wide.size()), ansi.data(),
                                    static_cast<int>(ansi.size()), nullptr, nullptr));
    return ansi;
}

std::string SourceText() {
    std::ifstream in(PIXA_HELP_SOURCE);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

// Chapter keyword -> chapter title (Windows-1252), as the help source declares them.
std::map<std::string, std::string> SourceChapters() {
    std::string source = SourceText();
    std::map<std::string, std::string> chapters;
    static const std::regex chapter(R"(\n\\C\{(\w+)\} ([^\n]+))");
    for (auto it = std::sregex_iterator(source.begin(), source.end(), chapter); it != std::sregex_iterator(); ++it)
        chapters[(*it)[1]] = Ansi((*it)[2]);
    return chapters;
}

// The text of another process's window (GetWindowText reads only its caption).
std::string TextOf(HWND window) {
    DWORD_PTR length = 0;
    if (!SendMessageTimeoutA(window, WM_GETTEXTLENGTH, 0, 0, SMTO_ABORTIFHUNG, 2000, &length)) return {};
    std::string text(length + 1, '\0');
    DWORD_PTR copied = 0;
    if (!SendMessageTimeoutA(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()), SMTO_ABORTIFHUNG,
                             2000, &copied))
        return {};
    text.resize(copied);
    return text;
}

// The text the viewer shows, once it contains want (empty after 30 s without it).
std::string ViewerTextWith(const std::string& want) {
    auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(30);
    while (std::chrono::steady_clock::now() < deadline) {
        for (HWND viewer = nullptr; (viewer = FindWindowExA(nullptr, viewer, "MS_WINHELP", nullptr));) {
            if (HWND text = FindWindowExA(viewer, nullptr, "RichEdit20A", nullptr)) {
                std::string shown = TextOf(text);
                if (shown.find(want) != std::string::npos) return shown;
            }
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(200));
    }
    return {};
}

class HelpFileViewer : public ::testing::Test {
protected:
    void SetUp() override { SetHelpFile(file_); }
    void TearDown() override {
        WinHelpA(nullptr, file_.c_str(), HELP_QUIT, 0);
        for (int i = 0; i < 50 && FindWindowA("MS_WINHELP", nullptr); ++i)
            std::this_thread::sleep_for(std::chrono::milliseconds(100));
    }
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
