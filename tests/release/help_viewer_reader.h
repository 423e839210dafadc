#pragma once
// Reading the program's help from outside: the help source's chapters, and the
// text that the platform's help viewer (a process of its own) shows.
#include <windows.h>

#include <map>
#include <string>

#include "tests/support/layers.h"

namespace pixa::test {

// A path of the build machine as Wine sees it.
std::string WinePath(std::string unixPath);
// UTF-8 text in Windows-1252.
std::string Ansi(const std::string& utf8);
// The help source, whole.
std::string SourceText();
// Chapter keyword -> chapter title (Windows-1252), as the help source declares them.
std::map<std::string, std::string> SourceChapters();
// The text the viewer shows, once it contains want (empty after 30 s without it).
std::string ViewerTextWith(const std::string& want);
// Closes the viewer and waits until its windows are gone.
void CloseViewer(const std::string& helpFile);

}  // namespace pixa::test
