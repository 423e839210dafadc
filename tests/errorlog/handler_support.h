#pragma once
// What the error handler's tests share: a fresh current folder with the handler
// installed, finding controls by caption, and running this test program again as
// a child process for the paths that end the program.
#include <windows.h>

#include <string>

#include "runtime/error.h"
#include "tests/support/temp_dir.h"
#include "tests/support/layers.h"

namespace pixa::test {

// Makes a temporary folder current and installs the error handler; undoes both.
class HandlerScope {
public:
    HandlerScope();
    ~HandlerScope();
    HandlerScope(const HandlerScope&) = delete;
    HandlerScope& operator=(const HandlerScope&) = delete;
    const TempDir& dir() const { return dir_; }

private:
    TempDir dir_;
    std::string previousFolder_;
    ErrorHandler previousHandler_;
};

// The child window of a dialog whose text is exactly this, or null.
HWND ChildByText(HWND parent, const std::string& text);

// Adds the steps that click a button of a dialog and wait until the dialog has closed.
class GuiScript;
void ClickAndWaitClosed(GuiScript& script, const char* caption, const char* button);

// Runs this test program with only ErrorHandlerChild.Run selected, the case name in
// PIXA_ERRORLOG_CHILD and the given current folder, waits for it and yields its exit code.
DWORD RunChild(const std::string& caseName, const std::string& folder);
// The case this process runs as a child, or empty.
std::string ChildCase();

// True when P: is the 2 MiB tmpfs card of scripts/test-drives.sh.
bool CardIsSmallTmpfs();
// Fills the drive of root with the file filler so that only about room bytes stay free.
bool FillCardLeaving(const std::string& root, ULONGLONG room, const std::string& filler);

}  // namespace pixa::test
