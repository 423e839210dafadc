#include "framework/services/error_dialog.h"

#include <windows.h>

#include <exception>

#include "framework/services/error_report.h"
#include "framework/services/hard_exit.h"
#include "framework/services/message_box.h"
#include "framework/services/system_info.h"
#include "platform/handles.h"
#include "runtime/value_text.h"
#include "framework/services/namespace.h"

namespace pixa::services {

namespace {
constexpr const char* kLogFile = "Error.log";

// While the handler runs the fallback takes every error; afterwards the handler is back.
class FallbackWhileHandling {
public:
    FallbackWhileHandling() { SetErrorHandler(ErrorFallback); }
    ~FallbackWhileHandling() { SetErrorHandler(ErrorDialog); }
    FallbackWhileHandling(const FallbackWhileHandling&) = delete;
    FallbackWhileHandling& operator=(const FallbackWhileHandling&) = delete;
};

[[noreturn]] void EndProgramNow() {
    // Nothing of the normal shutdown runs: the configuration is not written. Only what
    // would otherwise be left half done (a temporary file on a card) is undone.
    RunHardExitHooks();
    ExitProcess(1);
}

// Line 7 of the report and, when the error names a file and also says what was being
// done (the source of a failed copy), that as a second line.
std::string DialogDescription(const Error& error) {
    std::string text = "   Error description: " + ErrorMessage(error) + "\r\n";
    if (!error.FileName.empty() && !error.Operation.empty()) text += error.Operation + "\r\n";
    return text;
}
}  // namespace

void ErrorSys() { SetErrorHandler(ErrorDialog); }

ErrorAnswer ErrorFallback(const Error& error) {
    int line = static_cast<int>(RaiseSite().line());
    MsgStop(ErrorMessage(error) + " from Errorsys, line:" + PadLeft(NumberText(static_cast<std::int64_t>(line)), 3));
    EndProgramNow();
}

namespace {
bool WriteWhole(const std::string& file, const std::string& text) {
    platform::FileHandle out(CreateFileA(file.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!out) return false;
    DWORD written = 0;
    bool whole = WriteFile(out.Get(), text.data(), static_cast<DWORD>(text.size()), &written, nullptr) &&
                 written == text.size() && FlushFileBuffers(out.Get());
    return out.Close() && whole;
}
}  // namespace

bool WriteErrorLog(const std::string& file, const std::string& text) {
    // Written beside the log and renamed over it, so that a full disk leaves no empty or
    // partial log that the next start would offer.
    std::string temp = file + ".new";
    constexpr DWORD kReplace = MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH;
    if (WriteWhole(temp, text) && MoveFileExA(temp.c_str(), file.c_str(), kReplace)) return true;
    DeleteFileA(temp.c_str());
    return false;
}

namespace {
ErrorAnswer HandleError(const Error& error) {
    ReportFacts facts = GatherFacts();
    std::vector<std::string> lines = ReportHead(error, facts);
    if (error.GenCode == 5) return ErrorAnswer::Zero;
    for (auto& l : ReportTasks(GetTasks())) lines.push_back(std::move(l));
    if (IsSoftOpenFailure(error)) {
        NetErr = true;
        return ErrorAnswer::Default;
    }
    for (auto& l : ReportTail(facts)) lines.push_back(std::move(l));
    bool written = WriteErrorLog(kLogFile, LogFileText(lines));
    ErrorChoice choice = ShowErrorDialog({
        .description = DialogDescription(error),
        .stack = StackLines(facts.stack),
        .canRetry = error.CanRetry,
        .canDefault = error.CanDefault,
        .logWritten = written,
    });
    if (choice == ErrorChoice::None) EndProgramNow();
    return choice == ErrorChoice::Retry ? ErrorAnswer::Retry : ErrorAnswer::Default;
}
}  // namespace

ErrorAnswer ErrorDialog(const Error& error) {
    FallbackWhileHandling fallback;
    try {
        return HandleError(error);
    } catch (const std::exception& e) {
        Error inner;
        inner.SubSystem = "Velmora";
        inner.Description = e.what();
        inner.Operation = "ErrorDialog";
        return ErrorFallback(inner);
    }
}

}  // namespace pixa::services
