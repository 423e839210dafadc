#pragma once
// A printer of the test prefix whose PostScript output goes to a file: the platform's
// PostScript driver with a small printer description, made the default printer.
#include <string>
#include <vector>

#include "tests/support/layers.h"

namespace pixa::test {

// Installs the printer once per prefix and makes it the default; yields its output file.
std::string InstallFilePrinter();
// Installs a second printer of the same driver whose port is a file in a folder that
// does not exist, so the spooler cannot hand a job out at its end; makes it the default.
void InstallFailingPrinter();
// Removes both printers again: a printer in the prefix changes what the shell's folder
// chooser shows, which other tests rely on.
void RemoveFilePrinter();

// What a PostScript output file holds.
struct PrintedJob {
    std::string title;                            // the job name (%%Title)
    std::vector<std::vector<std::string>> pages;  // the text lines of each page, top to bottom
    std::vector<int> firstX;                      // per page: the x of the first text drawn (device units)
};
// Reads the file back; no pages when it does not exist.
PrintedJob ReadPrintedJob(const std::string& file);

}  // namespace pixa::test
