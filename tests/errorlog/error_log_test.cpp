// The error log at start-up: cutting it into print lines, printing it on the file
// printer, and the "Fehlerprotokoll" dialog with its three choices.
#include <gtest/gtest.h>
#include <windows.h>

#include <filesystem>

#include "app/shell/error_log.h"
#include "app/shell/publics.h"
#include "framework/services/printer_setup.h"
#include "tests/errorlog/file_printer.h"
#include "tests/errorlog/handler_support.h"
#include "tests/support/gui_driver.h"
#include "tests/support/layers.h"

namespace pixa::shell {
namespace {

using test::FindDialog;
using test::GuiScript;

TEST(LogPrintLines, SeventyCharactersALineCarriageReturnsAndEndMarkDropped) {
    std::string seventyFive(75, 'x');
    seventyFive.replace(70, 5, "12345");
    auto lines = LogPrintLines("Application\r\n\r\n" + seventyFive + "\r\n" + std::string(70, 'y') + "\r\n\x1A");
    ASSERT_EQ(lines.size(), 5u);
    EXPECT_EQ(lines[0], "Application");
    EXPECT_EQ(lines[1], "");
    EXPECT_EQ(lines[2], std::string(70, 'x'));
    EXPECT_EQ(lines[3], "12345");
    EXPECT_EQ(lines[4], std::string(70, 'y'));
    EXPECT_EQ(LogPrintLines("a\tb\nlast"), (std::vector<std::string>{"a       b", "last"}));
    EXPECT_TRUE(LogPrintLines("\x1A").empty());
}

// A current folder with log files, the file printer as default, and the run's choice back at 1.
class StartUpLog : public ::testing::Test {
protected:
    void SetUp() override {
        output_ = test::InstallFilePrinter();
        PrinterSetup::Instance().Reset();
        std::filesystem::remove(output_);
        previous_ = std::filesystem::current_path();
        std::filesystem::current_path(dir_.path());
        LogChoice() = 1;
        G().cRunIn = dir_.str() + "\\";
        G().cRelease = "Qor Pixaport v1.05";
        G().cS_Email = "support@pixaport.example";
    }
    void TearDown() override {
        std::filesystem::current_path(previous_);
        test::RemoveFilePrinter();
    }

    void WriteLogs(int lines) {
        std::string text;
        for (int i = 1; i <= lines; ++i) text += "Line " + std::to_string(i) + "\r\n";
        dir_.Write("Error.log", text + "\x1A");
        dir_.Write("ZYQERROR.LOG", "old");
        dir_.Write("ZYQFATAL.LOG", "old");
    }
    bool Exists(const char* file) const { return std::filesystem::exists(dir_.path() / file); }
    // Answers the print dialog with OK or Cancel.
    static void AnswerPrintDialog(GuiScript& script, int button) {
        script.Until("print dialog", [] { return FindDialog("Print") != nullptr; })
            .Do("answer", [button] { PostMessageA(FindDialog("Print"), WM_COMMAND, button, 0); })
            .Until("print dialog closed", [] { return FindDialog("Print") == nullptr; });
    }

    // Answers the e-mail question; then the start-up dialog closes too.
    static void AnswerQuestion(GuiScript& script, int answer) {
        script.Until("question", [] { return FindDialog("Email-Versand") != nullptr; })
            .Do("answer", [answer] { PostMessageA(FindDialog("Email-Versand"), WM_COMMAND, answer, 0); })
            .Until("all closed", [] { return !FindDialog("Email-Versand") && !FindDialog("Fehlerprotokoll"); });
    }

    // The text of a message box, which is then closed.
    static std::string ReadAndClose(HWND box) {
        std::string text;
        for (HWND t = FindWindowExA(box, nullptr, "Static", nullptr); t; t = FindWindowExA(box, t, "Static", nullptr))
            text += test::TextOf(t);
        PostMessageA(box, WM_COMMAND, IDOK, 0);
        return text;
    }

    test::TempDir dir_;
    std::filesystem::path previous_;
    std::string output_;
};

TEST_F(StartUpLog, FiftyLinesFillOnePageAndFiftyOneSpillOneLineOntoASecond) {
    WriteLogs(50);
    GuiScript script;
    AnswerPrintDialog(script, IDOK);
    script.Start();
    EXPECT_TRUE(PrintErrorLog());
    script.Pump();
    ASSERT_TRUE(script.Succeeded()) << script.FailedStep();
    test::PrintedJob job = test::ReadPrintedJob(output_);
    EXPECT_EQ(job.title, "Velmora Report");
    ASSERT_EQ(job.pages.size(), 1u);
    ASSERT_EQ(job.pages[0].size(), 50u);
    EXPECT_EQ(job.pages[0][0], "Line 1");
    EXPECT_EQ(job.pages[0][49], "Line 50");

    WriteLogs(51);
    std::filesystem::remove(output_);
    GuiScript again;
    AnswerPrintDialog(again, IDOK);
    again.Start();
    EXPECT_TRUE(DoWithLog(2));
    again.Pump();
    job = test::ReadPrintedJob(output_);
    ASSERT_EQ(job.pages.size(), 2u);
    EXPECT_EQ(job.pages[0].size(), 50u);
    EXPECT_EQ(job.pages[1], std::vector<std::string>{"Line 51"});
    EXPECT_FALSE(Exists("Error.log"));
    EXPECT_FALSE(Exists("ZYQERROR.LOG"));
    EXPECT_TRUE(Exists("ZYQFATAL.LOG"));
}

TEST_F(StartUpLog, ALogThatWasNotPrintedIsKept) {
    WriteLogs(3);
    GuiScript script;
    AnswerPrintDialog(script, IDCANCEL);
    script.Start();
    DoWithLog(2);
    script.Pump();
    ASSERT_TRUE(script.Succeeded()) << script.FailedStep();
    EXPECT_TRUE(Exists("Error.log"));
    EXPECT_FALSE(std::filesystem::exists(output_));

    // Without any printer: the stop message, and the log stays.
    test::RemoveFilePrinter();
    PrinterSetup::Instance().Reset();
    std::string stop;
    GuiScript none;
    none.Until("stop message", [] { return FindDialog("Stop") != nullptr; })
        .Do("read and close", [&] { stop = ReadAndClose(FindDialog("Stop")); });
    none.Start();
    DoWithLog(2);
    none.Pump();
    test::InstallFilePrinter();
    ASSERT_TRUE(none.Succeeded()) << none.FailedStep();
    EXPECT_NE(stop.find("There are not installed printers!\r\nPlease exit this application and install a printer"),
              std::string::npos)
        << stop;
    EXPECT_TRUE(Exists("Error.log"));
    EXPECT_TRUE(Exists("ZYQERROR.LOG"));
}

TEST_F(StartUpLog, AJobTheSpoolerCannotHandOutIsToldAndKeepsTheLog) {
    WriteLogs(3);
    test::InstallFailingPrinter();
    PrinterSetup::Instance().Reset();
    std::string told;
    GuiScript script;
    AnswerPrintDialog(script, IDOK);
    script.Until("failure told", [] { return FindDialog("Drucken fehlgeschlagen") != nullptr; })
        .Do("read and close", [&] { told = ReadAndClose(FindDialog("Drucken fehlgeschlagen")); });
    script.Start();
    DoWithLog(2);
    script.Pump();
    ASSERT_TRUE(script.Succeeded()) << script.FailedStep();
    EXPECT_EQ(told, "Das Fehlerprotokoll konnte nicht gedruckt werden. Es bleibt erhalten und wird beim n\xE4" "chsten "
                    "Programmstart wieder angeboten.");
    EXPECT_TRUE(Exists("Error.log"));
    EXPECT_TRUE(Exists("ZYQERROR.LOG"));
}

TEST_F(StartUpLog, EnterAtOnceDeletesTheLogsAndAbbruchKeepsThem) {
    PrintErr();  // no log: returns at once without a dialog

    WriteLogs(2);
    GuiScript cancel;
    cancel.Until("dialog", [] { return FindDialog("Fehlerprotokoll") != nullptr; });
    test::ClickAndWaitClosed(cancel, "Fehlerprotokoll", "&Abbruch");
    cancel.Start();
    PrintErr();
    cancel.Pump();
    ASSERT_TRUE(cancel.Succeeded()) << cancel.FailedStep();
    EXPECT_TRUE(Exists("Error.log") && Exists("ZYQERROR.LOG") && Exists("ZYQFATAL.LOG"));

    GuiScript enter;
    enter.Until("dialog", [] { return FindDialog("Fehlerprotokoll") != nullptr; })
        .Do("Enter", [] { test::PressKey(VK_RETURN); })
        .Until("closed", [] { return FindDialog("Fehlerprotokoll") == nullptr; });
    enter.Start();
    PrintErr();
    enter.Pump();
    ASSERT_TRUE(enter.Succeeded()) << enter.FailedStep();
    EXPECT_FALSE(Exists("Error.log") || Exists("ZYQERROR.LOG") || Exists("ZYQFATAL.LOG"));
}

TEST_F(StartUpLog, ALogThatCannotBeDeletedIsToldWithItsNameAndReason) {
    WriteLogs(2);
    // Another program holds the log open without sharing it: it cannot be deleted.
    HANDLE held = CreateFileA("ERROR.LOG", GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    std::string told;
    GuiScript script;
    script.Until("told", [] { return FindDialog("L\xF6schen fehlgeschlagen") != nullptr; })
        .Do("read and close", [&] { told = ReadAndClose(FindDialog("L\xF6schen fehlgeschlagen")); });
    script.Start();
    DoWithLog(1);
    script.Pump();
    CloseHandle(held);
    EXPECT_EQ(told, "Das Fehlerprotokoll konnte nicht gel\xF6scht werden:\r\n\r\n" + dir_.str() +
                        "\\ERROR.LOG\r\nDie Datei wird von einem anderen Programm verwendet. (Fehler 32)\r\n\r\n"
                        "Es wird beim n\xE4" "chsten Programmstart wieder angeboten.");
    EXPECT_TRUE(Exists("Error.log"));
    EXPECT_FALSE(Exists("ZYQERROR.LOG") || Exists("ZYQFATAL.LOG"));
}

TEST_F(StartUpLog, MailingWritesTheProfileRunsSendletAndKeepsTheLog) {
    ASSERT_TRUE(CopyFileA(("Z:" + std::string(PIXA_SENDLET_EXE)).c_str(), (dir_ / "Sendlet.exe").c_str(), FALSE));
    WriteLogs(2);
    auto mail = [](GuiScript& script, int answer) {
        script.Until("dialog", [] { return FindDialog("Fehlerprotokoll") != nullptr; })
            .Do("choose e-mail", [] { test::Click(test::ChildByText(FindDialog("Fehlerprotokoll"), " &Email-Versand")); })
            .Until("chosen", [] { return LogChoice() == 3; })
            .Do("Weiter", [] { test::Click(test::ChildByText(FindDialog("Fehlerprotokoll"), "&Weiter")); });
        AnswerQuestion(script, answer);
    };
    GuiScript no;
    mail(no, IDNO);
    no.Start();
    PrintErr();
    no.Pump();
    ASSERT_TRUE(no.Succeeded()) << no.FailedStep();
    EXPECT_TRUE(Exists("Error.log"));
    EXPECT_FALSE(Exists("ZYQERROR.LOG"));
    EXPECT_TRUE(Exists("ZYQFATAL.LOG"));
    EXPECT_FALSE(Exists("SENDLET.OUT"));

    // The choice stays for the run: the next dialog opens on e-mail already.
    GuiScript yes;
    yes.Until("dialog", [] { return FindDialog("Fehlerprotokoll") != nullptr; }).Do("Enter", [] {
        test::PressKey(VK_RETURN);
    });
    AnswerQuestion(yes, IDYES);
    yes.Start();
    PrintErr();
    yes.Pump();
    ASSERT_TRUE(yes.Succeeded()) << yes.FailedStep();
    EXPECT_EQ(dir_.Read("SENDLET.OUT"), "BodyFile=" + dir_.str() + "\\ERROR.LOG\nAddress=support@pixaport.example\n"
                                         "Subject=Programmfehler in Qor Pixaport v1.05\n");
    EXPECT_TRUE(Exists("Error.log"));
}

}  // namespace
}  // namespace pixa::shell
