#pragma once
// Records every error raised to the process-wide handler while alive, answering Default.
#include <vector>

#include "runtime/error.h"
#include "tests/support/layers.h"

namespace pixa::test {

class ErrorRecorder {
public:
    ErrorRecorder() {
        previous_ = SetErrorHandler([this](const Error& e) {
            errors.push_back(e);
            return ErrorAnswer::Default;
        });
    }
    ~ErrorRecorder() { SetErrorHandler(previous_); }
    ErrorRecorder(const ErrorRecorder&) = delete;
    ErrorRecorder& operator=(const ErrorRecorder&) = delete;

    // The errors raised so far, in order.
    std::vector<Error> errors;

private:
    ErrorHandler previous_;
};

}  // namespace pixa::test
