#include "app/shell/error_log.h"

#include <windows.h>

#include <fstream>
#include <initializer_list>
#include <iterator>
#include <memory>

#include "app/shell/open_tables_report.h"
#include "app/shell/publics.h"
#include "app/shell/system_error_text.h"
#include "app/transfer/wait_run.h"
#include "framework/controls/bitmap.h"
#include "framework/controls/button.h"
#include "framework/controls/radio.h"
#include "framework/controls/say.h"
#include "framework/services/error_report.h"
#include "runtime/frame.h"
#include "framework/services/message_box.h"
#include "framework/services/printer.h"
#include "framework/window/dialog.h"
#include "framework/window/font.h"
#include "platform/file_system.h"
#include "platform/process.h"
#include "platform/profile.h"
#include "runtime/codepage.h"
#include "app/shell/namespace.h"

namespace pixa::shell {

namespace {
constexpr const char* kLog = "ERROR.LOG";
constexpr const char* kOldLog = "ZYQERROR.LOG";
constexpr const char* kOldFatal = "ZYQFATAL.LOG";
constexpr std::size_t kPrintWidth = 70;
constexpr std::size_t kTabStop = 8;
constexpr int kLinesPerPage = 50;

std::string ReadWhole(const std::string& file) {
    std::ifstream in(file, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void CutInto(std::vector<std::string>& lines, const std::string& line) {
    if (line.empty()) lines.emplace_back();
    for (std::size_t at = 0; at < line.size(); at += kPrintWidth) lines.push_back(line.substr(at, kPrintWidth));
}

bool Exists(const char* file) { return GetFileAttributesA(file) != INVALID_FILE_ATTRIBUTES; }

// Deletes the log files; one that is there and stays (read-only, held open by another
// program) is told, or the same log would come back at every start unexplained.
void DeleteLogs(std::initializer_list<const char*> files) {
    std::string kept;
    for (const char* file : files) {
        if (platform::RemoveFile(file)) continue;
        const DWORD code = GetLastError();
        if (!Exists(file)) continue;  // a log that is not there is not an error
        kept += std::string("\r\n") + G().cRunIn + file + "\r\n" + SystemErrorText(code);
    }
    if (kept.empty()) return;
    MsgAlert("Das Fehlerprotokoll konnte nicht gelöscht werden:\r\n" + kept +
                 "\r\n\r\nEs wird beim nächsten Programmstart wieder angeboten.",
             "Löschen fehlgeschlagen");
}

void AskAndMail() {
    if (!MsgNoYes("Möchten Sie das Fehlerprotokoll nun per Email versenden ?", "Email-Versand")) return;
    const Publics& g = G();
    const std::string profile = ".\\SENDLET.INI";
    // The mail program reads 8-bit paths only: a program folder outside Windows-1252 goes by its short name.
    platform::WriteIniValue(profile, "Main", "BodyFile", platform::EightBitPathOf(g.cRunIn + kLog));
    platform::WriteIniValue(profile, "Main", "Address", g.cS_Email);
    platform::WriteIniValue(profile, "Main", "Subject", "Programmfehler in " + g.cRelease);
    WaitRun("Sendlet.exe");
}
}  // namespace

void AddAppReportSources() {
    // The work table is read and written by the program's own dBASE III driver.
    SetReportSources({.rdds = [] { return std::vector<std::string>{"DBF"}; }, .areas = OpenTablesReport});
}

int& LogChoice() {
    static int choice = 1;
    return choice;
}

std::vector<std::string> LogPrintLines(const std::string& text) {
    std::string body = text;
    if (!body.empty() && body.back() == '\x1A') body.pop_back();
    std::vector<std::string> lines;
    std::string line;
    bool open = false;  // characters since the last line feed
    for (char c : body) {
        if (c == '\n') {
            CutInto(lines, line);
            line.clear();
            open = false;
        } else if (c == '\t') {
            line.append(kTabStop - line.size() % kTabStop, ' ');
            open = true;
        } else if (c != '\r') {
            line += c;
            open = true;
        }
    }
    if (open) CutInto(lines, line);
    return lines;
}

bool PrintErrorLog() {
    Frame frame("PrintErrorLog");
    std::vector<std::string> lines = LogPrintLines(ReadWhole(kLog));
    auto printer = PrintBegin({.lUser = true});
    if (!printer->hDC) {
        PrintEnd();
        return false;
    }
    const double pitch = printer->nVertRes() / 60.0;
    const double charWidth = printer->nHorzRes() / 80.0;
    const int left = static_cast<int>(8 * charWidth);
    PageBegin();
    double row = 1;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        printer->Say({.nRow = static_cast<int>(row), .nCol = left, .cText = lines[i]});
        row += pitch;
        // A new page only when a line is left for it: a full last page is not followed by an empty one.
        if (row > kLinesPerPage * pitch && i + 1 < lines.size()) {
            row = 1;
            PageEnd();
            PageBegin();
        }
    }
    PageEnd();
    if (PrintEnd()) return true;
    MsgStop("Das Fehlerprotokoll konnte nicht gedruckt werden. Es bleibt erhalten und wird beim nächsten "
            "Programmstart wieder angeboten.",
            "Drucken fehlgeschlagen");
    return false;
}

bool DoWithLog(int choice) {
    Frame frame("DoWithLog");
    frame.Param(choice);
    switch (choice) {
        case 1:
            DeleteLogs({kLog, kOldLog, kOldFatal});
            break;
        case 2:
            // Only a printed log is deleted: a cancelled or missing printer keeps it for the next start.
            if (PrintErrorLog()) DeleteLogs({kLog, kOldLog});
            break;
        case 3:
            AskAndMail();
            platform::RemoveFile(kOldLog);
            break;
        default:
            break;
    }
    return true;
}

void PrintErr() {
    Frame frame("PrintErr");
    if (!Exists(kLog)) return;
    auto font = TFont::New({.cFaceName = "Ms Sans Serif", .nHeight = -9});
    auto bold = TFont::New({.cFaceName = "Ms Sans Serif", .nHeight = -9, .lBold = true});
    auto dlg = TDialog::New({.nTop = 1, .nLeft = 1, .nBottom = 185, .nRight = 370, .cCaption = "Fehlerprotokoll",
                             .lPixel = true, .oFont = font});
    auto text = [](const char* t) { return Action([t](const Args&) { return Value(t); }); };
    TBitmap::New({.nTop = 5, .nLeft = 5, .nWidth = 32, .nHeight = 32, .cResName = "STOP_MAX", .lNoBorder = true,
                  .oWnd = dlg, .lPixel = true});
    TSay::New({.nRow = 9, .nCol = 50, .bText = text("Es wurde ein Fehlerprotokoll gefunden."), .oWnd = dlg,
               .oFont = bold, .lCentered = true, .lPixel = true, .nClrText = "N/W", .nWidth = 120, .nHeight = 9});
    TSay::New({.nRow = 20, .nCol = 60, .bText = text("Wählen Sie nun, wie Sie damit verfahren möchten."),
               .oWnd = dlg, .oFont = bold, .lCentered = true, .lPixel = true, .nClrText = "N/W", .nWidth = 100,
               .nHeight = 18});
    auto choice = Action([](const Args& args) {
        if (!args.empty()) LogChoice() = static_cast<int>(args[0].AsInteger());
        return Value(LogChoice());
    });
    TRadMenu::New({.nRow = 40, .nCol = 80, .acItems = {AnsiToCp850(" &Löschen"), " &Drucken", " &Email-Versand"},
                   .bSetGet = choice, .oWnd = dlg, .nWidth = 100, .nHeight = 10, .lPixel = true});
    std::weak_ptr<TDialog> weak = dlg;
    TButton::New({.nRow = 80, .nCol = 98, .cCaption = "&Weiter", .oWnd = dlg,
                  .bAction = Action([weak](const Args&) {
                      DoWithLog(LogChoice());
                      if (auto d = weak.lock()) d->End(1);
                      return Value();
                  }),
                  .nWidth = 41, .nHeight = 10, .oFont = font, .lDefault = true, .lPixel = true});
    TButton::New({.nRow = 80, .nCol = 142, .cCaption = "&Abbruch", .oWnd = dlg,
                  .bAction = Action([weak](const Args&) {
                      if (auto d = weak.lock()) d->End(2);
                      return Value();
                  }),
                  .nWidth = 41, .nHeight = 10, .oFont = font, .lPixel = true});
    dlg->Activate({.lCentered = true});
    font->End();
    bold->End();
}

}  // namespace pixa::shell
