#pragma once
// The diagnostic report of the error handler, line by line, and the one-line
// error message. The figures come in as ReportFacts so the text is built the
// same way whatever their source.
#include <functional>
#include <string>
#include <vector>

#include "runtime/error.h"
#include "runtime/frame.h"
#include "framework/services/system_info.h"
#include "framework/services/namespace.h"

namespace pixa::services {

// "Error BASE/2012  Open error: C:\x.jpg" and the other forms of the message text.
std::string ErrorMessage(const Error& error);

// What the application adds to the report: the table drivers it provides, the lines
// describing its open work areas, the number of its program-wide values.
struct ReportSources {
    std::function<std::vector<std::string>()> rdds{};
    std::function<std::vector<std::string>()> areas{};
    std::function<long()> statics{};
};
// Installs the application's sources (empty members report nothing).
void SetReportSources(ReportSources sources);
const ReportSources& GetReportSources();

struct ReportFacts {
    SystemFacts system;
    std::string elapsed;                 // TimeFromStart()
    std::string occurredAt;              // "dd.mm.yy, hh:mm:ss"
    std::vector<StackLevel> stack;       // innermost first
    std::vector<std::string> classes;    // classes in use, in order of first sight
    std::vector<std::string> rdds;       // table drivers
    std::vector<std::string> areaLines;  // the open work areas, already formatted
    long statics = 0;                    // number of program-wide values
};

// Gathers the facts from the platform, the frame registry and the report sources.
ReportFacts GatherFacts();
// Today's date in the program's date format, a comma and the time of day "hh:mm:ss".
std::string OccurredAtNow();

// Lines 1 to 19: application, arguments, stack, system.
std::vector<std::string> ReportHead(const Error& error, const ReportFacts& facts);
// Lines 20 and 21: the running applications.
std::vector<std::string> ReportTasks(const std::vector<std::string>& tasks);
// Lines 22 to 33: variables, drivers, databases, classes, memory.
std::vector<std::string> ReportTail(const ReportFacts& facts);
// The stack entries of line 11 ("   Called from Name(line)").
std::vector<std::string> StackLines(const std::vector<StackLevel>& stack);
// The log file's bytes: every line ended by CR LF, then one end-of-file byte.
std::string LogFileText(const std::vector<std::string>& lines);

}  // namespace pixa::services
