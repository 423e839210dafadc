#pragma once
// Sounds and starting other programs through the platform shell.
#include <windows.h>
#include <shellapi.h>
// The platform header names its wide/narrow pair with this macro; ours is a function.
#undef ShellExecute

#include <optional>
#include <string>

#include "runtime/value.h"
#include "framework/services/namespace.h"

namespace pixa::services {

// Plays a wave file (a text), or passes a number on unchanged; flags 1 play
// asynchronously. True when the platform accepted the sound.
bool SndPlaySound(const Value& sound, UINT flags = 1);
// Starts a program by command line; a result above 31 means it started.
UINT WinExec(const std::string& commandLine, UINT show = 1);
// The shell's operation (open when absent) on a file or address; absent texts go as
// null. Looked up in "shell32.dll" at run time: when that cannot be loaded an alert
// says so and the result is absent.
Value ShellExecute(HWND hWnd, const std::optional<std::string>& operation, const std::string& file,
                   const std::optional<std::string>& parameters = {},
                   const std::optional<std::string>& directory = {}, int show = 1);
// The handle with its upper 16 bits set to ones, the form the shell takes as owner.
HWND GetHWnd32(HWND hWnd);

}  // namespace pixa::services
