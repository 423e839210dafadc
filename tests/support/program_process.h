#pragma once
// A program a test starts: ended and its handles closed when the object goes, so a
// failing test never leaves a program running under the shared Wine session.
#include <windows.h>

#include <filesystem>
#include <string>

#include "tests/support/layers.h"

namespace pixa::test {

class ProgramProcess {
public:
    ProgramProcess() = default;
    ~ProgramProcess() { Stop(); }
    ProgramProcess(const ProgramProcess&) = delete;
    ProgramProcess& operator=(const ProgramProcess&) = delete;

    // Starts exe with the given current folder (another than its own, so the program
    // must find its folder itself); a program started before is let go first.
    bool Start(const std::string& exe, const char* folder = "C:\\");
    // The same for an executable whose path Windows-1252 cannot hold.
    bool Start(const std::filesystem::path& exe, const wchar_t* folder = L"C:\\");
    // Waits up to ms for the program to end; true when it has.
    bool WaitEnded(DWORD ms) const;
    // Waits up to ms for the program to wait for input (its windows are built).
    bool WaitIdle(DWORD ms) const { return WaitForInputIdle(info_.hProcess, ms) == 0; }
    // Ends the program if it still runs and closes its handles.
    void Stop();
    // Closes the handles without ending the program (it has ended already).
    void Forget();

    DWORD Id() const { return info_.dwProcessId; }

private:
    PROCESS_INFORMATION info_{};
};

}  // namespace pixa::test
