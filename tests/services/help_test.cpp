// Help: the topic rule, the viewer commands, F1 in dialogs and in open menus, and
// one call that reaches Wine's real help viewer.
#include "framework/services/help.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <atomic>
#include <memory>
#include <string>
#include <thread>
#include <vector>

#include "framework/controls/get.h"
#include "framework/services/menu_builder.h"
#include "framework/window/dialog.h"
#include "framework/window/window.h"
#include "tests/support/gui_driver.h"

namespace pixa {
namespace {

using test::GuiScript;

struct ViewerCall {
    std::string file;
    UINT command;
    std::string key;   // keyword commands
    ULONG_PTR number;  // the others
};

// Puts a recording viewer in place for the test's lifetime; the help file is "Pixaport.HLP".
class RecordedHelp : public ::testing::Test {
protected:
    void SetUp() override {
        SetHelpFile("Pixaport.HLP");
        HelpSetTopic();
        previous_ = SetHelpViewer([this](HWND, const std::string& file, UINT command, ULONG_PTR data) {
            bool keyword = command == kHelpKey || command == kHelpPartialKey;
            calls.push_back({file, command, keyword ? reinterpret_cast<const char*>(data) : "", keyword ? 0 : data});
            return true;
        });
    }
    void TearDown() override {
        SetHelpViewer(previous_);
        HelpSetTopic();
    }
    std::vector<ViewerCall> calls;

private:
    HelpViewer previous_;
};

TEST_F(RecordedHelp, TopicIsAKeywordOfAtMost99CharactersOrAContextId) {
    std::string longTopic(120, 'x');
    longTopic.replace(0, 10, "Einstellun");
    HelpSetTopic(longTopic);
    EXPECT_EQ(GetHelpTopic(), longTopic.substr(0, 99));
    HelpSetTopic(std::string(99, 'y'));
    EXPECT_EQ(GetHelpTopic().size(), 99u) << "99 characters are kept whole";
    HelpSetTopic(42);
    EXPECT_EQ(GetHelpTopic(), "") << "a number clears the keyword";
    HelpTopic();
    ASSERT_EQ(calls.size(), 1u);
    EXPECT_EQ(calls[0].command, kHelpContext);
    EXPECT_EQ(calls[0].number, 42u);
    HelpSetTopic();
    EXPECT_FALSE(HasHelpTopic());
}

TEST_F(RecordedHelp, EachCallUsesItsViewerCommand) {
    HelpSetTopic("Transfer");
    HelpTopic();
    HelpTopic("Auswahl");
    HelpTopic(7);
    HelpIndex();
    HelpSearch();
    HelpPopup(9);
    WinHelp("C:\\Pixaport\\PIXAPORT.HLP");
    ASSERT_EQ(calls.size(), 7u);
    EXPECT_EQ(calls[0].command, kHelpKey);
    EXPECT_EQ(calls[0].key, "Transfer");
    EXPECT_EQ(calls[1].command, 257u);
    EXPECT_EQ(calls[1].key, "Auswahl");
    EXPECT_EQ(calls[2].command, 1u);
    EXPECT_EQ(calls[2].number, 7u);
    EXPECT_EQ(calls[3].command, 11u);
    EXPECT_EQ(calls[4].command, 261u);
    EXPECT_EQ(calls[4].key, "");
    EXPECT_EQ(calls[5].command, 8u);
    EXPECT_EQ(calls[5].number, 9u);
    EXPECT_EQ(calls[6].command, 3u);
    EXPECT_EQ(calls[6].file, "C:\\Pixaport\\PIXAPORT.HLP");
    EXPECT_EQ(calls[5].file, "Pixaport.HLP");
}

TEST_F(RecordedHelp, WithoutAHelpFileAStopBoxAndNoViewer) {
    SetHelpFile("");
    bool shown = true;
    std::vector<std::string> texts;
    GuiScript script;
    script.Until("box is up", [] { return test::FindDialog(" Attention") != nullptr; })
        .Do("answer", [] { test::PressKey(VK_RETURN); });
    script.Start();
    shown = HelpIndex();
    EXPECT_TRUE(script.Succeeded()) << script.FailedStep();
    EXPECT_FALSE(shown);
    EXPECT_TRUE(calls.empty());
}

TEST_F(RecordedHelp, F1InADialogSearchesItsTopic) {
    HelpSetTopic("Auswahl");
    auto dialog = TDialog::New({.nTop = 100, .nLeft = 100, .cCaption = "Auswahl", .lPixel = true, .nWidth = 300,
                                .nHeight = 120});
    auto text = std::make_shared<Value>(std::string(10, ' '));
    auto field = TGet::New({.nRow = 10, .nCol = 10, .bSetGet = Action([text](const Args& a) {
                                if (!a.empty()) *text = a[0];
                                return *text;
                            }),
                            .oWnd = dialog, .nWidth = 80, .lPixel = true});
    auto withId = TGet::New({.nRow = 40, .nCol = 10, .oWnd = dialog, .nWidth = 80, .lPixel = true, .nHelpId = 77});
    GuiScript script;
    script.Until("focus in the field", [&] { return field->hWnd && GetFocus() == field->hWnd; })
        .Do("F1", [] { test::PressKey(VK_F1); })
        .Until("help asked", [&] { return calls.size() == 1; })
        .Do("to the field with a help id", [&] { withId->SetFocus(); })
        .Until("focus there", [&] { return GetFocus() == withId->hWnd; })
        .Do("F1 there", [] { test::PressKey(VK_F1); })
        .Until("help asked again", [&] { return calls.size() == 2; })
        .Do("close", [&] { dialog->End(); });
    script.Start();
    dialog->Activate({});
    EXPECT_TRUE(script.Succeeded()) << script.FailedStep();
    ASSERT_EQ(calls.size(), 2u);
    EXPECT_EQ(calls[0].command, kHelpKey);
    EXPECT_EQ(calls[0].key, "Auswahl");
    EXPECT_EQ(calls[1].command, kHelpContextPopup) << "a control's own help id comes in a pop-up";
    EXPECT_EQ(calls[1].number, 77u);
}

TEST_F(RecordedHelp, F1OnAHighlightedMenuEntryShowsTheIndex) {
    HelpSetTopic("Hauptauswahl");
    auto bar = MenuBegin();
    MenuAddItem({.cPrompt = "&Datei"});
    MenuBegin();
    MenuAddItem({.cPrompt = "&Neu", .bAction = Action([](const Args&) { return Value(); })});
    MenuEnd();
    MenuEnd();
    auto w = TWindow::New({.nTop = 50, .nLeft = 50, .nBottom = 300, .nRight = 450, .cTitle = "Hilfe im Menü",
                           .oMenu = bar, .lPixel = true});
    ShowWindow(w->hWnd, SW_SHOW);
    SetForegroundWindow(w->hWnd);
    auto open = [] {
        HWND m = FindWindowA("#32768", nullptr);
        return m && IsWindowVisible(m);
    };
    GuiScript script;
    script.Do("open", [&] { PostMessageA(w->hWnd, WM_SYSCOMMAND, SC_KEYMENU, 'd'); })
        .Until("submenu open", open)
        .Until("entry highlighted", [] { return MenuItemSelected().IsObject(); })
        .Do("F1", [] { test::PressKey(VK_F1); })
        .Until("help asked", [&] { return !calls.empty(); })
        .Do("close", [] { test::PressKey(VK_ESCAPE); test::PressKey(VK_ESCAPE); })
        .Until("closed", [&] { return !open(); });
    script.Start();
    script.Pump();
    EXPECT_TRUE(script.Succeeded()) << script.FailedStep();
    ASSERT_EQ(calls.size(), 1u);
    EXPECT_EQ(calls[0].command, kHelpFinder) << "a drop-down entry without help id: the index";
    DestroyWindow(w->hWnd);
}

// The viewer's error box for a missing file, found across processes.
HWND ViewerErrorBox() {
    HWND box = FindWindowA(nullptr, "ERROR");
    return box && IsWindowVisible(box) ? box : nullptr;
}

TEST(RealHelpViewer, ContentsOfAMissingFileReachWinHelp) {
    // Wine's viewer reports a missing file in its own box and WinHelp waits until it is
    // closed; a helper thread answers it "No" (do not look for the file).
    std::atomic<bool> seen{false};
    std::thread closer([&seen] {
        for (int i = 0; i < 300 && !seen; ++i) {
            if (HWND box = ViewerErrorBox()) {
                seen = true;
                PostMessageA(box, WM_COMMAND, IDNO, 0);
            }
            Sleep(100);
        }
    });
    SetHelpFile("Fehlt.HLP");
    WinHelp("Fehlt.HLP", kHelpContents);
    closer.join();
    EXPECT_TRUE(seen) << "the viewer was started with the file";
    WinHelp("Fehlt.HLP", 2);  // quit the viewer
}

}  // namespace
}  // namespace pixa
