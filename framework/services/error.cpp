#include "framework/services/error.h"

namespace pixa {

bool NetErr = false;

namespace {
ErrorHandler& InstalledHandler() {
    static ErrorHandler handler;
    return handler;
}
}  // namespace

ErrorHandler SetErrorHandler(ErrorHandler handler) {
    ErrorHandler previous = std::move(InstalledHandler());
    InstalledHandler() = std::move(handler);
    return previous;
}

ErrorAnswer RaiseError(const Error& error) {
    // Copied so that a handler that replaces itself while running stays alive.
    ErrorHandler handler = InstalledHandler();
    if (!handler) return ErrorAnswer::Default;
    ErrorAnswer answer = handler(error);
    if (answer == ErrorAnswer::Retry && !error.CanRetry) return ErrorAnswer::Default;
    if (answer == ErrorAnswer::Zero && error.GenCode != 5) return ErrorAnswer::Default;
    return answer;
}

bool IsSoftOpenFailure(const Error& error) {
    if (!error.CanDefault) return false;
    if (error.GenCode == 21) return error.OsCode == 32 || error.OsCode == 5;
    return error.GenCode == 40;
}

}  // namespace pixa
