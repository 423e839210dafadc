#pragma once
// The framework's own failures, raised to the process-wide error handler.
#include <optional>
#include <source_location>
#include <string>

#include "runtime/error.h"

namespace pixa::window {

// Framework error numbers (the rows of the framework's error table).
enum class FrameworkError {
    NonDefinedId = 1,       // a dialog control's identifier is missing in the created dialog
    DuplicatedId = 2,       // a second control with the same identifier on one dialog
    CannotCreateDialog = 3, // the platform could not create a dialog
    MemoryLow = 4,          // the low-memory hook (a warning of "BASE")
    Gpf = 5,                // kept for the table's numbering; never raised
    CannotCreateWindow = 6, // the platform could not create a window or control
};

// The error object for a framework failure with its detail text. Only a warning can be defaulted.
Error MakeFrameworkError(FrameworkError number, const std::string& detail);
// The error object for row 1 to 6 of the table; none for another number.
std::optional<Error> MakeFrameworkError(int index, const std::string& detail);
// Raises a framework failure and returns the handler's answer.
ErrorAnswer RaiseFrameworkError(FrameworkError number, const std::string& detail,
                                std::source_location where = std::source_location::current());
// The detail text naming a control identifier: "No: " and the number right-aligned in 6.
std::string IdDetail(int nId);

// The low-memory hook: raises error 4 without detail and returns the handler's answer.
ErrorAnswer __LowMemError(std::source_location where = std::source_location::current());

}  // namespace pixa::window
