#pragma once
// The error object and the one process-wide error handler that every raiser calls.
// The raiser honours the handler's answer: retry the operation, continue with the
// default (soft failure) result, or use 0 as the result (division by zero only).
#include <functional>
#include <source_location>
#include <string>

#include "runtime/value.h"

namespace pixa {

// What the handler tells the raiser to do.
enum class ErrorAnswer { Retry, Default, Zero };

class Error : public Object {
public:
    int Severity = 2;          // 1 warning, 2 error, 3 catastrophic
    int GenCode = 0;           // generic class: 5 division by zero, 21 open failure, 40 append lock failure
    std::string SubSystem;     // raising component ("BASE", "Velmora")
    int SubCode = 0;           // component-specific number
    int OsCode = 0;            // operating-system error number, 0 when none
    std::string Description;   // short description
    std::string FileName;      // file concerned, may be empty
    std::string Operation;     // operation or extra detail, may be empty
    Value Args;                // operands of the failed operation (an array) or absent
    bool CanRetry = false;     // the raiser can repeat the operation
    bool CanDefault = false;   // the raiser can continue with a default result

    std::string ClassName() const override { return "ERROR"; }
};

using ErrorHandler = std::function<ErrorAnswer(const Error&)>;

// Installs the process-wide handler and returns the previous one.
ErrorHandler SetErrorHandler(ErrorHandler handler);

// Hands an error to the installed handler; without one the answer is Default.
// The answer never asks for something the error does not allow: Retry only when
// CanRetry, Zero only for division by zero; otherwise it becomes Default.
// The raiser's source place is kept for the handler's report (RaiseSite).
ErrorAnswer RaiseError(const Error& error, std::source_location where = std::source_location::current());

// Where the error now being handled was raised (empty outside a handler).
const std::source_location& RaiseSite();

// True for the failures the handler lets pass without log or dialog (and sets NetErr):
// a defaultable file open failure caused by a sharing violation (32) or denied access (5),
// or a defaultable append lock failure.
bool IsSoftOpenFailure(const Error& error);

// Set by the handler when it defaults a file open or append lock failure.
extern bool NetErr;

}  // namespace pixa
