// The error report's text: message forms, argument lines, stack, classes, the
// framework's error table, elapsed time and the window-title rule.
#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>

#include "framework/services/error_report.h"
#include "runtime/frame.h"
#include "framework/services/system_info.h"
#include "framework/window/framework_error.h"
#include "tests/support/layers.h"

namespace pixa {
namespace {

bool Has(const std::vector<std::string>& lines, const std::string& line) {
    return std::find(lines.begin(), lines.end(), line) != lines.end();
}

Error FileOpenError() {
    Error e;
    e.GenCode = 21;
    e.SubSystem = "BASE";
    e.SubCode = 2012;
    e.Description = "Open error";
    e.FileName = "C:\\Bilder\\a.jpg";
    e.Operation = "FOPEN";
    return e;
}

TEST(ErrorMessageText, SeverityOsCodeAndTheFileBeforeTheOperation) {
    Error e = FileOpenError();
    EXPECT_EQ(ErrorMessage(e), "Error BASE/2012  Open error: C:\\Bilder\\a.jpg");
    e.FileName.clear();
    EXPECT_EQ(ErrorMessage(e), "Error BASE/2012  Open error: FOPEN");
    e.Operation.clear();
    e.OsCode = 32;
    EXPECT_EQ(ErrorMessage(e), "(DOS Error 32) BASE/2012  Open error");
    e.OsCode = 0;
    e.Severity = 1;
    EXPECT_EQ(ErrorMessage(e), "Warning BASE/2012  Open error");
}

TEST(FrameworkErrorTable, RowsOneToSixAndNothingOutside) {
    EXPECT_FALSE(MakeFrameworkError(0, "").has_value());
    EXPECT_FALSE(MakeFrameworkError(7, "").has_value());
    auto low = MakeFrameworkError(4, "");
    ASSERT_TRUE(low);
    EXPECT_EQ(ErrorMessage(*low), "Warning BASE/5300  Memory Low");
    EXPECT_TRUE(low->CanDefault);
    for (int i : {1, 2, 3, 5, 6}) {
        auto e = MakeFrameworkError(i, "No: " + std::to_string(i));
        ASSERT_TRUE(e) << i;
        EXPECT_EQ(e->SubSystem, "Velmora");
        EXPECT_EQ(e->SubCode, i);
        EXPECT_EQ(e->Severity, 3);
        EXPECT_FALSE(e->CanDefault) << i;
    }
    EXPECT_EQ(MakeFrameworkError(6, "")->Description, "Cannot create window or control");
    EXPECT_EQ(IdDetail(105), "No:    105");
}

TEST(ReportText, ArgsLineOnlyForAnArrayAndOneLinePerArgument) {
    ReportFacts facts;
    Error e = FileOpenError();
    auto head = ReportHead(e, facts);
    EXPECT_FALSE(Has(head, "   Args:"));

    e.Args = Value(std::make_shared<Array>());
    head = ReportHead(e, facts);
    auto args = std::find(head.begin(), head.end(), "   Args:");
    ASSERT_NE(args, head.end());
    EXPECT_EQ(*(args + 1), "");  // no entries: the empty line before "Stack Calls" follows
    EXPECT_EQ(*(args + 2), "Stack Calls");

    e.Args = Value(std::make_shared<Array>(Array{Value("abc"), Value(12), Value(), Value(true),
                                                 Value(Action([](const Args&) { return Value(); }))}));
    head = ReportHead(e, facts);
    EXPECT_TRUE(Has(head, "     [   1] = C   abc"));
    EXPECT_TRUE(Has(head, "     [   2] = N   12"));
    EXPECT_TRUE(Has(head, "     [   3] = U   "));
    EXPECT_TRUE(Has(head, "     [   4] = L   .t."));
    EXPECT_TRUE(Has(head, "     [   5] = B   {|| ... }"));
}

TEST(ReportText, FixedLinesAndFigures) {
    ReportFacts facts;
    facts.system.exePath = "C:\\P\\pixaport.exe";
    facts.system.exeSize = 1234567;
    facts.system.physicalBytes = 3ull * 1048576 + 5;
    facts.system.memoryNow = 4096;
    facts.elapsed = "1 hours 2 mins 3 secs ";
    facts.occurredAt = "08.12.26, 20:10:05";
    auto head = ReportHead(FileOpenError(), facts);
    ASSERT_GE(head.size(), 7u);
    EXPECT_EQ(head[2], "   Path and name: C:\\P\\pixaport.exe (32 bits)");
    EXPECT_EQ(head[3], "   Size: 1,234,567 bytes");
    EXPECT_EQ(head[4], "   Time from start: 1 hours 2 mins 3 secs ");
    EXPECT_EQ(head[5], "   Error occurred at: 08.12.26, 20:10:05");
    EXPECT_EQ(head[6], "   Error description: Error BASE/2012  Open error: C:\\Bilder\\a.jpg");
    EXPECT_TRUE(Has(head, "   Hardware memory: 4 megs"));

    facts.system.exeSize = 512;
    EXPECT_EQ(ReportHead(FileOpenError(), facts)[3], "   Size:       512 bytes");

    auto tail = ReportTail(facts);
    EXPECT_EQ(tail.back(), "      Highest Value:          0 bytes");
    EXPECT_TRUE(Has(tail, "      Actual  Value:       4096 bytes"));
    EXPECT_EQ(LogFileText({"a", ""}), std::string("a\r\n\r\n\x1A"));
}

// The host's own view of the processor, read past Wine from the Linux side.
std::string HostCpuModelName() {
    std::ifstream info("Z:\\proc\\cpuinfo");
    for (std::string line; std::getline(info, line);)
        if (line.rfind("model name", 0) == 0) return line.substr(line.find(':') + 2);
    return {};
}

TEST(SystemFacts, TheProcessorIsNamedByItsOwnNameString) {
    std::string host = HostCpuModelName();
    if (host.empty()) GTEST_SKIP() << "no processor name on this host";
    EXPECT_EQ(ReadSystemFacts().cpuName, host);
}

TEST(ReportText, StackParamsLocalsAndClassesNumberedFromOne) {
    ReportFacts facts;
    facts.stack = {{"Inner", 42, {Value("x"), Value()}, {Value(std::make_shared<Array>(Array{1, 2}))}},
                   {"", 7, {}, {}},
                   {"TDIALOG:HandleEvent", 3, {}, {}}};
    facts.classes = {"TWINDOW", "TDIALOG", "ERROR"};
    auto lines = StackLines(facts.stack);
    EXPECT_EQ(lines, (std::vector<std::string>{"   Called from Inner(42)", "   Called from TDIALOG:HandleEvent(3)"}));

    auto tail = ReportTail(facts);
    EXPECT_TRUE(Has(tail, "   Inner"));
    EXPECT_TRUE(Has(tail, "     Param   1:    C    \"x\""));
    EXPECT_TRUE(Has(tail, "     Param   2:    U    "));
    EXPECT_TRUE(Has(tail, "     Local   1:    A    Len:    2"));
    auto classes = std::find(tail.begin(), tail.end(), "Classes in use:");
    ASSERT_NE(classes, tail.end());
    EXPECT_EQ(*(classes + 2), "     1 TWINDOW");
    EXPECT_EQ(*(classes + 4), "     3 ERROR");
    EXPECT_EQ(*(classes + 5), "");  // exactly one line per class
}

TEST(ElapsedTime, HoursMinutesSecondsAcrossMidnightAndNeverNegative) {
    EXPECT_EQ(ElapsedText(100, 0, 100, 3723), "1 hours 2 mins 3 secs ");
    EXPECT_EQ(ElapsedText(100, 86399, 101, 1), "0 hours 0 mins 2 secs ");
    EXPECT_EQ(ElapsedText(100, 50, 100, 10), "0 hours 0 mins 0 secs ");
    EXPECT_EQ(ElapsedText(100, 0, 102, 0), "48 hours 0 mins 0 secs ");
}

TEST(WindowTitles, ATitleThatBeginsAListedOneIsLeftOut) {
    EXPECT_EQ(DistinctTitles({"Pixaport - Einstellungen", "Pixaport", "Pix", "", "Other"}),
              (std::vector<std::string>{"Pixaport - Einstellungen", "Other"}));
    EXPECT_EQ(DistinctTitles({"", "A", "", "AB"}), (std::vector<std::string>{"", "A", "AB"}));
}

void Inner(std::vector<StackLevel>& seen) {
    Frame frame("Inner");
    frame.Param(7);
    seen = CallStack(std::source_location::current());
}

TEST(FrameRegistry, InnermostFirstWithTheRaiseLineAndUnwound) {
    std::vector<StackLevel> seen;
    {
        Frame outer("Outer");
        Inner(seen);
    }
    ASSERT_GE(seen.size(), 2u);
    EXPECT_EQ(seen[0].name, "Inner");
    ASSERT_EQ(seen[0].params.size(), 1u);
    EXPECT_EQ(seen[0].params[0].AsInteger(), 7);
    EXPECT_EQ(seen[1].name, "Outer");
    EXPECT_TRUE(CallStack().empty());
    // A raise site outside every frame becomes a level of its own, named by its function.
    auto site = CallStack(std::source_location::current());
    ASSERT_EQ(site.size(), 1u);
    EXPECT_NE(site[0].name.find("TestBody"), std::string::npos) << site[0].name;
    EXPECT_EQ(ShortFunctionName("bool pixa::{anonymous}::Retry(const pixa::BaseErrorInfo&)"), "Retry");
    EXPECT_EQ(ShortFunctionName("void pixa::TDialog::Activate(const pixa::DialogActivate&)"), "TDialog:Activate");
}

}  // namespace
}  // namespace pixa
