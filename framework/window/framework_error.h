#pragma once
// The framework's own failures, raised to the process-wide error handler.
#include <string>

#include "framework/services/error.h"

namespace pixa {

// Framework error numbers.
enum class FrameworkError {
    NonDefinedId = 1,       // a dialog control's identifier is missing in the created dialog
    DuplicatedId = 2,       // a second control with the same identifier on one dialog
    CannotCreateDialog = 3, // the platform could not create a dialog
    CannotCreateWindow = 6, // the platform could not create a window or control
};

// The error object for a framework failure with its detail text.
Error MakeFrameworkError(FrameworkError number, const std::string& detail);
// Raises a framework failure and returns the handler's answer.
ErrorAnswer RaiseFrameworkError(FrameworkError number, const std::string& detail);
// The detail text naming a control identifier: "No: " and the number right-aligned in 6.
std::string IdDetail(int nId);

}  // namespace pixa
