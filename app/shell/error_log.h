#pragma once
// The error log left by an earlier run: offered at start-up ("Fehlerprotokoll")
// for deleting, printing or mailing.
#include <string>
#include <vector>

#include "app/shell/namespace.h"

namespace pixa::shell {

// Shows the "Fehlerprotokoll" dialog when "ERROR.LOG" is in the current folder.
void PrintErr();
// Carries out choice 1 (delete the logs), 2 (print, then delete when printed) or
// 3 (mail through "Sendlet.exe"). Yields true.
bool DoWithLog(int choice);
// Prints "ERROR.LOG" on a printer the user chooses; true when it was printed.
bool PrintErrorLog();

// The print lines of a log text: a line feed ends a line, carriage returns and a
// final end-of-file byte are dropped, tabs go to the next multiple of 8, and a
// longer line continues on the next print line after 70 characters.
std::vector<std::string> LogPrintLines(const std::string& text);

// Tells the error report what the application adds: its table driver.
void AddAppReportSources();

// The choice the start-up dialog holds for the run (1 to 3).
int& LogChoice();

}  // namespace pixa::shell
