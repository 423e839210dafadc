// The error handler under Wine: silent answers, the dialog and its layouts, the
// log it writes, and the paths that end the program (run in a child process).
#include <gtest/gtest.h>
#include <windows.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>

#include "app/transfer/directory.h"
#include "app/transfer/file_copy.h"
#include "framework/services/error_dialog.h"
#include "framework/window/framework_error.h"
#include "platform/handles.h"
#include "platform/process.h"
#include "tests/errorlog/handler_support.h"
#include "tests/support/gui_driver.h"
#include "tests/support/layers.h"

namespace pixa {
namespace {

using test::ChildByText;
using test::FindDialog;
using test::GuiScript;
using test::HandlerScope;

constexpr const char* kCaption = "Velmora for Tamsell";

Error Retryable(bool canDefault) {
    Error e;
    e.GenCode = 24;
    e.SubSystem = "BASE";
    e.SubCode = 2016;
    e.Description = "Write error";
    e.FileName = "P:\\DSC00001.JPG";
    e.CanRetry = true;
    e.CanDefault = canDefault;
    return e;
}

// Left edge and top of a button of the error dialog in control units (two pixels each).
POINT UnitsOf(HWND dialog, const char* caption) {
    HWND button = ChildByText(dialog, caption);
    if (!button) return {-1, -1};
    RECT r = test::RectIn(button, dialog);
    return {r.left / 2, r.top / 2};
}

bool IsDefaultButton(HWND dialog, const char* caption) {
    return (GetWindowLongA(ChildByText(dialog, caption), GWL_STYLE) & 0xF) == BS_DEFPUSHBUTTON;
}

// With PIXA_SHOT_SECONDS set, the dialog stays open that long for a screenshot:
//   PIXA_SHOT_SECONDS=4 wine explorer /desktop=shot,1024x768 test_errorlog.exe --gtest_filter=*LowMemory*
void HoldForScreenshot(GuiScript& script) {
    const char* seconds = std::getenv("PIXA_SHOT_SECONDS");
    if (!seconds) return;
    auto until = std::make_shared<DWORD>(0);
    script.Until("held for a screenshot", [until, ms = static_cast<DWORD>(std::atoi(seconds) * 1000)] {
        if (!*until) *until = GetTickCount() + ms;
        return GetTickCount() >= *until;
    });
}

// A script that answers a dialog that should not appear (so a fault cannot hang the test).
void AnswerUnexpectedDialog(GuiScript& script) {
    script.Until("unexpected error dialog", [] { return FindDialog(kCaption) != nullptr; });
    test::ClickAndWaitClosed(script, kCaption, "&Default");
    script.Start();
}

TEST(ErrorHandler, DivisionByZeroAndSoftOpenFailuresPassWithoutLogOrDialog) {
    HandlerScope scope;
    GuiScript script(std::chrono::milliseconds(1500));
    AnswerUnexpectedDialog(script);

    Error zero;
    zero.GenCode = 5;
    zero.SubSystem = "BASE";
    zero.SubCode = 1340;
    zero.Description = "Zero divisor";
    EXPECT_EQ(RaiseError(zero), ErrorAnswer::Zero);

    // A source file that another holder keeps locked: the copy fails softly.
    std::string locked = scope.dir().Write("locked.jpg", "picture");
    platform::FileHandle holder(CreateFileA(locked.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr));
    ASSERT_TRUE(holder);
    NetErr = false;
    EXPECT_FALSE(__CopyFile(locked, scope.dir() / "DSC00001.JPG"));
    EXPECT_TRUE(NetErr);

    Error append;
    append.GenCode = 40;
    append.CanDefault = true;
    NetErr = false;
    EXPECT_EQ(RaiseError(append), ErrorAnswer::Default);
    EXPECT_TRUE(NetErr);

    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&msg);
    EXPECT_FALSE(script.Ended()) << "an error dialog was shown";
    EXPECT_FALSE(std::filesystem::exists(scope.dir() / "Error.log"));
}

TEST(ErrorHandler, LowMemoryShowsQuitAndDefaultAndTheHandlerStaysForTheNextError) {
    HandlerScope scope;
    std::string description, firstEntry;
    LRESULT selected = -1;
    POINT quit{}, deflt{}, retry{};
    bool retryShown = true;
    GuiScript script;
    script.Until("error dialog", [] { return FindDialog(kCaption) != nullptr; })
        .Do("read it", [&] {
            HWND dlg = FindDialog(kCaption);
            quit = UnitsOf(dlg, "&Quit");
            deflt = UnitsOf(dlg, "&Default");
            retryShown = ChildByText(dlg, "&Retry") != nullptr;
            HWND list = FindWindowExA(dlg, nullptr, "ListBox", nullptr);
            selected = SendMessageA(list, LB_GETCURSEL, 0, 0);
            char entry[256] = "";
            SendMessageA(list, LB_GETTEXT, 0, reinterpret_cast<LPARAM>(entry));
            firstEntry = entry;
            HWND text = ChildByText(dlg, "   Error description: Warning BASE/5300  Memory Low\r\n");
            description = text ? test::TextOf(text) : "";
        });
    HoldForScreenshot(script);
    test::ClickAndWaitClosed(script, kCaption, "&Default");
    script.Start();
    EXPECT_EQ(__LowMemError(), ErrorAnswer::Default);
    script.Pump();
    ASSERT_TRUE(script.Succeeded()) << script.FailedStep();
    EXPECT_EQ(quit.x, 37);
    EXPECT_EQ(deflt.x, 108);
    EXPECT_EQ(quit.y, 112);
    EXPECT_FALSE(retryShown);
    EXPECT_FALSE(description.empty()) << "the low-memory text is not shown";
    EXPECT_EQ(selected, 0);
    EXPECT_EQ(firstEntry.rfind("   Called from ", 0), 0u) << firstEntry;

    std::string log = scope.dir().Read("Error.log");
    EXPECT_EQ(log.rfind("Application\r\n===========\r\n", 0), 0u);
    EXPECT_NE(log.find("\r\n   Error description: Warning BASE/5300  Memory Low\r\n"), std::string::npos);
    EXPECT_NE(log.find("\r\nClasses in use:\r\n"), std::string::npos);
    EXPECT_EQ(log.substr(log.size() - 3), "\r\n\x1A");

    // The handler is in place again: the next error shows the dialog with all three buttons.
    bool quitDefault = false;
    GuiScript second;
    second.Until("second error dialog", [] { return FindDialog(kCaption) != nullptr; })
        .Do("read it", [&] {
            HWND dlg = FindDialog(kCaption);
            quit = UnitsOf(dlg, "&Quit");
            retry = UnitsOf(dlg, "&Retry");
            deflt = UnitsOf(dlg, "&Default");
            quitDefault = IsDefaultButton(dlg, "&Quit");
        });
    test::ClickAndWaitClosed(second, kCaption, "&Default");
    second.Start();
    EXPECT_EQ(RaiseError(Retryable(true)), ErrorAnswer::Default);
    second.Pump();
    ASSERT_TRUE(second.Succeeded()) << second.FailedStep();
    EXPECT_EQ(quit.x, 60);
    EXPECT_EQ(retry.x, 13);
    EXPECT_EQ(deflt.x, 108);
    EXPECT_TRUE(quitDefault);
    EXPECT_NE(scope.dir().Read("Error.log").find("Write error: P:\\DSC00001.JPG"), std::string::npos);
}

TEST(ErrorHandler, ALogThatCannotBeWrittenIsSaidInTheDialog) {
    HandlerScope scope;
    std::filesystem::create_directory(scope.dir().path() / "Error.log");  // in the way of the file
    bool noted = false, described = false;
    GuiScript script;
    script.Until("error dialog", [] { return FindDialog(kCaption) != nullptr; })
        .Do("read it", [&] {
            HWND dlg = FindDialog(kCaption);
            noted = ChildByText(dlg, "Error.log not written") != nullptr;
            described = ChildByText(dlg, "   Error description: Error BASE/2016  Write error: P:\\Übertragung.JPG\r\n"
                                         "Kopieren: S:\\Bilder\\Über.jpg\r\n(Error.log could not be written)") != nullptr;
        });
    test::ClickAndWaitClosed(script, kCaption, "&Default");
    script.Start();
    Error e = Retryable(true);
    e.CanRetry = false;
    e.FileName = "P:\\Übertragung.JPG";  // shown with its umlaut
    e.Operation = "Kopieren: S:\\Bilder\\Über.jpg";  // what failed: the copy of this picture
    EXPECT_EQ(RaiseError(e), ErrorAnswer::Default);
    script.Pump();
    ASSERT_TRUE(script.Succeeded()) << script.FailedStep();
    EXPECT_TRUE(noted);
    EXPECT_TRUE(described);
}

TEST(ErrorHandler, QuitAndErrorsInsideTheHandlerEndTheProgramRetryBeforeTheMainLoopRetries) {
    test::TempDir dir;
    EXPECT_EQ(test::RunChild("quit", dir.str()), 1u);
    EXPECT_TRUE(std::filesystem::exists(dir.path() / "Error.log"));
    EXPECT_FALSE(std::filesystem::exists(dir.path() / "returned"));

    // The child never runs a main loop, like a transfer opened at start-up.
    EXPECT_EQ(test::RunChild("retry", dir.str()), 0u);
    EXPECT_EQ(dir.Read("returned"), "Retry");
    std::filesystem::remove(dir.path() / "returned");

    EXPECT_EQ(test::RunChild("fallback", dir.str()), 1u);
    EXPECT_FALSE(std::filesystem::exists(dir.path() / "returned"));
    std::string stop = dir.Read("stop.txt");
    EXPECT_NE(stop.find("Error Velmora/6  Cannot create window or control: inside from Errorsys, line:"),
              std::string::npos)
        << stop;
}

TEST(ErrorHandler, QuitInTheMiddleOfACopyRemovesItsTemporaryFile) {
    if (!test::CardIsSmallTmpfs()) GTEST_SKIP() << "the 2 MiB card P: is not mounted";
    test::TempDir dir;
    dir.Write("a.jpg", std::string(1200 * 1024, 'a'));
    CreateDirectoryA("P:\\QUIT", nullptr);
    ASSERT_TRUE(test::FillCardLeaving("P:\\", 300 * 1024, "P:\\FILL.BIN"));
    EXPECT_EQ(test::RunChild("quit copy", dir.str()), 1u);
    std::vector<DirRow> left = Directory("P:\\QUIT\\*.*", "HS");
    std::filesystem::remove_all("P:\\QUIT");
    DeleteFileA("P:\\FILL.BIN");
    EXPECT_NE(dir.Read("Error.log").find("Write error: P:\\QUIT\\DSC00001.JPG"), std::string::npos);
    EXPECT_TRUE(left.empty()) << left[0].name;
}

TEST(ErrorHandler, ALogThatDoesNotFitLeavesNoFileBehind) {
    if (!test::CardIsSmallTmpfs()) GTEST_SKIP() << "the 2 MiB card P: is not mounted";
    CreateDirectoryA("P:\\LOG", nullptr);
    ASSERT_TRUE(test::FillCardLeaving("P:\\", 1000, "P:\\FILL.BIN"));
    EXPECT_FALSE(WriteErrorLog("P:\\LOG\\Error.log", std::string(100000, 'x')));
    std::vector<DirRow> left = Directory("P:\\LOG\\*.*", "HS");
    std::filesystem::remove_all("P:\\LOG");
    DeleteFileA("P:\\FILL.BIN");
    EXPECT_TRUE(left.empty()) << left[0].name << " " << left[0].size;
}

// ---- the child process ----

void Answer(GuiScript& script, const char* button) {
    script.Until("error dialog", [] { return FindDialog(kCaption) != nullptr; });
    test::ClickAndWaitClosed(script, kCaption, button);
}

void CALLBACK RaiseInsideHandler(HWND, UINT, UINT_PTR id, DWORD) {
    KillTimer(nullptr, id);
    RaiseFrameworkError(FrameworkError::CannotCreateWindow, "inside");
}

std::string MessageBoxText(HWND box) {
    HWND text = FindWindowExA(box, nullptr, "Static", nullptr);
    std::string all;
    for (; text; text = FindWindowExA(box, text, "Static", nullptr)) all += test::TextOf(text);
    return all;
}

TEST(ErrorHandlerChild, Run) {
    std::string which = test::ChildCase();
    if (which.empty()) GTEST_SKIP() << "runs only as a child of the handler tests";
    ErrorSys();
    GuiScript script(std::chrono::milliseconds(10000));
    if (which == "quit") {
        Answer(script, "&Quit");
        script.Start();
        __LowMemError();
    } else if (which == "retry") {
        Answer(script, "&Retry");
        script.Start();
        if (RaiseError(Retryable(false)) == ErrorAnswer::Retry) std::ofstream("returned") << "Retry";
        return;
    } else if (which == "quit copy") {
        Answer(script, "&Quit");
        script.Start();
        CopyToNewName(platform::CurrentDirectory() + "\\a.jpg", "P:\\QUIT\\DSC00001.JPG", {});
    } else {
        script.Until("error dialog", [] { return FindDialog(kCaption) != nullptr; })
            .Do("raise inside", [] { SetTimer(nullptr, 0, 50, RaiseInsideHandler); })
            .Until("stop message", [] { return FindDialog("Stop") != nullptr; })
            .Do("read and close", [] {
                HWND box = FindDialog("Stop");
                std::ofstream("stop.txt") << MessageBoxText(box);
                PostMessageA(box, WM_COMMAND, IDOK, 0);
            });
        script.Start();
        RaiseError(Retryable(true));
    }
    std::ofstream("returned") << "the handler returned";
}

}  // namespace
}  // namespace pixa
