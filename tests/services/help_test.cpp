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

#include "framework/controls/button.h"
#include "framework/controls/check_box.h"
#include "framework/controls/get.h"
#include "framework/controls/radio.h"
#include "framework/services/menu_builder.h"
#include "framework/window/dialog.h"
#include "tests/services/windows.h"
#include "tests/support/gui_driver.h"
#include "tests/support/layers.h"

namespace pixa {
namespace {

using test::GuiScript;

struct ViewerCall {
    std::string file;
    UINT command;
    std::string key;   // keyword commands
    ULONG_PTR number;  // the others
    bool operator==(const ViewerCall&) const = default;
};

// A recording viewer for the test's lifetime; the help file is "Pixaport.HLP".
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

TEST_F(RecordedHelp, EachCallUsesItsViewerCommand) {
    std::string longTopic = "Einstellungen" + std::string(107, 'x');
    HelpSetTopic(longTopic);
    EXPECT_EQ(GetHelpTopic(), longTopic.substr(0, 99)) << "cut to 99 characters";
    HelpSetTopic("Transfer");
    HelpTopic();
    HelpTopic("Auswahl");
    HelpSetTopic(7);
    EXPECT_EQ(GetHelpTopic(), "") << "a number clears the keyword";
    HelpTopic();
    HelpIndex();
    HelpSearch();
    HelpPopup(9);
    WinHelp("C:\\Pixaport\\PIXAPORT.HLP");
    const std::string file = "Pixaport.HLP";
    std::vector<ViewerCall> expected = {{file, 257, "Transfer", 0},  {file, 257, "Auswahl", 0}, {file, 1, "", 7},
                                        {file, 11, "", 0},           {file, 261, "", 0},        {file, 8, "", 9},
                                        {"C:\\Pixaport\\PIXAPORT.HLP", 3, "", 0}};
    EXPECT_EQ(calls, expected);
}

TEST_F(RecordedHelp, WithoutAHelpFileAStopBoxAndNoViewer) {
    SetHelpFile("");
    GuiScript script;
    script.Until("box is up", [] { return test::FindDialog(" Attention") != nullptr; })
        .Do("answer", [] { test::PressKey(VK_RETURN); });
    script.Start();
    EXPECT_FALSE(HelpIndex());
    EXPECT_TRUE(script.Succeeded()) << script.FailedStep();
    EXPECT_TRUE(calls.empty());
}

TEST_F(RecordedHelp, F1InADialogSearchesItsTopicOrShowsTheControlsOwn) {
    HelpSetTopic("Auswahl");
    auto dialog = TDialog::New({.nTop = 100, .nLeft = 100, .cCaption = "Auswahl", .lPixel = true, .nWidth = 400,
                                .nHeight = 220});
    // Buttons, check boxes and radio items made without a topic leave F1 to the dialog.
    std::vector<std::shared_ptr<TControl>> fields = {
        TGet::New({.nRow = 10, .nCol = 10, .oWnd = dialog, .nWidth = 80, .lPixel = true}),
        TButton::New({.nRow = 10, .nCol = 100, .cCaption = "&Los", .oWnd = dialog, .lPixel = true}),
        TCheckBox::New({.nRow = 40, .nCol = 100, .cCaption = "&Wahl", .oWnd = dialog, .nWidth = 80, .lPixel = true}),
    };
    auto radios = TRadMenu::New({.nRow = 70, .nCol = 100, .acItems = {"&Eins", "&Zwei"},
                                 .bSetGet = Action([](const Args&) { return Value(2); }), .oWnd = dialog, .nWidth = 80,
                                 .nHeight = 20, .lPixel = true});
    fields.push_back(radios->aItems[1].lock());
    fields.push_back(
        TGet::New({.nRow = 40, .nCol = 10, .oWnd = dialog, .nWidth = 80, .lPixel = true, .nHelpId = 77}));
    GuiScript script;
    std::size_t asked = 0;
    for (auto field : fields) {
        script.Do("focus", [field] { field->SetFocus(); })
            .Until("focused", [field] { return field->hWnd && GetFocus() == field->hWnd; })
            .Do("F1", [] { test::PressKey(VK_F1); })
            .Until("help asked", [this, n = ++asked] { return calls.size() == n; });
    }
    script.Do("close", [&] { dialog->End(); });
    script.Start();
    dialog->Activate({});
    EXPECT_TRUE(script.Succeeded()) << script.FailedStep();
    std::vector<ViewerCall> expected(fields.size() - 1, {"Pixaport.HLP", kHelpKey, "Auswahl", 0});
    expected.push_back({"Pixaport.HLP", kHelpContextPopup, "", 77});
    EXPECT_EQ(calls, expected) << "the dialog's topic; a control's own help id in a pop-up";
}

TEST_F(RecordedHelp, F1OnAHighlightedMenuEntryShowsTheIndex) {
    HelpSetTopic("Hauptauswahl");
    auto bar = MenuBegin();
    MenuAddItem({.cPrompt = "&Datei"});
    MenuBegin();
    MenuAddItem({.cPrompt = "&Neu", .bAction = Action([](const Args&) { return Value(); })});
    MenuEnd();
    MenuEnd();
    test::ShownWindow w("Hilfe im Menü", bar);
    GuiScript script;
    script.Do("open", [&] { test::OpenMenuBarEntry(w->hWnd, 'd'); })
        .Until("entry highlighted", [] { return test::MenuIsOpen() && MenuItemSelected().IsObject(); })
        .Do("F1", [] { test::PressKey(VK_F1); })
        .Until("help asked", [&] { return !calls.empty(); })
        .Do("close", [] { test::PressKey(VK_ESCAPE); test::PressKey(VK_ESCAPE); })
        .Until("closed", [] { return !test::MenuIsOpen(); });
    script.Start();
    script.Pump();
    EXPECT_TRUE(script.Succeeded()) << script.FailedStep();
    ASSERT_EQ(calls.size(), 1u);
    EXPECT_EQ(calls[0].command, kHelpFinder) << "a drop-down entry without help id: the index";
}

TEST(RealHelpViewer, ContentsOfAMissingFileReachWinHelp) {
    // Wine's viewer reports a missing file in its own box, and WinHelp waits until that
    // is closed: a helper thread answers it "No" (do not look for the file).
    std::atomic<bool> seen{false};
    std::thread closer([&seen] {
        for (int i = 0; i < 300 && !seen; ++i, Sleep(100)) {
            HWND box = FindWindowA(nullptr, "ERROR");
            if (box && IsWindowVisible(box)) {
                seen = true;
                PostMessageA(box, WM_COMMAND, IDNO, 0);
            }
        }
    });
    WinHelp("Fehlt.HLP", kHelpContents);
    closer.join();
    EXPECT_TRUE(seen) << "the viewer was started with the file";
    WinHelp("Fehlt.HLP", 2);  // quit the viewer
}

}  // namespace
}  // namespace pixa
