// The message boxes on the screen: titles, texts, default buttons and owner.
#include "framework/services/message_box.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "framework/window/window.h"
#include "tests/support/gui_driver.h"

namespace pixa {
namespace {

using test::GuiScript;

// The texts of a box's child windows (its message and its buttons).
std::vector<std::string> ChildTexts(HWND box) {
    std::vector<std::string> texts;
    EnumChildWindows(
        box,
        [](HWND child, LPARAM list) {
            reinterpret_cast<std::vector<std::string>*>(list)->push_back(test::TextOf(child));
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&texts));
    return texts;
}

bool Contains(const std::vector<std::string>& texts, const std::string& text) {
    for (const auto& t : texts)
        if (t == text) return true;
    return false;
}

// Shows a box through `show`, waits for a box titled `title`, reads its child texts
// and answers it with Enter. Yields the texts, empty when no such box appeared.
template <typename Show>
std::vector<std::string> AnswerWithEnter(const std::string& title, Show show) {
    std::vector<std::string> texts;
    HWND box = nullptr;
    GuiScript script;
    script.Until("box is up", [&] { return (box = test::FindDialog(title)) != nullptr; })
        .Do("read", [&] { texts = ChildTexts(box); })
        .Do("press Enter", [] { test::PressKey(VK_RETURN); });
    script.Start();
    show();
    EXPECT_TRUE(script.Succeeded()) << title << ": " << script.FailedStep();
    return texts;
}

TEST(MessageBoxTexts, TitleOnlyWithExactlyTwoArguments) {
    EXPECT_EQ(MsgBoxTexts(MsgKind::Info, {"a"}).title, "Information");
    EXPECT_EQ(MsgBoxTexts(MsgKind::Info, {"a", "Titel"}).title, "Titel");
    EXPECT_EQ(MsgBoxTexts(MsgKind::Info, {"a", "Titel", "x"}).title, "Information");
    EXPECT_EQ(MsgBoxTexts(MsgKind::NoYes, {"a", Value()}).title, "Select an option");
    EXPECT_EQ(MsgBoxTexts(MsgKind::Stop, {"a", 12}).title, "12");
    EXPECT_EQ(MsgBoxTexts(MsgKind::Alert, {}).text, "") << "no argument: empty text, not nil";
    EXPECT_EQ(MsgBoxTexts(MsgKind::Alert, {Value()}).text, "nil");
    EXPECT_EQ(MsgBoxTexts(MsgKind::Alert, {-5.7}).text, "-5");
    EXPECT_EQ(MsgBoxTexts(MsgKind::Alert, {false}).text, ".f.");
}

TEST(MsgBoxes, TitleRuleOnTheScreen) {
    auto one = AnswerWithEnter("Information", [] { MsgInfo("Nur Text"); });
    EXPECT_TRUE(Contains(one, "Nur Text"));
    auto two = AnswerWithEnter("Eigener Titel", [] { MsgAlert("Zwei", "Eigener Titel"); });
    EXPECT_TRUE(Contains(two, "Zwei"));
    auto three = AnswerWithEnter("Stop", [] { MsgStop("Drei", "Kein Titel", 3); });
    EXPECT_TRUE(Contains(three, "Drei"));
    auto number = AnswerWithEnter("Stop", [] { MsgStop(5.7); });
    EXPECT_TRUE(Contains(number, "5")) << "5.7 is shown as its whole part";
    EXPECT_FALSE(Contains(number, "5.7"));
}

TEST(MsgBoxes, EnterAnswersTheDefaultButton) {
    bool noYes = true, yesNo = false;
    AnswerWithEnter("Frage", [&] { noYes = MsgNoYes("Löschen?", "Frage"); });
    EXPECT_FALSE(noYes) << "No is the default of MsgNoYes";
    auto texts = AnswerWithEnter("Select an option", [&] { yesNo = MsgYesNo("Weiter?"); });
    EXPECT_TRUE(yesNo) << "Yes is the default of MsgYesNo";
    EXPECT_EQ(texts.size(), 4u) << "icon, text and two buttons";
}

TEST(MsgBoxes, OwnedByTheActiveWindow) {
    auto w = TWindow::New({.nTop = 40, .nLeft = 40, .nBottom = 200, .nRight = 300, .cTitle = "Besitzer",
                           .lPixel = true});
    ShowWindow(w->hWnd, SW_SHOW);
    SetActiveWindow(w->hWnd);
    HWND owner = nullptr;
    GuiScript script;
    script.Until("box is up", [&] { return test::FindDialog("Information") != nullptr; })
        .Do("read owner", [&] { owner = GetWindow(test::FindDialog("Information"), GW_OWNER); })
        .Do("press Enter", [] { test::PressKey(VK_RETURN); });
    script.Start();
    MsgInfo("Besessen");
    EXPECT_TRUE(script.Succeeded()) << script.FailedStep();
    EXPECT_EQ(owner, w->hWnd);
    DestroyWindow(w->hWnd);
}

}  // namespace
}  // namespace pixa
