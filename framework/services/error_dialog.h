#pragma once
// The process-wide error handler: silent answers for division by zero and soft
// open failures, otherwise the diagnostic report in "Error.log" and the error
// dialog with Quit, Retry and Default. While it runs, an error raised inside it
// goes to the fallback handler (stop message, end of the program); once it has
// returned, it is the handler again.
#include <string>
#include <vector>

#include "runtime/error.h"
#include "framework/services/namespace.h"

namespace pixa::services {

// Makes ErrorDialog the process-wide handler.
void ErrorSys();
// The handler: Zero, Default or Retry as the raiser must act, or the program ends.
ErrorAnswer ErrorDialog(const Error& error);
// The handler for errors raised while ErrorDialog runs: stop message, then the end.
ErrorAnswer ErrorFallback(const Error& error);

// What the error dialog shows.
struct ErrorDialogContent {
    std::string description;          // log line 7 and its line end
    std::vector<std::string> stack;   // the "   Called from ..." entries
    bool canRetry = false;
    bool canDefault = false;
    bool logWritten = true;           // false: the dialog says the log is missing
};
// The user's choice in the error dialog.
enum class ErrorChoice { None, Retry, Default };
// Shows the error dialog modal and centred on the screen.
ErrorChoice ShowErrorDialog(const ErrorDialogContent& content);

// Writes the log file text in one piece, replacing an earlier file; false when it could not be written.
bool WriteErrorLog(const std::string& file, const std::string& text);

}  // namespace pixa::services
