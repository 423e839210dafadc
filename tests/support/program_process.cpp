// Programs exist to start only in the Windows build; the support library is also built natively.
#ifdef _WIN32
#include "tests/support/program_process.h"
#include "tests/support/layers.h"

namespace pixa::test {

bool ProgramProcess::Start(const std::string& exe, const char* folder) {
    Forget();
    STARTUPINFOA si{};
    si.cb = sizeof si;
    std::string command = "\"" + exe + "\"";
    return CreateProcessA(exe.c_str(), command.data(), nullptr, nullptr, FALSE, 0, nullptr, folder, &si, &info_);
}

bool ProgramProcess::Start(const std::filesystem::path& exe, const wchar_t* folder) {
    Forget();
    STARTUPINFOW si{};
    si.cb = sizeof si;
    std::wstring command = L"\"" + exe.wstring() + L"\"";
    return CreateProcessW(exe.c_str(), command.data(), nullptr, nullptr, FALSE, 0, nullptr, folder, &si, &info_);
}

bool ProgramProcess::WaitEnded(DWORD ms) const {
    return info_.hProcess && WaitForSingleObject(info_.hProcess, ms) == WAIT_OBJECT_0;
}

void ProgramProcess::Stop() {
    if (info_.hProcess && !WaitEnded(0)) {
        TerminateProcess(info_.hProcess, 1);
        WaitEnded(5000);
    }
    Forget();
}

void ProgramProcess::Forget() {
    if (info_.hProcess) CloseHandle(info_.hProcess);
    if (info_.hThread) CloseHandle(info_.hThread);
    info_ = {};
}

}  // namespace pixa::test

#endif
