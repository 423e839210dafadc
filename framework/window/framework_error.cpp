#include "framework/window/framework_error.h"

#include <cstdio>

namespace pixa::window {

namespace {
struct TableRow {
    const char* description;
    int severity;
    const char* subSystem;
    int subCode;  // 0: the row's own number
};

constexpr TableRow kTable[] = {
    {"Non defined Id", 3, "Velmora", 0},
    {"Duplicated Id", 3, "Velmora", 0},
    {"Cannot create Dialog Box", 3, "Velmora", 0},
    {"Memory Low", 1, "BASE", 5300},
    {"GPF occurred", 3, "Velmora", 0},
    {"Cannot create window or control", 3, "Velmora", 0},
};
constexpr int kRows = static_cast<int>(sizeof kTable / sizeof kTable[0]);
}  // namespace

std::optional<Error> MakeFrameworkError(int index, const std::string& detail) {
    if (index < 1 || index > kRows) return std::nullopt;
    const TableRow& row = kTable[index - 1];
    Error e;
    e.Description = row.description;
    e.Severity = row.severity;
    e.SubSystem = row.subSystem;
    e.SubCode = row.subCode ? row.subCode : index;
    e.Operation = detail;
    e.CanDefault = row.severity < 3;  // a catastrophic failure cannot be passed over
    return e;
}

Error MakeFrameworkError(FrameworkError number, const std::string& detail) {
    return *MakeFrameworkError(static_cast<int>(number), detail);
}

ErrorAnswer RaiseFrameworkError(FrameworkError number, const std::string& detail, std::source_location where) {
    return RaiseError(MakeFrameworkError(number, detail), where);
}

ErrorAnswer __LowMemError(std::source_location where) { return RaiseFrameworkError(FrameworkError::MemoryLow, "", where); }

std::string IdDetail(int nId) {
    char text[32];
    std::snprintf(text, sizeof text, "No: %6d", nId);
    return text;
}

}  // namespace pixa::window
