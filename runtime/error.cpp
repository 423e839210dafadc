#include "runtime/error.h"

#include "runtime/frame.h"

namespace pixa {

bool NetErr = false;

namespace {
ErrorHandler& InstalledHandler() {
    static ErrorHandler handler;
    return handler;
}

std::source_location& CurrentRaiseSite() {
    static std::source_location site;
    return site;
}

// Keeps the raise site for the handler; an error raised inside the handler has its own.
class RaiseSiteScope {
public:
    explicit RaiseSiteScope(std::source_location where) : previous_(CurrentRaiseSite()) { CurrentRaiseSite() = where; }
    ~RaiseSiteScope() { CurrentRaiseSite() = previous_; }
    RaiseSiteScope(const RaiseSiteScope&) = delete;
    RaiseSiteScope& operator=(const RaiseSiteScope&) = delete;

private:
    std::source_location previous_;
};
}  // namespace

ErrorHandler SetErrorHandler(ErrorHandler handler) {
    ErrorHandler previous = std::move(InstalledHandler());
    InstalledHandler() = std::move(handler);
    return previous;
}

ErrorAnswer RaiseError(const Error& error, std::source_location where) {
    NoteClass(error.ClassName());
    // Copied so that a handler that replaces itself while running stays alive.
    ErrorHandler handler = InstalledHandler();
    if (!handler) return ErrorAnswer::Default;
    RaiseSiteScope site(where);
    ErrorAnswer answer = handler(error);
    if (answer == ErrorAnswer::Retry && !error.CanRetry) return ErrorAnswer::Default;
    if (answer == ErrorAnswer::Zero && error.GenCode != 5) return ErrorAnswer::Default;
    return answer;
}

const std::source_location& RaiseSite() { return CurrentRaiseSite(); }

bool IsSoftOpenFailure(const Error& error) {
    if (!error.CanDefault) return false;
    if (error.GenCode == 21) return error.OsCode == 32 || error.OsCode == 5;
    return error.GenCode == 40;
}

}  // namespace pixa
