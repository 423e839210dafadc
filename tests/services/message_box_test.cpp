// The message boxes on the screen: titles, texts, default buttons and owner.
#include "framework/services/message_box.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "tests/services/windows.h"
#include "tests/support/gui_driver.h"
#include "tests/support/layers.h"

namespace pixa {
namespace {

struct SeenBox {
    std::vector<std::string> texts;  // message, buttons
    HWND owner = nullptr;
    bool has(const std::string& text) const { return std::count(texts.begin(), texts.end(), text) > 0; }
};

// Shows a box through `show`, reads the box titled `title` and answers it with Enter.
template <typename Show>
SeenBox AnswerWithEnter(const std::string& title, Show show) {
    SeenBox seen;
    HWND box = nullptr;
    test::GuiScript script;
    script.Until("box is up", [&] { return (box = test::FindDialog(title)) != nullptr; })
        .Do("read", [&] {
            seen.owner = GetWindow(box, GW_OWNER);
            for (HWND c = GetWindow(box, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT))
                seen.texts.push_back(test::TextOf(c));
        })
        .Do("press Enter", [] { test::PressKey(VK_RETURN); });
    script.Start();
    show();
    EXPECT_TRUE(script.Succeeded()) << title << ": " << script.FailedStep();
    return seen;
}

TEST(MsgBoxes, TitleOnlyWithExactlyTwoArguments) {
    EXPECT_TRUE(AnswerWithEnter("Information", [] { MsgInfo("Nur Text"); }).has("Nur Text"));
    EXPECT_TRUE(AnswerWithEnter("Eigener Titel", [] { MsgAlert("Zwei", "Eigener Titel"); }).has("Zwei"));
    EXPECT_TRUE(AnswerWithEnter("Stop", [] { MsgStop("Drei", "Kein Titel", 3); }).has("Drei"));
    EXPECT_EQ(MsgBoxTexts(MsgKind::NoYes, {"a", Value()}).title, "Select an option") << "an absent title";
    EXPECT_EQ(MsgBoxTexts(MsgKind::Alert, {}).text, "") << "no argument: empty text, not nil";
}

TEST(MsgBoxes, NumberShownAsItsWholePart) {
    SeenBox seen = AnswerWithEnter("Stop", [] { MsgStop(5.7); });
    EXPECT_TRUE(seen.has("5"));
    EXPECT_FALSE(seen.has("5.7"));
}

TEST(MsgBoxes, EnterAnswersTheDefaultButtonOfTheActiveWindowsBox) {
    test::ShownWindow w("Besitzer");
    SetActiveWindow(w->hWnd);
    bool noYes = true, yesNo = false;
    SeenBox question = AnswerWithEnter("Frage", [&] { noYes = MsgNoYes("Löschen?", "Frage"); });
    EXPECT_FALSE(noYes) << "No is the default of MsgNoYes";
    EXPECT_EQ(question.owner, w->hWnd) << "owned by the active window";
    AnswerWithEnter("Select an option", [&] { yesNo = MsgYesNo("Weiter?"); });
    EXPECT_TRUE(yesNo) << "Yes is the default of MsgYesNo";
}

}  // namespace
}  // namespace pixa
