#pragma once
// The program's own record of its call stack for the error report: each named
// operation keeps a Frame on the stack while it runs (RAII), with its source line
// and, when it chooses, its parameters and locals. Pushing and popping a frame is
// a pointer push; names are only put together when a report is written.
#include <source_location>
#include <string>
#include <vector>

#include "runtime/value.h"

namespace pixa {

class Frame {
public:
    // A plain function: "Name".
    explicit Frame(const char* name, std::source_location where = std::source_location::current());
    // A method: the object's class name, a colon and the method ("TDIALOG:ACTIVATE").
    Frame(const Object& self, const char* method, std::source_location where = std::source_location::current());
    ~Frame();
    Frame(const Frame&) = delete;
    Frame& operator=(const Frame&) = delete;

    // Moves the frame's current line to the caller's line.
    void At(std::source_location where = std::source_location::current()) { line_ = where.line(); }
    // Records the next parameter.
    Frame& Param(Value value);
    // Records the next local variable.
    Frame& Local(Value value);
    // Replaces the local variable at a 1-based position (adding blank ones up to it).
    void SetLocal(std::size_t position, Value value);

    // The level's name as the report shows it.
    std::string Name() const;
    int Line() const { return line_; }
    const char* Function() const { return function_; }
    const std::vector<Value>& Params() const { return params_; }
    const std::vector<Value>& Locals() const { return locals_; }

private:
    const Object* self_;
    const char* name_;
    const char* function_;  // the compiler's function name, to match a raise site
    int line_;
    std::vector<Value> params_;
    std::vector<Value> locals_;
};

// One level of the recorded call stack, copied out for a report.
struct StackLevel {
    std::string name;
    int line = 0;
    std::vector<Value> params;
    std::vector<Value> locals;
};

// The recorded levels from the innermost outward, at most 72. When the raise site
// lies in the innermost frame's function, that level shows the raise line;
// a raise site in an unrecorded function becomes a level of its own.
std::vector<StackLevel> CallStack(const std::source_location& raisedAt = {});
// The short name of a compiler function name: "pixa::TDialog::Activate(...)" gives
// "TDialog:Activate", "bool pixa::{anonymous}::Retry(int)" gives "Retry".
std::string ShortFunctionName(const char* function);

// Classes in use: a class is noted the first time an object of it is seen;
// the list keeps the order of first sight.
void NoteClass(const std::string& className);
const std::vector<std::string>& ClassesInUse();

}  // namespace pixa
