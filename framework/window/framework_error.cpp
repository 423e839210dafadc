#include "framework/window/framework_error.h"

#include <cstdio>

namespace pixa {

namespace {
const char* Description(FrameworkError number) {
    switch (number) {
        case FrameworkError::NonDefinedId: return "Non defined Id";
        case FrameworkError::DuplicatedId: return "Duplicated Id";
        case FrameworkError::CannotCreateDialog: return "Cannot create Dialog Box";
        case FrameworkError::CannotCreateWindow: return "Cannot create window or control";
    }
    return "";
}
}  // namespace

Error MakeFrameworkError(FrameworkError number, const std::string& detail) {
    Error e;
    e.SubSystem = "Velmora";
    e.SubCode = static_cast<int>(number);
    e.Description = Description(number);
    e.Operation = detail;
    e.Severity = 3;  // catastrophic: the window cannot work without it
    return e;
}

ErrorAnswer RaiseFrameworkError(FrameworkError number, const std::string& detail) {
    return RaiseError(MakeFrameworkError(number, detail));
}

std::string IdDetail(int nId) {
    char text[32];
    std::snprintf(text, sizeof text, "No: %6d", nId);
    return text;
}

}  // namespace pixa
