#include "framework/services/error_report.h"

#include <windows.h>

#include <cstdio>

#include "runtime/date.h"
#include "runtime/transform.h"
#include "runtime/value_text.h"
#include "framework/services/namespace.h"

namespace pixa::services {

std::string ErrorMessage(const Error& error) {
    std::string text = error.OsCode == 0 ? (error.Severity > 1 ? "Error " : "Warning ")
                                         : "(DOS Error " + NumberText(static_cast<std::int64_t>(error.OsCode)) + ") ";
    text += error.SubSystem;
    text += "/" + NumberText(static_cast<std::int64_t>(error.SubCode));
    text += "  " + error.Description;
    if (!error.FileName.empty())
        text += ": " + error.FileName;
    else if (!error.Operation.empty())
        text += ": " + error.Operation;
    return text;
}

namespace {
ReportSources& Sources() {
    static ReportSources sources;
    return sources;
}

std::string Trim(std::uint64_t n) { return NumberText(static_cast<std::int64_t>(n)); }
std::string Width(std::int64_t n, std::size_t width) { return PadLeft(NumberText(n), width); }

void Append(std::vector<std::string>& lines, std::initializer_list<std::string> more) {
    lines.insert(lines.end(), more);
}

std::string ValueLine(const char* label, std::size_t j, const Value& value) {
    return std::string("     ") + label + " " + Width(static_cast<std::int64_t>(j), 3) + ":    " + value.TypeLetter() +
           "    " + cGetInfo(value);
}
}  // namespace

void SetReportSources(ReportSources sources) { Sources() = std::move(sources); }
const ReportSources& GetReportSources() { return Sources(); }

std::string OccurredAtNow() {
    SYSTEMTIME now;
    GetLocalTime(&now);
    char time[16];
    std::snprintf(time, sizeof time, "%02u:%02u:%02u", now.wHour, now.wMinute, now.wSecond);
    return DateText(Date::Today()) + ", " + time;
}

ReportFacts GatherFacts() {
    ReportFacts facts;
    facts.system = ReadSystemFacts();
    facts.elapsed = TimeFromStart();
    facts.occurredAt = OccurredAtNow();
    facts.stack = CallStack(RaiseSite());
    facts.classes = ClassesInUse();
    const ReportSources& s = Sources();
    if (s.rdds) facts.rdds = s.rdds();
    if (s.areas) facts.areaLines = s.areas();
    if (s.statics) facts.statics = s.statics();
    return facts;
}

std::vector<std::string> StackLines(const std::vector<StackLevel>& stack) {
    std::vector<std::string> lines;
    for (const auto& level : stack)
        if (!level.name.empty())
            lines.push_back("   Called from " + level.name + "(" + Trim(static_cast<std::uint64_t>(level.line)) + ")");
    return lines;
}

std::vector<std::string> ReportHead(const Error& error, const ReportFacts& f) {
    const SystemFacts& s = f.system;
    std::vector<std::string> lines{
        "Application",
        "===========",
        "   Path and name: " + s.exePath + " (32 bits)",
        "   Size: " + Transform(Value(static_cast<std::int64_t>(s.exeSize)), "9,999,999") + " bytes",
        "   Time from start: " + f.elapsed,
        "   Error occurred at: " + f.occurredAt,
        "   Error description: " + ErrorMessage(error),
    };
    if (error.Args.IsArray()) {
        lines.push_back("   Args:");
        const Array& args = *error.Args.AsArray();
        for (std::size_t i = 0; i < args.size(); ++i)
            lines.push_back("     [" + Width(static_cast<std::int64_t>(i + 1), 4) + "] = " + args[i].TypeLetter() +
                            "   " + cValToChar(args[i]));
    }
    Append(lines, {"", "Stack Calls", "==========="});
    for (auto& line : StackLines(f.stack)) lines.push_back(std::move(line));
    Append(lines, {"", "System", "======"});
    Append(lines, {
        "   CPU type: " + s.cpuName + " " + Trim(static_cast<std::uint64_t>(s.cpuMhz)) + " Mhz",
        "   Hardware memory: " + Trim(s.physicalBytes / 1048576 + 1) + " megs",
        "",
        "   Free System resources: " + Trim(static_cast<std::uint64_t>(s.freeSystem)) + " %",
        "        GDI    resources: " + Trim(static_cast<std::uint64_t>(s.freeGdi)) + " %",
        "        User   resources: " + Trim(static_cast<std::uint64_t>(s.freeUser)) + " %",
        "",
        "   Compiler version: " + s.compiler,
        "   Windows version: " + Trim(s.winMajor) + "." + Trim(s.winMinor) + ", Build " + Trim(s.winBuild) + " " +
            s.servicePack,
        "",
    });
    return lines;
}

std::vector<std::string> ReportTasks(const std::vector<std::string>& tasks) {
    std::vector<std::string> lines{"   Windows total applications running: " + Trim(tasks.size())};
    for (std::size_t i = 0; i < tasks.size(); ++i)
        lines.push_back("    " + Width(static_cast<std::int64_t>(i + 1), 3) + " " + tasks[i]);
    return lines;
}

std::vector<std::string> ReportTail(const ReportFacts& f) {
    std::vector<std::string> lines{"", "Variables in use", "================", "   Procedure     Type   Value",
                                   "   =========================="};
    for (const auto& level : f.stack) {
        if (level.name.empty()) continue;
        lines.push_back("   " + level.name);
        for (std::size_t j = 0; j < level.params.size(); ++j) lines.push_back(ValueLine("Param", j + 1, level.params[j]));
        for (std::size_t j = 0; j < level.locals.size(); ++j) lines.push_back(ValueLine("Local", j + 1, level.locals[j]));
    }
    Append(lines, {"", "Linked RDDs", "==========="});
    for (const auto& rdd : f.rdds) lines.push_back("   " + rdd);
    Append(lines, {"", "DataBases in use", "================"});
    lines.insert(lines.end(), f.areaLines.begin(), f.areaLines.end());
    Append(lines, {"", "Classes in use:", "==============="});
    for (std::size_t i = 0; i < f.classes.size(); ++i)
        lines.push_back("   " + Width(static_cast<std::int64_t>(i + 1), 3) + " " + f.classes[i]);
    Append(lines, {"", "Memory Analysis", "==============="});
    Append(lines, {
        "      " + NumberText(static_cast<std::int64_t>(f.statics)) + " Static variables",
        "",
        "   Dynamic memory consume:",
        "      Actual  Value: " + Width(static_cast<std::int64_t>(f.system.memoryNow), 10) + " bytes",
        "      Highest Value: " + Width(static_cast<std::int64_t>(f.system.memoryPeak), 10) + " bytes",
    });
    return lines;
}

std::string LogFileText(const std::vector<std::string>& lines) {
    std::string text;
    for (const auto& line : lines) text += line + "\r\n";
    text += '\x1A';
    return text;
}

}  // namespace pixa::services
